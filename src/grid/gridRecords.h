#pragma once
#include "platform/forms/Types.h"

#include <cstdint>
#include <string>

// The records of the grid's table. Sizes are twips, snapped down to whole
// pixels when stored; colours are RGB or system-colour values.

// Cell type codes.
constexpr int16_t MGCellTypeLabel = 0;    // one label with the cell's text
constexpr int16_t MGCellTypeCheckBox = 5; // the row's check box

// One cell. The fields are laid out widest first, so that a list of
// thousands of cells keeps to 64 bytes a cell.
struct typCellData {
    std::string Text;
    double FontSize = 11.25; // points
    forms::Color BackColor = forms::vbWhite;
    forms::Color ForeColor = forms::vbBlack;
    int32_t Alignment = 0; // 3 × vertical (0 middle, 1 top, 2 bottom) + horizontal (0 left, 1 right, 2 centre)
    int32_t Value = 0;     // check state: 0 not ticked, else ticked (the grid stores 2)
    int16_t Type = MGCellTypeLabel;
    bool Enabled = true;
    bool FontBold = false;
};

// One column.
struct typColInfo {
    int32_t Width = 0;
};

// One row.
struct typRowInfo {
    bool Selected = false;
    int32_t Height = 0;          // 0 hides the row
    int32_t RowItemData = -1;    // the caller's number for the row
    int32_t IndexOfMGRows = 0;   // pool index of the row view showing it, 0 when none
};
