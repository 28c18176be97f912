// Column layout: breaking by the Japanese rules, alignment and indents along the column,
// re-layout of only the paragraphs an edit touched.

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>

#include "VerticalTestSupport.h"
#include "controls/TVerticalLayout.h"
#include "controls/TVerticalPainter.h"

namespace {

// Room for five full-width characters and half of a sixth.
constexpr qreal kFiveChars = vtest::kEm * 5 + vtest::kEm / 2;

QStringList Columns(TVerticalLayout& layout, int block) {
    const TVerticalParagraph& p = layout.Paragraph(block);
    QStringList out;
    for (const TVerticalColumn& c : p.columns) out << p.shaped.text.mid(c.start, c.end - c.start);
    return out;
}

struct ColumnCase {
    const char* name;
    const char* text;
    const char* columns;  // expected columns joined by '|'
};

// Worked out by hand: five characters a column; a character that may not begin a column
// pulls the one before it along, an opening bracket never stays at a column's foot.
const ColumnCase kColumns[] = {
    {"plain", "あいうえおかきくけこさ", "あいうえお|かきくけこ|さ"},
    {"exact_fit", "あいうえお", "あいうえお"},
    {"full_stop_at_head", "あいうえお。かきく", "あいうえ|お。かきく"},
    {"comma_at_head", "あいうえお、かきく", "あいうえ|お、かきく"},
    {"closing_bracket_at_head", "あいうえお」かき", "あいうえ|お」かき"},
    {"two_closers_at_head", "あいうえお。」かき", "あいうえ|お。」かき"},
    {"small_tsu_at_head", "あいうえおっかき", "あいうえ|おっかき"},
    {"small_ya_at_head", "あいうえおゃかき", "あいうえ|おゃかき"},
    {"long_vowel_at_head", "あいうえおーかき", "あいうえ|おーかき"},
    {"opening_bracket_at_foot", "あいうえ「かきく」", "あいうえ|「かきく」"},
    {"opening_paren_at_foot", "あいうえ（かきく）", "あいうえ|（かきく）"},
    {"no_break_anywhere", "ーーーーーーー", "ーーーーー|ーー"},
    {"empty", "", ""},
};

class ColumnBreakTest : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(ColumnBreakTest, BreaksByKinsoku) {
    const ColumnCase& c = GetParam();
    auto doc = vtest::MakeDocument(QString::fromUtf8(c.text));
    TVerticalLayout layout(doc.get());
    layout.SetColumnHeight(kFiveChars);
    EXPECT_EQ(Columns(layout, 0).join(QLatin1Char('|')), QString::fromUtf8(c.columns));
}

INSTANTIATE_TEST_SUITE_P(Kinsoku, ColumnBreakTest, ::testing::ValuesIn(kColumns),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VerticalLayout, LineSeparatorEndsColumn) {
    auto doc = vtest::MakeDocument(QString());
    QTextCursor(doc.get()).insertText(QStringLiteral("あい") + QChar(QChar::LineSeparator) +
                                      QStringLiteral("う"));
    TVerticalLayout layout(doc.get());
    layout.SetColumnHeight(kFiveChars);
    const QStringList cols = Columns(layout, 0);
    ASSERT_EQ(cols.size(), 2);
    EXPECT_EQ(cols[1], QStringLiteral("う"));
}

struct AlignCase {
    const char* name;
    Qt::Alignment align;
    qreal top;  // where the first of two characters begins in a five-character column
};

const AlignCase kAligns[] = {
    {"left_is_top", Qt::AlignLeft, 0},
    {"centre_is_middle", Qt::AlignHCenter, (kFiveChars - 2 * vtest::kEm) / 2},
    {"right_is_bottom", Qt::AlignRight, kFiveChars - 2 * vtest::kEm},
};

class AlignTest : public ::testing::TestWithParam<AlignCase> {};

TEST_P(AlignTest, AlignsAlongTheColumn) {
    auto doc = vtest::MakeDocument(QStringLiteral("あい"));
    QTextBlockFormat bf;
    bf.setAlignment(GetParam().align);
    QTextCursor(doc.get()).setBlockFormat(bf);
    TVerticalLayout layout(doc.get());
    layout.SetColumnHeight(kFiveChars);
    EXPECT_NEAR(layout.Paragraph(0).columns[0].top, GetParam().top, 0.5);
}

INSTANTIATE_TEST_SUITE_P(Alignment, AlignTest, ::testing::ValuesIn(kAligns),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VerticalLayout, IndentsAreMeasuredAlongTheColumn) {
    auto doc = vtest::MakeDocument(QStringLiteral("あいうえおかきくけこ"));
    QTextBlockFormat bf;
    bf.setLeftMargin(vtest::kEm);   // head indent of every column
    bf.setTextIndent(vtest::kEm);   // first column one more
    bf.setRightMargin(vtest::kEm);  // foot indent
    QTextCursor(doc.get()).setBlockFormat(bf);
    TVerticalLayout layout(doc.get());
    layout.SetColumnHeight(kFiveChars);
    // 5.5 em less 1 em head and 1 em foot: three characters; the first column two.
    EXPECT_EQ(Columns(layout, 0).join(QLatin1Char('|')), QStringLiteral("あい|うえお|かきく|けこ"));
    const TVerticalParagraph& p = layout.Paragraph(0);
    EXPECT_NEAR(p.columns[0].top, 2 * vtest::kEm, 0.5);
    EXPECT_NEAR(p.columns[1].top, vtest::kEm, 0.5);
}

TEST(VerticalLayout, ResizeRebreaksWithoutReshaping) {
    auto doc = vtest::MakeDocument(QStringLiteral("あいうえおかきくけこ"));
    TVerticalLayout layout(doc.get());
    layout.SetColumnHeight(kFiveChars);
    EXPECT_EQ(layout.ColumnCount(), 2);
    layout.SetColumnHeight(vtest::kEm * 3 + 2);
    EXPECT_EQ(layout.ColumnCount(), 4);
    layout.SetColumnHeight(vtest::kEm * 20);
    EXPECT_EQ(layout.ColumnCount(), 1);
}

TEST(VerticalLayout, EditRelaysOnlyTouchedParagraphs) {
    auto doc = vtest::MakeDocument(QStringLiteral("あい\nうえお\nかき\nく"));
    TVerticalLayout layout(doc.get());
    layout.SetColumnHeight(kFiveChars);
    layout.EnsureAll();
    const TVerticalParagraph* before0 = &layout.Paragraph(0);
    const TVerticalParagraph* before3 = &layout.Paragraph(3);
    int first = -1, last = -1;
    QObject::connect(&layout, &TVerticalLayout::Changed, [&](int a, int b) {
        first = a;
        last = b;
    });
    QTextCursor c(doc->findBlockByNumber(1));
    c.insertText(QStringLiteral("ん"));
    EXPECT_EQ(first, 1);
    EXPECT_EQ(last, 1);
    // Untouched paragraphs keep their layout objects.
    EXPECT_EQ(&layout.Paragraph(0), before0);
    EXPECT_EQ(&layout.Paragraph(3), before3);
    EXPECT_EQ(layout.Paragraph(1).shaped.text, QStringLiteral("んうえお"));

    // A new paragraph in the middle, then joining two.
    c.insertBlock();
    EXPECT_EQ(layout.BlockCount(), 5);
    EXPECT_EQ(layout.Paragraph(2).shaped.text, QStringLiteral("うえお"));
    EXPECT_EQ(&layout.Paragraph(4), before3);
    c.deletePreviousChar();
    EXPECT_EQ(layout.BlockCount(), 4);
    EXPECT_EQ(layout.Paragraph(1).shaped.text, QStringLiteral("んうえお"));
    EXPECT_EQ(layout.ColumnCount(), 4);
}

TEST(VerticalLayout, ColumnsOfAPage) {
    // Ten one-column paragraphs of pitch 32 (1.6 em).
    auto doc = vtest::MakeDocument(QStringLiteral("あ\nい\nう\nえ\nお\nか\nき\nく\nけ\nこ"));
    TVerticalLayout layout(doc.get());
    layout.SetColumnHeight(kFiveChars);
    ASSERT_EQ(layout.Column(0).width, 32);
    EXPECT_EQ(TVerticalPainter::LastColumnWithin(layout, 0, 100), 2);   // 3 x 32 = 96
    EXPECT_EQ(TVerticalPainter::LastColumnWithin(layout, 3, 128), 6);   // exactly four
    EXPECT_EQ(TVerticalPainter::LastColumnWithin(layout, 8, 1000), 9);  // up to the last
    EXPECT_EQ(TVerticalPainter::LastColumnWithin(layout, 5, 10), 5);    // at least one
}

TEST(VerticalLayout, EstimatesUntilLaidOutThenExact) {
    QString text;
    for (int i = 0; i < 200; ++i) text += QStringLiteral("あいうえおかきくけこさしすせそ\n");
    auto doc = vtest::MakeDocument(text);
    TVerticalLayout layout(doc.get());
    layout.SetColumnHeight(kFiveChars);
    EXPECT_FALSE(layout.IsComplete());
    // Fifteen characters, five a column: three columns a paragraph, one for the last (empty).
    EXPECT_EQ(layout.ColumnCountEstimated(), 200 * 3 + 1);
    EXPECT_EQ(layout.ColumnCount(), 200 * 3 + 1);
    EXPECT_TRUE(layout.IsComplete());
    EXPECT_EQ(layout.Column(3).block, 1);
    EXPECT_EQ(layout.ColumnStart(layout.Column(4)), 16 + 5);
}

}  // namespace
