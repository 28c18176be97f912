// The conversion of Unicode text through its Shift-JIS bytes, the format question, the count,
// and the rounds of the indent command on a text of bytes.

#include <gtest/gtest.h>

#include <string>

#include "editing/TConvertRules.h"
#include "editing/TIndentRules.h"

namespace {

using C = TConvertRules::Conversion;

struct ConvertRow {
    C conversion;
    const char* in;
    const char* out;
};

class ConvertTable : public ::testing::TestWithParam<ConvertRow> {};

TEST_P(ConvertTable, ConvertsThroughShiftJis) {
    const ConvertRow& r = GetParam();
    EXPECT_EQ(TConvertRules::Convert(r.conversion, QString::fromUtf8(r.in)),
              QString::fromUtf8(r.out));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConvertTable,
    ::testing::Values(
        ConvertRow{C::ToZenkaku, "ｶﾞｷﾞﾊﾟﾎﾟ", "ガギパポ"}, ConvertRow{C::ToZenkaku, "ｳﾞ", "ウ゛"},
        ConvertRow{C::ToZenkaku, "a b\\~", "ａ　ｂ￥￣"},
        ConvertRow{C::ToHankaku, "がぎぱぽ", "ｶﾞｷﾞﾊﾟﾎﾟ"}, ConvertRow{C::ToHankaku, "ヲを", "ｵｵ"},
        ConvertRow{C::KanaToZen, "aｱ!", "aア!"}, ConvertRow{C::ToUpper, "abcあｚ", "ABCあｚ"},
        ConvertRow{C::ToLower, "ABC漢", "abc漢"},
        ConvertRow{C::LineEnds, "a\rb\nc\r\nd", "a\r\nb\r\nc\r\nd"},
        // Characters the code page cannot hold stay where they were.
        ConvertRow{C::ToZenkaku, "a😀b", "ａ😀ｂ"}, ConvertRow{C::ToHankaku, "😀", "😀"}));

TEST(ConvertRules, CommandsNameTheirConversions) {
    EXPECT_EQ(TConvertRules::FromCommand(QStringLiteral("ToHankakuM")), C::ToHankaku);
    EXPECT_EQ(TConvertRules::FromCommand(QStringLiteral("KanaToZenM")), C::KanaToZen);
    EXPECT_EQ(TConvertRules::FromCommand(QStringLiteral("CRLFM")), C::LineEnds);
    EXPECT_FALSE(TConvertRules::FromCommand(QStringLiteral("CountM")));
}

TEST(ConvertRules, QuestionOnlyWhenAStyleFieldIsMixed) {
    TCharAttributes a;
    EXPECT_FALSE(TConvertRules::AsksFormatQuestion(a));
    a.uniform = TCharAttributes::All & ~TCharAttributes::Charset & ~TCharAttributes::Offset;
    EXPECT_FALSE(TConvertRules::AsksFormatQuestion(a));
    a.uniform &= ~TCharAttributes::Name;
    EXPECT_TRUE(TConvertRules::AsksFormatQuestion(a));
}

TEST(ConvertRules, CountLeavesOutLineEnds) {
    EXPECT_EQ(TConvertRules::Count(QStringLiteral("あいう\r\nabc")), 6);
    EXPECT_EQ(TConvertRules::CountMessage(QStringLiteral("あいう\r\nabc")),
              QStringLiteral("選択範囲の文字数は『6文字』です。\n参考にしてください。"));
    EXPECT_EQ(TConvertRules::CountMessage(QStringLiteral("\r\n\r\n")),
              QStringLiteral("文字が選択されていません。\n選択してください。"));
}

// ----- indent rounds ----------------------------------------------------------------------------

struct IndentRow {
    const char* text;
    int selStart, selLength, lineStart;
    const char* indent;
    const char* expected;
    int rounds, newStart, newLength;
};

class IndentTable : public ::testing::TestWithParam<IndentRow> {};

TEST_P(IndentTable, IndentsTheLinesOfTheSelection) {
    const IndentRow& r = GetParam();
    std::string text = r.text;
    const std::string indent = r.indent;
    const TIndentRules::Result res = TIndentRules::Run(
        r.selStart, r.selLength, r.lineStart, static_cast<int>(indent.size()),
        [&](int pos) { text.insert(static_cast<std::size_t>(pos), indent); },
        [&](int from, int to) {
            const std::size_t h = text.find("\r\n", static_cast<std::size_t>(from));
            return h == std::string::npos || static_cast<int>(h) + 2 > to ? -1
                                                                          : static_cast<int>(h);
        });
    EXPECT_EQ(text, r.expected);
    EXPECT_EQ(res.rounds, r.rounds);
    EXPECT_EQ(res.selStart, r.newStart);
    EXPECT_EQ(res.selLength, r.newLength);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IndentTable,
    ::testing::Values(
        // From "b" to the middle of the third paragraph.
        IndentRow{"ab\r\ncd\r\nef\r\ngh", 1, 8, 0, ">", ">ab\r\n>cd\r\n>ef\r\ngh", 3, 2, 10},
        // Ending exactly where the third paragraph begins: that one is left alone.
        IndentRow{"ab\r\ncd\r\nef\r\ngh", 1, 7, 0, ">", ">ab\r\n>cd\r\nef\r\ngh", 2, 2, 8},
        // No selection: only the caret's line, the caret keeps its place in the text.
        IndentRow{"ab\r\ncd\r\nef", 5, 0, 4, ">", "ab\r\n>cd\r\nef", 1, 6, 0},
        // A two-byte indent string over the whole text.
        IndentRow{"ab\r\ncd\r\nef\r\ngh", 0, 14, 0, "> ", "> ab\r\n> cd\r\n> ef\r\n> gh", 4, 2,
                  20}));

}  // namespace
