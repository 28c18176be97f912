#include "vertical/TateSubstitution.h"

#include <array>
#include <cstdint>

#include "vertical/SjisText.h"

namespace {

// Rule numbers of the substitution table; 0 = unchanged.
enum Rule : std::uint8_t {
    kNone = 0,
    kBar,           // ー～－―‐
    kOpenQuote,     // 「『
    kCloseQuote,    // 」』
    kOpenBracket,   // （［【｛
    kCloseBracket,  // ）］】｝
    kOpenAngle,     // 《〈〔≪＜
    kCloseAngle,    // ＞≫〕〉》
    kMaru,          // 。
    kTen,           // 、
    kEllipsis,      // …
    kUp,
    kRight,
    kDown,
    kLeft,
};

struct Tables {
    std::array<std::uint8_t, 65536> rule{};
    std::string bar, hook, boxOpen, boxClose, wedgeUp, wedgeDown, boxPairOpen, boxPairClose, maru,
        ten, colon, right, down, left, up;

    void Mark(const char* utf8chars, Rule r) {
        std::string s = SjisText::Sj(utf8chars);
        for (std::size_t i = 0; i + 1 < s.size(); i += 2)
            rule[(static_cast<unsigned char>(s[i]) << 8) | static_cast<unsigned char>(s[i + 1])] =
                r;
    }

    Tables() {
        Mark("ー～－―‐", kBar);
        Mark("「『", kOpenQuote);
        Mark("」』", kCloseQuote);
        Mark("（［【｛", kOpenBracket);
        Mark("）］】｝", kCloseBracket);
        Mark("《〈〔≪＜", kOpenAngle);
        Mark("＞≫〕〉》", kCloseAngle);
        Mark("。", kMaru);
        Mark("、", kTen);
        Mark("…", kEllipsis);
        Mark("↑", kUp);
        Mark("→", kRight);
        Mark("↓", kDown);
        Mark("←", kLeft);
        bar = SjisText::Sj("｜");
        hook = SjisText::Sj("￢");
        boxOpen = SjisText::Sj("┐");
        boxClose = SjisText::Sj("└");
        wedgeUp = SjisText::Sj("∧");
        wedgeDown = SjisText::Sj("∨");
        boxPairOpen = SjisText::Sj("┌┐");
        boxPairClose = SjisText::Sj("└┘");
        maru = SjisText::Sj("゜");
        ten = SjisText::Sj("｀");
        colon = SjisText::Sj("：");
        right = SjisText::Sj("→");
        down = SjisText::Sj("↓");
        left = SjisText::Sj("←");
        up = SjisText::Sj("↑");
    }
};

const Tables& T() {
    static const Tables tables;
    return tables;
}

}  // namespace

TateSubstitution::Result TateSubstitution::Substitute(std::string_view t, bool boxForms,
                                                      std::string_view closingQuote) {
    Result res;
    res.text = t;
    if (t.size() != 2) return res;  // every turning character is one two-byte character
    const Tables& tb = T();
    const unsigned code =
        (static_cast<unsigned char>(t[0]) << 8) | static_cast<unsigned char>(t[1]);
    switch (tb.rule[code]) {
        case kNone:
            break;
        case kBar:
            res.text = tb.bar;
            break;
        case kOpenQuote:
            res.text = boxForms ? std::string_view(tb.boxOpen) : std::string_view(tb.hook);
            res.rightShift = boxForms;
            break;
        case kCloseQuote:
            res.text = boxForms ? std::string_view(tb.boxClose) : closingQuote;
            res.leftShift = boxForms;
            break;
        case kOpenBracket:
            res.text = boxForms ? std::string_view(tb.boxPairOpen) : std::string_view(tb.wedgeUp);
            res.rightShift = res.leftShift = boxForms;
            break;
        case kCloseBracket:
            res.text =
                boxForms ? std::string_view(tb.boxPairClose) : std::string_view(tb.wedgeDown);
            res.rightShift = res.leftShift = boxForms;
            break;
        case kOpenAngle:
            res.text = tb.wedgeUp;
            break;
        case kCloseAngle:
            res.text = tb.wedgeDown;
            break;
        case kMaru:
            res.text = tb.maru;
            res.rightShift = true;
            break;
        case kTen:
            res.text = tb.ten;
            res.rightShift = true;
            break;
        case kEllipsis:
            res.text = tb.colon;
            break;
        case kUp:
            res.text = tb.right;
            break;
        case kRight:
            res.text = tb.down;
            break;
        case kDown:
            res.text = tb.left;
            break;
        case kLeft:
            res.text = tb.up;
            break;
    }
    return res;
}
