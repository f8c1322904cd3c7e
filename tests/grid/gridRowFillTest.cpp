// Rows filled when first needed: whatever reads or changes the grid sees
// the same as in a grid whose cells were all set beforehand, and only the
// rows something needed are worked out.
#include "GridFixture.h"

#include "platform/forms/Simulation.h"

#include <functional>
#include <sstream>

using namespace forms;

namespace {

constexpr int32_t kCols = 4, kRows = 60;

// Cell c of body row r: a check box in column 0 (ticked on every third
// row), texts "c,r", alignments by column and every second row shaded.
void cellOf(int32_t c, int32_t r, typCellData& cell) {
    if (c == 0) {
        cell.Type = MGCellTypeCheckBox;
        cell.Value = r % 3 == 0 ? 2 : 0;
    }
    cell.Text = std::to_string(c) + "," + std::to_string(r);
    cell.Alignment = c % 3;
    if (r % 2 == 0) cell.BackColor = RGB(255, 240, 240);
}

// Both grids get the header and the row info; the eager one every cell at
// once, the lazy one the same cells through its fill, which counts its calls.
void fillTable(uctMyGrid& grid, bool lazy, int* fills) {
    grid.gsClear();
    grid.gsSetFixedTopRow(true, false);
    grid.gsCreateColsRows(kCols, kRows + 1);
    for (int32_t c = 0; c < kCols; ++c) {
        grid.gsSetColInfo(c, "Width", 1400);
        grid.gsSetText(c, 0, "H" + std::to_string(c));
    }
    for (int32_t r = 0; r <= kRows; ++r) {
        grid.gsSetRowInfo(r, "Height", 300);
        if (r > 0) grid.gsSetRowInfo(r, "RowItemData", 100 + r);
    }
    if (!lazy) {
        for (int32_t r = 1; r <= kRows; ++r)
            grid.editRowCells(r, 0, kCols, [r](int32_t c, typCellData& cell) { cellOf(c, r, cell); });
        return;
    }
    grid.setRowFill([fills](int32_t r, typCellData* cells) {
        ++*fills;
        for (int32_t c = 0; c < kCols; ++c) cellOf(c, r, cells[c]);
    });
}

// Everything a window or a person can see of the grid.
std::string everything(uctMyGrid& grid) {
    std::ostringstream out;
    for (int32_t r = 0; r < grid.gfRowCount(); ++r) {
        out << r << (grid.gfGetRowSelected(r) ? "*" : "") << " " << grid.gfGetRowItemData(r) << " "
            << grid.RowInfo(r).Height << ":";
        for (int32_t c = 0; c < grid.ColCount(); ++c) {
            const typCellData& cell = grid.Cell(c, r);
            out << " [" << cell.Text << "|" << cell.Type << "|" << cell.Value << "|" << cell.Alignment << "|"
                << cell.BackColor << "|" << cell.ForeColor << "|" << cell.FontBold << "|"
                << grid.gfGetCellData(c, r, "Text").toText() << "]";
        }
        if (uctMGRow* view = grid.RowView(r)) {
            out << " view";
            for (int32_t c = 0; c < view->Cols(); ++c) out << " " << view->lblObj(c).Caption();
            out << " " << view->chkObj.Value();
        }
        out << "\n";
    }
    out << "top " << grid.gfGetTopIndexOfRowsY() << " bar " << grid.vscMG.Value();
    return out.str();
}

class GridRowFillTest : public GridTest {
protected:
    GridRowFillTest() {
        eager.MGCellClick = grid.MGCellClick;
        eager.MGCellCheckBoxClick = grid.MGCellCheckBoxClick;
    }
    GridForm eagerForm;
    uctMyGrid& eager = eagerForm.uctGrid;
    int fills = 0;
};

TEST_F(GridRowFillTest, EveryOperationSeesWhatAnEagerFillGives) {
    struct Case {
        const char* what;
        std::function<void(uctMyGrid&, std::vector<std::string>&)> op;
    };
    const Case cases[] = {
        {"shown", [](uctMyGrid& g, auto&) { g.gsUpdate(); }},
        {"scrolled", [](uctMyGrid& g, auto&) {
             g.gsUpdate();
             g.vscMG.setValue(25);
         }},
        {"selected by code", [](uctMyGrid& g, auto&) {
             g.gsSetSelectRow(40);
             g.gsUpdate();
         }},
        {"clicked", [](uctMyGrid& g, auto&) {
             g.gsUpdate();
             sim::click(g.RowView(3)->lblObj(2));
         }},
        {"ticked", [](uctMyGrid& g, auto&) {
             g.gsUpdate();
             sim::click(g.RowView(4)->chkObj);
         }},
        {"text set on a row not shown", [](uctMyGrid& g, auto&) { g.gsSetText(2, 50, "changed"); }},
        {"cell data set on a row not shown", [](uctMyGrid& g, auto&) {
             g.gsSetCellData(1, 45, "BackColor", RGB(255, 0, 0));
             g.gsSetCellData(1, 45, "FontBold", true);
         }},
        {"row edited", [](uctMyGrid& g, auto&) {
             g.editRowCells(33, 1, 3, [](int32_t, typCellData& cell) { cell.Text += "!"; });
         }},
        {"read before anything", [](uctMyGrid& g, std::vector<std::string>& seen) {
             seen.push_back(g.gfGetCellData(3, 59, "Text").toText());
             seen.push_back(std::to_string(g.gfGetCellData(0, 57, "Value").toInt32()));
         }},
        {"more rows", [](uctMyGrid& g, auto&) {
             g.gsCreateColsRows(kCols, kRows + 4);
             g.gsUpdate();
             g.vscMG.setValue(static_cast<int16_t>(kRows + 3));
         }},
        {"fewer rows", [](uctMyGrid& g, auto&) {
             g.gsUpdate();
             g.gsCreateColsRows(kCols, 5);
             g.gsUpdate();
         }},
    };
    for (const Case& k : cases) {
        fillTable(eager, false, nullptr);
        fillTable(grid, true, &fills);
        std::vector<std::string> seenEager, seenLazy;
        events.clear();
        k.op(eager, seenEager);
        const std::vector<std::string> eagerEvents = events;
        events.clear();
        k.op(grid, seenLazy);
        EXPECT_EQ(seenLazy, seenEager) << k.what;
        EXPECT_EQ(events, eagerEvents) << k.what;
        EXPECT_EQ(everything(grid), everything(eager)) << k.what;
    }
}

TEST_F(GridRowFillTest, OnlyTheRowsNeededAreWorkedOut) {
    fillTable(grid, true, &fills);
    // Row info is answered without any cells.
    for (int32_t r = 0; r <= kRows; ++r) {
        EXPECT_FALSE(grid.gfGetRowSelected(r));
        EXPECT_EQ(grid.gfGetRowItemData(r), r == 0 ? -1 : 100 + r);
    }
    grid.gsSetSelectRow(30);
    EXPECT_EQ(fills, 0);

    // The body offers 3000 twips: the header and rows 1 to 9, the last cut.
    grid.gsUpdate();
    EXPECT_EQ(fills, 9);
    for (int32_t r = 1; r <= kRows; ++r) EXPECT_EQ(grid.RowMade(r), r <= 9) << r;
    grid.gsUpdate();
    EXPECT_EQ(fills, 9);

    // Scrolling works out the rows coming into view, once each.
    grid.vscMG.setValue(5);
    EXPECT_EQ(fills, 13);
    grid.vscMG.setValue(1);
    EXPECT_EQ(fills, 13);
    EXPECT_EQ(view(9).lblObj(1).Caption(), "1,9");

    // A row forgotten is worked out again when next needed, with what it holds then.
    grid.refillRows(2, 3);
    EXPECT_FALSE(grid.RowMade(2));
    EXPECT_TRUE(grid.RowMade(4));
    grid.gsUpdate();
    EXPECT_EQ(fills, 15);
    EXPECT_TRUE(grid.gfGetRowSelected(30));

    // Clearing drops the fill: a new table starts fresh.
    grid.gsClear();
    grid.gsCreateColsRows(kCols, 20);
    grid.gsUpdate();
    EXPECT_EQ(grid.Cell(1, 5).Text, "");
    EXPECT_EQ(fills, 15);
}

} // namespace
