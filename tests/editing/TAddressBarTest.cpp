// The address bar: every step of apply address on real folders, the extension cycle, the
// click-select rule of the box and the folder tree's open, re-root and close rules.

#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "editing/TAddressBar.h"

namespace {

struct Window {
    QTemporaryDir dir;
    QMainWindow main;
    TAddressBar* bar;
    QString documentPath;
    int modified = 0;
    int focused = 0;

    Window() {
        QDir(dir.path()).mkpath(QStringLiteral("sub"));
        QDir(dir.path()).mkpath(QStringLiteral("prog"));
        // The bar as the main window builds it: folder, desktop, box, extension.
        auto* toolBar = new QToolBar(QStringLiteral("アドレス"), &main);
        auto* folderTB = new QToolButton(toolBar);
        auto* desktopTB = new QToolButton(toolBar);
        auto* edit = new QLineEdit(toolBar);
        auto* ext = new QToolButton(toolBar);
        ext->setText(QStringLiteral(".html"));
        for (QWidget* w : std::initializer_list<QWidget*>{folderTB, desktopTB, edit, ext})
            toolBar->addWidget(w);
        main.addToolBar(toolBar);
        bar = new TAddressBar(&main, edit, folderTB, desktopTB, ext);
        main.setCentralWidget(new QWidget(&main));
        main.setWindowTitle(QStringLiteral("memo.txt - オリマキ９９"));
        auto& h = bar->hooks();
        h.documentPath = [this] { return documentPath; };
        h.setDocumentPath = [this](const QString& p) { documentPath = p; };
        h.markModified = [this] { ++modified; };
        h.focusActiveView = [this] {
            ++focused;
            main.centralWidget()->setFocus();
        };
        h.programFolder = [this] { return path("prog"); };
        documentPath = path("memo.txt");
        main.resize(800, 600);
    }
    QString path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
    void Type(const QString& text) {
        bar->addressEdit()->setText(text);
        bar->ApplyAddress();
    }
};

TEST(AddressApply, ExistingFolderKeepsTheFileNameAndTheCaption) {
    Window w;
    w.Type(w.path("sub"));
    EXPECT_EQ(w.documentPath, w.path("sub/memo.txt"));
    EXPECT_EQ(w.bar->addressEdit()->text(), w.path("sub/memo.txt"));
    EXPECT_EQ(w.main.windowTitle(), QStringLiteral("memo.txt - オリマキ９９"));
    EXPECT_EQ(w.modified, 1);
    EXPECT_EQ(w.bar->extensionButton()->text(), QStringLiteral(".html"));
}

TEST(AddressApply, BareNameStaysInTheFolderAndLeavesTheCaption) {
    Window w;
    w.Type(QStringLiteral("note.rtf"));
    EXPECT_EQ(w.documentPath, w.path("note.rtf"));
    EXPECT_EQ(w.main.windowTitle(), QStringLiteral("memo.txt - オリマキ９９"));
    EXPECT_EQ(w.modified, 1);
}

TEST(AddressApply, FullPathRenamesCaptionTitleAndButton) {
    Window w;
    w.Type(w.path("sub/novel.txt"));
    EXPECT_EQ(w.documentPath, w.path("sub/novel.txt"));
    EXPECT_EQ(w.main.windowTitle(), QStringLiteral("novel.txt - オリマキ９９"));
    EXPECT_EQ(w.main.windowIconText(), QStringLiteral("novel.txt"));
    EXPECT_EQ(w.bar->extensionButton()->text(), QStringLiteral(".rtf"));
    EXPECT_EQ(w.modified, 1);
}

TEST(AddressApply, CaptionShowsThePlainTextEncoding) {
    Window w;
    w.bar->hooks().captionSuffix = [] { return QStringLiteral(" [UTF-8]"); };
    w.Type(w.path("u.txt"));
    EXPECT_EQ(w.main.windowTitle(), QStringLiteral("u.txt [UTF-8] - オリマキ９９"));
}

TEST(AddressApply, NoExtensionAndNoFolderRevertsSilently) {
    Window w;
    w.Type(w.path("nothing-here"));
    EXPECT_EQ(w.documentPath, w.path("memo.txt"));
    EXPECT_EQ(w.bar->addressEdit()->text(), w.path("memo.txt"));
    EXPECT_EQ(w.modified, 0);
}

TEST(AddressApply, MissingFolderRevertsWhileTheDocumentsFolderExists) {
    Window w;
    w.Type(w.path("nope/x.txt"));
    EXPECT_EQ(w.documentPath, w.path("memo.txt"));
    EXPECT_EQ(w.bar->addressEdit()->text(), w.path("memo.txt"));
    EXPECT_EQ(w.modified, 0);
}

TEST(AddressApply, BothFoldersMissingFallsBackToTheProgramFolder) {
    Window w;
    w.documentPath = w.path("gone/memo.txt");
    w.Type(w.path("nope/x.txt"));
    EXPECT_EQ(w.documentPath, w.path("prog/"));
    EXPECT_EQ(w.bar->addressEdit()->text(), w.path("prog/"));
}

TEST(AddressExtension, ThreeClicksCycleTxtRtfWri) {
    Window w;
    w.bar->ShowAddress(w.documentPath);  // the first apply sets the button to ".rtf"
    ASSERT_EQ(w.bar->extensionButton()->text(), QStringLiteral(".rtf"));
    const char* expected[] = {"memo.rtf", "memo.wri", "memo.txt"};
    for (const char* name : expected) {
        w.bar->extensionButton()->click();
        EXPECT_EQ(w.documentPath, w.path(QString::fromLatin1(name)));
        EXPECT_EQ(w.main.windowTitle(),
                  QString::fromLatin1(name) + QStringLiteral(" - オリマキ９９"));
    }
    EXPECT_EQ(w.bar->extensionButton()->text(), QStringLiteral(".rtf"));
    EXPECT_GE(w.focused, 3);
}

TEST(AddressBox, FirstClickSelectsAllLaterClicksPlaceTheCaret) {
    Window w;
    w.main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.main));
    QLineEdit* edit = w.bar->addressEdit();
    edit->setText(w.documentPath);
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(10, edit->height() / 2));
    EXPECT_EQ(edit->selectedText(), w.documentPath);
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(10, edit->height() / 2));
    EXPECT_TRUE(edit->selectedText().isEmpty());
    // Leaving the box re-arms the rule (and applies the address).
    w.main.centralWidget()->setFocus();
    EXPECT_FALSE(w.bar->clickSelect());
}

TEST(AddressBox, EnterAppliesAndFocusesTheView) {
    Window w;
    w.main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.main));
    QLineEdit* edit = w.bar->addressEdit();
    edit->setFocus();
    edit->setText(QStringLiteral("typed.wri"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(w.documentPath, w.path("typed.wri"));
    EXPECT_GE(w.focused, 1);
}

TEST(AddressTree, OpensReRootsAndCloses) {
    Window w;
    w.main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.main));
    w.bar->AddressTBClick(false);
    ASSERT_TRUE(w.bar->folderTree());
    EXPECT_EQ(w.bar->folderTree()->objectName(), QStringLiteral("AddressFolderTree"));
    EXPECT_EQ(w.bar->folderTree()->root(), TFolderTreeViewEx::Root::Drives);
    EXPECT_EQ(w.bar->treeFolder(), w.dir.path());  // the document's folder is selected
    w.bar->AddressTBClick(true);
    ASSERT_TRUE(w.bar->folderTree());
    EXPECT_EQ(w.bar->folderTree()->root(), TFolderTreeViewEx::Root::Desktop);
    w.bar->AddressTBClick(true);
    EXPECT_FALSE(w.bar->folderTree());
    // Opened from the desktop button, the folder button re-roots it at the drives.
    w.bar->AddressTBClick(true);
    ASSERT_TRUE(w.bar->folderTree());
    EXPECT_EQ(w.bar->folderTree()->root(), TFolderTreeViewEx::Root::Desktop);
    w.bar->AddressTBClick(false);
    ASSERT_TRUE(w.bar->folderTree());
    EXPECT_EQ(w.bar->folderTree()->root(), TFolderTreeViewEx::Root::Drives);
    w.bar->AddressTBClick(false);
    EXPECT_FALSE(w.bar->folderTree());
}

TEST(AddressTree, EnterTakesTheSelectedFolderAndEscapeJustCloses) {
    Window w;
    w.main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.main));
    w.bar->AddressTBClick(false);
    ASSERT_TRUE(w.bar->folderTree());
    w.bar->folderTree()->SelectFolder(w.path("sub"));
    EXPECT_EQ(w.bar->treeFolder(), w.path("sub"));
    QTest::keyClick(w.bar->folderTree(), Qt::Key_Return);
    EXPECT_FALSE(w.bar->folderTree());
    EXPECT_EQ(w.documentPath, w.path("sub/memo.txt"));

    w.bar->AddressTBClick(false);
    ASSERT_TRUE(w.bar->folderTree());
    w.bar->folderTree()->SelectFolder(w.path("prog"));
    QTest::keyClick(w.bar->folderTree(), Qt::Key_Escape);
    EXPECT_FALSE(w.bar->folderTree());
    EXPECT_EQ(w.documentPath, w.path("sub/memo.txt"));
}

TEST(AddressTree, LosingTheFocusClosesIt) {
    Window w;
    w.main.show();
    w.main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.main));
    w.bar->AddressTBClick(false);
    ASSERT_TRUE(w.bar->folderTree());
    ASSERT_TRUE(w.bar->folderTree()->hasFocus());
    w.main.centralWidget()->setFocus();
    EXPECT_FALSE(w.bar->folderTree());
}

}  // namespace
