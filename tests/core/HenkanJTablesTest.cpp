// Every entry of the three conversion tables: the symbol pairs, half-width katakana to
// full-width, and full-width kana (katakana and hiragana) to half-width. The expected codes are
// written by hand from the tables; glibc iconv (Cp932::Decode, "CP932") checks independently
// that each code is the character its glyph column names.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <set>
#include <string>

#include "core/Cp932.h"
#include "core/HenkanJ.h"

namespace {

std::string Code(std::uint16_t c) {
    return {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
}
std::string Byte(unsigned b) {
    return std::string(1, static_cast<char>(b));
}
std::string Utf8(std::string_view sjis) {
    auto d = Cp932::Decode(sjis);
    EXPECT_TRUE(d.ok()) << "iconv cannot decode the expected bytes";
    return d.utf8;
}
const std::string kWideVoiced = Code(0x814A);      // ゛
const std::string kWideSemiVoiced = Code(0x814B);  // ゜

// ---------------------------------------------------------------------------------------------
// Symbol pairs: 39 entries in their stored order.

struct SymbolRow {
    unsigned half;
    const char* halfGlyph;
    std::uint16_t full;
    const char* fullGlyph;
};

void PrintTo(const SymbolRow& r, std::ostream* os) {
    *os << r.halfGlyph << " " << r.fullGlyph;
}

class SymbolPairs : public ::testing::TestWithParam<SymbolRow> {};

TEST_P(SymbolPairs, ConvertBothWays) {
    const SymbolRow& r = GetParam();
    EXPECT_EQ(HanToZen(Byte(r.half)), Code(r.full));
    EXPECT_EQ(ZenToHan(Code(r.full)), Byte(r.half));
    // Only the half-width punctuation and ｰ count as kana for HanKanaToZen; ASCII stays.
    EXPECT_EQ(HanKanaToZen(Byte(r.half)), r.half >= 0xA0 ? Code(r.full) : Byte(r.half));
}

TEST_P(SymbolPairs, CodesAreTheNamedCharacters) {
    const SymbolRow& r = GetParam();
    EXPECT_EQ(Utf8(Code(r.full)), r.fullGlyph);
    EXPECT_EQ(Utf8(Byte(r.half)), r.halfGlyph);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SymbolPairs,
    ::testing::Values(SymbolRow{0x20, " ", 0x8140, "\u3000"}, SymbolRow{0x21, "!", 0x8149, "！"},
                      SymbolRow{0x22, "\"", 0x8168, "\u201D"}, SymbolRow{0x23, "#", 0x8194, "＃"},
                      SymbolRow{0x24, "$", 0x8190, "＄"}, SymbolRow{0x25, "%", 0x8193, "％"},
                      SymbolRow{0x26, "&", 0x8195, "＆"}, SymbolRow{0x27, "'", 0x8166, "\u2019"},
                      SymbolRow{0x28, "(", 0x8169, "（"}, SymbolRow{0x29, ")", 0x816A, "）"},
                      SymbolRow{0x3D, "=", 0x8181, "＝"}, SymbolRow{0x60, "`", 0x8165, "\u2018"},
                      SymbolRow{0x7C, "|", 0x8162, "｜"}, SymbolRow{0x2D, "-", 0x817C, "\uFF0D"},
                      SymbolRow{0x5E, "^", 0x814F, "＾"}, SymbolRow{0x5C, "\\", 0x818F, "\uFFE5"},
                      SymbolRow{0x7E, "~", 0x8150, "\uFFE3"}, SymbolRow{0x7B, "{", 0x816F, "｛"},
                      SymbolRow{0x40, "@", 0x8197, "＠"}, SymbolRow{0x5B, "[", 0x816D, "［"},
                      SymbolRow{0x2B, "+", 0x817B, "＋"}, SymbolRow{0x2A, "*", 0x8196, "＊"},
                      SymbolRow{0x7D, "}", 0x8170, "｝"}, SymbolRow{0x3B, ";", 0x8147, "；"},
                      SymbolRow{0x3A, ":", 0x8146, "："}, SymbolRow{0x5D, "]", 0x816E, "］"},
                      SymbolRow{0x3C, "<", 0x8183, "＜"}, SymbolRow{0x3E, ">", 0x8184, "＞"},
                      SymbolRow{0x3F, "?", 0x8148, "？"}, SymbolRow{0x5F, "_", 0x8151, "＿"},
                      SymbolRow{0xA4, "､", 0x8141, "、"}, SymbolRow{0xA1, "｡", 0x8142, "。"},
                      SymbolRow{0xA5, "･", 0x8145, "・"}, SymbolRow{0x2C, ",", 0x8143, "，"},
                      SymbolRow{0x2E, ".", 0x8144, "．"}, SymbolRow{0x2F, "/", 0x815E, "／"},
                      SymbolRow{0xB0, "ｰ", 0x815B, "ー"}, SymbolRow{0xA2, "｢", 0x8175, "「"},
                      SymbolRow{0xA3, "｣", 0x8176, "」"}));

// ---------------------------------------------------------------------------------------------
// Half-width katakana to full-width, with the voiced (ﾞ) and semi-voiced (ﾟ) forms.

struct KanaRow {
    unsigned half;
    const char* halfGlyph;
    std::uint16_t full;
    const char* fullGlyph;
    std::uint16_t voiced;  // 0: does not join ﾞ
    const char* voicedGlyph;
    std::uint16_t semiVoiced;  // 0: does not join ﾟ
    const char* semiGlyph;
};

void PrintTo(const KanaRow& r, std::ostream* os) {
    *os << r.halfGlyph << " " << r.fullGlyph;
}

class HalfKana : public ::testing::TestWithParam<KanaRow> {};

TEST_P(HalfKana, AloneBecomesTheFullWidthKana) {
    const KanaRow& r = GetParam();
    EXPECT_EQ(HanToZen(Byte(r.half)), Code(r.full));
    EXPECT_EQ(HanKanaToZen(Byte(r.half)), Code(r.full));
    EXPECT_EQ(Utf8(Code(r.full)), r.fullGlyph);
    EXPECT_EQ(Utf8(Byte(r.half)), r.halfGlyph);
}

TEST_P(HalfKana, VoicedMarkJoinsOrBecomesTheFullWidthMark) {
    const KanaRow& r = GetParam();
    const std::string in = Byte(r.half) + "\xDE";
    const std::string want = r.voiced ? Code(r.voiced) : Code(r.full) + kWideVoiced;
    EXPECT_EQ(HanToZen(in), want);
    EXPECT_EQ(HanKanaToZen(in), want);
    if (r.voiced) {
        EXPECT_EQ(Utf8(Code(r.voiced)), r.voicedGlyph);
    }
}

TEST_P(HalfKana, SemiVoicedMarkJoinsOrBecomesTheFullWidthMark) {
    const KanaRow& r = GetParam();
    const std::string in = Byte(r.half) + "\xDF";
    const std::string want = r.semiVoiced ? Code(r.semiVoiced) : Code(r.full) + kWideSemiVoiced;
    EXPECT_EQ(HanToZen(in), want);
    EXPECT_EQ(HanKanaToZen(in), want);
    if (r.semiVoiced) {
        EXPECT_EQ(Utf8(Code(r.semiVoiced)), r.semiGlyph);
    }
}

TEST_P(HalfKana, FullWidthFormsGoBack) {
    const KanaRow& r = GetParam();
    // ヲ is the one kana whose way back is another letter: it becomes ｵ.
    EXPECT_EQ(ZenToHan(Code(r.full)), r.half == 0xA6 ? "\xB5" : Byte(r.half));
    if (r.voiced) {
        EXPECT_EQ(ZenToHan(Code(r.voiced)), Byte(r.half) + "\xDE");
    }
    if (r.semiVoiced) {
        EXPECT_EQ(ZenToHan(Code(r.semiVoiced)), Byte(r.half) + "\xDF");
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Table, HalfKana,
    ::testing::Values(
        KanaRow{0xA6, "ｦ", 0x8392, "ヲ", 0, "", 0, ""},
        KanaRow{0xA7, "ｧ", 0x8340, "ァ", 0, "", 0, ""},
        KanaRow{0xA8, "ｨ", 0x8342, "ィ", 0, "", 0, ""},
        KanaRow{0xA9, "ｩ", 0x8344, "ゥ", 0, "", 0, ""},
        KanaRow{0xAA, "ｪ", 0x8346, "ェ", 0, "", 0, ""},
        KanaRow{0xAB, "ｫ", 0x8348, "ォ", 0, "", 0, ""},
        KanaRow{0xAC, "ｬ", 0x8383, "ャ", 0, "", 0, ""},
        KanaRow{0xAD, "ｭ", 0x8385, "ュ", 0, "", 0, ""},
        KanaRow{0xAE, "ｮ", 0x8387, "ョ", 0, "", 0, ""},
        KanaRow{0xAF, "ｯ", 0x8362, "ッ", 0, "", 0, ""},
        KanaRow{0xB1, "ｱ", 0x8341, "ア", 0, "", 0, ""},
        KanaRow{0xB2, "ｲ", 0x8343, "イ", 0, "", 0, ""},
        KanaRow{0xB3, "ｳ", 0x8345, "ウ", 0, "", 0, ""},
        KanaRow{0xB4, "ｴ", 0x8347, "エ", 0, "", 0, ""},
        KanaRow{0xB5, "ｵ", 0x8349, "オ", 0, "", 0, ""},
        KanaRow{0xB6, "ｶ", 0x834A, "カ", 0x834B, "ガ", 0, ""},
        KanaRow{0xB7, "ｷ", 0x834C, "キ", 0x834D, "ギ", 0, ""},
        KanaRow{0xB8, "ｸ", 0x834E, "ク", 0x834F, "グ", 0, ""},
        KanaRow{0xB9, "ｹ", 0x8350, "ケ", 0x8351, "ゲ", 0, ""},
        KanaRow{0xBA, "ｺ", 0x8352, "コ", 0x8353, "ゴ", 0, ""},
        KanaRow{0xBB, "ｻ", 0x8354, "サ", 0x8355, "ザ", 0, ""},
        KanaRow{0xBC, "ｼ", 0x8356, "シ", 0x8357, "ジ", 0, ""},
        KanaRow{0xBD, "ｽ", 0x8358, "ス", 0x8359, "ズ", 0, ""},
        KanaRow{0xBE, "ｾ", 0x835A, "セ", 0x835B, "ゼ", 0, ""},
        KanaRow{0xBF, "ｿ", 0x835C, "ソ", 0x835D, "ゾ", 0, ""},
        KanaRow{0xC0, "ﾀ", 0x835E, "タ", 0x835F, "ダ", 0, ""},
        KanaRow{0xC1, "ﾁ", 0x8360, "チ", 0x8361, "ヂ", 0, ""},
        KanaRow{0xC2, "ﾂ", 0x8363, "ツ", 0x8364, "ヅ", 0, ""},
        KanaRow{0xC3, "ﾃ", 0x8365, "テ", 0x8366, "デ", 0, ""},
        KanaRow{0xC4, "ﾄ", 0x8367, "ト", 0x8368, "ド", 0, ""},
        KanaRow{0xC5, "ﾅ", 0x8369, "ナ", 0, "", 0, ""},
        KanaRow{0xC6, "ﾆ", 0x836A, "ニ", 0, "", 0, ""},
        KanaRow{0xC7, "ﾇ", 0x836B, "ヌ", 0, "", 0, ""},
        KanaRow{0xC8, "ﾈ", 0x836C, "ネ", 0, "", 0, ""},
        KanaRow{0xC9, "ﾉ", 0x836D, "ノ", 0, "", 0, ""},
        KanaRow{0xCA, "ﾊ", 0x836E, "ハ", 0x836F, "バ", 0x8370, "パ"},
        KanaRow{0xCB, "ﾋ", 0x8371, "ヒ", 0x8372, "ビ", 0x8373, "ピ"},
        KanaRow{0xCC, "ﾌ", 0x8374, "フ", 0x8375, "ブ", 0x8376, "プ"},
        KanaRow{0xCD, "ﾍ", 0x8377, "ヘ", 0x8378, "ベ", 0x8379, "ペ"},
        KanaRow{0xCE, "ﾎ", 0x837A, "ホ", 0x837B, "ボ", 0x837C, "ポ"},
        KanaRow{0xCF, "ﾏ", 0x837D, "マ", 0, "", 0, ""},
        KanaRow{0xD0, "ﾐ", 0x837E, "ミ", 0, "", 0, ""},
        KanaRow{0xD1, "ﾑ", 0x8380, "ム", 0, "", 0, ""},
        KanaRow{0xD2, "ﾒ", 0x8381, "メ", 0, "", 0, ""},
        KanaRow{0xD3, "ﾓ", 0x8382, "モ", 0, "", 0, ""},
        KanaRow{0xD4, "ﾔ", 0x8384, "ヤ", 0, "", 0, ""},
        KanaRow{0xD5, "ﾕ", 0x8386, "ユ", 0, "", 0, ""},
        KanaRow{0xD6, "ﾖ", 0x8388, "ヨ", 0, "", 0, ""},
        KanaRow{0xD7, "ﾗ", 0x8389, "ラ", 0, "", 0, ""},
        KanaRow{0xD8, "ﾘ", 0x838A, "リ", 0, "", 0, ""},
        KanaRow{0xD9, "ﾙ", 0x838B, "ル", 0, "", 0, ""},
        KanaRow{0xDA, "ﾚ", 0x838C, "レ", 0, "", 0, ""},
        KanaRow{0xDB, "ﾛ", 0x838D, "ロ", 0, "", 0, ""},
        KanaRow{0xDC, "ﾜ", 0x838F, "ワ", 0, "", 0, ""},
        KanaRow{0xDD, "ﾝ", 0x8393, "ン", 0, "", 0, ""}));
// clang-format on

TEST(HalfKanaMarks, AloneStayHalfWidth) {
    for (const char* mark : {"\xDE", "\xDF", "\xDE\xDF", "\xDF\xDE\xDE"}) {
        EXPECT_EQ(HanToZen(mark), mark);
        EXPECT_EQ(HanKanaToZen(mark), mark);
        EXPECT_EQ(ZenToHan(mark), mark);
    }
    EXPECT_EQ(Utf8("\xDE\xDF"), "ﾞﾟ");
}

// ---------------------------------------------------------------------------------------------
// Full-width kana to half-width: every cell 0x21-0x76 of the katakana row, and the hiragana of
// the same cell, which gives the same half-width katakana. Written as text; iconv encodes it.

struct FullKanaRow {
    const char* katakana;
    const char* hiragana;  // nullptr: the cell has no hiragana in code page 932
    const char* half;
};

void PrintTo(const FullKanaRow& r, std::ostream* os) {
    *os << r.katakana << " " << r.half;
}

class FullKana : public ::testing::TestWithParam<FullKanaRow> {};

TEST_P(FullKana, BecomesHalfWidthKatakana) {
    const FullKanaRow& r = GetParam();
    const std::string half = Cp932::ToSjis(r.half);
    EXPECT_EQ(ZenToHan(Cp932::ToSjis(r.katakana)), half) << r.katakana;
    if (r.hiragana) {
        EXPECT_EQ(ZenToHan(Cp932::ToSjis(r.hiragana)), half) << r.hiragana;
    }
}

// clang-format off
const FullKanaRow kFullKana[] = {
    {"ァ", "ぁ", "ｧ"}, {"ア", "あ", "ｱ"}, {"ィ", "ぃ", "ｨ"}, {"イ", "い", "ｲ"},
    {"ゥ", "ぅ", "ｩ"}, {"ウ", "う", "ｳ"}, {"ェ", "ぇ", "ｪ"}, {"エ", "え", "ｴ"},
    {"ォ", "ぉ", "ｫ"}, {"オ", "お", "ｵ"},
    {"カ", "か", "ｶ"}, {"ガ", "が", "ｶﾞ"}, {"キ", "き", "ｷ"}, {"ギ", "ぎ", "ｷﾞ"},
    {"ク", "く", "ｸ"}, {"グ", "ぐ", "ｸﾞ"}, {"ケ", "け", "ｹ"}, {"ゲ", "げ", "ｹﾞ"},
    {"コ", "こ", "ｺ"}, {"ゴ", "ご", "ｺﾞ"},
    {"サ", "さ", "ｻ"}, {"ザ", "ざ", "ｻﾞ"}, {"シ", "し", "ｼ"}, {"ジ", "じ", "ｼﾞ"},
    {"ス", "す", "ｽ"}, {"ズ", "ず", "ｽﾞ"}, {"セ", "せ", "ｾ"}, {"ゼ", "ぜ", "ｾﾞ"},
    {"ソ", "そ", "ｿ"}, {"ゾ", "ぞ", "ｿﾞ"},
    {"タ", "た", "ﾀ"}, {"ダ", "だ", "ﾀﾞ"}, {"チ", "ち", "ﾁ"}, {"ヂ", "ぢ", "ﾁﾞ"},
    {"ッ", "っ", "ｯ"}, {"ツ", "つ", "ﾂ"}, {"ヅ", "づ", "ﾂﾞ"}, {"テ", "て", "ﾃ"},
    {"デ", "で", "ﾃﾞ"}, {"ト", "と", "ﾄ"}, {"ド", "ど", "ﾄﾞ"},
    {"ナ", "な", "ﾅ"}, {"ニ", "に", "ﾆ"}, {"ヌ", "ぬ", "ﾇ"}, {"ネ", "ね", "ﾈ"},
    {"ノ", "の", "ﾉ"},
    {"ハ", "は", "ﾊ"}, {"バ", "ば", "ﾊﾞ"}, {"パ", "ぱ", "ﾊﾟ"},
    {"ヒ", "ひ", "ﾋ"}, {"ビ", "び", "ﾋﾞ"}, {"ピ", "ぴ", "ﾋﾟ"},
    {"フ", "ふ", "ﾌ"}, {"ブ", "ぶ", "ﾌﾞ"}, {"プ", "ぷ", "ﾌﾟ"},
    {"ヘ", "へ", "ﾍ"}, {"ベ", "べ", "ﾍﾞ"}, {"ペ", "ぺ", "ﾍﾟ"},
    {"ホ", "ほ", "ﾎ"}, {"ボ", "ぼ", "ﾎﾞ"}, {"ポ", "ぽ", "ﾎﾟ"},
    {"マ", "ま", "ﾏ"}, {"ミ", "み", "ﾐ"}, {"ム", "む", "ﾑ"}, {"メ", "め", "ﾒ"},
    {"モ", "も", "ﾓ"},
    {"ャ", "ゃ", "ｬ"}, {"ヤ", "や", "ﾔ"}, {"ュ", "ゅ", "ｭ"}, {"ユ", "ゆ", "ﾕ"},
    {"ョ", "ょ", "ｮ"}, {"ヨ", "よ", "ﾖ"},
    {"ラ", "ら", "ﾗ"}, {"リ", "り", "ﾘ"}, {"ル", "る", "ﾙ"}, {"レ", "れ", "ﾚ"},
    {"ロ", "ろ", "ﾛ"},
    // The seven cells without a half-width letter of their own take a near one.
    {"ヮ", "ゎ", "ﾜ"}, {"ワ", "わ", "ﾜ"}, {"ヰ", "ゐ", "ｲ"}, {"ヱ", "ゑ", "ｴ"},
    {"ヲ", "を", "ｵ"}, {"ン", "ん", "ﾝ"}, {"ヴ", nullptr, "ｳﾞ"}, {"ヵ", nullptr, "ｶ"},
    {"ヶ", nullptr, "ｹ"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Table, FullKana, ::testing::ValuesIn(kFullKana));

TEST(FullKanaTable, CoversEveryCellOfTheKanaRows) {
    std::set<std::string> listed;
    for (const FullKanaRow& r : kFullKana) {
        listed.insert(Cp932::ToSjis(r.katakana));
        if (r.hiragana) listed.insert(Cp932::ToSjis(r.hiragana));
    }
    // Katakana 0x8340-0x8396 (0x7F is no trail byte), hiragana 0x829F-0x82F1.
    for (unsigned t = 0x40; t <= 0x96; ++t)
        if (t != 0x7F) {
            EXPECT_TRUE(listed.count(Code(0x8300 | t))) << std::hex << t;
        }
    for (unsigned t = 0x9F; t <= 0xF1; ++t) {
        EXPECT_TRUE(listed.count(Code(0x8200 | t)));
    }
    EXPECT_EQ(listed.size(), 86u + 83u);
}

// ---------------------------------------------------------------------------------------------
// Full-width digits and Latin letters: row 0x23 with the ASCII code as cell.

struct LatinRange {
    char first;
    int count;
    std::uint16_t firstCode;
    char32_t firstUnicode;
};

void PrintTo(const LatinRange& r, std::ostream* os) {
    *os << r.first;
}

class LatinLetters : public ::testing::TestWithParam<LatinRange> {};

TEST_P(LatinLetters, LetterForLetterInOrder) {
    const LatinRange& r = GetParam();
    std::string ascii, wide;
    for (int i = 0; i < r.count; ++i) {
        const std::string half(1, static_cast<char>(r.first + i));
        const std::string full = Code(static_cast<std::uint16_t>(r.firstCode + i));
        EXPECT_EQ(HanToZen(half), full) << half;
        EXPECT_EQ(ZenToHan(full), half) << half;
        EXPECT_EQ(HanKanaToZen(half), half);
        // iconv: the code is the full-width form U+FF10.., U+FF21.., U+FF41..
        const char32_t u = r.firstUnicode + static_cast<char32_t>(i);
        const std::string utf8 = {static_cast<char>(0xE0 | (u >> 12)),
                                  static_cast<char>(0x80 | ((u >> 6) & 0x3F)),
                                  static_cast<char>(0x80 | (u & 0x3F))};
        EXPECT_EQ(Utf8(full), utf8);
        ascii += half;
        wide += full;
    }
    EXPECT_EQ(HanToZen(ascii), wide);
    EXPECT_EQ(ZenToHan(wide), ascii);
}

INSTANTIATE_TEST_SUITE_P(Row23, LatinLetters,
                         ::testing::Values(LatinRange{'0', 10, 0x824F, 0xFF10},
                                           LatinRange{'A', 26, 0x8260, 0xFF21},
                                           LatinRange{'a', 26, 0x8281, 0xFF41}));

}  // namespace
