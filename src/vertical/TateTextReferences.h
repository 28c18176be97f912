#pragma once
// The two forms of a vertical text run's output. Its cells hold a character that code page 932
// cannot hold as a numeric character reference ("&#128512;"); vertical text has no markup, so
// the reference is resolved: the Unicode text (the clipboard) gets the character itself, the
// Shift-JIS bytes get "?". In vertical text every other cell is a full-width character and
// the separators are hyphens and full-width digits, so an ASCII "&" only ever starts a
// reference (0x26 is never the second byte of a two-byte character).

#include <string>
#include <vector>

class TateTextReferences {
public:
    struct Result {
        std::string sjis;                  // the output with "?" for each reference
        std::string utf8;                  // the output as Unicode, with the characters
        std::vector<char32_t> characters;  // each character once, in order of first appearance
    };

    static Result Resolve(std::string output);
};
