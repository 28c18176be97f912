#pragma once
// The floating-table writer of method 2: every column is its own small table floating to the
// right, the first column first, so that it stands at the right edge.

#include "vertical/TateColumnText.h"
#include "vertical/TateGrid.h"
#include "vertical/TateOutput.h"
#include "vertical/TateSettings.h"
#include "vertical/TateWarnings.h"

class TateFloatingTableWriter {
public:
    TateFloatingTableWriter(const TateSettings& settings, TateWarnings& warnings);

    void WriteBlock(const TateGrid& grid, TateOutput& out);

private:
    const TateSettings& s_;
    TateColumnText text_;
};
