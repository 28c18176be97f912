#pragma once
// The row writer of methods 0 and 1 and of vertical plain text: one output line per row of
// characters, the leftmost column first, columns separated by space units.

#include <cstddef>
#include <string>

#include "vertical/TateGrid.h"
#include "vertical/TateOutput.h"
#include "vertical/TateSettings.h"
#include "vertical/TateWarnings.h"

class TateRowWriter {
public:
    // fullWidth: method 0, or vertical text with full-width spacing. hyperlinks: write the
    // navigation rows (row form) first.
    TateRowWriter(const TateSettings& settings, bool fullWidth, bool hyperlinks,
                  TateWarnings& warnings);

    // Writes block k (grid.lastRow rows); lastBlock is the index of the run's last block.
    void WriteBlock(const TateGrid& grid, int k, int lastBlock, TateOutput& out);

    // One row of the block. A row where a left shift cuts into the glyph before it counts
    // towards the run's one "may garble" warning (rows so far, first block number).
    std::string Row(const TateGrid& grid, int r);

private:
    const TateSettings& s_;
    bool fullWidth_;
    bool hyperlinks_;
    TateWarnings& warnings_;
    std::string u_, m_, fullSpace_, wedgeUp_, wedgeDown_, boxPairOpen_, boxPairClose_;
    std::size_t garbledRows_ = 0;
    int firstGarbledBlock_ = 0;
};
