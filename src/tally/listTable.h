#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/Types.h"
#include "platform/text/RuntimeError.h"

class uctMyGrid;
struct typCellData;

// The lists of the tally window, as plain data: a builder works them out from
// the game's records and showListTable puts them into a grid with the
// window's list conventions (fixed header row without column dragging,
// highlight colours, header and data rows 350 twips, row item data). Tests
// read the data without any window. A long list is worked out row by row
// (ListRows): only the rows the grid needs are built.

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

// Where a list writes the cells of one row, left to right: straight into
// the grid's row as the grid makes it (cells past the last column are
// dropped), or into a list of cells for a reader without a grid.
class ListRowOut {
public:
    explicit ListRowOut(std::vector<ListCell>& cells) : list_(&cells) {}
    ListRowOut(typCellData* cells, int32_t count) : grid_(cells), count_(count) {}

    void add(ListCell&& cell);
    void add(const ListCell& cell);

private:
    std::vector<ListCell>* list_ = nullptr;
    typCellData* grid_ = nullptr;
    int32_t count_ = 0, next_ = 0;
};

// A list worked out row by row: its columns, the item data of every row,
// and a writer of the cells of data row `index` (0 to the row count - 1),
// one per column. A builder works out whatever can fail before it hands the
// list over, so that the cells never fail.
struct ListRows {
    std::vector<ListColumn> columns;
    std::vector<int32_t> itemData; // one per row
    std::function<void(int32_t index, ListRowOut& out)> cells;
};

// Clears the grid and fills it with the list: header row 0 (every header
// cell centred), then each row with its height and item data; the cells of
// a row are asked of the list when the grid first needs the row. The caller
// applies its remembered row and top row and then calls gsUpdate.
void showListRows(uctMyGrid& grid, ListRows list);
// The same for a list worked out whole; its texts move into the grid.
void showListTable(uctMyGrid& grid, ListTable table);

// A list builder's failure, as every list reports it: "<procedure>() : " and
// the error's description, critical icon, OK, "エラー". The window stays usable.
void showBuildError(const std::string& procedure, const text::RuntimeError& e);
