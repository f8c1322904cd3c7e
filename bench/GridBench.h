#pragma once
// The window and the filling the grid benchmarks share: a grid of 4 columns
// as the program's list windows fill theirs (fixed header, a check-box
// column, striped rows, selection colours).
#include "grid/uctMyGrid.h"

#include "platform/forms/Form.h"

#include <string>

namespace gridbench {

class BenchForm : public forms::Form {
public:
    BenchForm() : Form("frmBench") {
        setClientSize(12000, 9000);
        uctGrid.Move(0, 0, 11000, 8000);
    }
    uctMyGrid uctGrid{*this, "uctGrid"};
};

inline void fill(uctMyGrid& grid, int32_t rows) {
    grid.gsClear();
    grid.gsSetFixedTopRow(true, true);
    grid.gsSetSelectRowColor(forms::vbHighlight, forms::vbHighlightText);
    grid.gsCreateColsRows(4, rows + 1);
    const int32_t widths[] = {600, 4500, 3000, 1500};
    for (int32_t c = 0; c < 4; ++c) {
        grid.gsSetColInfo(c, "Width", widths[c]);
        grid.gsSetText(c, 0, "Column " + std::to_string(c));
    }
    for (int32_t r = 1; r <= rows; ++r) {
        grid.gsSetRowInfo(r, "Height", 345);
        grid.gsSetRowInfo(r, "RowItemData", r);
        grid.gsSetCellData(0, r, "Type", 5);
        grid.gsSetText(1, r, "Player " + std::to_string(r));
        grid.gsSetText(2, r, std::to_string(r * 7 % 1000));
        grid.gsSetCellData(2, r, "Alignment", 1);
        grid.gsSetText(3, r, "2010/10/10");
        if (r % 2 == 0)
            for (int32_t c = 0; c < 4; ++c) grid.gsSetCellData(c, r, "BackColor", forms::RGB(240, 255, 240));
    }
}

// One row down, as an arrow click does; back to the top after the last row.
inline void scrollOneRow(uctMyGrid& grid) {
    const int16_t value = grid.vscMG.Value();
    grid.vscMG.setValue(value >= grid.vscMG.Max() ? grid.vscMG.Min() : static_cast<int16_t>(value + 1));
}

} // namespace gridbench
