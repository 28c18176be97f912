#pragma once
// The rounds of the indent command, free of any window. The indent string goes in front of the
// display line that holds the selection start and after every paragraph end (CR LF) inside the
// selection; a paragraph that begins exactly at the selection's end is not indented. Positions
// are bytes of the text as the view counts them.

#include <functional>

class TIndentRules {
public:
    struct Result {
        int rounds;    // insertions made
        int selStart;  // the selection afterwards: the same text as before
        int selLength;
    };
    // selStart, selLength: the selection before; lineStart: the first position of the display
    // line that holds selStart; indentLength: bytes of the indent string (> 0).
    // insertAt(pos) inserts the indent string at pos; findCrLf(from, to) gives the position of
    // the first CR LF that starts at or after from and ends at or before to, or -1.
    static Result Run(int selStart, int selLength, int lineStart, int indentLength,
                      const std::function<void(int)>& insertAt,
                      const std::function<int(int, int)>& findCrLf);
};
