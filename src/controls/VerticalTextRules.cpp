#include "controls/VerticalTextRules.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/utext.h>

#include <algorithm>
#include <bitset>
#include <cctype>
#include <memory>

namespace VerticalTextRules {

Orientation OrientationOf(char32_t c) {
    switch (u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_VERTICAL_ORIENTATION)) {
        case U_VO_ROTATED:
            return Orientation::Rotated;
        case U_VO_TRANSFORMED_UPRIGHT:
            return Orientation::TransformedUpright;
        case U_VO_TRANSFORMED_ROTATED:
            return Orientation::TransformedRotated;
        default:
            return Orientation::Upright;
    }
}

const char* OrientationName(Orientation o) {
    switch (o) {
        case Orientation::Upright:
            return "U";
        case Orientation::Rotated:
            return "R";
        case Orientation::TransformedUpright:
            return "Tu";
        case Orientation::TransformedRotated:
            return "Tr";
    }
    return "U";
}

namespace {

// Membership tables of the Basic Multilingual Plane, built once from the lists.
struct CharTable {
    std::bitset<0x10000> bits;
    explicit CharTable(const char16_t* chars) {
        for (const char16_t* p = chars; *p; ++p) bits.set(*p);
    }
    bool Has(char32_t c) const { return c < 0x10000 && bits.test(c); }
};

const CharTable& NoStartTable() {
    static const CharTable table(
        u"、。，．・：；？！ー―‐〜～…‥ゝゞヽヾ々〻」』）］｝〕〉》】〙〗〟’”"
        u"ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶㇰㇱㇲㇳㇴㇵㇶㇷㇸㇹㇺㇻㇼㇽㇾㇿ"
        u"ｧｨｩｪｫｯｬｭｮｰ｡｣､･)]},.:;?!");
    return table;
}

const CharTable& NoEndTable() {
    static const CharTable table(u"「『（［｛〔〈《【〘〖〝‘“｢([{");
    return table;
}

}  // namespace

bool IsNoStartCharacter(char32_t c) {
    return NoStartTable().Has(c);
}

bool IsNoEndCharacter(char32_t c) {
    return NoEndTable().Has(c);
}

namespace {

// Creating a break iterator loads rule data; one per thread is kept and reused.
icu::BreakIterator* StrictJapaneseIterator() {
    thread_local std::unique_ptr<icu::BreakIterator> iterator;
    if (!iterator) {
        UErrorCode status = U_ZERO_ERROR;
        iterator.reset(icu::BreakIterator::createLineInstance(
            icu::Locale("ja", nullptr, nullptr, "lb=strict"), status));
        if (U_FAILURE(status)) iterator.reset();
    }
    return iterator.get();
}

char32_t CodePointAt(const QString& text, int i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(c, text.at(i + 1));
    return c.unicode();
}

char32_t CodePointBefore(const QString& text, int i) {
    const QChar c = text.at(i - 1);
    if (c.isLowSurrogate() && i >= 2 && text.at(i - 2).isHighSurrogate())
        return QChar::surrogateToUcs4(text.at(i - 2), c);
    return c.unicode();
}

}  // namespace

std::vector<bool> BreakOpportunities(const QString& text) {
    const int n = text.size();
    std::vector<bool> result(static_cast<size_t>(n) + 1, false);
    result[0] = true;
    result[static_cast<size_t>(n)] = true;
    if (n == 0) return result;

    if (icu::BreakIterator* it = StrictJapaneseIterator()) {
        UErrorCode status = U_ZERO_ERROR;
        UText* ut =
            utext_openUChars(nullptr, reinterpret_cast<const UChar*>(text.utf16()), n, &status);
        if (U_SUCCESS(status)) {
            it->setText(ut, status);
            if (U_SUCCESS(status)) {
                for (int32_t b = it->first(); b != icu::BreakIterator::DONE; b = it->next()) {
                    if (b > 0 && b < n) result[static_cast<size_t>(b)] = true;
                }
            }
            // The iterator keeps its own clone of the UText; ours can go now.
            utext_close(ut);
        }
    } else {
        // Without ICU data every character boundary is a candidate; the rules below still hold.
        for (int i = 1; i < n; ++i) result[static_cast<size_t>(i)] = !text.at(i).isLowSurrogate();
    }

    // The Japanese rules hold whatever the iterator said.
    for (int i = 1; i < n; ++i) {
        if (!result[static_cast<size_t>(i)]) continue;
        if (text.at(i).isLowSurrogate() || IsNoStartCharacter(CodePointAt(text, i)) ||
            IsNoEndCharacter(CodePointBefore(text, i)))
            result[static_cast<size_t>(i)] = false;
    }
    return result;
}

}  // namespace VerticalTextRules

namespace VerticalTextRules {

namespace {

enum class Kind { Kanji, Hiragana, Katakana, Alnum, Space, Other };

Kind KindOf(char32_t c) {
    if (c == 0x3005 || c == 0x3006 || c == 0x30F6 || c == 0x3007 || (c >= 0x4E00 && c <= 0x9FFF) ||
        (c >= 0x3400 && c <= 0x4DBF) || (c >= 0xF900 && c <= 0xFAFF) ||
        (c >= 0x20000 && c <= 0x3FFFF))
        return Kind::Kanji;
    if ((c >= 0x3041 && c <= 0x309F)) return Kind::Hiragana;
    if ((c >= 0x30A0 && c <= 0x30FF && c != 0x30FB) || (c >= 0x31F0 && c <= 0x31FF) ||
        (c >= 0xFF66 && c <= 0xFF9F))
        return Kind::Katakana;
    if (c == ' ' || c == 0x3000 || c == '\t') return Kind::Space;
    if ((c < 0x80 && (std::isalnum(static_cast<int>(c)) || c == '_')) ||
        (c >= 0xFF10 && c <= 0xFF19) || (c >= 0xFF21 && c <= 0xFF3A) ||
        (c >= 0xFF41 && c <= 0xFF5A) || (c >= 0xC0 && c <= 0x24F))
        return Kind::Alnum;
    return Kind::Other;
}

}  // namespace

std::pair<int, int> WordRange(const QString& text, int i) {
    const int n = static_cast<int>(text.size());
    if (n == 0) return {0, 0};
    i = std::clamp(i, 0, n - 1);
    if (text.at(i).isLowSurrogate() && i > 0) --i;
    const Kind k = KindOf(CodePointAt(text, i));
    auto step = [&](int j) { return j + ((text.at(j).isHighSurrogate() && j + 1 < n) ? 2 : 1); };
    int end = step(i);
    if (k == Kind::Other) return {i, end};
    int start = i;
    while (start > 0) {
        const char32_t c = CodePointBefore(text, start);
        if (KindOf(c) != k) break;
        start -= c > 0xFFFF ? 2 : 1;
    }
    while (end < n && KindOf(CodePointAt(text, end)) == k) end = step(end);
    return {start, end};
}

namespace {
bool IsHalfWidthGraphic(QChar c) {
    return c.unicode() >= 0x21 && c.unicode() <= 0x7E;
}
bool IsDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}
bool IsMark(QChar c) {
    return c.unicode() == u'!' || c.unicode() == u'?';
}
}  // namespace

int UprightRunLength(const QString& text, int i, int maxDigits, bool marks) {
    const int n = static_cast<int>(text.size());
    if (i < 0 || i >= n) return 0;
    if (i > 0 && IsHalfWidthGraphic(text.at(i - 1))) return 0;
    int end = i;
    if (IsDigit(text.at(i))) {
        while (end < n && IsDigit(text.at(end))) ++end;
        if (end - i > maxDigits) return 0;
    } else if (marks && IsMark(text.at(i))) {
        while (end < n && IsMark(text.at(end))) ++end;
        if (end - i != 2) return 0;
    } else {
        return 0;
    }
    if (end < n && IsHalfWidthGraphic(text.at(end))) return 0;
    return end - i;
}

Punctuation PunctuationOf(char32_t c) {
    switch (c) {
        case U'「':
        case U'『':
        case U'（':
        case U'【':
        case U'〔':
        case U'［':
        case U'｛':
        case U'〈':
        case U'《':
        case U'〘':
        case U'〖':
        case U'“':
        case U'‘':
            return Punctuation::Opening;
        case U'」':
        case U'』':
        case U'）':
        case U'】':
        case U'〕':
        case U'］':
        case U'｝':
        case U'〉':
        case U'》':
        case U'〙':
        case U'〗':
        case U'”':
        case U'’':
        case U'、':
        case U'。':
        case U'，':
        case U'．':
            return Punctuation::Closing;
        default:
            return Punctuation::None;
    }
}

Trim TrimOf(char32_t before, char32_t c, char32_t after) {
    Trim t;
    const Punctuation kind = PunctuationOf(c);
    if (kind == Punctuation::Closing && PunctuationOf(after) == Punctuation::Closing) t.end = true;
    if (kind == Punctuation::Opening && PunctuationOf(before) != Punctuation::None) t.start = true;
    return t;
}

}  // namespace VerticalTextRules
