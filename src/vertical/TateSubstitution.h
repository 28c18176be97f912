#pragma once
// The vertical substitution of one cell: characters that must turn in vertical writing (long
// vowel marks, brackets, punctuation, arrows) become characters that look right in a column.

#include <string>
#include <string_view>

class TateSubstitution {
public:
    struct Result {
        std::string_view text;    // points into constant tables, the closing quote or the input
        bool rightShift = false;  // move one space unit towards the column on the right
        bool leftShift = false;   // move one space unit towards the column on the left
    };

    // t: one cell's text (Shift-JIS); boxForms: use the box-drawing forms; closingQuote: the
    // character that replaces 」』 where the box forms are not used. The returned view stays
    // valid as long as t and closingQuote do.
    static Result Substitute(std::string_view t, bool boxForms, std::string_view closingQuote);
};
