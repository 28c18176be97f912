#pragma once
// Colour values: 32 bits, low byte red, then green, then blue; a high byte of 0x80 marks a
// system colour (its low byte indexes the table of current system colours).
//
// Texts of colours:
//  - colour text (settings, colour lists): one of the 41 colour names ("clRed", "clBtnFace" …)
//    or "$" followed by eight capital hexadecimal digits ("$000080FF");
//  - HTML colour text: six capital hexadecimal digits, red first ("FF8000"), or the same with a
//    leading "#".

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using TColor = std::uint32_t;

// The value that stands for "no colour".
constexpr TColor clNone = 0x1FFFFFFF;

// The sixteen basic colours.
constexpr TColor clBlack = 0x00000000;
constexpr TColor clMaroon = 0x00000080;
constexpr TColor clGreen = 0x00008000;
constexpr TColor clOlive = 0x00008080;
constexpr TColor clNavy = 0x00800000;
constexpr TColor clPurple = 0x00800080;
constexpr TColor clTeal = 0x00808000;
constexpr TColor clGray = 0x00808080;
constexpr TColor clSilver = 0x00C0C0C0;
constexpr TColor clRed = 0x000000FF;
constexpr TColor clLime = 0x0000FF00;
constexpr TColor clYellow = 0x0000FFFF;
constexpr TColor clBlue = 0x00FF0000;
constexpr TColor clFuchsia = 0x00FF00FF;
constexpr TColor clAqua = 0x00FFFF00;
constexpr TColor clWhite = 0x00FFFFFF;

// System colours: 0x80000000 + index into the table of current system colours.
constexpr TColor clSystemColor = 0x80000000;
constexpr TColor clScrollBar = 0x80000000;
constexpr TColor clBackground = 0x80000001;
constexpr TColor clActiveCaption = 0x80000002;
constexpr TColor clInactiveCaption = 0x80000003;
constexpr TColor clMenu = 0x80000004;
constexpr TColor clWindow = 0x80000005;
constexpr TColor clWindowFrame = 0x80000006;
constexpr TColor clMenuText = 0x80000007;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clCaptionText = 0x80000009;
constexpr TColor clActiveBorder = 0x8000000A;
constexpr TColor clInactiveBorder = 0x8000000B;
constexpr TColor clAppWorkSpace = 0x8000000C;
constexpr TColor clHighlight = 0x8000000D;
constexpr TColor clHighlightText = 0x8000000E;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clBtnShadow = 0x80000010;
constexpr TColor clGrayText = 0x80000011;
constexpr TColor clBtnText = 0x80000012;
constexpr TColor clInactiveCaptionText = 0x80000013;
constexpr TColor clBtnHighlight = 0x80000014;
constexpr TColor cl3DDkShadow = 0x80000015;
constexpr TColor cl3DLight = 0x80000016;
constexpr TColor clInfoText = 0x80000017;
constexpr TColor clInfoBk = 0x80000018;

// Number of system colours with a name (indexes 0 to 24).
constexpr int SystemColorCount = 25;

struct ColorName {
    const char* name;
    TColor value;
};

// The 41 named colours: the sixteen basic colours, then the 25 system colours in index order.
const std::array<ColorName, 41>& ColorNames();

// Parts of a colour value.
constexpr TColor RgbColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr std::uint8_t ColorRed(TColor c) {
    return std::uint8_t(c & 0xFF);
}
constexpr std::uint8_t ColorGreen(TColor c) {
    return std::uint8_t((c >> 8) & 0xFF);
}
constexpr std::uint8_t ColorBlue(TColor c) {
    return std::uint8_t((c >> 16) & 0xFF);
}
constexpr bool IsSystemColor(TColor c) {
    return (c >> 24) == 0x80;
}

// Colour text: the colour's name when it is one of the 41 named colours, otherwise "$" and the
// value as eight capital hexadecimal digits (orange red 255 green 128 blue 0 gives "$000080FF").
std::string ColorToString(TColor c);

// Reads a colour text: a colour name (letter case ignored), a decimal integer (a leading "-"
// gives the 32-bit two's complement, so "-2147483633" is clBtnFace), "$" followed by hexadecimal
// digits, or "0x"/"0X" followed by hexadecimal digits. Spaces around the text are ignored.
// A text that is none of these (empty, "abc", "$", "12x", or a number that does not fit in 32
// bits) is unreadable: the function returns false and leaves out unchanged, so that the caller
// keeps its own default (the settings keep the setting's default, colour lists use clNone).
bool StringToColor(std::string_view text, TColor& out);
std::optional<TColor> ParseColor(std::string_view text);
// The same with a fallback for unreadable texts.
TColor StringToColorOr(std::string_view text, TColor fallback);

// Resolves a system colour through the table of current system colours; every other value is
// returned unchanged. A system colour whose index has no entry gives clBlack.
TColor ColorToRGB(TColor c);

// HTML colour text "RRGGBB" (six capital hexadecimal digits, red first) of the resolved colour
// (system colours through ColorToRGB; the high byte of other values is ignored). With withHash
// the text starts with "#".
std::string ColorToHtml(TColor c, bool withHash = false);

// Reads "RRGGBB" or "#RRGGBB" (hexadecimal digits of either case, exactly six); false otherwise.
bool HtmlToColor(std::string_view text, TColor& out);

// The name of a custom colour: "$" followed by the low 24 bits as six capital hexadecimal digits
// (the colour value order, blue first: red 255 green 128 blue 0 gives "$0080FF").
std::string ColorToShortHex(TColor c);

// The table of current system colours. It starts with the classic desktop palette and can be
// filled from the window system's palette (the Qt layer does this at start-up).
class SystemColors {
public:
    // Current value of system colour index (0 to 24); clBlack for any other index.
    static TColor Get(int index);
    // Sets the current value of one system colour (plain colour value; system values and
    // indexes outside 0-24 are ignored).
    static void Set(int index, TColor rgb);
    // Back to the classic palette.
    static void Reset();
    // The classic value of an index (clBlack outside 0-24).
    static TColor Classic(int index);
};
