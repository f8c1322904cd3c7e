// The grid's table and public methods: creation and its failure, kinds,
// conversions, snapping, selection by code, and positions kept or reset.
#include "GridFixture.h"

#include "platform/forms/Simulation.h"

using namespace forms;

namespace {

const char* const IndexError = "インデックスが有効範囲にありません。";
const char* const TypeError = "型が一致しません。";

} // namespace

TEST_F(GridTest, CreatingTheTableGivesEveryEntryItsDefaults) {
    grid.gsClear();
    grid.gsSetFixedTopRow(true, true);
    grid.gsCreateColsRows(3, 4);
    EXPECT_EQ(grid.gfRowCount(), 4);
    for (int32_t r = 0; r < 4; ++r) {
        EXPECT_EQ(grid.gfGetRowItemData(r), -1);
        EXPECT_EQ(grid.RowInfo(r).Height, 375);
        for (int32_t c = 0; c < 3; ++c) {
            const typCellData& cell = grid.Cell(c, r);
            EXPECT_EQ(cell.BackColor, r == 0 ? vbButtonFace : vbWhite) << c << "," << r;
            EXPECT_EQ(cell.ForeColor, vbBlack);
            EXPECT_EQ(cell.FontSize, 11.25);
            EXPECT_TRUE(cell.Enabled);
        }
    }
    EXPECT_EQ(grid.ColWidth(2), 3015);
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(GridTest, RowZeroIsPaintedAsHeaderOnlyWhenFixedBeforeCreation) {
    grid.gsClear();
    grid.gsCreateColsRows(3, 4);
    grid.gsSetFixedTopRow(true, false);
    EXPECT_EQ(grid.Cell(0, 0).BackColor, vbWhite);
}

TEST_F(GridTest, CreationWithoutColumnsOrRowsChangesNoCount) {
    fill(3, 3);
    grid.gsCreateColsRows(0, 5);
    EXPECT_EQ(grid.gfRowCount(), 4);
    EXPECT_EQ(grid.ColCount(), 3);
    grid.gsCreateColsRows(3, 0);
    EXPECT_EQ(grid.gfRowCount(), 4);
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(GridTest, MoreRowsKeepTheCellsAndOtherColumnsFail) {
    fill(3, 3);
    grid.gsSetCellData(1, 2, "BackColor", RGB(240, 255, 240));
    grid.gsCreateColsRows(3, 6);
    EXPECT_EQ(grid.gfRowCount(), 6);
    EXPECT_EQ(grid.gfGetCellData(2, 3, "Text"), MGValue("2,3"));
    EXPECT_EQ(grid.Cell(1, 2).BackColor, RGB(240, 255, 240));
    EXPECT_EQ(grid.gfGetCellData(2, 5, "Text"), MGValue(""));
    EXPECT_EQ(grid.gfGetRowItemData(5), -1);
    EXPECT_EQ(grid.Cell(0, 5).BackColor, vbWhite);

    grid.gsCreateColsRows(4, 6);
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt, std::string("uctMyGrid::gsCreateColsRows():") + IndexError);
    EXPECT_EQ(desk.lastMessage().flags, vbOKOnly);
    EXPECT_EQ(desk.lastMessage().title, "Lumora");
    EXPECT_EQ(grid.gfRowCount(), 6);
    EXPECT_EQ(grid.ColCount(), 3);
}

// A failed or row-less call must not leave the grid with fewer column
// widths than columns: the next refresh reads every column's width.
TEST_F(GridTest, FewerColumnsThatAreNotMadeKeepEveryColumnsWidth) {
    fill(3, 3, 1200);
    grid.gsCreateColsRows(2, 0);
    grid.gsCreateColsRows(2, 6);
    EXPECT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(grid.ColCount(), 3);
    for (int32_t c = 0; c < 3; ++c) EXPECT_EQ(grid.ColWidth(c), 1200) << c;
    grid.gsUpdate();
    EXPECT_EQ(view(1).Width(), 3 * 1200 + 3 * 15);
}

TEST_F(GridTest, FewerRowsGiveTheirViewsBack) {
    fill(3, 20);
    grid.gsUpdate();
    ASSERT_EQ(inUse(), 10);
    grid.gsCreateColsRows(3, 4);
    grid.gsUpdate();
    EXPECT_EQ(inUse(), 4);
    EXPECT_EQ(grid.ShownLastRow(), 3);
}

TEST_F(GridTest, KindsAreTrimmedAndCaseSensitive) {
    fill(3, 3);
    grid.gsSetColInfo(0, " Width ", 1000);
    EXPECT_EQ(grid.ColWidth(0), 990);
    grid.gsSetColInfo(0, "width", 3000);
    grid.gsSetColInfo(3, "Width", 3000);
    grid.gsSetColInfo(-1, "Width", "not a number");
    EXPECT_EQ(grid.ColWidth(0), 990);
    grid.gsSetCellData(0, 1, "text", "x");
    grid.gsSetCellData(0, 1, "  Text", "y");
    EXPECT_EQ(grid.gfGetCellData(0, 1, "Text "), MGValue("y"));
    grid.gsSetRowInfo(1, "rowitemdata", 7);
    EXPECT_EQ(grid.gfGetRowItemData(1), 101);
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(GridTest, SizesSnapDownToWholePixels) {
    fill(2, 2);
    const struct {
        double value;
        int32_t stored;
    } cases[] = {{1000, 990}, {375, 375}, {350, 345}, {14, 0}, {-1, -15}, {29.99, 15}};
    for (const auto& k : cases) {
        grid.gsSetColInfo(1, "Width", k.value);
        grid.gsSetRowInfo(1, "Height", k.value);
        EXPECT_EQ(grid.ColWidth(1), k.stored) << k.value;
        EXPECT_EQ(grid.RowInfo(1).Height, k.stored) << k.value;
    }
    grid.gsSetColInfo(1, "Width", "1000");
    EXPECT_EQ(grid.ColWidth(1), 990);
}

TEST_F(GridTest, CellKindsConvertTheirValues) {
    fill(2, 2);
    grid.gsSetCellData(0, 1, "Type", "5");
    grid.gsSetCellData(0, 1, "Alignment", 2.5);
    grid.gsSetCellData(0, 1, "Value", 3.5);
    grid.gsSetCellData(0, 1, "Enabled", 0);
    grid.gsSetCellData(0, 1, "FontBold", "True");
    grid.gsSetCellData(0, 1, "FontSize", 9.75);
    grid.gsSetCellData(0, 1, "BackColor", -2147483633); // the system button face as a signed number
    grid.gsSetCellData(0, 1, "ForeColor", vbGrayText);
    grid.gsSetCellData(1, 1, "Text", 12);
    const typCellData& cell = grid.Cell(0, 1);
    EXPECT_EQ(cell.Type, 5);
    EXPECT_EQ(cell.Alignment, 2);
    EXPECT_EQ(cell.Value, 4);
    EXPECT_FALSE(cell.Enabled);
    EXPECT_TRUE(cell.FontBold);
    EXPECT_EQ(cell.FontSize, 9.75);
    EXPECT_EQ(cell.BackColor, vbButtonFace);
    EXPECT_EQ(cell.ForeColor, vbGrayText);
    EXPECT_EQ(grid.gfGetCellData(1, 1, "Text"), MGValue("12"));
    EXPECT_EQ(grid.gfGetCellData(0, 1, "Value"), MGValue(4));
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(GridTest, AValueThatIsNoNumberFailsWithTheMethodsName) {
    fill(2, 2);
    grid.gsSetCellData(0, 1, "Value", "abc");
    grid.gsSetRowInfo(1, "RowItemData", "12x");
    grid.gsSetColInfo(0, "Width", "");
    grid.gsSetCellData(0, 1, "Type", 40000);
    ASSERT_EQ(desk.messages().size(), 4u);
    EXPECT_EQ(desk.messages()[0].prompt, std::string("uctMyGrid::gsSetCellData():") + TypeError);
    EXPECT_EQ(desk.messages()[1].prompt, std::string("uctMyGrid::gsSetRowInfo():") + TypeError);
    EXPECT_EQ(desk.messages()[2].prompt, std::string("uctMyGrid::gsSetColInfo():") + TypeError);
    EXPECT_EQ(desk.messages()[3].prompt, "uctMyGrid::gsSetCellData():オーバーフローしました。");
    EXPECT_EQ(grid.Cell(0, 1).Value, 0);
    EXPECT_EQ(grid.gfGetRowItemData(1), 101);
}

TEST_F(GridTest, GettersOutsideTheTableGiveTheirStartingValues) {
    fill(3, 2);
    EXPECT_EQ(grid.gfGetCellData(99, 1, "Text"), MGValue(""));
    EXPECT_EQ(grid.gfGetCellData(99, 1, "Value"), MGValue(0));
    EXPECT_TRUE(grid.gfGetCellData(0, 0, "Type").isEmpty());
    EXPECT_TRUE(grid.gfGetCellData(0, 0, "Nothing").isEmpty());
    EXPECT_FALSE(grid.gfGetRowSelected(-1));
    EXPECT_FALSE(grid.gfGetRowSelected(3));
    EXPECT_EQ(grid.gfGetRowItemData(3), 0);
    EXPECT_EQ(grid.gfGetRowItemData(-1), 0);
    grid.gsSetText(3, 1, "ignored");
    grid.gsSetText(0, -1, "ignored");
    grid.gsSetCellData(0, 3, "Text", "ignored");
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(GridTest, SelectingByCodeTogglesOneRowAndSkipsTheHeader) {
    fill(3, 5);
    grid.gsSetSelectRow(2);
    EXPECT_TRUE(grid.gfGetRowSelected(2));
    grid.gsSetSelectRow(4);
    EXPECT_FALSE(grid.gfGetRowSelected(2));
    EXPECT_TRUE(grid.gfGetRowSelected(4));
    grid.gsSetSelectRow(4);
    for (int32_t r = 0; r <= 5; ++r) EXPECT_FALSE(grid.gfGetRowSelected(r)) << r;

    grid.gsSetSelectRow(0);
    grid.gsSetSelectRow(-3);
    EXPECT_FALSE(grid.gfGetRowSelected(0));
    EXPECT_TRUE(desk.messages().empty());

    grid.gsSetSelectRow(grid.gfRowCount());
    EXPECT_EQ(desk.lastMessage().prompt, std::string("uctMyGrid::gsSetSelectRow():") + IndexError);

    // "Selected" sets the flag without the selection rules.
    grid.gsSetRowInfo(1, "Selected", true);
    grid.gsSetRowInfo(3, "Selected", -1);
    EXPECT_TRUE(grid.gfGetRowSelected(1));
    EXPECT_TRUE(grid.gfGetRowSelected(3));
}

TEST_F(GridTest, TheTopIndexIsClampedAtTheNextRefresh) {
    grid.gsClear();
    grid.gsCreateColsRows(2, 10);
    grid.gsSetTopIndexOfRowsY(500);
    EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), 500);
    grid.gsUpdate();
    EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), 9);

    fill(2, 9);
    grid.gsSetTopIndexOfRowsY(0);
    grid.gsUpdate();
    EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), 1);
}

TEST_F(GridTest, ClearingKeepsTheHorizontalPositionAndTheSelectionColours) {
    fill(6, 30);
    grid.gsSetSelectRowColor(RGB(0, 0, 128), vbWhite);
    grid.gsUpdate();
    sim::scroll(grid.hscMG, 3);
    sim::scroll(grid.vscMG, 10);
    ASSERT_EQ(grid.LeftIndexOfCols(), 3);

    fill(6, 30);
    EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), 0);
    grid.gsSetSelectRow(2);
    grid.gsUpdate();
    EXPECT_EQ(grid.LeftIndexOfCols(), 3);
    EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), 1);
    EXPECT_EQ(view(2).Left(), -4500);
    EXPECT_EQ(view(2).Cell(0).BackColor, RGB(0, 0, 128));
    EXPECT_EQ(view(2).Cell(0).ForeColor, vbWhite);
}

TEST_F(GridTest, TheListSpaceLeavesOutTheHorizontalBar) {
    fill(3, 3);
    grid.gsUpdate();
    EXPECT_EQ(grid.gfGetListSpaceHeight(), 3000);
    fill(6, 3);
    grid.gsUpdate();
    ASSERT_TRUE(grid.hscMG.Visible());
    EXPECT_EQ(grid.gfGetListSpaceHeight(), 3000 - 315);
}

// A whole row's cells in one call: only columns and rows inside the table.
TEST_F(GridTest, EditingARowsCellsStaysInsideTheTable) {
    fill(3, 4);
    std::vector<int32_t> seen;
    grid.editRowCells(2, -1, 5, [&seen](int32_t c, typCellData& cell) {
        seen.push_back(c);
        cell.Text = "x" + std::to_string(c);
        cell.FontBold = true;
    });
    EXPECT_EQ(seen, (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(grid.gfGetCellData(1, 2, "Text"), MGValue("x1"));
    EXPECT_TRUE(grid.Cell(2, 2).FontBold);
    EXPECT_EQ(grid.gfGetCellData(1, 3, "Text"), MGValue("1,3"));
    for (int32_t row : {-1, 5}) grid.editRowCells(row, 0, 3, [&seen](int32_t c, typCellData&) { seen.push_back(c); });
    EXPECT_EQ(seen.size(), 3u);
}

// Every row's height and the body rows' item data in one call: heights snap
// as gsSetRowInfo snaps them; item data stops where the table ends.
TEST_F(GridTest, RowHeightsAndItemDataInOneCall) {
    fill(2, 3);
    const std::vector<int32_t> data{7, 8, 9, 10};
    grid.setRowHeightsAndItemData(350, 2, data);
    for (int32_t r = 0; r <= 3; ++r) EXPECT_EQ(grid.RowInfo(r).Height, 345) << r;
    EXPECT_EQ(grid.gfGetRowItemData(1), 101);
    EXPECT_EQ(grid.gfGetRowItemData(2), 7);
    EXPECT_EQ(grid.gfGetRowItemData(3), 8);

    grid.setRowHeightsAndItemData(14, -1, data);
    EXPECT_EQ(grid.RowInfo(0).Height, 0);
    EXPECT_EQ(grid.gfGetRowItemData(0), 8);
    EXPECT_EQ(grid.gfGetRowItemData(2), 10);
    EXPECT_EQ(grid.gfGetRowItemData(3), 8); // past the data: as it was
}
