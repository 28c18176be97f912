#pragma once
// Code page 932 bytes of single characters, for writers that go through a text one character
// at a time. Each character is converted once (glibc iconv "CP932", through Cp932) and kept for
// the run, so a text costs one table look-up per character however many of its characters code
// page 932 lacks. (Converting a long text at once costs time that grows with the square of the
// number of such characters: after each character it rejects, iconv converts the whole rest of
// the input again.)

#include <string_view>

class Cp932CharCache {
public:
    // The one or two bytes of c; empty when code page 932 cannot hold c (a surrogate code
    // point never can).
    static std::string_view Bytes(char32_t c);
};
