#pragma once
// How the vertical view sets its columns beyond the characters themselves: numbers that stand
// upright in one cell (tate-chu-yoko), the trimming of brackets and punctuation that meet, and
// the justification of columns that the line rules leave short.

struct TVerticalTypesetting {
    // Runs of at most this many half-width digits stand upright side by side in one cell
    // (0: none; 2 reads 12月8日 and 第3章 upright, while 2024 and 100 stay turned).
    int uprightDigits = 2;
    // "!!", "!?", "?!" and "??" stand upright in one cell too.
    bool uprightMarks = false;
    // Closing punctuation followed by closing punctuation, and opening punctuation after
    // opening or closing punctuation, take half an em (」』, 」『, ）【, 。」).
    bool trimPunctuation = true;
    // A column that ends early only because of the line rules spreads its remaining space
    // between its characters, so that it ends where the full columns end.
    bool justify = true;

    bool operator==(const TVerticalTypesetting& o) const {
        return uprightDigits == o.uprightDigits && uprightMarks == o.uprightMarks &&
               trimPunctuation == o.trimPunctuation && justify == o.justify;
    }
    bool operator!=(const TVerticalTypesetting& o) const { return !(*this == o); }
};
