#include "vertical/TateGrid.h"

TateGrid::TateGrid() : cells_(static_cast<std::size_t>(kRows) * kColumns) {}

void TateGrid::ClearColumn(int column, const TateFormat& defaults) {
    for (int r = 0; r < kRows; ++r) {
        TateCell& cell = At(r, column);
        cell.text.clear();
        cell.SetFormat(defaults);
    }
}

int TateGrid::ColumnLength(int column) const {
    int r = 0;
    while (r < kRows && !At(r, column).Empty()) ++r;
    return r;
}
