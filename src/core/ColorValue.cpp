#include "core/ColorValue.h"

#include <cstddef>

namespace {

const std::array<ColorName, 41> kColorNames = {{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
}};

// The classic desktop palette (colour value order: blue in the high byte).
constexpr std::array<TColor, SystemColorCount> kClassicSystemColors = {{
    0x00C8C8C8,  // scroll bar
    0x00808000,  // desktop background (teal)
    0x00800000,  // active caption (navy)
    0x00808080,  // inactive caption
    0x00C0C0C0,  // menu
    0x00FFFFFF,  // window
    0x00000000,  // window frame
    0x00000000,  // menu text
    0x00000000,  // window text
    0x00FFFFFF,  // caption text
    0x00C0C0C0,  // active border
    0x00C0C0C0,  // inactive border
    0x00808080,  // application work space
    0x00800000,  // highlight (navy)
    0x00FFFFFF,  // highlight text
    0x00C0C0C0,  // button face
    0x00808080,  // button shadow
    0x00808080,  // grey text
    0x00000000,  // button text
    0x00C0C0C0,  // inactive caption text
    0x00FFFFFF,  // button highlight
    0x00000000,  // 3D dark shadow
    0x00C0C0C0,  // 3D light
    0x00000000,  // tool tip text
    0x00E1FFFF,  // tool tip background (pale yellow)
}};

std::array<TColor, SystemColorCount> gSystemColors = kClassicSystemColors;

const char kHex[] = "0123456789ABCDEF";

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Hexadecimal digits only, at least one, value within 32 bits.
bool ParseHex(std::string_view s, TColor& out) {
    if (s.empty()) return false;
    std::uint64_t v = 0;
    for (char c : s) {
        int d = HexDigit(c);
        if (d < 0) return false;
        v = v * 16 + std::uint64_t(d);
        if (v > 0xFFFFFFFFull) return false;
    }
    out = TColor(v);
    return true;
}

// Optional sign and decimal digits, value within the signed or unsigned 32-bit range.
bool ParseDecimal(std::string_view s, TColor& out) {
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return false;
    std::uint64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + std::uint64_t(c - '0');
        if (v > 0xFFFFFFFFull) return false;
    }
    if (negative) {
        if (v > 0x80000000ull) return false;
        out = TColor(0x100000000ull - v);  // "-0" wraps to 0
    } else {
        out = TColor(v);
    }
    return true;
}

std::string HexDigits(std::uint32_t v, int digits) {
    std::string s(std::size_t(digits), '0');
    for (int i = digits - 1; i >= 0; --i) {
        s[std::size_t(i)] = kHex[v & 0xF];
        v >>= 4;
    }
    return s;
}

}  // namespace

const std::array<ColorName, 41>& ColorNames() {
    return kColorNames;
}

std::string ColorToString(TColor c) {
    for (const ColorName& n : kColorNames)
        if (n.value == c) return n.name;
    return "$" + HexDigits(c, 8);
}

bool StringToColor(std::string_view text, TColor& out) {
    std::string_view s = TrimSpaces(text);
    if (s.empty()) return false;
    for (const ColorName& n : kColorNames) {
        if (SameTextAscii(s, n.name)) {
            out = n.value;
            return true;
        }
    }
    TColor v = 0;
    bool ok = false;
    if (s.front() == '$')
        ok = ParseHex(s.substr(1), v);
    else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))
        ok = ParseHex(s.substr(2), v);
    else
        ok = ParseDecimal(s, v);
    if (ok) out = v;
    return ok;
}

std::optional<TColor> ParseColor(std::string_view text) {
    TColor c = 0;
    if (StringToColor(text, c)) return c;
    return std::nullopt;
}

TColor StringToColorOr(std::string_view text, TColor fallback) {
    TColor c = fallback;
    StringToColor(text, c);
    return c;
}

TColor ColorToRGB(TColor c) {
    if (IsSystemColor(c)) return SystemColors::Get(int(c & 0xFF));
    return c;
}

std::string ColorToHtml(TColor c, bool withHash) {
    TColor rgb = ColorToRGB(c);
    std::string s = withHash ? "#" : "";
    s += HexDigits(ColorRed(rgb), 2);
    s += HexDigits(ColorGreen(rgb), 2);
    s += HexDigits(ColorBlue(rgb), 2);
    return s;
}

bool HtmlToColor(std::string_view text, TColor& out) {
    std::string_view s = text;
    if (!s.empty() && s.front() == '#') s.remove_prefix(1);
    if (s.size() != 6) return false;
    TColor rgb = 0;
    if (!ParseHex(s, rgb)) return false;
    // rgb holds 0xRRGGBB; the colour value keeps red in the low byte.
    out = RgbColor(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
    return true;
}

std::string ColorToShortHex(TColor c) {
    return "$" + HexDigits(c & 0xFFFFFF, 6);
}

TColor SystemColors::Get(int index) {
    if (index < 0 || index >= SystemColorCount) return clBlack;
    return gSystemColors[std::size_t(index)];
}

void SystemColors::Set(int index, TColor rgb) {
    if (index < 0 || index >= SystemColorCount || IsSystemColor(rgb)) return;
    gSystemColors[std::size_t(index)] = rgb & 0xFFFFFF;
}

void SystemColors::Reset() {
    gSystemColors = kClassicSystemColors;
}

TColor SystemColors::Classic(int index) {
    if (index < 0 || index >= SystemColorCount) return clBlack;
    return kClassicSystemColors[std::size_t(index)];
}
