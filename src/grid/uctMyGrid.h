#pragma once
#include "grid/MGValue.h"
#include "grid/gridRecords.h"
#include "grid/uctMGRow.h"

#include "platform/forms/Containers.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/ScrollBar.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

// The program's own list and table control. A window fills it through the
// public methods and calls gsUpdate once after a batch of changes; the grid
// never redraws on its own when its data change. Row 0 can be a fixed header
// row. Only the rows that reach into the display area hold a row view, taken
// from a pool that grows to a screenful and is reused while scrolling, so a
// long table costs no more to show than a short one; a hidden grid holds
// none.
//
// A row's cells are made when something first needs them (a setter, a
// getter, a row view showing the row). A window with a long list hands the
// grid a row fill instead of setting every cell: the fill writes the cells
// of one row when they are made, so only the rows looked at are worked out.
class uctMyGrid : public forms::UserControl {
public:
    uctMyGrid(forms::Container& parent, forms::ControlName name, int index = -1);

    // ---- public interface ----
    void gsUpdate();
    void gsInterruptResizeCol();
    void gsClear();
    void gsSetFixedTopRow(bool bolFixed, bool bolResizeEnabled);
    void gsCreateColsRows(int32_t lngCols, int32_t lngRows);
    void gsSetColInfo(int32_t lngCol, const std::string& strKind, const MGValue& varVal);
    void gsSetRowInfo(int32_t lngRow, const std::string& strKind, const MGValue& varVal);
    void gsSetSelectRow(int32_t lngRowOfCellData);
    void gsSetText(int32_t lngCol, int32_t lngRow, const std::string& strText);
    void gsSetSelectRowColor(const MGValue& varBackColor, const MGValue& varForeColor);
    void gsSetCellData(int32_t lngCol, int32_t lngRow, const std::string& strKind, const MGValue& varVal);
    MGValue gfGetCellData(int32_t lngCol, int32_t lngRow, const std::string& strKind);
    bool gfGetRowSelected(int32_t lngRow) const;
    int32_t gfGetRowItemData(int32_t lngRow) const;
    int32_t gfRowCount() const { return mlngRows; }
    int32_t gfGetTopIndexOfRowsY() const { return mlngTopIndexOfRowsY; }
    void gsSetTopIndexOfRowsY(int32_t lngTopIndexOfRowsY) { mlngTopIndexOfRowsY = lngTopIndexOfRowsY; }
    int32_t gfGetListSpaceHeight() const;

    // Writes the cells of one body row, fresh as gsCreateColsRows makes them,
    // the first time that row is needed. It must not fail: a list works out
    // beforehand whatever can. gsClear drops it.
    using RowFill = std::function<void(int32_t row, typCellData* cells)>;
    // The body rows of the table as it is now are filled by `fill` when they
    // are made; rows made before keep their cells, rows added later start
    // fresh.
    void setRowFill(RowFill fill);
    // Forgets the cells of rows fromRow to toRow, which the fill makes again
    // when they are next needed; selection, height and item data stay.
    void refillRows(int32_t fromRow, int32_t toRow);

    // Changes the cells of one row in place, in one call: edit(col, cell)
    // for each column from fromCol to toCol - 1 that lies inside the table;
    // a row outside the table changes nothing. For windows that fill a whole
    // list at once; like the setters, it redraws nothing.
    template <class Edit>
    void editRowCells(int32_t row, int32_t fromCol, int32_t toCol, Edit&& edit) {
        if (row < 0 || row >= mlngRows) return;
        typCellData* cells = rowCells(row);
        for (int32_t c = std::max(fromCol, 0); c < std::min(toCol, mlngCols); ++c) edit(c, cells[c]);
    }

    // Gives every row the height `height`, snapped down to whole pixels as
    // gsSetRowInfo snaps it, and the rows from `fromRow` on the item data in
    // `itemData`, one a row while the table lasts: for windows that fill a
    // whole list at once. Like the setters, it redraws nothing.
    void setRowHeightsAndItemData(int32_t height, int32_t fromRow, std::span<const int32_t> itemData);

    // ---- events raised to the window ----
    forms::Event<void(int32_t lngCol, int32_t lngRow)> MGCellClick;
    forms::Event<void(int32_t lngCol, int32_t lngRow)> MGCellDblClick;
    forms::Event<void(int32_t lngColOfCellData, int32_t lngRowOfCellData, int32_t lngValue)> MGCellCheckBoxClick;
    forms::Event<void()> MGCellColWidthChange;

    // ---- state read by tests and tools ----
    int32_t ColCount() const { return mlngCols; }
    int32_t LeftIndexOfCols() const { return mlngLeftIndexOfCols; }
    int32_t ColWidth(int32_t col) const { return mtypColInfo.at(static_cast<size_t>(col)).Width; }
    const typCellData& Cell(int32_t col, int32_t row) const;
    const typRowInfo& RowInfo(int32_t row) const { return mtypRowInfo.at(static_cast<size_t>(row)); }
    // The number of row views in the pool, the template not counted.
    int32_t PoolSize() const { return mlngLastIndexOf_MGRows; }
    // The row view showing a row; nullptr when the row holds none.
    ::uctMGRow* RowView(int32_t row) const;
    int32_t ShownFirstRow() const { return mlngShownFirstRow; }
    int32_t ShownLastRow() const { return mlngShownLastRow; }
    // Whether the row's cells are made (see setRowFill).
    bool RowMade(int32_t row) const {
        return row >= 0 && row < mlngRows && mtypCellData[static_cast<size_t>(row)] != nullptr;
    }

    // ---- child controls ----
    forms::PictureBox picBody;
    // The row views (element 0 is the template, never shown); the array
    // bears the name of its element type, as the control array always has.
    forms::ControlArray<::uctMGRow> uctMGRow;
    forms::VScrollBar vscMG;
    forms::HScrollBar hscMG;
    forms::PictureBox picScrBarCorner;
    forms::PictureBox picMoveingBar;

protected:
    void UserControl_Resize() override { psFitBody(); }

private:
    // Refresh and pool (uctMyGridView.cpp).
    void psUpdateView();
    void psSetMGRow(int32_t row, int32_t y, int16_t kind);
    // A spare that gsClear left in the pool's place is handed over uncleared
    // when `asItWas` is given (and set): the caller clears it unless it can
    // keep what it shows.
    int32_t pfGetIndexOfMGRows(bool* asItWas = nullptr);
    void takeCleared(::uctMGRow& view);
    void pushRow(::uctMGRow& view, int32_t row, int16_t kind);
    void psReleaseMGRow(int32_t row);
    void psFitBody();
    void setScrollBars(double sumW, double shownH, int32_t left, int32_t top);
    // Whether the bars being set are those of the latest refresh: a bar
    // that then reports the position it laid out needs no second layout, as
    // the rows stand as that refresh placed them and it sets the bars itself.
    bool settingOwnBars() const;
    void vscMG_Change();
    void hscMG_Change();
    double colWidth(int32_t col) const;
    double rowHeight(int32_t row) const;
    double colsWidth(int32_t from, int32_t to) const; // columns from..to-1

    // Selection, column drag and events (uctMyGridEvents.cpp).
    void selectOnly(int32_t row);
    void uctMGRow_CellClick(int Index, int32_t col, int32_t row);
    void uctMGRow_CellDblClick(int Index, int32_t col, int32_t row);
    void uctMGRow_CellCheckBoxClick(int Index, int32_t col, int32_t row, int32_t value);
    void uctMGRow_CellResizeCol(int Index, int16_t intMode, int32_t col, int16_t LorR, int32_t lngMoveXX);
    double resizeLimit() const;

    typCellData& cellAt(int32_t col, int32_t row);
    // The cells of a row of the table, made when the row has none yet.
    typCellData* rowCells(int32_t row);
    bool inTable(int32_t col, int32_t row) const;
    int32_t snapped(const MGValue& v, double twipsPerPixel) const { return snapped(v.toNumber(), twipsPerPixel); }
    static int32_t snapped(double v, double twipsPerPixel);

    int32_t mlngFixedTopRow = 0;
    bool mblnResizeEnabled = false;
    int32_t mlngCols = 0;
    int32_t mlngRows = 0;
    int32_t mlngTopIndexOfRowsY = 0;
    int32_t mlngLeftIndexOfCols = 0;
    forms::Color mvarSelectBackColor = forms::vbHighlight;
    forms::Color mvarSelectForeColor = forms::vbHighlightText;
    int32_t mlngResizingCol = -1;
    // The cell table: each row's cells, null until the row is first needed;
    // cellCols_ is the number of columns it was created with (0 while it is
    // empty). A row is made of cells as typCellData starts them in the
    // template's font size (freshFontSize_), row 0 in the button face when the
    // table was created with its header fixed, then filled by rowFill_.
    std::vector<std::unique_ptr<typCellData[]>> mtypCellData;
    int32_t cellCols_ = 0;
    double freshFontSize_ = typCellData{}.FontSize;
    bool headerFace_ = false;
    RowFill rowFill_;
    int32_t rowFillEnd_ = 0; // the rows it fills end here
    std::vector<typColInfo> mtypColInfo;
    std::vector<typRowInfo> mtypRowInfo;
    // Display state.
    int32_t mlngLastIndexOf_MGRows = 0;
    int32_t mlngShownFirstRow = 0;
    int32_t mlngShownLastRow = 0;
    // Refreshes so far, and the one whose bars are being set (0 when none).
    uint64_t layouts_ = 0;
    uint64_t barsOf_ = 0;
};
