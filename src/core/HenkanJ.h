#pragma once
// Width and case conversions of Shift-JIS text, and the line-end restore. Pure functions on
// byte strings; they know nothing of windows. Lead bytes are the fixed set of ShiftJis: a lead
// byte and the byte after it are always one character, and a lead byte cut off at the end of
// the text passes through unchanged, as does every code no table knows.

#include <string>
#include <string_view>

// Half-width to full-width: ASCII letters, digits and symbols, half-width katakana (with their
// voiced and semi-voiced marks joined) and half-width punctuation. A mark the kana before it
// cannot take becomes the full-width mark after the kana (ｳﾞ -> ウ゛); a mark with no kana before
// it stays half-width.
std::string HanToZen(std::string_view s);
// Full-width to half-width: digits, Latin letters, the paired symbols, katakana and hiragana
// (hiragana become half-width katakana). Kana without a half-width letter take a near one
// (ヲ and を -> ｵ, ヴ -> ｳﾞ, ヶ -> ｹ ...).
std::string ZenToHan(std::string_view s);
// Only half-width katakana and half-width punctuation (｡｢｣､･ｰ) to full width; ASCII stays.
std::string HanKanaToZen(std::string_view s);
// Upper and lower case of ASCII letters only; full-width Latin letters stay as they are and
// trail bytes of two-byte characters are never touched.
std::string SjisToUpper(std::string_view s);
std::string SjisToLower(std::string_view s);
// Restores broken line-break codes to CR LF: CR LF stays, a lone CR or a lone LF becomes CR LF.
std::string RestoreLineEnds(std::string_view s);
