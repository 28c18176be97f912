#pragma once
// The cells of one block: 51 rows (row 50 always empty, it ends every column) by 401 columns,
// column 0 the rightmost. Allocated once per run and reused for every block.

#include <vector>

#include "vertical/TateCell.h"
#include "vertical/TateFormat.h"

class TateGrid {
public:
    static constexpr int kRows = 51;
    static constexpr int kColumns = 401;
    static constexpr int kMaxCharacters = 50;  // rows 0 .. 49 can hold characters

    TateGrid();

    TateCell& At(int row, int column) { return cells_[Index(row, column)]; }
    const TateCell& At(int row, int column) const { return cells_[Index(row, column)]; }

    // Empties every cell of a column and gives it the default attributes.
    void ClearColumn(int column, const TateFormat& defaults);

    // Number of characters of a column: the rows from 0 up to the first empty cell.
    int ColumnLength(int column) const;

    int blockNumber = 0;  // k, 0-based
    int lastRow = 0;      // largest last-row index of the block's columns

private:
    static int Index(int row, int column) { return column * kRows + row; }
    std::vector<TateCell> cells_;
};
