#include "core/CharCount.h"

#include "core/ShiftJis.h"

std::size_t CharCount::Count(std::string_view s) {
    std::size_t count = 0;
    bool expectTrail = false;  // the previous counted byte was a lead byte
    for (const char c : s) {
        if (c == '\r' || c == '\n') continue;
        if (expectTrail) {
            expectTrail = false;  // second byte of a character already counted
            continue;
        }
        ++count;
        expectTrail = ShiftJis::IsLeadByte(c);
    }
    return count;
}
