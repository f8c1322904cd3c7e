// What a row view makes of the mouse: clicks and double clicks on a cell,
// a tick of the check box, and drags of the header's column borders. Each
// handler reads what it reports before raising it: the grid's handlers may
// rebuild the grid and so destroy this view.
#include "grid/uctMGRow.h"

#include "platform/forms/Services.h"
#include "platform/text/Numbers.h"

#include <cmath>

using namespace forms;

// The column under x (twips from the left edge of column 0); past the last
// column, the last column. A column of width 0 is never found.
int32_t uctMGRow::pfGetColIndexOfX(double x) const {
    double s = 0;
    for (int32_t i = 0; i < mlngCols; ++i) {
        const double w = mtypRowCells[static_cast<size_t>(i)].Width;
        if (s <= x && x < s + w) return i;
        s += w;
    }
    return mlngCols - 1;
}

void uctMGRow::lblObj_Click(int Index) { raise(CellClick, Index, mlngRowOfCellData); }

void uctMGRow::lblObj_DblClick(int Index) { raise(CellDblClick, Index, mlngRowOfCellData); }

void uctMGRow::UserControl_MouseDown(int16_t, int16_t, double X, double) { mlngMouseX = text::CLng(X); }

void uctMGRow::UserControl_Click() { raise(CellClick, pfGetColIndexOfX(mlngMouseX), mlngRowOfCellData); }

void uctMGRow::UserControl_DblClick() { raise(CellDblClick, pfGetColIndexOfX(mlngMouseX), mlngRowOfCellData); }

// A person's tick reports 2, an untick 0, for the cell that owns the box,
// then the click on that cell. The renderer's own changes report nothing.
void uctMGRow::chkObj_Click() {
    if (mintSettingCheck != 0) return;
    if (rendersSinceClear_ > 0) rendersSinceClear_ = 2;
    const int32_t value = chkObj.Value() == vbUnchecked ? 0 : 2;
    const int32_t col = checkBoxCol_, row = mlngRowOfCellData;
    raise(CellCheckBoxClick, col, row, value);
    raise(CellClick, col, row);
}

// Where the pointer is along the row, in whole pixels: the right strip
// measures from its own edge, the left one from the row's.
double uctMGRow::resizeBarPosition(int16_t LorR, int Index, double X) const {
    const double px = Screen::TwipsPerPixelX;
    const double snapped = std::floor(X / px) * px;
    return LorR == 0 ? lblBarOfColMoveL(Index).Left() + snapped : snapped;
}

void uctMGRow::resizeBarDown(int16_t LorR, int Index, double X) {
    mlngMouseX = text::CLng(resizeBarPosition(LorR, Index, X));
    raise(CellResizeCol, int16_t{0}, Index, LorR, 0);
    mblnResizing = true;
}

void uctMGRow::resizeBarMove(int16_t LorR, int Index, double X) {
    if (!mblnResizing) return;
    const int32_t d = text::CLng(resizeBarPosition(LorR, Index, X) - mlngMouseX);
    raise(CellResizeCol, int16_t{1}, Index, LorR, d);
}

void uctMGRow::resizeBarUp(int16_t LorR, int Index, double X) {
    const bool resizing = mblnResizing;
    mblnResizing = false;
    Screen::setMousePointer(vbDefault);
    if (resizing) {
        const int32_t d = text::CLng(resizeBarPosition(LorR, Index, X) - mlngMouseX);
        raise(CellResizeCol, int16_t{2}, Index, LorR, d);
    }
}
