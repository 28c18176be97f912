#pragma once
// The table writers: methods 3 and 4 write a block as one table row with one cell per column
// (leftmost column first); method 2 writes every column as its own table floating to the
// right (first column first, so it stands at the right edge).

#include <string>

#include "vertical/TateGrid.h"
#include "vertical/TateOutput.h"
#include "vertical/TateSettings.h"
#include "vertical/TateWarnings.h"

class TateColumnWriter {
public:
    // method: 2, 3 or 4.
    TateColumnWriter(const TateSettings& settings, int method, TateWarnings& warnings);

    void WriteBlock(const TateGrid& grid, int k, int lastBlock, TateOutput& out);

    // The text of column c with its column end and column tags.
    std::string Column(const TateGrid& grid, int c);

    // Whether the substitution uses the box forms for this method and these settings.
    static bool BoxForms(const TateSettings& s, int method);

private:
    void WriteTableBlock(const TateGrid& grid, int k, int lastBlock, TateOutput& out);
    void WriteFloatingBlock(const TateGrid& grid, TateOutput& out);
    std::string FaceTag();

    const TateSettings& s_;
    int method_;
    TateWarnings& warnings_;
    bool box_;
    std::string columnEnd_;
};
