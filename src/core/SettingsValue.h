#pragma once
// How every settings value is written and read as text. The settings store keeps only texts;
// these rules turn them into integers, booleans, colours and strings and back. A value that
// is missing from the store is the caller's business: it uses the default without asking here.

#include <string>
#include <string_view>

#include "core/ColorValue.h"

class SettingsValue {
public:
    // Integer: written as a decimal number without leading zeros, negative numbers with "-".
    static std::string WriteInteger(int value);
    // Integer: a text of more than two characters that begins with "0x" or "0X" is read as
    // hexadecimal (up to eight digits; "0xFFFFFFFF" is -1); otherwise a decimal number with an
    // optional sign within the 32-bit range. Anything else ("abc", "0x", "", " 1", "1.5",
    // "99999999999") gives def.
    static int ReadInteger(std::string_view text, int def);
    static bool TryReadInteger(std::string_view text, int& out);

    // Boolean: written as "0" or "1"; read as an integer with the default 0 or 1, any non-zero
    // number meaning true ("2" and "-1" are true, "abc" is def).
    static std::string WriteBool(bool value);
    static bool ReadBool(std::string_view text, bool def);

    // Colour: the colour's name when it has one of the 41 names, otherwise "$" and eight capital
    // hexadecimal digits. Reading takes a name, a decimal number or "$" hexadecimal digits; an
    // unreadable text gives def.
    static std::string WriteColor(TColor value);
    static TColor ReadColor(std::string_view text, TColor def);

    // Composed value names: prefix, the number in decimal without leading zeros, suffix
    // ("Band" 3 "Width" gives "Band3Width").
    static std::string ComposeName(std::string_view prefix, int n, std::string_view suffix = {});
    // "Band" n suffix, "RBand" n suffix and "FindStr(" n ")".
    static std::string BandName(int n, std::string_view suffix);
    static std::string RBandName(int n, std::string_view suffix);
    static std::string FindStrName(int n);
};
