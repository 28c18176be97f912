// Encoding to and decoding from code page 932 on long mixed text: the bytes are those of the
// iconv command (iconv -f UTF-8 -t CP932: あ 82 A0, 漢 8A BF, ｱ B1, a 61; "é" and "😀" cannot
// be written and become "?"), each unmappable character is reported at its UTF-8 offset, and
// long texts give the same bytes however the characters fall (mappable stretches, unmappable
// runs, a four-byte sequence anywhere).

#include <gtest/gtest.h>

#include <string>

#include "core/Cp932.h"

namespace {

struct Piece {
    std::string utf8;
    std::string cp932;  // '?' for an unmappable character
    bool unmappable;
};

const Piece kA{"\xE3\x81\x82", "\x82\xA0", false};    // あ
const Piece kKan{"\xE6\xBC\xA2", "\x8A\xBF", false};  // 漢
const Piece kHalf{"\xEF\xBD\xB1", "\xB1", false};     // ｱ
const Piece kAscii{"a", "a", false};
const Piece kAcute{"\xC3\xA9", "?", true};          // é
const Piece kSmile{"\xF0\x9F\x98\x80", "?", true};  // 😀

struct Expected {
    std::string utf8, cp932;
    std::vector<std::size_t> positions;
};

// The pieces one after another, as often as asked.
Expected Build(const std::vector<Piece>& pattern, int repeat) {
    Expected e;
    for (int i = 0; i < repeat; ++i)
        for (const Piece& p : pattern) {
            if (p.unmappable) e.positions.push_back(e.utf8.size());
            e.utf8 += p.utf8;
            e.cp932 += p.cp932;
        }
    return e;
}

struct EncodeCase {
    const char* name;
    std::vector<Piece> pattern;
    int repeat;
};

class Cp932Encode : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(Cp932Encode, WritesTheBytesOfIconvAndReportsEveryUnmappable) {
    const Expected e = Build(GetParam().pattern, GetParam().repeat);
    const Cp932::EncodeResult r = Cp932::Encode(e.utf8);
    EXPECT_TRUE(r.bytes == e.cp932) << "lengths " << r.bytes.size() << " / " << e.cp932.size();
    EXPECT_EQ(r.positions, e.positions);
    ASSERT_EQ(r.unmappable.size(), e.positions.size());
    // Round trip of the mappable text.
    if (e.positions.empty()) {
        EXPECT_EQ(Cp932::ToUtf8(r.bytes), e.utf8);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Cp932Encode,
    ::testing::Values(EncodeCase{"Short", {kA, kAcute, kKan, kSmile, kAscii}, 1},
                      EncodeCase{"Mixed", {kA, kAcute, kKan, kSmile, kAscii, kHalf}, 20000},
                      EncodeCase{"EveryOther", {kA, kAcute}, 50000},
                      EncodeCase{"UnmappableRuns", {kSmile, kSmile, kSmile, kAcute, kKan}, 9000},
                      EncodeCase{"OnlyUnmappable", {kSmile}, 30000},
                      EncodeCase{"OddLengths", {kAscii, kSmile, kAscii, kAscii, kA}, 25000},
                      EncodeCase{"AllMappable", {kA, kKan, kAscii, kHalf}, 60000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cp932Encode, LongMappableTextThenOneUnmappableAtTheEnd) {
    Expected e = Build({kKan, kAscii}, 100000);
    const Expected tail = Build({kSmile}, 1);
    e.positions.push_back(e.utf8.size());
    e.utf8 += tail.utf8;
    e.cp932 += tail.cp932;
    const Cp932::EncodeResult r = Cp932::Encode(e.utf8);
    EXPECT_TRUE(r.bytes == e.cp932);
    EXPECT_EQ(r.positions, e.positions);
}

TEST(Cp932Encode, CutSequenceAtTheVeryEndIsReported) {
    // あ, then the first two bytes of 漢: one broken character, one "?".
    const std::string in = std::string(30000, 'a') + "\xE3\x81\x82\xE6\xBC";
    const Cp932::EncodeResult r = Cp932::Encode(in);
    EXPECT_TRUE(r.bytes == std::string(30000, 'a') + "\x82\xA0" + "?") << r.bytes.substr(30000);
    EXPECT_EQ(r.positions, (std::vector<std::size_t>{30003}));
}

TEST(Cp932Decode, InvalidBytesAmongLongText) {
    // 0x80 and 0xA0 are no code page 932 characters (iconv: illegal input sequence); 82 A0 is
    // あ. Far apart, close together, and a lead byte alone at the end.
    std::string in;
    std::string want;
    std::vector<std::size_t> offsets;
    for (int i = 0; i < 20000; ++i) {
        in += "\x82\xA0";
        want += "\xE3\x81\x82";
        if (i % 7 == 3) {
            offsets.push_back(in.size());
            in += "\x80";
            want += "\xEF\xBF\xBD";
        }
        if (i % 1000 == 999) {
            offsets.push_back(in.size());
            offsets.push_back(in.size() + 1);
            in += "\xA0\xA0";
            want += "\xEF\xBF\xBD\xEF\xBF\xBD";
        }
    }
    offsets.push_back(in.size());
    in += "\x82";
    want += "\xEF\xBF\xBD";
    const Cp932::DecodeResult r = Cp932::Decode(in);
    EXPECT_TRUE(r.utf8 == want);
    EXPECT_EQ(r.invalidOffsets, offsets);
}

}  // namespace
