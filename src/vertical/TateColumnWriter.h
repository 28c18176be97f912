#pragma once
// The column writer of methods 3 and 4: a block is one table row with one cell per column,
// the leftmost column first.

#include "vertical/TateColumnText.h"
#include "vertical/TateGrid.h"
#include "vertical/TateOutput.h"
#include "vertical/TateSettings.h"
#include "vertical/TateWarnings.h"

class TateColumnWriter {
public:
    // method: 3 or 4.
    TateColumnWriter(const TateSettings& settings, int method, TateWarnings& warnings);

    void WriteBlock(const TateGrid& grid, int k, int lastBlock, TateOutput& out);

    // Whether the substitution uses the box forms: method 4 with a monospaced face or the
    // monospace tag; never for method 3.
    static bool BoxForms(const TateSettings& s, int method);

private:
    const TateSettings& s_;
    int method_;
    TateColumnText text_;
};
