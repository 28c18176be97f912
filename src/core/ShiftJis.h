#pragma once
// Shift-JIS (code page 932) byte rules used everywhere the program counts or writes bytes.
// The lead-byte set is fixed: 0x81-0x9F and 0xE0-0xFC lead a two-byte character, every other
// byte is a character by itself. The platform's own idea of lead bytes is never asked.

#include <cstddef>
#include <string>
#include <string_view>

class ShiftJis {
public:
    static constexpr bool IsLeadByte(unsigned char b) {
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    }
    static constexpr bool IsLeadByte(char c) { return IsLeadByte(static_cast<unsigned char>(c)); }

    // Length in bytes of the character starting at pos: 2 for a lead byte followed by another
    // byte, 1 otherwise (also for a lead byte cut off at the end of the text).
    static std::size_t CharLength(std::string_view s, std::size_t pos) {
        return (pos + 1 < s.size() && IsLeadByte(s[pos])) ? 2 : 1;
    }

    // Number of characters: a two-byte character counts one, a cut lead byte at the end one.
    static std::size_t CharCount(std::string_view s);

    // True when the last byte of s is a lead byte that begins a character (its trail is missing).
    static bool EndsWithCutLead(std::string_view s);

    // Start of the character that contains byte offset pos (pos itself when it already starts one).
    static std::size_t CharStart(std::string_view s, std::size_t pos);

    // Byte offset of the n-th character (clamped to the end).
    static std::size_t OffsetOfChar(std::string_view s, std::size_t n);
};
