// TRichEditEx: Shift-JIS byte positions, the byte index under edits, selection, display lines,
// search, formats, and two views of one document.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "controls/THorizontalEdit.h"
#include "controls/TRichEditEx.h"
#include "controls/TSjisByteIndex.h"
#include "core/Cp932.h"

namespace {

// Bytes as code page 932 writes the text (iconv), for texts that code page 932 can hold.
int IconvBytes(const QString& s) {
    const auto r = Cp932::Encode(s.toStdString());
    EXPECT_TRUE(r.ok()) << s.toStdString();
    return int(r.bytes.size());
}

struct PositionCase {
    const char* text;  // paragraphs separated by "\n"
    int docPos;
    int bytePos;
};

// Worked out by hand: あいう and the kanji are two bytes, ｱ one, a paragraph end two.
const PositionCase kPositions[] = {
    {"aあb\nいう", 0, 0}, {"aあb\nいう", 1, 1}, {"aあb\nいう", 2, 3},  {"aあb\nいう", 3, 4},
    {"aあb\nいう", 4, 6}, {"aあb\nいう", 5, 8}, {"aあb\nいう", 6, 10}, {"ｱ漢ｲ", 1, 1},
    {"ｱ漢ｲ", 2, 3},       {"ｱ漢ｲ", 3, 4},       {"\n\n", 1, 2},        {"\n\n", 2, 4},
    {"¥~‾", 3, 3},        {"x😀y", 1, 1},        {"x😀y", 3, 3},         {"x😀y", 4, 4},
    {"𠮷野家", 2, 2},     {"𠮷野家", 4, 6},
};

class BytePositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(BytePositionTest, DocumentPositionToBytesAndBack) {
    const PositionCase& c = GetParam();
    TRichEditEx view;
    view.SetText(QString::fromUtf8(c.text));
    TSjisByteIndex* index = TSjisByteIndex::For(view.Document());
    EXPECT_EQ(index->ByteOfPosition(c.docPos), c.bytePos);
    EXPECT_EQ(index->PositionOfByte(c.bytePos), c.docPos);
}

INSTANTIATE_TEST_SUITE_P(Table, BytePositionTest, ::testing::ValuesIn(kPositions));

struct SnapCase {
    int bytePos;
    int docPos;
};

// "aあb\nいう": bytes 0 a, 1-2 あ, 3 b, 4-5 CR LF, 6-7 い, 8-9 う.
const SnapCase kSnaps[] = {
    {2, 1},   // second byte of あ: the character's start
    {5, 3},   // between CR and LF: the paragraph's end
    {7, 4},   // second byte of い
    {9, 5},   // second byte of う
    {10, 6},  // the end
    {11, 6},  // past the end
    {-3, 0},  // before the start
};

class ByteSnapTest : public ::testing::TestWithParam<SnapCase> {};

TEST_P(ByteSnapTest, PositionsInsideACharacterSnapToItsStart) {
    TRichEditEx view;
    view.SetText(QStringLiteral("aあb\r\nいう"));
    EXPECT_EQ(TSjisByteIndex::For(view.Document())->PositionOfByte(GetParam().bytePos),
              GetParam().docPos);
}

INSTANTIATE_TEST_SUITE_P(Table, ByteSnapTest, ::testing::ValuesIn(kSnaps));

TEST(TRichEditExText, LengthAndTextCountCrLf) {
    TRichEditEx view;
    view.SetText(QStringLiteral("一行目\r\n二行目ABC\r\n"));
    EXPECT_EQ(view.Text(), QStringLiteral("一行目\r\n二行目ABC\r\n"));
    EXPECT_EQ(view.TextLength(), IconvBytes(view.Text()));
    EXPECT_EQ(view.TextLength(), 6 + 2 + 9 + 2);
}

TEST(TRichEditExText, CharactersOutsideCodePage932CountTwo) {
    TRichEditEx view;
    view.SetText(QStringLiteral("😀𠮷a"));  // two characters iconv rejects, then one byte
    EXPECT_EQ(view.TextLength(), 5);
}

// Random edits in several places; after each the index must agree with iconv on the whole
// text and on prefixes.
TEST(TSjisByteIndexEdits, StaysEqualToIconvUnderRandomEdits) {
    QTextDocument doc;
    TSjisByteIndex* index = TSjisByteIndex::For(&doc);
    QRandomGenerator rng(12345);
    const QString pieces[] = {
        QStringLiteral("abc"),  QStringLiteral("日本語"),         QStringLiteral("\n"),
        QStringLiteral("ｶﾀｶﾅ"), QStringLiteral("。\n「会話」\n"), QStringLiteral("x")};
    for (int step = 0; step < 400; ++step) {
        QTextCursor c(&doc);
        const int len = doc.characterCount() - 1;
        const int pos = int(rng.bounded(len + 1));
        c.setPosition(pos);
        if (rng.bounded(3) == 0 && len > 0) {
            c.setPosition(std::min(len, pos + int(rng.bounded(8))), QTextCursor::KeepAnchor);
            c.removeSelectedText();
        } else {
            c.insertText(pieces[rng.bounded(6)]);
        }
        QString text = doc.toPlainText();
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        ASSERT_EQ(index->TotalBytes(), IconvBytes(text)) << "step " << step;
        const int probe = int(rng.bounded(doc.characterCount()));
        QString prefix = doc.toPlainText().left(probe);
        prefix.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        ASSERT_EQ(index->ByteOfPosition(probe), IconvBytes(prefix)) << "step " << step;
    }
}

TEST(TSjisByteIndexEdits, FollowsAWholeDocumentReplacement) {
    QTextDocument doc;
    TSjisByteIndex* index = TSjisByteIndex::For(&doc);
    doc.setPlainText(QStringLiteral("あ\nい\nう"));
    EXPECT_EQ(index->TotalBytes(), 10);
    doc.setPlainText(QStringLiteral("x"));
    EXPECT_EQ(index->TotalBytes(), 1);
    doc.clear();
    EXPECT_EQ(index->TotalBytes(), 0);
}

// ----- selection --------------------------------------------------------------------------------

TEST(TRichEditExSelection, StartAndLengthInBytes) {
    TRichEditEx view;
    view.SetText(QStringLiteral("aあb\r\nいう"));
    view.SetSelection(1, 5);  // あ b CR LF
    EXPECT_EQ(view.SelStart(), 1);
    EXPECT_EQ(view.SelLength(), 5);
    EXPECT_EQ(view.SelText(), QStringLiteral("あb\r\n"));
    view.SetSelStart(8);
    EXPECT_EQ(view.SelStart(), 8);
    EXPECT_EQ(view.SelLength(), 0);
    view.SetSelLength(2);
    EXPECT_EQ(view.SelText(), QStringLiteral("う"));
    view.SetSelStart(50);  // past the end: nothing selected at the end
    EXPECT_EQ(view.SelStart(), 10);
    EXPECT_EQ(view.SelLength(), 0);
}

TEST(TRichEditExSelection, ReplacedTextTakesTheFormatAtTheSelectionStart) {
    TRichEditEx view;
    view.SetText(QStringLiteral("AB"));
    view.SetSelection(0, 1);
    TCharAttributes bold;
    bold.bold = true;
    view.SetSelAttributes(bold, TCharAttributes::Bold);
    view.SetSelection(0, 2);
    view.SetSelText(QStringLiteral("xyz"));
    EXPECT_EQ(view.Text(), QStringLiteral("xyz"));
    view.SetSelection(0, 3);
    const TCharAttributes a = view.SelAttributes();
    EXPECT_TRUE(a.bold);
    EXPECT_TRUE(a.uniform & TCharAttributes::Bold);
}

TEST(TRichEditExSelection, ClearSelectionDeletesTheSelectedText) {
    TRichEditEx view;
    view.SetText(QStringLiteral("日本語"));
    view.SetSelection(2, 2);
    view.ClearSelection();
    EXPECT_EQ(view.Text(), QStringLiteral("日語"));
    view.SelectAll();
    EXPECT_EQ(view.SelLength(), 4);
}

// ----- display lines ----------------------------------------------------------------------------

TEST(TRichEditExLines, UnwrappedLinesAreParagraphs) {
    TRichEditEx view;
    view.resize(300, 200);
    view.show();
    view.SetText(QStringLiteral("ab\r\nいろは\r\nef"));
    EXPECT_EQ(view.LineCount(), 3);
    EXPECT_EQ(view.LineFromChar(0), 0);
    EXPECT_EQ(view.LineFromChar(4), 1);   // い
    EXPECT_EQ(view.LineFromChar(9), 1);   // the paragraph end after は
    EXPECT_EQ(view.LineFromChar(12), 2);  // e
    EXPECT_EQ(view.LineIndex(0), 0);
    EXPECT_EQ(view.LineIndex(1), 4);
    EXPECT_EQ(view.LineIndex(2), 12);
    EXPECT_EQ(view.LineIndex(3), -1);
    view.SetSelStart(6);
    EXPECT_EQ(view.LineFromChar(-1), 1);
    EXPECT_EQ(view.LineIndex(-1), 4);
}

TEST(TRichEditExLines, WrappedLinesFollowTheViewWidth) {
    TRichEditEx view;
    view.resize(160, 300);
    view.show();
    QString para;
    for (int i = 0; i < 60; ++i) para += QStringLiteral("字");
    view.SetText(para);
    view.SetWordWrap(false);
    EXPECT_EQ(view.LineCount(), 1);
    view.SetWordWrap(true);
    QApplication::processEvents();
    const int lines = view.LineCount();
    EXPECT_GT(lines, 2);
    // Line starts rise, and each position lies on the line that starts at or before it.
    int previous = -1;
    for (int l = 0; l < lines; ++l) {
        const int start = view.LineIndex(l);
        EXPECT_GT(start, previous);
        EXPECT_EQ(start % 2, 0);  // never inside a two-byte character
        EXPECT_EQ(view.LineFromChar(start), l);
        previous = start;
    }
    EXPECT_EQ(view.LineIndex(lines), -1);
}

TEST(TRichEditExLines, ScrollByLinesMovesTheFirstVisibleLine) {
    TRichEditEx view;
    view.resize(300, 120);
    view.show();
    QStringList lines;
    for (int i = 0; i < 100; ++i) lines << QStringLiteral("行%1").arg(i);
    view.SetText(lines.join(QStringLiteral("\r\n")));
    view.SetSelStart(0);
    QApplication::processEvents();
    EXPECT_EQ(view.FirstVisibleLine(), 0);
    view.LineScroll(10);
    EXPECT_EQ(view.FirstVisibleLine(), 10);
    view.LineScroll(-4);
    EXPECT_EQ(view.FirstVisibleLine(), 6);
    EXPECT_EQ(view.SelStart(), 0);  // the caret stays
}

// ----- search -----------------------------------------------------------------------------------

struct FindCase {
    const char* what;
    int start;
    int end;
    int expected;
};

// Text "Hello 日本 hello" : H0 … ' '5, 日6, 本8, ' '10, h11.
const FindCase kFinds[] = {
    {"HELLO", 0, -1, 0},  {"hello", 1, -1, 11}, {"本", 0, -1, 8}, {"hello", 1, 14, -1},
    {"hello", 1, 16, 11}, {"xyz", 0, -1, -1},   {"", 0, -1, -1},
};

class FindTextTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindTextTest, FindsIgnoringCaseWithinTheRange) {
    TRichEditEx view;
    view.SetText(QStringLiteral("Hello 日本 hello"));
    const FindCase& c = GetParam();
    EXPECT_EQ(view.FindText(QString::fromUtf8(c.what), c.start, c.end), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FindTextTest, ::testing::ValuesIn(kFinds));

// ----- formats ----------------------------------------------------------------------------------

TEST(TRichEditExFormats, UniformFlagsNameTheAttributesThatDiffer) {
    TRichEditEx view;
    view.SetText(QStringLiteral("AB"));
    view.SetSelection(0, 1);
    TCharAttributes a;
    a.bold = true;
    a.color = clRed;
    a.size = 20;
    view.SetSelAttributes(a, TCharAttributes::Bold | TCharAttributes::Color);
    view.SetSelection(0, 2);
    const TCharAttributes r = view.SelAttributes();
    EXPECT_FALSE(r.uniform & TCharAttributes::Bold);
    EXPECT_FALSE(r.uniform & TCharAttributes::Color);
    EXPECT_TRUE(r.uniform & TCharAttributes::Italic);
    EXPECT_TRUE(r.uniform & TCharAttributes::Size);  // size was not in the mask
    view.SetSelection(0, 1);
    EXPECT_EQ(view.SelAttributes().color, clRed);
}

TEST(TRichEditExFormats, CharsetSizeAndOffsetRoundTrip) {
    TRichEditEx view;
    view.SetText(QStringLiteral("あいう"));
    view.SelectAll();
    TCharAttributes a;
    a.name = QStringLiteral("ＭＳ 明朝");
    a.charset = kShiftJisCharset;
    a.size = 14;
    a.offsetTwips = 100;
    view.SetSelAttributes(a, TCharAttributes::Name | TCharAttributes::Charset |
                                 TCharAttributes::Size | TCharAttributes::Offset);
    const TCharAttributes r = view.SelAttributes();
    EXPECT_EQ(r.name, QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(r.charset, kShiftJisCharset);
    EXPECT_DOUBLE_EQ(r.size, 14);
    EXPECT_EQ(r.offsetTwips, 100);
    EXPECT_EQ(r.uniform, unsigned(TCharAttributes::All));
}

TEST(TRichEditExFormats, ParagraphAlignmentBulletAndIndents) {
    TRichEditEx view;
    view.SetText(QStringLiteral("一\r\n二\r\n三"));
    view.SetSelection(0, 5);  // the first two paragraphs
    TParaAttributes p;
    p.alignment = TParaAttributes::Center;
    p.bullet = true;
    p.firstIndent = 12;
    p.leftIndent = 6;
    p.rightIndent = 3;
    view.SetParagraph(p, TParaAttributes::All);
    view.SetSelStart(4);
    const TParaAttributes r = view.Paragraph();
    EXPECT_EQ(r.alignment, TParaAttributes::Center);
    EXPECT_TRUE(r.bullet);
    EXPECT_NEAR(r.firstIndent, 12, 0.01);
    EXPECT_NEAR(r.leftIndent, 6, 0.01);
    EXPECT_NEAR(r.rightIndent, 3, 0.01);
    view.SetSelStart(8);  // third paragraph untouched
    EXPECT_EQ(view.Paragraph().alignment, TParaAttributes::Left);
    EXPECT_FALSE(view.Paragraph().bullet);
    view.SetSelection(0, 5);
    p.bullet = false;
    view.SetParagraph(p, TParaAttributes::Bullet);
    EXPECT_FALSE(view.Paragraph().bullet);
}

// ----- options ----------------------------------------------------------------------------------

TEST(TRichEditExOptions, VerticalIsStoredAndResetsCaret) {
    TRichEditEx view;
    view.SetText(QStringLiteral("縦書き"));
    view.SetSelStart(4);
    view.SetVertical(true);
    EXPECT_TRUE(view.Vertical());
    EXPECT_TRUE(view.property("Vertical").toBool());
    EXPECT_EQ(view.SelStart(), 0);
    EXPECT_EQ(view.Text(), QStringLiteral("縦書き"));
    view.SetVertical(false);
    EXPECT_FALSE(view.Vertical());
}

TEST(TRichEditExOptions, ModifiedFlagAndUpdateBracket) {
    TRichEditEx view;
    view.SetText(QStringLiteral("x"));
    EXPECT_TRUE(view.Modified());
    view.SetModified(false);
    EXPECT_FALSE(view.Modified());
    view.BeginUpdate();
    view.BeginUpdate();
    EXPECT_FALSE(view.HorizontalEdit()->viewport()->updatesEnabled());
    view.EndUpdate();
    EXPECT_FALSE(view.HorizontalEdit()->viewport()->updatesEnabled());
    view.EndUpdate();
    EXPECT_TRUE(view.HorizontalEdit()->viewport()->updatesEnabled());
}

TEST(TRichEditExOptions, SelectionBarClickSelectsTheWholeLine) {
    TRichEditEx view;
    view.resize(300, 200);
    view.show();
    view.SetText(QStringLiteral("一行目\r\n二行目\r\n三行目"));
    view.SetSelectionBar(true);
    QApplication::processEvents();
    auto* bar = view.HorizontalEdit()->findChild<QWidget*>(QStringLiteral("SelectionBar"));
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->isVisible());
    // The middle of the second line.
    const int y = int(view.HorizontalEdit()
                          ->cursorRect(QTextCursor(view.Document()->findBlockByNumber(1)))
                          .center()
                          .y());
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(3, y));
    EXPECT_EQ(view.SelStart(), 8);
    EXPECT_EQ(view.SelLength(), 8);  // 二行目 and its paragraph end
}

// ----- two views --------------------------------------------------------------------------------

TEST(TRichEditExTwoViews, TypingInOneShowsInTheOther) {
    TRichEditEx v1, v2;
    v2.SetDocument(v1.Document());
    v1.show();
    v2.show();
    QTest::keyClicks(v1.HorizontalEdit(), QStringLiteral("abc"));
    EXPECT_EQ(v2.Text(), QStringLiteral("abc"));
    // An input-method result goes in as typed text.
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("日本"));
    QApplication::sendEvent(v1.HorizontalEdit(), &commit);
    EXPECT_EQ(v2.Text(), QStringLiteral("abc日本"));
    EXPECT_EQ(v2.TextLength(), 7);
    // Each view keeps its own selection.
    v1.SetSelection(0, 2);
    EXPECT_EQ(v2.SelLength(), 0);
    v2.CopySelectionFrom(v1);
    EXPECT_EQ(v2.SelStart(), 0);
    EXPECT_EQ(v2.SelLength(), 2);
}

TEST(TRichEditExTwoViews, ClipboardCommandsActOnTheSharedDocument) {
    TRichEditEx v1, v2;
    v2.SetDocument(v1.Document());
    v1.SetText(QStringLiteral("切り取り"));
    v1.SetSelection(0, 4);
    v1.CutToClipboard();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("切り"));
    EXPECT_EQ(v2.Text(), QStringLiteral("取り"));
    v2.SetSelStart(4);
    v2.PasteFromClipboard();
    EXPECT_EQ(v1.Text(), QStringLiteral("取り切り"));
}

}  // namespace
