#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

#include "core/CharCount.h"
#include "core/Cp932.h"

namespace {

struct CountRow {
    const char* name;
    std::string bytes;
    std::size_t count;
};

void PrintTo(const CountRow& r, std::ostream* os) {
    *os << r.name;
}

class CharCountRows : public ::testing::TestWithParam<CountRow> {};

TEST_P(CharCountRows, CountsWithoutLineEnds) {
    EXPECT_EQ(CharCount::Count(GetParam().bytes), GetParam().count);
}

// あ 82 A0, い 82 A2, う 82 A4; 表 95 5C (trail byte 0x5C).
INSTANTIATE_TEST_SUITE_P(
    Rows, CharCountRows,
    ::testing::Values(CountRow{"HiraganaLineEndLatin", "\x82\xA0\x82\xA2\x82\xA4\r\nabc", 6},
                      CountRow{"Empty", "", 0}, CountRow{"OnlyLineEnds", "\r\n\r\n\n\r", 0},
                      CountRow{"SpacesTabsCount", " \t\x81\x40", 3},
                      CountRow{"HalfWidthKanaAndMarks", "\xB6\xDE\xCA\xDF", 4},
                      CountRow{"TrailByte5CIsNoCharacter", "\x95\x5C\x5C", 2},
                      CountRow{"CutLeadAtTheEnd", "a\x82", 2},
                      CountRow{"CutLeadBeforeLineEnd", "a\x82\r\n", 2},
                      // With the line end taken out, the lead byte pairs with the next byte.
                      CountRow{"LeadAcrossALineEnd", "\x82\r\n\xA0x", 2},
                      CountRow{"LoneCrAndLf", "a\rb\nc", 3},
                      CountRow{"SingleHighBytes", "\x80\xA0\xFD\xFE\xFF", 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CharCountNovel, EqualsTheCodePointsIconvDecodesWithoutLineEnds) {
    std::ifstream f(ORIMAKI_TESTDATA "/text/wagahai.sjis.txt", std::ios::binary);
    const std::string novel{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    ASSERT_GT(novel.size(), 700000u);
    const auto decoded = Cp932::Decode(novel);
    ASSERT_TRUE(decoded.ok());
    std::size_t codePoints = 0;
    for (const char c : decoded.utf8) {
        const auto b = static_cast<unsigned char>(c);
        if ((b & 0xC0) != 0x80 && b != '\r' && b != '\n') ++codePoints;
    }
    EXPECT_EQ(CharCount::Count(novel), codePoints);
}

}  // namespace
