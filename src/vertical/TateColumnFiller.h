#pragma once
// Fills one column of the grid from one display line.

#include "vertical/TateFormat.h"
#include "vertical/TateGrid.h"
#include "vertical/TateSource.h"

class TateColumnFiller {
public:
    // Clears column `column` to the default attributes, then stores the line's characters from
    // row 0 down, each converted to full width (half-width kana of ｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾊﾋﾌﾍﾎ join a
    // following ﾞ or ﾟ), a tab and an empty line as "　". Returns the row of the column's last
    // character; 0 when line is null (no line for this column).
    static int Fill(const TateSource& source, const TateSource::Line* line, TateGrid& grid,
                    int column, const TateFormat& defaults);
};
