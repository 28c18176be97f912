// The width conversions checked against Unicode's own <wide> and <narrow> compatibility
// mappings (ICU's NFKC), with glibc iconv decoding the Shift-JIS on both sides. A half-width
// text and the full-width text it converts to agree when NFKC makes them equal.
//
// Where the conversion tables differ from Unicode, and why:
// - backslash ↔ ￥, tilde ↔ ￣, " ↔ ”, ' ↔ ’, ` ↔ ‘: in Shift-JIS text these bytes stand for
//   the yen sign, the overline and typographic quotes (how Japanese fonts draw them), so the
//   program pairs them with those characters; Unicode pairs ￥ with ¥, ￣ with ¯, and ” ’ ‘
//   have no half-width form at all.
// - A half-width kana with a mark it cannot join (ｳﾞ, ﾜﾞ, ｶﾟ ...): the program writes the kana
//   and the separate spacing mark ゛/゜ (U+309B/U+309C); Unicode composes ヴ, ヷ, ヺ or keeps
//   the combining mark U+3099/U+309A.
// - ヮ ヰ ヱ ヲ ヵ ヶ (and ゎ ゐ ゑ を): Unicode gives them no half-width form (ヲ has ｦ); the
//   program takes a near letter, ヲ → ｵ included.
// - Hiragana become half-width katakana; Unicode has no half-width hiragana, so they are
//   compared with the katakana of the same letter.

#include <gtest/gtest.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <set>
#include <string>

#include "core/Cp932.h"
#include "core/HenkanJ.h"

namespace {

icu::UnicodeString Nfkc(const icu::UnicodeString& s) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfkc = icu::Normalizer2::getNFKCInstance(status);
    EXPECT_TRUE(U_SUCCESS(status));
    icu::UnicodeString out = nfkc->normalize(s, status);
    EXPECT_TRUE(U_SUCCESS(status));
    return out;
}

icu::UnicodeString Decode(const std::string& sjis) {
    auto d = Cp932::Decode(sjis);
    EXPECT_TRUE(d.ok());
    return icu::UnicodeString::fromUTF8(d.utf8);
}

icu::UnicodeString HiraganaToKatakana(icu::UnicodeString s) {
    for (int32_t i = 0; i < s.length(); ++i)
        if (s[i] >= 0x3041 && s[i] <= 0x3096) s.setCharAt(i, static_cast<char16_t>(s[i] + 0x60));
    return s;
}

int DecompositionType(const icu::UnicodeString& s) {
    return u_getIntPropertyValue(s.char32At(0), UCHAR_DECOMPOSITION_TYPE);
}

bool IsKanaByte(int b) {
    return (b >= 0xA6 && b <= 0xAF) || (b >= 0xB1 && b <= 0xDD);
}

TEST(UnicodeOracle, SingleHalfWidthBytesAgreeExceptTheListedSymbols) {
    std::set<int> differ, unchanged;
    for (int b = 0x20; b <= 0xDF; ++b) {
        if (b > 0x7E && b < 0xA1) continue;
        const std::string half(1, static_cast<char>(b));
        const std::string full = HanToZen(half);
        if (full == half) {
            unchanged.insert(b);
            continue;
        }
        const icu::UnicodeString h = Decode(half), f = Decode(full);
        if (Nfkc(h) != Nfkc(f)) {
            differ.insert(b);
            continue;
        }
        // The agreement is Unicode's width mapping: <wide> for ASCII, <narrow> for kana.
        if (b < 0x80) {
            EXPECT_EQ(DecompositionType(f), U_DT_WIDE) << b;
        } else {
            EXPECT_EQ(DecompositionType(h), U_DT_NARROW) << b;
        }
    }
    EXPECT_EQ(differ, (std::set<int>{'"', '\'', '\\', '`', '~'}));
    EXPECT_EQ(unchanged, (std::set<int>{0xDE, 0xDF}));  // ﾞ and ﾟ alone stay half-width
}

TEST(UnicodeOracle, KanaWithMarksAgreeExactlyWhereTheyJoin) {
    std::set<std::string> joinsVoiced, joinsSemiVoiced;
    for (int b = 0xB6; b <= 0xC4; ++b) joinsVoiced.insert(std::string(1, static_cast<char>(b)));
    for (int b = 0xCA; b <= 0xCE; ++b) {
        joinsVoiced.insert(std::string(1, static_cast<char>(b)));
        joinsSemiVoiced.insert(std::string(1, static_cast<char>(b)));
    }
    for (int b = 0xA6; b <= 0xDD; ++b) {
        if (!IsKanaByte(b)) continue;
        const std::string kana(1, static_cast<char>(b));
        for (const char* mark : {"\xDE", "\xDF"}) {
            const std::string half = kana + mark;
            const bool joins =
                mark[0] == '\xDE' ? joinsVoiced.count(kana) : joinsSemiVoiced.count(kana);
            const bool agree = Nfkc(Decode(half)) == Nfkc(Decode(HanToZen(half)));
            EXPECT_EQ(agree, joins)
                << std::hex << b << " " << (mark[0] == '\xDE' ? "voiced" : "semi");
        }
    }
}

TEST(UnicodeOracle, FullWidthCharactersAgreeExceptTheListedOnes) {
    std::set<unsigned> differ;
    int changed = 0;
    for (unsigned lead = 0x81; lead <= 0x84; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string full = {static_cast<char>(lead), static_cast<char>(trail)};
            if (trail == 0x7F || !Cp932::Decode(full).ok()) continue;  // not a character
            const std::string half = ZenToHan(full);
            if (half == full) continue;
            ++changed;
            const icu::UnicodeString f = Decode(full);
            if (Nfkc(Decode(half)) != Nfkc(HiraganaToKatakana(f))) differ.insert(lead << 8 | trail);
        }
    }
    EXPECT_EQ(changed, 39 + 62 + 86 + 83);  // symbols, digits and letters, katakana, hiragana
    EXPECT_EQ(differ, (std::set<unsigned>{
                          0x818F, 0x8150, 0x8168, 0x8166, 0x8165,          // ￥ ￣ ” ’ ‘
                          0x838E, 0x8390, 0x8391, 0x8392, 0x8395, 0x8396,  // ヮヰヱヲヵヶ
                          0x82EC, 0x82EE, 0x82EF, 0x82F0,                  // ゎゐゑを
                      }));
}

}  // namespace
