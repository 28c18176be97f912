#pragma once
// The character count shown to the user: line ends do not count, a two-byte Shift-JIS character
// counts one, every other byte counts one (space, tab, ASCII, half-width katakana), and a lead
// byte cut off at the very end counts one.

#include <cstddef>
#include <string_view>

class CharCount {
public:
    // Counts s as if every CR and LF had been removed first: a lead byte directly before a line
    // end pairs with the first byte after it.
    static std::size_t Count(std::string_view s);
};
