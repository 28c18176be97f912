// A main window that is closed and destroyed while the address box has the focus: the box is
// not "left" by the user then, so the address is not applied (the commands it would enable are
// already gone while the window is being taken apart).

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "editing/TAddressBar.h"

namespace {

struct Counts {
    int applied = 0;
    int focused = 0;
};

QMainWindow* MakeWindow(Counts* counts, QLineEdit** editOut) {
    auto* main = new QMainWindow;
    auto* toolBar = new QToolBar(QStringLiteral("アドレス"), main);
    auto* folderTB = new QToolButton(toolBar);
    auto* desktopTB = new QToolButton(toolBar);
    auto* edit = new QLineEdit(toolBar);
    auto* ext = new QToolButton(toolBar);
    for (QWidget* w : std::initializer_list<QWidget*>{folderTB, desktopTB, edit, ext})
        toolBar->addWidget(w);
    main->addToolBar(toolBar);
    main->setCentralWidget(new QLineEdit(main));
    auto* bar = new TAddressBar(main, edit, folderTB, desktopTB, ext);
    auto& h = bar->hooks();
    h.documentPath = [] { return QStringLiteral("/tmp/memo.txt"); };
    h.setDocumentPath = [](const QString&) {};
    h.markModified = [counts] { ++counts->applied; };
    h.focusActiveView = [counts] { ++counts->focused; };
    h.programFolder = [] { return QStringLiteral("/tmp"); };
    *editOut = edit;
    return main;
}

struct CloseCase {
    const char* what;
    bool hideFirst;  // closed (hidden) before it is destroyed, as the close query does
};

class AddressBoxFocusedAtTheEnd : public ::testing::TestWithParam<CloseCase> {};

TEST_P(AddressBoxFocusedAtTheEnd, DestroyingTheWindowAppliesNothing) {
    Counts counts;
    QLineEdit* edit = nullptr;
    QMainWindow* main = MakeWindow(&counts, &edit);
    main->show();
    QApplication::setActiveWindow(main);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    edit->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(edit->hasFocus());
    // A folder that exists: applied, it would mark the document modified.
    edit->setText(QStringLiteral("/tmp"));
    if (GetParam().hideFirst) main->hide();
    delete main;
    EXPECT_EQ(counts.applied, 0);
    EXPECT_EQ(counts.focused, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, AddressBoxFocusedAtTheEnd,
                         ::testing::Values(CloseCase{"hidden then destroyed", true},
                                           CloseCase{"destroyed while shown", false}));

}  // namespace
