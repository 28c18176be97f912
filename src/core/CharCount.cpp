#include "core/CharCount.h"

#include "core/ShiftJis.h"

std::size_t CharCount::Count(std::string_view s) {
    const auto isLineEnd = [](char c) { return c == '\r' || c == '\n'; };
    const std::size_t n = s.size();
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < n) {
        const char c = s[i++];
        if (isLineEnd(c)) continue;
        ++count;
        if (!ShiftJis::IsLeadByte(c)) continue;
        // The second byte of the character is the next byte that is not a line end.
        while (i < n && isLineEnd(s[i])) ++i;
        ++i;
    }
    return count;
}
