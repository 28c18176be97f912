#include "core/SettingsValue.h"

#include <cstdint>

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string SettingsValue::WriteInteger(int value) {
    return std::to_string(value);
}

bool SettingsValue::TryReadInteger(std::string_view text, int& out) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::string_view digits = text.substr(2);
        if (digits.size() > 8) return false;
        std::uint32_t v = 0;
        for (char c : digits) {
            int d = HexDigit(c);
            if (d < 0) return false;
            v = v * 16 + std::uint32_t(d);
        }
        out = static_cast<int>(static_cast<std::int32_t>(v));
        return true;
    }
    std::string_view s = text;
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return false;
    std::int64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
        if (v > 2147483648LL) return false;
    }
    if (negative) v = -v;
    if (v > 2147483647LL) return false;
    out = static_cast<int>(v);
    return true;
}

int SettingsValue::ReadInteger(std::string_view text, int def) {
    int v = def;
    return TryReadInteger(text, v) ? v : def;
}

std::string SettingsValue::WriteBool(bool value) {
    return value ? "1" : "0";
}

bool SettingsValue::ReadBool(std::string_view text, bool def) {
    return ReadInteger(text, def ? 1 : 0) != 0;
}

std::string SettingsValue::WriteColor(TColor value) {
    return ColorToString(value);
}

TColor SettingsValue::ReadColor(std::string_view text, TColor def) {
    return StringToColorOr(text, def);
}

std::string SettingsValue::ComposeName(std::string_view prefix, int n, std::string_view suffix) {
    std::string name(prefix);
    name += std::to_string(n);
    name += suffix;
    return name;
}

std::string SettingsValue::BandName(int n, std::string_view suffix) {
    return ComposeName("Band", n, suffix);
}

std::string SettingsValue::RBandName(int n, std::string_view suffix) {
    return ComposeName("RBand", n, suffix);
}

std::string SettingsValue::FindStrName(int n) {
    return ComposeName("FindStr(", n, ")");
}
