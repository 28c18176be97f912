#pragma once
// Width and case conversions of Shift-JIS text, and the line-end restore. Pure functions on
// byte strings; they know nothing of windows.

#include <string>
#include <string_view>

// Half-width to full-width: ASCII letters, digits and symbols, half-width katakana (with their
// voiced and semi-voiced marks joined) and half-width punctuation.
std::string HanToZen(std::string_view s);
// Full-width to half-width.
std::string ZenToHan(std::string_view s);
// Only half-width katakana and half-width punctuation to full width.
std::string HanKanaToZen(std::string_view s);
// Upper and lower case of ASCII letters; trail bytes of two-byte characters are never touched.
std::string SjisToUpper(std::string_view s);
std::string SjisToLower(std::string_view s);
// Restores broken line-break codes (lone CR or LF and the like) to CR LF.
std::string RestoreLineEnds(std::string_view s);
