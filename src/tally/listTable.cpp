#include "tally/listTable.h"

#include "grid/uctMyGrid.h"
#include "platform/forms/Services.h"

#include <algorithm>

namespace {

void writeListColours(uctMyGrid& grid, int32_t col, int32_t gridRow, const ListCell& cell) {
    if (cell.back) grid.gsSetCellData(col, gridRow, "BackColor", *cell.back);
    if (cell.fore) grid.gsSetCellData(col, gridRow, "ForeColor", *cell.fore);
    if (cell.bold) grid.gsSetCellData(col, gridRow, "FontBold", true);
}

} // namespace

void showListTable(uctMyGrid& grid, const ListTable& table) {
    const auto cols = static_cast<int32_t>(table.columns.size());
    grid.gsClear();
    grid.gsSetFixedTopRow(true, false);
    grid.gsSetSelectRowColor(forms::vbHighlight, forms::vbHighlightText);
    grid.gsCreateColsRows(cols, static_cast<int32_t>(table.rows.size()) + 1);
    for (int32_t c = 0; c < cols; ++c) {
        const ListColumn& col = table.columns[static_cast<size_t>(c)];
        grid.gsSetColInfo(c, "Width", col.width);
        grid.gsSetText(c, 0, col.header);
        grid.gsSetCellData(c, 0, "Alignment", static_cast<int32_t>(AlignCentre));
        if (col.headerBold) grid.gsSetCellData(c, 0, "FontBold", true);
    }
    grid.gsSetRowInfo(0, "Height", kListRowHeight);
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const auto gridRow = static_cast<int32_t>(r) + 1;
        grid.gsSetRowInfo(gridRow, "Height", kListRowHeight);
        grid.gsSetRowInfo(gridRow, "RowItemData", table.rows[r].itemData);
        // New cells are empty and left-aligned already.
        const std::vector<ListCell>& cells = table.rows[r].cells;
        for (size_t c = 0; c < cells.size(); ++c) {
            const ListCell& cell = cells[c];
            const auto col = static_cast<int32_t>(c);
            if (!cell.text.empty()) grid.gsSetText(col, gridRow, cell.text);
            if (cell.alignment != AlignLeft) grid.gsSetCellData(col, gridRow, "Alignment", cell.alignment);
            writeListColours(grid, col, gridRow, cell);
        }
    }
}

void writeListCells(uctMyGrid& grid, int32_t gridRow, const ListRow& row, int32_t fromCol, int32_t toCol) {
    const size_t end = toCol < 0 ? row.cells.size() : std::min(row.cells.size(), static_cast<size_t>(toCol));
    for (size_t c = static_cast<size_t>(fromCol); c < end; ++c) {
        const ListCell& cell = row.cells[c];
        const auto col = static_cast<int32_t>(c);
        grid.gsSetText(col, gridRow, cell.text);
        grid.gsSetCellData(col, gridRow, "Alignment", cell.alignment);
        writeListColours(grid, col, gridRow, cell);
    }
}

void showBuildError(const std::string& procedure, const text::RuntimeError& e) {
    forms::MsgBox(procedure + "() : " + e.Description, forms::vbOKOnly | forms::vbCritical, std::string("エラー"));
}
