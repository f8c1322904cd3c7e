// The grid's construction, its table and the public methods that change or
// read it. None of them redraws: the caller calls gsUpdate.
#include "grid/uctMyGrid.h"

#include "grid/gridTrap.h"

#include "platform/forms/Services.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

#include <algorithm>
#include <cmath>

using namespace forms;

namespace {

constexpr double ScrollBarThickness = 315;
constexpr Color MovingBarColor = 0xE0E0E0;

} // namespace

uctMyGrid::uctMyGrid(Container& parent, ControlName name, int index)
    : UserControl(parent, std::move(name), index),
      picBody(*this, "picBody"),
      uctMGRow(picBody, "uctMGRow", {0}),
      vscMG(picBody, "vscMG"),
      hscMG(picBody, "hscMG"),
      picScrBarCorner(picBody, "picScrBarCorner"),
      picMoveingBar(picBody, "picMoveingBar") {
    picBody.setBorderStyle(1);
    picBody.setBackColor(vbWhite);
    uctMGRow(0).setVisible(false);
    vscMG.Move(0, 0, ScrollBarThickness, 1500);
    hscMG.Move(0, 0, 1500, ScrollBarThickness);
    for (ScrollBar* bar : {static_cast<ScrollBar*>(&vscMG), static_cast<ScrollBar*>(&hscMG)}) {
        bar->setVisible(false);
        bar->setEnabled(false);
        bar->setTabStop(false);
    }
    for (PictureBox* box : {&picScrBarCorner, &picMoveingBar}) {
        box->setBorderStyle(0);
        box->setVisible(false);
        box->setTabStop(false);
    }
    picScrBarCorner.setEnabled(false);
    picScrBarCorner.setBackColor(vbWhite);
    picMoveingBar.setBackColor(MovingBarColor);

    uctMGRow.on(&::uctMGRow::CellClick, [this](int i, int32_t c, int32_t r) { uctMGRow_CellClick(i, c, r); });
    uctMGRow.on(&::uctMGRow::CellDblClick, [this](int i, int32_t c, int32_t r) { uctMGRow_CellDblClick(i, c, r); });
    uctMGRow.on(&::uctMGRow::CellCheckBoxClick,
                [this](int i, int32_t c, int32_t r, int32_t v) { uctMGRow_CellCheckBoxClick(i, c, r, v); });
    uctMGRow.on(&::uctMGRow::CellResizeCol, [this](int i, int16_t mode, int32_t c, int16_t side, int32_t d) {
        uctMGRow_CellResizeCol(i, mode, c, side, d);
    });
    vscMG.Change = [this] { vscMG_Change(); };
    hscMG.Change = [this] { hscMG_Change(); };

    psFitBody();
}

// ---- the table ----

bool uctMyGrid::inTable(int32_t col, int32_t row) const {
    return col >= 0 && col < mlngCols && row >= 0 && row < mlngRows;
}

typCellData& uctMyGrid::cellAt(int32_t col, int32_t row) {
    text::checkIndex(col, 0, cellCols_ - 1);
    text::checkIndex(row, 0, static_cast<long long>(mtypCellData.size()) - 1);
    return rowCells(row)[col];
}

typCellData* uctMyGrid::rowCells(int32_t row) {
    std::unique_ptr<typCellData[]>& made = mtypCellData[static_cast<size_t>(row)];
    if (made) return made.get();
    auto cells = std::make_unique<typCellData[]>(static_cast<size_t>(cellCols_));
    const bool header = row == 0 && headerFace_;
    for (int32_t i = 0; i < cellCols_; ++i) {
        cells[static_cast<size_t>(i)].FontSize = freshFontSize_;
        if (header) cells[static_cast<size_t>(i)].BackColor = vbButtonFace;
    }
    if (rowFill_ && row >= mlngFixedTopRow && row < rowFillEnd_) rowFill_(row, cells.get());
    made = std::move(cells);
    return made.get();
}

const typCellData& uctMyGrid::Cell(int32_t col, int32_t row) const {
    return const_cast<uctMyGrid*>(this)->cellAt(col, row);
}

::uctMGRow* uctMyGrid::RowView(int32_t row) const {
    if (row < 0 || row >= mlngRows) return nullptr;
    const int32_t v = mtypRowInfo[static_cast<size_t>(row)].IndexOfMGRows;
    return v > 0 ? &uctMGRow(v) : nullptr;
}

// Sizes are stored snapped down to whole screen pixels.
int32_t uctMyGrid::snapped(double v, double twipsPerPixel) {
    return text::CLng(std::floor(v / twipsPerPixel) * twipsPerPixel);
}

// ---- public methods ----

void uctMyGrid::gsClear() {
    gridTrapped("gsClear", [&] {
        // The pool is emptied, but its row views stay loaded and hidden as
        // spares that the next fill takes again in the same order (see
        // pfGetIndexOfMGRows): unloading and creating a screenful of views
        // cost more than the rest of a list's rebuild. Unloading the window
        // removes them already: only those left are hidden.
        for (int32_t i = 1; i <= mlngLastIndexOf_MGRows; ++i) {
            if (!uctMGRow.exists(i)) continue;
            uctMGRow(i).setVisible(false);
            uctMGRow(i).gsSetUsedNow(false);
        }
        mlngLastIndexOf_MGRows = 0;
        // The tables of rows and columns keep their memory: a window
        // refills its grid with a table of about the same size.
        mtypCellData.clear();
        mtypColInfo.clear();
        mtypRowInfo.clear();
        cellCols_ = 0;
        headerFace_ = false;
        rowFill_ = nullptr;
        mlngCols = mlngRows = 0;
        mlngFixedTopRow = 0;
        mblnResizeEnabled = false;
        mlngTopIndexOfRowsY = 0;
        mlngShownFirstRow = mlngShownLastRow = 0;
        picMoveingBar.setVisible(false);
        mlngResizingCol = -1;
    });
}

void uctMyGrid::gsSetFixedTopRow(bool bolFixed, bool bolResizeEnabled) {
    mlngFixedTopRow = bolFixed ? 1 : 0;
    mblnResizeEnabled = bolResizeEnabled;
}

void uctMyGrid::gsCreateColsRows(int32_t lngCols, int32_t lngRows) {
    gridTrapped("gsCreateColsRows", [&] {
        if (lngCols < 1) return;
        const int32_t c = mlngCols, r = mlngRows;
        const ::uctMGRow& tmpl = uctMGRow(0);
        // The column table grows at once but never drops below the columns
        // the grid has: a call that fails or makes no rows leaves the count
        // as it was, and every refresh reads that many widths.
        mtypColInfo.resize(static_cast<size_t>(std::max(lngCols, mlngCols)));
        for (int32_t i = c; i < lngCols; ++i)
            mtypColInfo[static_cast<size_t>(i)].Width = snapped(tmpl.Width(), Screen::TwipsPerPixelX);
        if (lngRows < 1) return;

        // The cells are kept row by row, so only the number of rows can change
        // while cells exist. Rows are made when first needed (rowCells).
        if (!mtypCellData.empty() && lngCols != cellCols_) text::raise(text::err::Subscript);
        if (mtypCellData.empty()) {
            freshFontSize_ = tmpl.gfGetDefaultFontSize();
            headerFace_ = mlngFixedTopRow == 1;
        }
        mtypCellData.resize(static_cast<size_t>(lngRows));
        cellCols_ = lngCols;

        // Rows that go away give their views back first.
        for (int32_t i = lngRows; i < r; ++i) psReleaseMGRow(i);
        mtypRowInfo.resize(static_cast<size_t>(lngRows),
                           typRowInfo{false, snapped(tmpl.Height(), Screen::TwipsPerPixelY), -1, 0});

        mlngCols = lngCols;
        mlngRows = lngRows;
    });
}

void uctMyGrid::setRowFill(RowFill fill) {
    rowFill_ = std::move(fill);
    rowFillEnd_ = mlngRows;
}

void uctMyGrid::refillRows(int32_t fromRow, int32_t toRow) {
    for (int32_t r = std::max(fromRow, 0); r <= toRow && r < mlngRows; ++r)
        mtypCellData[static_cast<size_t>(r)].reset();
}

void uctMyGrid::gsSetColInfo(int32_t lngCol, const std::string& strKind, const MGValue& varVal) {
    gridTrapped("gsSetColInfo", [&] {
        if (lngCol < 0 || lngCol >= mlngCols) return;
        if (text::TrimmedView(strKind) == "Width")
            mtypColInfo[static_cast<size_t>(lngCol)].Width = snapped(varVal, Screen::TwipsPerPixelX);
    });
}

void uctMyGrid::gsSetRowInfo(int32_t lngRow, const std::string& strKind, const MGValue& varVal) {
    gridTrapped("gsSetRowInfo", [&] {
        if (lngRow < 0 || lngRow >= mlngRows) return;
        typRowInfo& info = mtypRowInfo[static_cast<size_t>(lngRow)];
        const std::string_view kind = text::TrimmedView(strKind);
        if (kind == "Selected") info.Selected = varVal.toBool();
        else if (kind == "Height") info.Height = snapped(varVal, Screen::TwipsPerPixelY);
        else if (kind == "RowItemData") info.RowItemData = varVal.toInt32();
    });
}

void uctMyGrid::setRowHeightsAndItemData(int32_t height, int32_t fromRow, std::span<const int32_t> itemData) {
    const int32_t stored = snapped(height, Screen::TwipsPerPixelY);
    const auto count = static_cast<long long>(itemData.size());
    for (long long r = 0, k = -static_cast<long long>(fromRow); r < mlngRows; ++r, ++k) {
        typRowInfo& info = mtypRowInfo[static_cast<size_t>(r)];
        info.Height = stored;
        if (k >= 0 && k < count) info.RowItemData = itemData[static_cast<size_t>(k)];
    }
}

void uctMyGrid::gsSetSelectRow(int32_t lngRowOfCellData) {
    gridTrapped("gsSetSelectRow", [&] {
        if (lngRowOfCellData < mlngFixedTopRow) return;
        text::checkIndex(lngRowOfCellData, 0, static_cast<long long>(mtypRowInfo.size()) - 1);
        typRowInfo& info = mtypRowInfo[static_cast<size_t>(lngRowOfCellData)];
        if (info.Selected) {
            info.Selected = false;
            return;
        }
        selectOnly(lngRowOfCellData);
    });
}

void uctMyGrid::gsSetText(int32_t lngCol, int32_t lngRow, const std::string& strText) {
    gridTrapped("gsSetText", [&] {
        if (inTable(lngCol, lngRow)) cellAt(lngCol, lngRow).Text = strText;
    });
}

void uctMyGrid::gsSetSelectRowColor(const MGValue& varBackColor, const MGValue& varForeColor) {
    mvarSelectBackColor = varBackColor.toColor();
    mvarSelectForeColor = varForeColor.toColor();
}

void uctMyGrid::gsSetCellData(int32_t lngCol, int32_t lngRow, const std::string& strKind, const MGValue& varVal) {
    gridTrapped("gsSetCellData", [&] {
        if (!inTable(lngCol, lngRow)) return;
        typCellData& cell = cellAt(lngCol, lngRow);
        const std::string_view kind = text::TrimmedView(strKind);
        if (kind == "Text") cell.Text = varVal.toText();
        else if (kind == "Type") cell.Type = varVal.toInt16();
        else if (kind == "Alignment") cell.Alignment = varVal.toInt32();
        else if (kind == "BackColor") cell.BackColor = varVal.toColor();
        else if (kind == "ForeColor") cell.ForeColor = varVal.toColor();
        else if (kind == "Value") cell.Value = varVal.toInt32();
        else if (kind == "FontSize") cell.FontSize = varVal.toNumber();
        else if (kind == "Enabled") cell.Enabled = varVal.toBool();
        else if (kind == "FontBold") cell.FontBold = varVal.toBool();
    });
}

MGValue uctMyGrid::gfGetCellData(int32_t lngCol, int32_t lngRow, const std::string& strKind) {
    const std::string_view kind = text::TrimmedView(strKind);
    MGValue result;
    if (kind == "Text") result = "";
    else if (kind == "Value") result = 0;
    gridTrapped("gfGetCellData", [&] {
        if (!inTable(lngCol, lngRow)) return;
        const typCellData& cell = cellAt(lngCol, lngRow);
        if (kind == "Text") result = cell.Text;
        else if (kind == "Value") result = cell.Value;
    });
    return result;
}

bool uctMyGrid::gfGetRowSelected(int32_t lngRow) const {
    if (lngRow < 0 || lngRow >= mlngRows) return false;
    return mtypRowInfo[static_cast<size_t>(lngRow)].Selected;
}

int32_t uctMyGrid::gfGetRowItemData(int32_t lngRow) const {
    if (lngRow < 0 || lngRow >= mlngRows) return 0;
    return mtypRowInfo[static_cast<size_t>(lngRow)].RowItemData;
}

// The height the body offers to rows: its inner height less the horizontal
// scroll bar while that is shown.
int32_t uctMyGrid::gfGetListSpaceHeight() const {
    return text::CLng(picBody.ScaleHeight() - (hscMG.Visible() ? hscMG.Height() : 0));
}
