#pragma once
// The text of one column for the table methods: the cells from row 0 down to the first empty
// one, each followed by "<BR>", with the change tags between them, the column end, and the
// column's font and style tags around it all.

#include <string>

#include "vertical/TateGrid.h"
#include "vertical/TateSettings.h"
#include "vertical/TateWarnings.h"

class TateColumnText {
public:
    TateColumnText(const TateSettings& settings, bool boxForms, std::string columnEnd,
                   TateWarnings& warnings);

    std::string Column(const TateGrid& grid, int c) const;

    // "<FONT  FACE=.. SIZE=.. STYLE=line-height>" of the default font (two spaces after FONT).
    std::string FaceTag() const;

private:
    const TateSettings& s_;
    bool box_;
    std::string columnEnd_;
    TateWarnings& warnings_;
};
