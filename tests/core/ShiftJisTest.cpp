#include "core/ShiftJis.h"

#include <gtest/gtest.h>

#include "core/Cp932.h"

namespace {

struct WalkRow {
    const char* name;
    std::string bytes;
    std::size_t chars;
    bool cutLead;
};

class ShiftJisWalk : public ::testing::TestWithParam<WalkRow> {};

TEST_P(ShiftJisWalk, CountsCharactersAndCutLead) {
    const WalkRow& r = GetParam();
    EXPECT_EQ(ShiftJis::CharCount(r.bytes), r.chars);
    EXPECT_EQ(ShiftJis::EndsWithCutLead(r.bytes), r.cutLead);
}

// 表 = 0x95 0x5C, ポ = 0x83 0x7C, ＿ = 0x81 0x51; 0x83 0x7B = ボ, 0x83 0x7D = マ, 0x81 0xA0 = □
INSTANTIATE_TEST_SUITE_P(
    Bytes, ShiftJisWalk,
    ::testing::Values(WalkRow{"empty", "", 0, false}, WalkRow{"ascii", "abc", 3, false},
                      WalkRow{"trail5C", "\x95\x5C\x5C", 2, false},
                      WalkRow{"trail7B7D", "\x83\x7B\x83\x7D", 2, false},
                      WalkRow{"trailA0", "\x81\xA0", 1, false},
                      WalkRow{"halfKana", "\xB1\xB2\xDE", 3, false},
                      WalkRow{"cutLead", "a\x82", 2, true},
                      WalkRow{"leadAsTrailThenCut", "\x82\x82\x82", 2, true},
                      WalkRow{"crlf", "\x82\xA0\r\n", 3, false},
                      WalkRow{"singleBytes80A0FD", "\x80\xA0\xFD", 3, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShiftJisOffsets, CharStartFindsTheLeadOfATrail) {
    std::string s = "a\x95\x5C" "b";
    EXPECT_EQ(ShiftJis::CharStart(s, 0), 0u);
    EXPECT_EQ(ShiftJis::CharStart(s, 1), 1u);
    EXPECT_EQ(ShiftJis::CharStart(s, 2), 1u);  // 0x5C here is a trail byte, not a backslash
    EXPECT_EQ(ShiftJis::CharStart(s, 3), 3u);
    EXPECT_EQ(ShiftJis::OffsetOfChar(s, 2), 3u);
    EXPECT_EQ(ShiftJis::OffsetOfChar(s, 9), 4u);
}

TEST(Cp932, DecodesAndReportsInvalidBytes) {
    // あ = 82 A0, 表 = 95 5C; iconv -f CP932 gives U+3042 U+8868.
    auto d = Cp932::Decode("\x82\xA0\x95\x5C");
    EXPECT_TRUE(d.ok());
    EXPECT_EQ(d.utf8, "\xE3\x81\x82\xE8\xA1\xA8");
    auto bad = Cp932::Decode("a\x82");
    EXPECT_FALSE(bad.ok());
    ASSERT_EQ(bad.invalidOffsets.size(), 1u);
    EXPECT_EQ(bad.invalidOffsets[0], 1u);
}

TEST(Cp932, EncodeReportsEveryUnmappableCharacter) {
    // U+1F600 (emoji) and U+20BB7 (𠮷) are not in code page 932; ～ U+FF5E is 0x8160.
    auto e = Cp932::Encode("a\xF0\x9F\x98\x80\xEF\xBD\x9E\xF0\xA0\xAE\xB7");
    ASSERT_EQ(e.unmappable.size(), 2u);
    EXPECT_EQ(e.unmappable[0], U'\U0001F600');
    EXPECT_EQ(e.unmappable[1], U'\U00020BB7');
    EXPECT_EQ(e.positions[0], 1u);
    EXPECT_EQ(e.bytes, "a?\x81\x60?");
}

}  // namespace
