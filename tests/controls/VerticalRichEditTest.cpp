// TRichEditEx with Vertical on: the vertical view over the same document, display lines as
// columns, and switching back and forth keeping text and formats.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "controls/THorizontalEdit.h"
#include "controls/TRichEditEx.h"
#include "controls/TVerticalView.h"

namespace {

struct EditFixture {
    TRichEditEx edit;
    EditFixture() {
        edit.resize(400, 300);
        edit.show();
        QApplication::processEvents();
    }
};

TEST(VerticalRichEdit, VerticalShowsTheVerticalViewOverTheSameDocument) {
    EditFixture f;
    f.edit.SetText(QStringLiteral("吾輩は猫である。\r\n名前はまだ無い。"));
    QTextDocument* doc = f.edit.Document();
    f.edit.SetVertical(true);
    auto* view = qobject_cast<TVerticalView*>(f.edit.EditWidget());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Document(), doc);
    EXPECT_TRUE(view->isVisible());
    // Two short paragraphs: two columns.
    EXPECT_EQ(f.edit.LineCount(), 2);
    // Display lines in bytes: the second column starts after 8 characters and CR LF.
    EXPECT_EQ(f.edit.LineIndex(1), 8 * 2 + 2);
    EXPECT_EQ(f.edit.LineFromChar(8 * 2 + 2), 1);
    EXPECT_EQ(f.edit.FirstVisibleLine(), 0);

    // Typing in the vertical view edits the shared document.
    f.edit.SetSelStart(0);
    view->setFocus();
    QTest::keyClicks(view, QStringLiteral("x"));
    EXPECT_TRUE(f.edit.Text().startsWith(QStringLiteral("x吾輩")));
    EXPECT_EQ(f.edit.SelStart(), 1);
}

TEST(VerticalRichEdit, ViewHasItsSizeRightAfterTheSwitch) {
    EditFixture f;
    f.edit.SetText(QStringLiteral("あ"));
    f.edit.SetVertical(true);
    auto* view = qobject_cast<TVerticalView*>(f.edit.EditWidget());
    ASSERT_NE(view, nullptr);
    // No event processing in between: the window's switch scrolls at once.
    EXPECT_EQ(view->size(), f.edit.size());
}

TEST(VerticalRichEdit, SwitchingKeepsTextAndFormats) {
    EditFixture f;
    f.edit.SetText(QStringLiteral("あいうえお\r\nかきくけこ"));
    QTextCursor c(f.edit.Document());
    c.setPosition(1);
    c.setPosition(3, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setForeground(Qt::red);
    c.mergeCharFormat(bold);
    const QString html = f.edit.Document()->toHtml();
    const QString text = f.edit.Text();

    f.edit.SetVertical(true);
    ASSERT_NE(qobject_cast<TVerticalView*>(f.edit.EditWidget()), nullptr);
    EXPECT_EQ(f.edit.Text(), text);
    f.edit.SetVertical(false);
    EXPECT_NE(qobject_cast<THorizontalEdit*>(f.edit.EditWidget()), nullptr);
    EXPECT_EQ(f.edit.Text(), text);
    EXPECT_EQ(f.edit.Document()->toHtml(), html);
    QTextCursor probe(f.edit.Document());
    probe.setPosition(2);
    EXPECT_EQ(probe.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(probe.charFormat().foreground().color(), QColor(Qt::red));
}

TEST(VerticalRichEdit, LineScrollAndCaretRestoreAfterSwitch) {
    EditFixture f;
    QString text;
    for (int i = 0; i < 80; ++i) text += QStringLiteral("あいう\r\n");
    f.edit.SetText(text);
    // As the window's vertical switch does: remember, switch, scroll by the lines, caret back.
    const int caret = 20 * 8;  // start of paragraph 20, in bytes
    f.edit.SetVertical(true);
    f.edit.LineScroll(12);
    f.edit.SetSelStart(caret);
    EXPECT_EQ(f.edit.FirstVisibleLine(), 12);
    EXPECT_EQ(f.edit.SelStart(), caret);
    auto* view = qobject_cast<TVerticalView*>(f.edit.EditWidget());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->viewport()->rect().contains(view->CaretRect().center()));
}

}  // namespace
