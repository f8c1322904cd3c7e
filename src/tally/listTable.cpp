#include "tally/listTable.h"

#include "grid/uctMyGrid.h"
#include "platform/forms/Services.h"

#include <algorithm>

namespace {

// Puts a list cell into a grid cell; its text is copied, or moved when the
// list is not used again.
template <class Text>
void putCell(typCellData& cell, Text&& text, const ListCell& from) {
    cell.Text = std::forward<Text>(text);
    cell.Alignment = from.alignment;
    if (from.back) cell.BackColor = *from.back;
    if (from.fore) cell.ForeColor = *from.fore;
    if (from.bold) cell.FontBold = true;
}

int32_t endColumn(const ListRow& row, int32_t toCol) {
    const auto count = static_cast<int32_t>(row.cells.size());
    return toCol < 0 ? count : std::min(count, toCol);
}

} // namespace

void showListTable(uctMyGrid& grid, ListTable table) {
    const auto cols = static_cast<int32_t>(table.columns.size());
    grid.gsClear();
    grid.gsSetFixedTopRow(true, false);
    grid.gsSetSelectRowColor(forms::vbHighlight, forms::vbHighlightText);
    grid.gsCreateColsRows(cols, static_cast<int32_t>(table.rows.size()) + 1);
    for (int32_t c = 0; c < cols; ++c) grid.gsSetColInfo(c, "Width", table.columns[static_cast<size_t>(c)].width);
    grid.editRowCells(0, 0, cols, [&table](int32_t c, typCellData& cell) {
        ListColumn& col = table.columns[static_cast<size_t>(c)];
        cell.Text = std::move(col.header);
        cell.Alignment = AlignCentre;
        if (col.headerBold) cell.FontBold = true;
    });
    grid.gsSetRowInfo(0, "Height", kListRowHeight);
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const auto gridRow = static_cast<int32_t>(r) + 1;
        ListRow& row = table.rows[r];
        grid.gsSetRowInfo(gridRow, "Height", kListRowHeight);
        grid.gsSetRowInfo(gridRow, "RowItemData", row.itemData);
        grid.editRowCells(gridRow, 0, endColumn(row, -1), [&row](int32_t c, typCellData& cell) {
            ListCell& from = row.cells[static_cast<size_t>(c)];
            putCell(cell, std::move(from.text), from);
        });
    }
}

void writeListCells(uctMyGrid& grid, int32_t gridRow, const ListRow& row, int32_t fromCol, int32_t toCol) {
    grid.editRowCells(gridRow, fromCol, endColumn(row, toCol), [&row](int32_t c, typCellData& cell) {
        const ListCell& from = row.cells[static_cast<size_t>(c)];
        putCell(cell, from.text, from);
    });
}

void showBuildError(const std::string& procedure, const text::RuntimeError& e) {
    forms::MsgBox(procedure + "() : " + e.Description, forms::vbOKOnly | forms::vbCritical, std::string("エラー"));
}
