#pragma once
// Passes over the whole output of the table methods before the page is finished: the
// punctuation placement (methods 2 and 3) and the method-4 adjustments.

#include "vertical/TateOutput.h"

class TatePunctuation {
public:
    // 0 nothing; 1 a non-breaking space before ｀ ゜ ．; 2 and 3 the marks join the character
    // above them ("、" "。" "．" for 2, "," "." "." for 3), runs of marks reduced to one.
    static void Place(TateOutput& out, int choice);

    // Method 4: punctuation moved right, brackets completed to box forms, a small space in
    // front of small kana (not inside "ゴシック"), and the proportional font names.
    static void AdjustMethod4(TateOutput& out, bool proportional);
};
