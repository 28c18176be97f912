// The walking rules of the conversions: marks that join or stay, trail bytes that look like
// ASCII or kana, a lead byte cut off at the end, round trips, case and line ends.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

#include "core/Cp932.h"
#include "core/HenkanJ.h"

namespace {

using Fn = std::string (*)(std::string_view);

struct TextRow {
    const char* name;
    Fn fn;
    const char* in;    // UTF-8, encoded to code page 932 by iconv
    const char* want;  // UTF-8
};

void PrintTo(const TextRow& r, std::ostream* os) {
    *os << r.name;
}

class ConversionText : public ::testing::TestWithParam<TextRow> {};

TEST_P(ConversionText, GivesTheExpectedText) {
    const TextRow& r = GetParam();
    const std::string in = Cp932::ToSjis(r.in);
    ASSERT_EQ(Cp932::ToUtf8(in), r.in) << "the input must be code page 932 text";
    EXPECT_EQ(Cp932::ToUtf8(r.fn(in)), r.want);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ConversionText,
    ::testing::Values(
        TextRow{"VoicedAndSemiVoicedJoin", HanToZen, "ｶﾞｷﾞﾊﾟﾎﾟ", "ガギパポ"},
        TextRow{"VuIsTwoCharacters", HanToZen, "ｳﾞ", "ウ゛"},
        TextRow{"KaWithSemiVoicedMark", HanToZen, "ｶﾟ", "カ゜"},
        TextRow{"WaAndAWithMarks", HanToZen, "ﾜﾞｱﾟｦﾞｯﾞ", "ワ゛ア゜ヲ゛ッ゛"},
        TextRow{"MarkAtTheStartStays", HanToZen, "ﾞｱ", "ﾞア"},
        TextRow{"MarkAfterLatinStays", HanToZen, "aﾞBﾟ", "ａﾞＢﾟ"},
        TextRow{"MarkAfterSymbolStays", HanToZen, "ｰﾞ｡ﾟ", "ーﾞ。ﾟ"},
        TextRow{"OnlyOneMarkIsTaken", HanToZen, "ﾊﾞﾟﾊﾟﾞ", "バﾟパﾞ"},
        TextRow{"MarkAfterFullWidthStays", HanToZen, "あﾞ", "あﾞ"},
        TextRow{"MixedSentence", HanToZen, "ﾃﾞｰﾀ 1,2! ｢ｶﾅ｣", "データ　１，２！　「カナ」"},
        TextRow{"SpaceAndSymbols", HanToZen, " \\~\"'`", "　￥￣”’‘"},
        TextRow{"KanjiAndFullWidthKept", HanToZen, "表示ＡＢ", "表示ＡＢ"},
        TextRow{"KatakanaVoicedToHalf", ZenToHan, "ガギパポ", "ｶﾞｷﾞﾊﾟﾎﾟ"},
        TextRow{"HiraganaVoicedToHalf", ZenToHan, "がぎぱぽ", "ｶﾞｷﾞﾊﾟﾎﾟ"},
        TextRow{"WoBecomesO", ZenToHan, "ヲを", "ｵｵ"},
        TextRow{"VuBecomesUWithMark", ZenToHan, "ヴ", "ｳﾞ"},
        TextRow{"SmallKaKeAndOldKana", ZenToHan, "ヵヶゐヰゑヱゎヮ", "ｶｹｲｲｴｴﾜﾜ"},
        TextRow{"SpaceAndSymbolsBack", ZenToHan, "　￥￣”’‘", " \\~\"'`"},
        TextRow{"MarksAndOthersKept", ZenToHan, "゛゜“表αЖ〒※", "゛゜“表αЖ〒※"},
        TextRow{"FullWidthDigitsLetters", ZenToHan, "０９ＡＺａｚ", "09AZaz"},
        TextRow{"HalfWidthKept", ZenToHan, "abcｱｲ\t", "abcｱｲ\t"},
        TextRow{"KanaOnlyChangesTheKana", HanKanaToZen, "aｱ!", "aア!"},
        TextRow{"KanaOnlyPunctuation", HanKanaToZen, "｡｢｣､･ｰ", "。「」、・ー"},
        TextRow{"KanaOnlyMarks", HanKanaToZen, "ｶﾞ1ﾊﾟ ｳﾞxﾞ", "ガ1パ ウ゛xﾞ"},
        // ＡＢＣ has the trail bytes 0x60-0x62 ("`ab"), Ж the trail byte 0x47 ("G").
        TextRow{"UpperAsciiOnly", SjisToUpper, "abcXYZ ＡＢＣａｂｃ ｱ", "ABCXYZ ＡＢＣａｂｃ ｱ"},
        TextRow{"LowerAsciiOnly", SjisToLower, "ABCxyz ＡＢＣ Ж", "abcxyz ＡＢＣ Ж"}),
    [](const auto& info) { return std::string(info.param.name); });

// Byte-level rows: trail bytes that look like ASCII symbols, letters, CR/LF or kana, and lead
// bytes cut off at the end (not text iconv would encode).
struct ByteRow {
    const char* name;
    Fn fn;
    std::string in;
    std::string want;
};

void PrintTo(const ByteRow& r, std::ostream* os) {
    *os << r.name;
}

class ConversionBytes : public ::testing::TestWithParam<ByteRow> {};

TEST_P(ConversionBytes, GivesTheExpectedBytes) {
    const ByteRow& r = GetParam();
    EXPECT_EQ(r.fn(r.in), r.want);
}

// 表 95 5C, 宮 8B 7B, 急 8B 7D, 唖 88 A0, 蟻 8B 61, 喉 8D 41.
const std::string kTrailTricks = "\x95\x5C\x8B\x7B\x8B\x7D\x88\xA0\x8B\x61\x8D\x41";

INSTANTIATE_TEST_SUITE_P(
    Bytes, ConversionBytes,
    ::testing::Values(
        ByteRow{"TrailsUnderHanToZen", HanToZen, kTrailTricks, kTrailTricks},
        ByteRow{"TrailsUnderZenToHan", ZenToHan, kTrailTricks, kTrailTricks},
        ByteRow{"TrailsUnderKana", HanKanaToZen, kTrailTricks, kTrailTricks},
        ByteRow{"TrailsUnderUpper", SjisToUpper, kTrailTricks, kTrailTricks},
        ByteRow{"TrailsUnderLower", SjisToLower, kTrailTricks, kTrailTricks},
        ByteRow{"TrailsUnderLineEnds", RestoreLineEnds, kTrailTricks, kTrailTricks},
        // ぱ 82 CF and む 82 DE: trail bytes that are half-width kana codes on their own.
        ByteRow{"KanaRangeTrail", HanToZen, "\x82\xCF\x82\xDE", "\x82\xCF\x82\xDE"},
        ByteRow{"UpperAroundTrailLetter", SjisToUpper, "a\x8B\x61z", "A\x8B\x61Z"},
        ByteRow{"LowerAroundTrailLetter", SjisToLower, "A\x8D\x41Z", "a\x8D\x41z"},
        // A lead byte pairs with whatever follows it, even an ASCII letter.
        ByteRow{"LeadEatsLetterUpper", SjisToUpper,
                "\x82"
                "a"
                "b",
                "\x82"
                "aB"},
        ByteRow{"LeadEatsLetterWide", HanToZen,
                "\x88"
                "a",
                "\x88"
                "a"},
        ByteRow{"LeadEatsMark", HanToZen, "\xB6\x82\xDE", "\x83\x4A\x82\xDE"},
        ByteRow{"CutLeadHanToZen", HanToZen, "a\x82", "\x82\x81\x82"},
        ByteRow{"CutLeadAfterKana", HanToZen, "\xB6\x83", "\x83\x4A\x83"},
        ByteRow{"CutLeadZenToHan", ZenToHan, "\x82\x60\x83", "A\x83"},
        ByteRow{"CutLeadKana", HanKanaToZen, "\xB1\x82", "\x83\x41\x82"},
        ByteRow{"CutLeadUpper", SjisToUpper, "a\x82", "A\x82"},
        ByteRow{"CutLeadLineEnds", RestoreLineEnds, "\n\x82", "\r\n\x82"},
        ByteRow{"OnlyACutLead", ZenToHan, "\x83", "\x83"},
        // Single bytes no table knows pass through.
        ByteRow{"ControlAndHighBytes", HanToZen,
                std::string("\0\t\r\n\x7F\x80\xA0\xFD\xFE\xFF", 10),
                std::string("\0\t\r\n\x7F\x80\xA0\xFD\xFE\xFF", 10)},
        ByteRow{"A0WithMarkUnderKana", HanKanaToZen, "\xA0\xDE", "\xA0\xDE"},
        // Codes of the kana rows that are no characters pass through: cell 0x77 of the
        // katakana row, cell 0x77 of the hiragana row, trail 0x7F; and row 0x23 outside the
        // digits and letters.
        ByteRow{"KanaRowBeyondLastCell", ZenToHan, "\x83\x97\x82\xF5", "\x83\x97\x82\xF5"},
        // Cells 0x74-0x76 of the hiragana row are read like those of the katakana row.
        ByteRow{"HiraganaRowLastCells", ZenToHan, "\x82\xF2\x82\xF3\x82\xF4", "\xB3\xDE\xB6\xB9"},
        ByteRow{"TrailByte7F", ZenToHan, "\x83\x7F\x82\x7F", "\x83\x7F\x82\x7F"},
        ByteRow{"LatinRowGaps", ZenToHan, "\x82\x40\x82\x59\x82\x7A\x82\x9E",
                "\x82\x40\x82\x59\x82\x7A\x82\x9E"},
        ByteRow{"Empty", HanToZen, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Round trips.

std::string AllPrintableAscii() {
    std::string s;
    for (int c = 0x20; c <= 0x7E; ++c) s += static_cast<char>(c);
    return s;
}

TEST(RoundTrip, PrintableAsciiGoesToFullWidthAndBack) {
    const std::string ascii = AllPrintableAscii();
    const std::string wide = HanToZen(ascii);
    EXPECT_EQ(wide.size(), ascii.size() * 2);  // every printable ASCII has a full-width partner
    EXPECT_EQ(ZenToHan(wide), ascii);
    EXPECT_TRUE(Cp932::Decode(wide).ok());
}

TEST(RoundTrip, HalfWidthKanaAndPairsGoToFullWidthAndBack) {
    std::string s = "\xDE\xDF";  // marks alone at the start stay as they are
    for (int b = 0xA1; b <= 0xDD; ++b)
        if (b != 0xA6) s += static_cast<char>(b);     // ｦ comes back as ｵ
    s += "\xB6\xDE\xC2\xDE\xCA\xDE\xCA\xDF\xCE\xDF";  // ｶﾞﾂﾞﾊﾞﾊﾟﾎﾟ
    EXPECT_EQ(ZenToHan(HanToZen(s)), s);
    EXPECT_EQ(ZenToHan(HanKanaToZen(s)), s);
}

struct NoRoundTrip {
    const char* name;
    const char* start;  // UTF-8
    const char* back;   // what comes back after the two conversions
    bool halfFirst;     // HanToZen then ZenToHan; else ZenToHan then HanToZen
};

void PrintTo(const NoRoundTrip& r, std::ostream* os) {
    *os << r.name;
}

class RoundTripFails : public ::testing::TestWithParam<NoRoundTrip> {};

TEST_P(RoundTripFails, ComesBackAsAnotherText) {
    const NoRoundTrip& r = GetParam();
    const std::string in = Cp932::ToSjis(r.start);
    const std::string out = r.halfFirst ? ZenToHan(HanToZen(in)) : HanToZen(ZenToHan(in));
    EXPECT_EQ(Cp932::ToUtf8(out), r.back);
    EXPECT_NE(out, in);
}

INSTANTIATE_TEST_SUITE_P(Rules, RoundTripFails,
                         ::testing::Values(NoRoundTrip{"HalfWo", "ｦ", "ｵ", true},
                                           NoRoundTrip{"FullWo", "ヲ", "オ", false},
                                           NoRoundTrip{"HiraganaWo", "を", "オ", false},
                                           NoRoundTrip{"HalfVu", "ｳﾞ", "ｳ゛", true},
                                           NoRoundTrip{"FullVu", "ヴ", "ウ゛", false},
                                           NoRoundTrip{"NearForms", "ヮヰヱヵヶ", "ワイエカケ",
                                                       false},
                                           NoRoundTrip{"Hiragana", "がぱん", "ガパン", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RoundTrip, FullWidthSymbolsLettersAndKatakanaComeBack) {
    const std::string s = Cp932::ToSjis(
        "　！”＃＄％＆’（）＝‘｜－＾￥￣｛＠［＋＊｝；：］＜＞？＿、。・，．／ー「」"
        "０１２３４５６７８９ＡＢＣＸＹＺａｂｃｘｙｚ"
        "アァカガサザタダッナハバパマャラワンポヅ");
    EXPECT_EQ(HanToZen(ZenToHan(s)), s);
}

// ---------------------------------------------------------------------------------------------
// Case: ASCII letters only.

TEST(Case, EveryByteOutsideTheAsciiLettersIsKept) {
    for (int b = 0; b < 256; ++b) {
        if (b >= 0x81 && b <= 0x9F) continue;  // lead bytes, below
        if (b >= 0xE0 && b <= 0xFC) continue;
        const std::string s(1, static_cast<char>(b));
        const bool lower = b >= 'a' && b <= 'z', upper = b >= 'A' && b <= 'Z';
        EXPECT_EQ(SjisToUpper(s), lower ? std::string(1, static_cast<char>(b - 32)) : s) << b;
        EXPECT_EQ(SjisToLower(s), upper ? std::string(1, static_cast<char>(b + 32)) : s) << b;
    }
}

TEST(Case, NoTwoByteCharacterChanges) {
    // Every lead byte with every trail byte, including the trails 'A'-'Z' and 'a'-'z'.
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0) continue;
        std::string s;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            s += static_cast<char>(lead);
            s += static_cast<char>(trail);
        }
        EXPECT_EQ(SjisToUpper(s), s) << lead;
        EXPECT_EQ(SjisToLower(s), s) << lead;
    }
}

// ---------------------------------------------------------------------------------------------
// Line ends.

struct LineEndRow {
    const char* name;
    std::string in;
    std::string want;
};

void PrintTo(const LineEndRow& r, std::ostream* os) {
    *os << r.name;
}

class LineEnds : public ::testing::TestWithParam<LineEndRow> {};

TEST_P(LineEnds, BecomeCrLf) {
    EXPECT_EQ(RestoreLineEnds(GetParam().in), GetParam().want);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LineEnds,
    ::testing::Values(
        LineEndRow{"PairStays", "a\r\nb", "a\r\nb"}, LineEndRow{"LoneCr", "a\rb", "a\r\nb"},
        LineEndRow{"LoneLf", "a\nb", "a\r\nb"}, LineEndRow{"LfCr", "\n\r", "\r\n\r\n"},
        LineEndRow{"CrCrLf", "\r\r\n", "\r\n\r\n"}, LineEndRow{"CrLfLf", "\r\n\n", "\r\n\r\n"},
        LineEndRow{"EndsWithCr", "x\r", "x\r\n"}, LineEndRow{"Empty", "", ""},
        LineEndRow{"NoLineEnd", "abc\x82\xA0", "abc\x82\xA0"},
        LineEndRow{"AfterTwoByte", "\x82\xA0\n\x95\x5C\r", "\x82\xA0\r\n\x95\x5C\r\n"},
        // A lead byte and the byte after it are one character, never examined.
        LineEndRow{"LeadBeforeLf", "\x82\nx", "\x82\nx"},
        LineEndRow{"LeadBeforeCrLf", "\x82\r\n", "\x82\r\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

std::string ReadNovel() {
    std::ifstream f(ORIMAKI_TESTDATA "/text/wagahai.sjis.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::string ReplaceAll(std::string s, const std::string& from, const std::string& to) {
    std::string out;
    std::size_t pos = 0, hit;
    while ((hit = s.find(from, pos)) != std::string::npos) {
        out.append(s, pos, hit - pos);
        out += to;
        pos = hit + from.size();
    }
    out.append(s, pos, std::string::npos);
    return out;
}

TEST(LineEndsOnTheNovel, CrLfTextIsUnchangedAndBrokenEndsAreRestored) {
    const std::string novel = ReadNovel();
    ASSERT_GT(novel.size(), 700000u);
    EXPECT_EQ(RestoreLineEnds(novel), novel);
    EXPECT_EQ(RestoreLineEnds(ReplaceAll(novel, "\r\n", "\n")), novel);
    EXPECT_EQ(RestoreLineEnds(ReplaceAll(novel, "\r\n", "\r")), novel);
}

TEST(ConversionsOnTheNovel, KeepValidTextAndRoundTripTheLatin) {
    const std::string novel = ReadNovel();
    ASSERT_TRUE(Cp932::Decode(novel).ok());
    const std::string wide = HanToZen(novel);
    const std::string narrow = ZenToHan(novel);
    EXPECT_TRUE(Cp932::Decode(wide).ok());
    EXPECT_TRUE(Cp932::Decode(narrow).ok());
    EXPECT_TRUE(Cp932::Decode(HanKanaToZen(narrow)).ok());
    // Under full width nothing but line ends and tabs is left as a single byte (the novel has
    // no half-width kana marks to leave behind).
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(wide[i]);
        if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
            ++i;
            continue;
        }
        ASSERT_TRUE(c == '\r' || c == '\n' || c == '\t') << "byte " << int(c) << " at " << i;
    }
    EXPECT_EQ(SjisToUpper(novel).size(), novel.size());
}

}  // namespace
