#pragma once
// Page-break expansion. The marker "▲改頁▼" on a paragraph of its own is replaced so that the
// text after it starts on the first line of the next block. The source is never changed: the
// result is the list of display lines the run lays out, with the inserted empty lines.

#include <deque>
#include <vector>

#include "vertical/TateSource.h"

class TatePageBreaks {
public:
    struct Lines {
        std::vector<const TateSource::Line*> lines;  // the run's display lines, in order
        std::deque<TateSource::Line> blanks;         // storage of the inserted empty lines
    };

    // True when display line i is a page-break marker (the marker alone in its paragraph).
    static bool IsMarker(const TateSource& source, std::size_t i);

    // With l the index (in the expanded list) where a marker stands and b = (l + 1) mod N, the
    // marker with its line break becomes: one empty line (b = 0), nothing (b = 1), or
    // N - b + 1 empty lines (otherwise). A marker on the last line has no line break after
    // it: only the marker is replaced, so one more empty line (the rest of the text) follows.
    static Lines Expand(const TateSource& source, int lineCount);
};
