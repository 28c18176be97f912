// The hidden horizontal edit of a vertical TRichEditEx: while no view shows the shared document
// horizontally its layout does no work, and switching back lays it out again correctly.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include "controls/THorizontalEdit.h"
#include "controls/TRichEditEx.h"
#include "controls/TVerticalView.h"

namespace {

// Twenty paragraphs of 60 kanji each: with wrapping on, every paragraph takes several lines of
// a 300-pixel-wide view.
QString LongParagraphs() {
    QString text;
    for (int i = 0; i < 20; ++i) {
        if (i > 0) text += QStringLiteral("\r\n");
        text += QString(60, QChar(0x732B));  // 猫
    }
    return text;
}

bool LaidOut(const QTextBlock& b) {
    return b.layout() && b.layout()->lineCount() > 0;
}

struct Views {
    QWidget window;
    TRichEditEx* one;
    TRichEditEx* two;
    Views() {
        one = new TRichEditEx(&window);
        two = new TRichEditEx(&window);
        two->SetDocument(one->Document());
        one->setGeometry(0, 0, 300, 400);
        two->setGeometry(300, 0, 300, 400);
        window.resize(600, 400);
        for (TRichEditEx* v : {one, two}) v->SetWordWrap(true);
        window.show();
        one->SetText(LongParagraphs());
        QApplication::processEvents();
    }
    QTextDocument* Doc() const { return one->Document(); }
};

TEST(HorizontalParking, EditsInVerticalModeDoNotLayOutHorizontally) {
    Views v;
    const int linesBefore = v.one->LineCount();
    ASSERT_GT(linesBefore, 20);  // the paragraphs wrap
    v.one->SetVertical(true);
    v.two->SetVertical(true);
    EXPECT_TRUE(v.Doc()->pageSize().isNull());
    // An unfinished layout pass goes on without wrapping.
    EXPECT_EQ(v.Doc()->defaultTextOption().wrapMode(), QTextOption::NoWrap);

    // Typing in the vertical view: the paragraph is not laid out horizontally.
    auto* view = qobject_cast<TVerticalView*>(v.one->EditWidget());
    ASSERT_NE(view, nullptr);
    view->SetPosition(5);
    QTextCursor c = view->TextCursor();
    c.insertText(QStringLiteral("犬"));
    view->SetTextCursor(c);
    QApplication::processEvents();
    EXPECT_FALSE(LaidOut(v.Doc()->begin()));
    // Columns are still counted by the vertical layout.
    EXPECT_GT(v.one->LineCount(), 0);

    // Back to horizontal: the document is laid out anew at the view's width.
    v.one->SetVertical(false);
    v.two->SetVertical(false);
    EXPECT_FALSE(v.Doc()->pageSize().isNull());
    EXPECT_EQ(v.Doc()->defaultTextOption().wrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    EXPECT_EQ(v.one->LineCount(), linesBefore);
    EXPECT_TRUE(LaidOut(v.Doc()->begin()));
    EXPECT_TRUE(v.one->Text().startsWith(QStringLiteral("猫猫猫猫猫犬猫")));
    // Display-line operations agree with the layout again: line 1 starts inside paragraph 0.
    const int line1 = v.one->LineIndex(1);
    EXPECT_GT(line1, 0);
    EXPECT_LT(line1, 61 * 2);
    EXPECT_EQ(v.one->LineFromChar(line1), 1);
}

TEST(HorizontalParking, OneHorizontalViewKeepsTheLayoutAlive) {
    // Rows: which of the two views are vertical, and whether the document is laid out.
    struct Row {
        bool oneVertical;
        bool twoVertical;
        bool laidOut;
    };
    const Row rows[] = {
        {false, false, true},
        {true, false, true},
        {false, true, true},
        {true, true, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.oneVertical << r.twoVertical);
        Views v;
        v.one->SetVertical(r.oneVertical);
        v.two->SetVertical(r.twoVertical);
        QTextCursor c(v.Doc());
        c.setPosition(3);
        c.insertText(QStringLiteral("犬"));
        QApplication::processEvents();
        EXPECT_EQ(!v.Doc()->pageSize().isNull(), r.laidOut);
        EXPECT_EQ(LaidOut(v.Doc()->begin()), r.laidOut);
    }
}

TEST(HorizontalParking, WrapWidthSetWhileParkedIsAppliedOnReturn) {
    Views v;
    v.one->SetVertical(true);
    v.two->SetVertical(true);
    // The window sets the wrap width of both horizontal edits on a resize of a split panel.
    v.one->HorizontalEdit()->SetWrapWidth(150);
    v.two->HorizontalEdit()->SetWrapWidth(150);
    EXPECT_TRUE(v.Doc()->pageSize().isNull());
    v.one->SetVertical(false);
    v.two->SetVertical(false);
    THorizontalEdit* e = v.one->HorizontalEdit();
    EXPECT_EQ(e->lineWrapMode(), QTextEdit::FixedPixelWidth);
    EXPECT_EQ(e->lineWrapColumnOrWidth(), 150);
    EXPECT_EQ(int(v.Doc()->pageSize().width()), 150);
}

TEST(HorizontalParking, ANewDocumentWhileVerticalStaysUnlaidUntilShownHorizontally) {
    Views v;
    v.one->SetVertical(true);
    v.two->SetVertical(true);
    auto* doc = new QTextDocument(&v.window);
    doc->setPlainText(QStringLiteral("あいう"));
    v.one->SetDocument(doc);
    v.two->SetDocument(doc);
    EXPECT_TRUE(doc->pageSize().isNull());
    EXPECT_EQ(v.one->Text(), QStringLiteral("あいう"));
    v.one->SetVertical(false);
    EXPECT_FALSE(doc->pageSize().isNull());
    EXPECT_EQ(v.one->LineCount(), 1);
}

}  // namespace
