// The window's vertical switch: the menu items and the tool button show the vertical view in
// both views, switching back keeps text, caret and formats, the flag survives a restart, and
// typing and splitting work in vertical mode.

#include <QLineEdit>
#include <QMenu>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>

#include "MainWindowTestSupport.h"
#include "controls/THorizontalEdit.h"
#include "controls/TVerticalView.h"

namespace {

TVerticalView* VerticalOf(TRichEditEx* v) {
    return qobject_cast<TVerticalView*>(v->EditWidget());
}

TEST_F(MainWindowTest, TateModeShowsTheVerticalViewAndYokoModeComesBack) {
    TOMForm* f = Start();
    f->RichEditEx1()->SetText(QStringLiteral("吾輩は猫である。\r\n名前はまだ無い。"));
    QTextCursor c(f->RichEditEx1()->Document());
    c.setPosition(0);
    c.setPosition(2, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.mergeCharFormat(bold);
    const QString html = f->RichEditEx1()->Document()->toHtml();
    f->RichEditEx1()->SetSelection(6, 4);  // "猫で", two characters into the text

    f->Action("TateModeM")->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(f->verticalFlag);
    EXPECT_TRUE(f->Action("TateModeM")->isChecked());
    EXPECT_FALSE(f->Action("WordWrapOffM")->isEnabled());
    for (TRichEditEx* v : {f->RichEditEx1(), f->RichEditEx2()}) EXPECT_TRUE(v->Vertical());
    TVerticalView* view = VerticalOf(f->RichEditEx1());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    // The caret comes back to the selection start; the selection collapses.
    EXPECT_EQ(f->RichEditEx1()->SelStart(), 6);
    EXPECT_EQ(f->RichEditEx1()->SelLength(), 0);
    // Two paragraphs of 8 characters in a tall view: two columns.
    EXPECT_EQ(f->RichEditEx1()->LineCount(), 2);

    f->RichEditEx1()->SetSelStart(18);  // start of the second paragraph
    f->Action("YokoModeM")->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(f->verticalFlag);
    EXPECT_TRUE(f->Action("YokoModeM")->isChecked());
    EXPECT_TRUE(f->Action("WordWrapOffM")->isEnabled());
    EXPECT_NE(qobject_cast<THorizontalEdit*>(f->RichEditEx1()->EditWidget()), nullptr);
    EXPECT_TRUE(f->RichEditEx1()->HorizontalEdit()->isVisible());
    EXPECT_EQ(f->RichEditEx1()->Text(), QStringLiteral("吾輩は猫である。\r\n名前はまだ無い。"));
    EXPECT_EQ(f->RichEditEx1()->Document()->toHtml(), html);
    EXPECT_EQ(f->RichEditEx1()->SelStart(), 18);
    // Vertical mode cleared the wrap-off flag, and going back does not restore it.
    EXPECT_FALSE(f->wrapOff);
    EXPECT_TRUE(f->RichEditEx1()->WordWrap());
    EXPECT_EQ(f->RichEditEx1()->LineCount(), 2);
}

TEST_F(MainWindowTest, TextModeButtonToggles) {
    TOMForm* f = Start();
    auto* button = f->findChild<QToolButton*>(QStringLiteral("TextModeTB"));
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(f->verticalFlag);
    EXPECT_NE(VerticalOf(f->RichEditEx1()), nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(f->verticalFlag);
    EXPECT_EQ(VerticalOf(f->RichEditEx1()), nullptr);
}

TEST_F(MainWindowTest, VerticalModeSurvivesARestartAndTheSplitDoesNot) {
    TOMForm* f = Start();
    f->Action("TateModeM")->trigger();
    f->Action("S2SaYuuM")->trigger();
    QApplication::processEvents();
    QTest::keyClicks(VerticalOf(f->RichEditEx1()), QStringLiteral("abc"));
    MessageService::QueueAnswers({QMessageBox::No});
    ASSERT_TRUE(Close());
    EXPECT_EQ(Stored(QStringLiteral("Etc/Vertical")), QStringLiteral("1"));

    f = Start();
    EXPECT_TRUE(f->verticalFlag);
    EXPECT_TRUE(f->Action("TateModeM")->isChecked());
    TVerticalView* view = VerticalOf(f->RichEditEx1());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(f->Action("S2NoneM")->isChecked());
    EXPECT_FALSE(f->RichEditEx2()->isVisible());
    EXPECT_FALSE(f->wrapOff);
}

TEST_F(MainWindowTest, TypingInVerticalModeReachesBothViewsOfASplitWindow) {
    TOMForm* f = Start();
    f->Action("TateModeM")->trigger();
    f->Action("S2UeShitaM")->trigger();
    QApplication::processEvents();
    TVerticalView* one = VerticalOf(f->RichEditEx1());
    TVerticalView* two = VerticalOf(f->RichEditEx2());
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    EXPECT_TRUE(one->isVisible());
    EXPECT_TRUE(two->isVisible());
    // RichEditEx1 above, each half of the panel.
    EXPECT_LT(f->RichEditEx1()->y(), f->RichEditEx2()->y());

    QTest::keyClicks(one, QStringLiteral("abc"));
    EXPECT_EQ(f->RichEditEx2()->Text(), QStringLiteral("abc"));
    EXPECT_TRUE(f->RichEditEx1()->Modified());
    EXPECT_TRUE(f->Action("SaveM")->isEnabled());

    f->RichEditEx2()->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(f->ActiveView(), f->RichEditEx2());
    f->RichEditEx2()->SetSelStart(3);
    QTest::keyClicks(two, QStringLiteral("de"));
    EXPECT_EQ(f->RichEditEx1()->Text(), QStringLiteral("abcde"));

    // Unsplitting keeps the vertical presentation in RichEditEx1.
    f->Action("S2NoneM")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(f->ActiveView(), f->RichEditEx1());
    EXPECT_TRUE(one->isVisible());
}

TEST_F(MainWindowTest, EditPopupOpensOnTheVerticalView) {
    TOMForm* f = Start();
    f->Action("TateModeM")->trigger();
    QApplication::processEvents();
    TVerticalView* view = VerticalOf(f->RichEditEx1());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->contextMenuPolicy(), Qt::CustomContextMenu);
    bool shown = false;
    QMenu* popup = f->findChild<QMenu*>(QStringLiteral("PopupMenu2"));
    ASSERT_NE(popup, nullptr);
    QObject::connect(popup, &QMenu::aboutToShow, popup, [&] {
        shown = true;
        QMetaObject::invokeMethod(popup, &QMenu::close, Qt::QueuedConnection);
    });
    emit view->customContextMenuRequested(QPoint(10, 10));
    EXPECT_TRUE(shown);
}

}  // namespace

namespace {
// Tab and Shift+Tab are typed into the text in either presentation; the focus never moves on to
// the bars (where the next keys would change the address box).
TEST_F(MainWindowTest, TabIsTypedAndTheFocusStaysInTheText) {
    TOMForm* f = Start();
    f->show();
    QApplication::setActiveWindow(f);
    struct Row {
        bool vertical;
        Qt::KeyboardModifiers mods;
    };
    for (const Row& r : {Row{false, Qt::NoModifier}, Row{false, Qt::ShiftModifier},
                         Row{true, Qt::NoModifier}, Row{true, Qt::ShiftModifier}}) {
        f->Action(r.vertical ? "TateModeM" : "YokoModeM")->trigger();
        f->RichEditEx1()->SetText(QStringLiteral("ab"));
        f->RichEditEx1()->SetSelStart(1);
        QWidget* text = f->RichEditEx1()->EditWidget();
        text->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(text->hasFocus()) << r.vertical;
        const QString address = f->AddressEdit()->text();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, r.mods);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_X);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), text) << r.vertical << int(r.mods);
        EXPECT_EQ(f->RichEditEx1()->Text(), QStringLiteral("a\txb")) << r.vertical << int(r.mods);
        EXPECT_EQ(f->AddressEdit()->text(), address);
    }
}
}  // namespace
