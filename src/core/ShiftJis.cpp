#include "core/ShiftJis.h"

std::size_t ShiftJis::CharCount(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); i += CharLength(s, i)) ++n;
    return n;
}

bool ShiftJis::EndsWithCutLead(std::string_view s) {
    if (s.empty()) return false;
    std::size_t i = 0;
    while (i + CharLength(s, i) < s.size()) i += CharLength(s, i);
    // i is the start of the last character.
    return i == s.size() - 1 && IsLeadByte(s[i]);
}

std::size_t ShiftJis::CharStart(std::string_view s, std::size_t pos) {
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t len = CharLength(s, i);
        if (pos < i + len) return i;
        i += len;
    }
    return pos;
}

std::size_t ShiftJis::OffsetOfChar(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    for (; i < s.size() && n > 0; --n) i += CharLength(s, i);
    return i < s.size() ? i : s.size();
}
