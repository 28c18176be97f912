// Paragraph indents in the vertical layout: every column of a paragraph is measured from the
// column top. The first column starts at the first-line indent, the others at the first-line
// plus the left indent, the right indent keeps the foot free, and alignment works inside what
// the indents leave. Positions worked out by hand in the 20-pixel test font.

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>

#include "VerticalTestSupport.h"
#include "controls/TVerticalLayout.h"

namespace {

constexpr qreal kEm = vtest::kEm;
// Room for five characters and half of a sixth.
constexpr qreal kHeight = kEm * 5 + kEm / 2;

struct IndentCase {
    const char* name;
    const char* text;
    qreal leftMargin, textIndent, rightMargin;  // in em, as the block format keeps them
    Qt::Alignment align;
    const char* columns;                 // the columns joined by '|'
    std::vector<qreal> tops;             // where each column's first character starts, in em
    std::vector<qreal> firstPositionYs;  // CaretY of each column's first position, in em
};

const IndentCase kIndents[] = {
    // A first line one em further in than the rest: 3.5 em, then 4.5 em of room.
    {"first_line_further_in",
     "あいうえおかきくけこ",
     1,
     1,
     0,
     Qt::AlignLeft,
     "あいう|えおかき|くけこ",
     {2, 1, 1},
     {2, 1, 1}},
    // A hanging first line: it starts at 1 em, the others at 2 em.
    {"hanging_first_line",
     "あいうえおかきくけこ",
     2,
     -1,
     0,
     Qt::AlignLeft,
     "あいうえ|おかき|くけこ",
     {1, 2, 2},
     {1, 2, 2}},
    // The right indent keeps 1.5 em free at the foot: four characters a column.
    {"right_indent",
     "あいうえおかきくけこ",
     0,
     0,
     1.5,
     Qt::AlignLeft,
     "あいうえ|おかきく|けこ",
     {0, 0, 0},
     {0, 0, 0}},
    // Centred between a 1 em head and a 1 em foot: (3.5 - 2) / 2 below the head.
    {"centred_inside_the_indents", "あい", 1, 0, 1, Qt::AlignHCenter, "あい", {1.75}, {1.75}},
    // Towards the foot: the last character ends 1 em above the column's end.
    {"right_aligned_above_the_foot_indent", "あい", 1, 0, 1, Qt::AlignRight, "あい", {2.5}, {2.5}},
    // An empty paragraph: its caret stands at the first-line indent.
    {"empty_paragraph", "", 1, 1, 0, Qt::AlignLeft, "", {2}, {2}},
    // A first line that would start above the column top starts at the top: nothing is
    // drawn over the selection bar above the columns.
    {"first_line_above_the_top",
     "あいうえおかきくけこ",
     0,
     -1,
     0,
     Qt::AlignLeft,
     "あいうえお|かきくけこ",
     {0, 0},
     {0, 0}},
};

class VerticalIndentTest : public ::testing::TestWithParam<IndentCase> {};

TEST_P(VerticalIndentTest, ColumnsStartAtTheIndents) {
    const IndentCase& c = GetParam();
    auto doc = vtest::MakeDocument(QString::fromUtf8(c.text));
    QTextBlockFormat bf;
    bf.setLeftMargin(c.leftMargin * kEm);
    bf.setTextIndent(c.textIndent * kEm);
    bf.setRightMargin(c.rightMargin * kEm);
    bf.setAlignment(c.align);
    QTextCursor(doc.get()).setBlockFormat(bf);
    TVerticalLayout layout(doc.get());
    layout.SetColumnHeight(kHeight);
    const TVerticalParagraph& p = layout.Paragraph(0);
    QStringList cols;
    for (const TVerticalColumn& col : p.columns)
        cols << p.shaped.text.mid(col.start, col.end - col.start);
    EXPECT_EQ(cols.join(QLatin1Char('|')), QString::fromUtf8(c.columns));
    ASSERT_EQ(p.columns.size(), c.tops.size());
    for (size_t i = 0; i < c.tops.size(); ++i) {
        EXPECT_NEAR(p.columns[i].top, c.tops[i] * kEm, 0.5) << i;
        // Where the caret of the column's first position stands.
        TVerticalLayout::ColumnRef ref = layout.Column(static_cast<int>(i));
        ASSERT_TRUE(ref.valid());
        const int first = doc->begin().position() + p.columns[i].start;
        EXPECT_NEAR(layout.CaretY(ref, first), c.firstPositionYs[i] * kEm, 0.5) << i;
        // No column runs past the foot indent.
        EXPECT_LE(p.columns[i].top + p.columns[i].length, kHeight - c.rightMargin * kEm + 0.5) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Indents, VerticalIndentTest, ::testing::ValuesIn(kIndents),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VerticalIndentLayout, ALineSeparatorsEmptyColumnStartsAtTheLeftIndent) {
    auto doc = vtest::MakeDocument(QString());
    QTextCursor c(doc.get());
    QTextBlockFormat bf;
    bf.setLeftMargin(kEm);
    bf.setTextIndent(kEm);
    c.setBlockFormat(bf);
    c.insertText(QStringLiteral("あい") + QChar(QChar::LineSeparator));
    TVerticalLayout layout(doc.get());
    layout.SetColumnHeight(kHeight);
    const TVerticalParagraph& p = layout.Paragraph(0);
    ASSERT_EQ(p.columns.size(), 2u);
    EXPECT_NEAR(p.columns[0].top, 2 * kEm, 0.5);
    EXPECT_NEAR(p.columns[1].top, kEm, 0.5);
}

}  // namespace
