// The grid's answers to its row views: single-row selection by clicks, the
// check values of check-box cells, and the drag of the header's column
// borders with the moving bar. The window hears of each through the grid's
// own events, raised last so that its handler may rebuild the grid.
#include "grid/uctMyGrid.h"

#include "platform/forms/Services.h"
#include "platform/text/Numbers.h"

#include <cmath>

using namespace forms;

void uctMyGrid::selectOnly(int32_t row) {
    for (int32_t i = mlngFixedTopRow; i < mlngRows; ++i) mtypRowInfo[static_cast<size_t>(i)].Selected = false;
    mtypRowInfo.at(static_cast<size_t>(row)).Selected = true;
}

// A click selects the row alone; clicking the selected row keeps it.
void uctMyGrid::uctMGRow_CellClick(int, int32_t col, int32_t row) {
    if (row < mlngFixedTopRow) return;
    if (!mtypRowInfo.at(static_cast<size_t>(row)).Selected) selectOnly(row);
    psUpdateView();
    raise(MGCellClick, col, row);
}

void uctMyGrid::uctMGRow_CellDblClick(int, int32_t col, int32_t row) {
    if (row < mlngFixedTopRow) return;
    selectOnly(row);
    psUpdateView();
    raise(MGCellDblClick, col, row);
}

void uctMyGrid::uctMGRow_CellCheckBoxClick(int, int32_t col, int32_t row, int32_t value) {
    cellAt(col, row).Value = value;
    raise(MGCellCheckBoxClick, col, row, value);
}

// The widest a column may be dragged: the body's inner width less the
// vertical bar (shown or not) and 5 pixels.
double uctMyGrid::resizeLimit() const {
    return picBody.ScaleWidth() - vscMG.Width() - 5.0 * Screen::TwipsPerPixelX;
}

void uctMyGrid::uctMGRow_CellResizeCol(int, int16_t intMode, int32_t col, int16_t, int32_t lngMoveXX) {
    const double px = Screen::TwipsPerPixelX;
    mlngResizingCol = col;
    const double x0 = colsWidth(mlngLeftIndexOfCols, col);
    double w = static_cast<double>(mtypColInfo.at(static_cast<size_t>(col)).Width) + lngMoveXX;
    if (w < 1) w = 0;
    w = std::floor(w / px) * px;
    switch (intMode) {
    case 0:
        picMoveingBar.Move(x0 + w, 0, px, picBody.ScaleHeight());
        picMoveingBar.setVisible(true);
        break;
    case 1:
        picMoveingBar.setLeft(x0 + w);
        break;
    case 2: {
        picMoveingBar.setLeft(x0 + w);
        picMoveingBar.setVisible(false);
        int32_t& width = mtypColInfo[static_cast<size_t>(col)].Width;
        width = text::CLng(w);
        const double limit = resizeLimit();
        if (width >= limit) width = text::CLng(limit);
        psUpdateView();
        raise(MGCellColWidthChange);
        break;
    }
    default:
        break;
    }
}

// Ends a drag under way at the moving bar's place, without refreshing: the
// caller is about to rebuild the grid.
void uctMyGrid::gsInterruptResizeCol() {
    if (mlngResizingCol < 0 || mlngResizingCol >= mlngCols || !picMoveingBar.Visible()) return;
    const double x0 = colsWidth(mlngLeftIndexOfCols, mlngResizingCol);
    int32_t& width = mtypColInfo[static_cast<size_t>(mlngResizingCol)].Width;
    width = text::CLng(picMoveingBar.Left() - x0);
    const double limit = resizeLimit();
    if (width >= limit) width = text::CLng(limit);
    picMoveingBar.setVisible(false);
    mlngResizingCol = -1;
    raise(MGCellColWidthChange);
}
