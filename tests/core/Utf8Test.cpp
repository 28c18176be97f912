#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/Utf8.h"

namespace {

struct LengthCase {
    unsigned char lead;
    std::size_t length;
};

class Utf8LengthTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(Utf8LengthTest, LeadByteGivesSequenceLength) {
    EXPECT_EQ(Utf8::SequenceLength(GetParam().lead), GetParam().length);
}

// Continuation bytes (80-BF) and the bytes no sequence can start with (F8-FF) count as one.
INSTANTIATE_TEST_SUITE_P(Leads, Utf8LengthTest,
                         ::testing::Values(LengthCase{0x00, 1}, LengthCase{0x41, 1},
                                           LengthCase{0x7F, 1}, LengthCase{0x80, 1},
                                           LengthCase{0xBF, 1}, LengthCase{0xC2, 2},
                                           LengthCase{0xDF, 2}, LengthCase{0xE3, 3},
                                           LengthCase{0xEF, 3}, LengthCase{0xF0, 4},
                                           LengthCase{0xF4, 4}, LengthCase{0xF8, 1},
                                           LengthCase{0xFF, 1}));

struct DecodeCase {
    std::string_view text;
    std::size_t pos, len;
    char32_t expected;
};

class Utf8DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Utf8DecodeTest, DecodesTheSequenceAtPos) {
    const DecodeCase& c = GetParam();
    EXPECT_EQ(Utf8::DecodeAt(c.text, c.pos, c.len), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8DecodeTest,
    ::testing::Values(DecodeCase{"A", 0, 1, U'A'}, DecodeCase{"\xC2\xA5", 0, 2, U'\u00A5'},  // ¥
                      DecodeCase{"x\xE3\x81\x82", 1, 3, U'\u3042'},         // あ after "x"
                      DecodeCase{"\xEF\xBD\x9E", 0, 3, U'\uFF5E'},          // ～
                      DecodeCase{"\xF0\xA9\xB8\xBD", 0, 4, U'\U00029E3D'},  // 𩸽
                      DecodeCase{"\xE3\x81", 0, 3, U'\uFFFD'},              // cut short by the end
                      DecodeCase{"ab\xF0\xA9", 2, 4, U'\uFFFD'}));

}  // namespace

namespace {

// Expected bytes written out from the UTF-8 bit layout by hand.
struct AppendCase {
    char32_t code;
    std::string_view bytes;
};

TEST(Utf8, AppendWritesTheSequence) {
    const AppendCase cases[] = {
        {U'A', "A"},
        {U'\u00A5', "\xC2\xA5"},               // ¥
        {U'\u3042', "\xE3\x81\x82"},           // あ
        {U'\U0001F600', "\xF0\x9F\x98\x80"},   // 😀
        {U'\U00020BB7', "\xF0\xA0\xAE\xB7"},   // 𠮷
        {char32_t(0xD83D), "\xEF\xBF\xBD"},    // a surrogate half: U+FFFD
        {char32_t(0x110000), "\xEF\xBF\xBD"},  // past the last code point
    };
    for (const AppendCase& c : cases) {
        std::string out = "x";
        Utf8::Append(out, c.code);
        EXPECT_EQ(out, "x" + std::string(c.bytes)) << static_cast<unsigned long>(c.code);
    }
}

}  // namespace
