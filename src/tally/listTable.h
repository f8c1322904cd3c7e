#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/Types.h"
#include "platform/text/RuntimeError.h"

class uctMyGrid;

// The lists of the tally window, as plain data: a builder works them out from
// the game's records and showListTable puts them into a grid with the
// window's list conventions (fixed header row without column dragging,
// highlight colours, header and data rows 350 twips, row item data). Tests
// read the data without any window.

inline constexpr int32_t kListRowHeight = 350;
inline constexpr forms::Color kListGrey = forms::RGB(240, 240, 240);

enum ListAlign : int32_t { AlignLeft = 0, AlignCentre = 2 };

struct ListCell {
    std::string text;
    int32_t alignment = AlignLeft;
    // Colours left unset keep what the grid has (white on a new row).
    std::optional<forms::Color> back, fore;
    bool bold = false;
};

struct ListColumn {
    std::string header;
    int32_t width = 0; // twips
    bool headerBold = false;
};

struct ListRow {
    int32_t itemData = -1;
    std::vector<ListCell> cells; // one per column
};

struct ListTable {
    std::vector<ListColumn> columns;
    std::vector<ListRow> rows; // the data rows, shown from grid row 1
};

// Clears the grid and fills it with the table: header row 0 (every header
// cell centred), then each row with its height, item data and cells. The
// caller applies its remembered row and top row and then calls gsUpdate.
// The table's texts move into the grid.
void showListTable(uctMyGrid& grid, ListTable table);

// Writes the cells of `row` in columns fromCol..toCol-1 (to its last
// column when toCol is -1) into grid row `gridRow`, leaving the other
// columns, the height and the item data as they are.
void writeListCells(uctMyGrid& grid, int32_t gridRow, const ListRow& row, int32_t fromCol = 0, int32_t toCol = -1);

// A list builder's failure, as every list reports it: "<procedure>() : " and
// the error's description, critical icon, OK, "エラー". The window stays usable.
void showBuildError(const std::string& procedure, const text::RuntimeError& e);
