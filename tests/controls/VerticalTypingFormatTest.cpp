// Typing in the vertical view at the edge of two character formats: the new character takes the
// format of the text before the caret (at a paragraph start, of the text after it), as typing
// in the horizontal view does.

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <functional>

#include "controls/THorizontalEdit.h"
#include "controls/TRichEditEx.h"
#include "controls/TVerticalView.h"

namespace {

// "太字" bold, "普通" plain, then a second paragraph "赤" in red.
void Fill(QTextDocument* doc) {
    QTextCursor c(doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.insertText(QStringLiteral("太字"), bold);
    c.insertText(QStringLiteral("普通"), QTextCharFormat());
    c.insertBlock();
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    c.insertText(QStringLiteral("赤"), red);
}

struct Expected {
    bool bold;
    bool red;
};

struct TypingCase {
    const char* name;
    std::function<void(QWidget* view, TRichEditEx& edit)> place;  // puts the caret
    int typedAt;                                                  // document position
    Expected format;
};

// Places the caret through the view's own keys, starting from the document start.
void Keys(QWidget* view, TRichEditEx& edit, Qt::Key key, int times) {
    edit.SetSelStart(0);
    for (int i = 0; i < times; ++i) QTest::keyClick(view, key);
}

const TypingCase kTyping[] = {
    {"InsideBold", [](QWidget*, TRichEditEx& e) { e.SetSelStart(2); }, 1, {true, false}},
    {"AfterBoldBeforePlain", [](QWidget*, TRichEditEx& e) { e.SetSelStart(4); }, 2, {true, false}},
    {"AfterPlain", [](QWidget*, TRichEditEx& e) { e.SetSelStart(8); }, 4, {false, false}},
    {"ParagraphStartTakesTheTextAfter",
     [](QWidget*, TRichEditEx& e) { e.SetSelStart(10); },
     5,
     {false, true}},
    {"DocumentStartTakesTheTextAfter",
     [](QWidget*, TRichEditEx& e) { e.SetSelStart(0); },
     0,
     {true, false}},
    {"ReachedWithTheMoveKey",
     [](QWidget* v, TRichEditEx& e) {
         // Down moves along a vertical column, Right along a horizontal line.
         Keys(v, e, qobject_cast<TVerticalView*>(v) ? Qt::Key_Down : Qt::Key_Right, 2);
     },
     2,
     {true, false}},
    {"ReachedBackwardsFromThePlainText",
     [](QWidget* v, TRichEditEx& e) {
         e.SetSelStart(8);
         const Qt::Key back = qobject_cast<TVerticalView*>(v) ? Qt::Key_Up : Qt::Key_Left;
         QTest::keyClick(v, back);
         QTest::keyClick(v, back);
     },
     2,
     {true, false}},
    {"AfterASelectionWasCollapsed",
     [](QWidget* v, TRichEditEx& e) {
         e.SetSelection(4, 4);  // 普通 selected, then the caret goes to its start
         QTest::keyClick(v, qobject_cast<TVerticalView*>(v) ? Qt::Key_Up : Qt::Key_Left);
     },
     2,
     {true, false}},
    {"ClickedAtTheBoundary",
     [](QWidget* v, TRichEditEx& e) {
         // A click on the lower (vertical) or right (horizontal) half of 字.
         if (auto* vv = qobject_cast<TVerticalView*>(v)) {
             const QRect r = vv->PositionRect(2);
             QTest::mouseClick(vv->viewport(), Qt::LeftButton, {},
                               QPoint(r.center().x(), r.top() - 3));
         } else {
             auto* h = qobject_cast<THorizontalEdit*>(v);
             QTextCursor c(e.Document());
             c.setPosition(2);
             const QRect r = h->cursorRect(c);
             QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                               QPoint(r.left() - 3, r.center().y()));
         }
     },
     2,
     {true, false}},
    {"CommittedByTheInputMethod",
     [](QWidget* v, TRichEditEx& e) {
         e.SetSelStart(4);
         QInputMethodEvent pre(QStringLiteral("ｘ"), {});
         QApplication::sendEvent(v, &pre);
         QInputMethodEvent commit;
         commit.setCommitString(QStringLiteral("x"));
         QApplication::sendEvent(v, &commit);
     },
     2,
     {true, false}},
    {"OverwritingTheTextAfter",
     [](QWidget* v, TRichEditEx& e) {
         // Overwrite replaces 普; the character typed is still formatted like 字 before it.
         if (auto* vv = qobject_cast<TVerticalView*>(v))
             vv->SetOverwriteMode(true);
         else
             qobject_cast<THorizontalEdit*>(v)->setOverwriteMode(true);
         e.SetSelStart(4);
         QTest::keyClicks(v, QStringLiteral("x"));
         ASSERT_EQ(e.Document()->toPlainText().left(4), QStringLiteral("太字x通"));
     },
     2,
     {true, false}},
};

class TypingFormatTest : public ::testing::TestWithParam<std::tuple<TypingCase, bool>> {};

TEST_P(TypingFormatTest, TypedTextTakesTheFormatBeforeTheCaret) {
    const auto& [c, vertical] = GetParam();
    TRichEditEx edit;
    edit.resize(400, 300);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    Fill(edit.Document());
    edit.SetVertical(vertical);
    QWidget* view = edit.EditWidget();
    ASSERT_EQ(qobject_cast<TVerticalView*>(view) != nullptr, vertical);
    view->setFocus();
    QApplication::processEvents();
    c.place(view, edit);
    if (!edit.Document()->toPlainText().contains(QLatin1Char('x')))
        QTest::keyClicks(view, QStringLiteral("x"));

    const int at = edit.Document()->toPlainText().indexOf(QLatin1Char('x'));
    ASSERT_EQ(at, c.typedAt) << edit.Document()->toPlainText().toStdString();
    QTextCursor probe(edit.Document());
    probe.setPosition(at + 1);
    const QTextCharFormat f = probe.charFormat();
    EXPECT_EQ(f.fontWeight() == QFont::Bold, c.format.bold);
    EXPECT_EQ(f.foreground().style() != Qt::NoBrush && f.foreground().color() == Qt::red,
              c.format.red);
}

INSTANTIATE_TEST_SUITE_P(Table, TypingFormatTest,
                         ::testing::Combine(::testing::ValuesIn(kTyping), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "_Vertical" : "_Horizontal");
                         });

}  // namespace
