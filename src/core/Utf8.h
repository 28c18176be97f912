#pragma once
// Reading single characters out of UTF-8 bytes, for the places that walk UTF-8 by hand
// alongside a conversion (reporting unmappable characters, escaping in RTF), and writing one.

#include <cstddef>
#include <string>
#include <string_view>

class Utf8 {
public:
    // Length of the sequence a lead byte starts: 1 to 4, and 1 for a byte that cannot lead.
    static std::size_t SequenceLength(unsigned char lead);
    // The code point of the len-byte sequence at pos; U+FFFD when it runs past the end.
    static char32_t DecodeAt(std::string_view s, std::size_t pos, std::size_t len);
    // Appends the UTF-8 bytes of a code point; a surrogate half or a value above U+10FFFF
    // (no character) is appended as U+FFFD.
    static void Append(std::string& out, char32_t code);
};
