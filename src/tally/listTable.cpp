#include "tally/listTable.h"

#include "grid/uctMyGrid.h"
#include "platform/forms/Services.h"

#include <memory>
#include <utility>

namespace {

template <class Cell>
void putCell(typCellData& cell, Cell&& from) {
    cell.Text = std::forward<Cell>(from).text;
    cell.Alignment = from.alignment;
    if (from.back) cell.BackColor = *from.back;
    if (from.fore) cell.ForeColor = *from.fore;
    if (from.bold) cell.FontBold = true;
}

} // namespace

void ListRowOut::add(ListCell&& cell) {
    if (list_) list_->push_back(std::move(cell));
    else if (next_ < count_) putCell(grid_[next_++], std::move(cell));
}

void ListRowOut::add(const ListCell& cell) {
    if (list_) list_->push_back(cell);
    else if (next_ < count_) putCell(grid_[next_++], cell);
}

void showListRows(uctMyGrid& grid, ListRows list) {
    const auto cols = static_cast<int32_t>(list.columns.size());
    const auto rows = static_cast<int32_t>(list.itemData.size());
    grid.gsClear();
    grid.gsSetFixedTopRow(true, false);
    grid.gsSetSelectRowColor(forms::vbHighlight, forms::vbHighlightText);
    grid.gsCreateColsRows(cols, rows + 1);
    for (int32_t c = 0; c < cols; ++c) grid.gsSetColInfo(c, "Width", list.columns[static_cast<size_t>(c)].width);
    grid.editRowCells(0, 0, cols, [&list](int32_t c, typCellData& cell) {
        ListColumn& col = list.columns[static_cast<size_t>(c)];
        cell.Text = std::move(col.header);
        cell.Alignment = AlignCentre;
        if (col.headerBold) cell.FontBold = true;
    });
    grid.setRowHeightsAndItemData(kListRowHeight, 1, list.itemData);
    grid.setRowFill([cells = std::move(list.cells), cols](int32_t row, typCellData* out) {
        ListRowOut into(out, cols);
        cells(row - 1, into);
    });
}

void showListTable(uctMyGrid& grid, ListTable table) {
    ListRows list;
    list.columns = std::move(table.columns);
    list.itemData.reserve(table.rows.size());
    for (const ListRow& row : table.rows) list.itemData.push_back(row.itemData);
    // The grid may make a row again (refillRows): its cells are copied out.
    list.cells = [rows = std::make_shared<std::vector<ListRow>>(std::move(table.rows))](int32_t index,
                                                                                        ListRowOut& out) {
        for (const ListCell& cell : (*rows)[static_cast<size_t>(index)].cells) out.add(cell);
    };
    showListRows(grid, std::move(list));
}

void showBuildError(const std::string& procedure, const text::RuntimeError& e) {
    forms::MsgBox(procedure + "() : " + e.Description, forms::vbOKOnly | forms::vbCritical, std::string("エラー"));
}
