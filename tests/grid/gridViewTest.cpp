// The grid's display: the pool of row views, scrolling, the scroll bars and
// their corner, and the place of scrolled columns.
#include "GridFixture.h"

#include "platform/forms/Simulation.h"

#include <functional>
#include <set>

using namespace forms;

TEST_F(GridTest, ThePoolNeverHoldsMoreViewsThanFit) {
    fill(3, 1000);
    grid.gsUpdate();
    // Header and 9 rows of 300 twips fill the 3000-twip body exactly.
    EXPECT_EQ(grid.PoolSize(), 10);
    EXPECT_EQ(grid.ShownFirstRow(), 1);
    EXPECT_EQ(grid.ShownLastRow(), 9);
    for (int value : {1, 2, 3, 12, 11, 500, 501, 999, 1000, 990, 1}) {
        sim::scroll(grid.vscMG, value);
        EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), value);
        EXPECT_EQ(grid.PoolSize(), 10) << value;
        EXPECT_EQ(inUse(), value > 992 ? 1 + 1000 - value + 1 : 10) << value;
    }
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(GridTest, ScrollingOneRowMovesExactlyOneView) {
    fill(3, 100);
    grid.gsUpdate();
    std::vector<uctMGRow*> before;
    for (int32_t r = 0; r <= 9; ++r) before.push_back(&view(r));
    sim::scroll(grid.vscMG, 2);
    EXPECT_EQ(grid.RowView(1), nullptr);
    EXPECT_EQ(&view(0), before[0]);
    for (int32_t r = 2; r <= 9; ++r) EXPECT_EQ(&view(r), before[r]) << r;
    // The row coming in at the bottom takes the view the top row gave back.
    EXPECT_EQ(&view(10), before[1]);
    EXPECT_EQ(view(10).RowOfCellData(), 10);
    EXPECT_EQ(view(10).Top(), 2700);
    EXPECT_EQ(view(10).Cell(1).Text, "1,10");
    EXPECT_TRUE(view(10).Visible());
    EXPECT_EQ(grid.PoolSize(), 10);

    sim::scroll(grid.vscMG, 1);
    EXPECT_EQ(grid.RowView(10), nullptr);
    EXPECT_EQ(&view(1), before[1]);
}

TEST_F(GridTest, AHiddenGridShowsNoRowsUntilItIsRefreshedShown) {
    fill(3, 100);
    grid.gsUpdate();
    ASSERT_EQ(grid.PoolSize(), 10);
    grid.setVisible(false);
    grid.gsUpdate();
    EXPECT_EQ(inUse(), 0);
    EXPECT_EQ(grid.RowView(0), nullptr);
    // Filled again while hidden: no views, but the scroll bars follow the table.
    fill(3, 3);
    grid.gsUpdate();
    EXPECT_FALSE(grid.vscMG.Visible());
    fill(3, 100);
    grid.gsUpdate();
    EXPECT_EQ(inUse(), 0);
    EXPECT_TRUE(grid.vscMG.Visible());
    grid.setVisible(true);
    grid.gsUpdate();
    EXPECT_EQ(inUse(), 10);
    EXPECT_EQ(grid.PoolSize(), 10);
    EXPECT_EQ(view(0).Cell(1).Text, "H1");
    EXPECT_EQ(view(9).Cell(1).Text, "1,9");
}

TEST_F(GridTest, WhichScrollBarsShow) {
    struct Case {
        const char* what;
        std::vector<int32_t> widths;
        int32_t bodyRows;
        bool v, h;
    } cases[] = {
        {"all fits", {1500, 1500, 1500}, 5, false, false},
        {"rows fill the height", {1500, 1500, 1500}, 9, true, false},
        {"columns fill the width", {3000, 3000}, 5, false, true},
        {"both", {3000, 3000, 1000}, 20, true, true},
        {"rows fit only without the horizontal bar", {4000, 3000}, 8, true, true},
        {"columns fit only without the vertical bar", {3000, 2800}, 20, true, true},
        {"columns just clear of the vertical bar", {3000, 2600}, 20, true, false},
        {"one column never scrolls sideways", {9000}, 20, true, false},
        {"a header alone never scrolls", {3000, 3000, 3000}, 0, false, true},
    };
    for (const Case& k : cases) {
        grid.gsClear();
        grid.gsSetFixedTopRow(true, false);
        grid.gsCreateColsRows(static_cast<int32_t>(k.widths.size()), k.bodyRows + 1);
        for (size_t c = 0; c < k.widths.size(); ++c) grid.gsSetColInfo(static_cast<int32_t>(c), "Width", k.widths[c]);
        for (int32_t r = 0; r <= k.bodyRows; ++r) grid.gsSetRowInfo(r, "Height", 300);
        grid.gsUpdate();
        EXPECT_EQ(grid.vscMG.Visible(), k.v) << k.what;
        EXPECT_EQ(grid.hscMG.Visible(), k.h) << k.what;
        EXPECT_EQ(grid.picScrBarCorner.Visible(), k.v && k.h) << k.what;
        EXPECT_EQ(grid.vscMG.Enabled(), k.v) << k.what;
    }
}

TEST_F(GridTest, BothBarsLeaveTheCornerToTheSquare) {
    fill(3, 20, 3000);
    grid.gsUpdate();
    const Control& v = grid.vscMG;
    const Control& h = grid.hscMG;
    const Control& corner = grid.picScrBarCorner;
    EXPECT_EQ((std::vector<double>{v.Left(), v.Top(), v.Width(), v.Height()}), (std::vector<double>{5685, 0, 315, 2685}));
    EXPECT_EQ((std::vector<double>{h.Left(), h.Top(), h.Width(), h.Height()}), (std::vector<double>{0, 2685, 5685, 315}));
    EXPECT_EQ((std::vector<double>{corner.Left(), corner.Top(), corner.Width(), corner.Height()}),
              (std::vector<double>{5685, 2685, 315, 315}));
    EXPECT_EQ(corner.BackColor(), vbWhite);
    // The bars' ranges: rows from the first body row, a page of the rows
    // wholly above the horizontal bar (header 300 + 7 × 300 < 2685).
    EXPECT_EQ(grid.vscMG.Min(), 1);
    EXPECT_EQ(grid.vscMG.Max(), 20);
    EXPECT_EQ(grid.vscMG.LargeChange(), 7);
    EXPECT_EQ(grid.hscMG.Max(), 2);
    EXPECT_EQ(grid.hscMG.LargeChange(), 1);
}

TEST_F(GridTest, TrackClicksScrollByTheRowsWhollyVisible) {
    fill(3, 40);
    grid.gsUpdate();
    // Rows 1 to 9 reach the body's edge exactly: the last one counts as cut.
    EXPECT_EQ(grid.vscMG.LargeChange(), 8);
    sim::scroll(grid.vscMG, grid.vscMG.Value() + grid.vscMG.LargeChange());
    EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), 9);
    form.uctGrid.Move(0, 0, 6060, 3160); // 100 twips more: rows 9 to 17 whole, 18 cut
    EXPECT_EQ(grid.vscMG.LargeChange(), 9);
}

TEST_F(GridTest, ScrolledColumnsLieAtNegativePositions) {
    grid.gsClear();
    grid.gsSetFixedTopRow(true, false);
    grid.gsCreateColsRows(3, 4);
    const int32_t widths[] = {990, 1500, 810};
    for (int32_t c = 0; c < 3; ++c) grid.gsSetColInfo(c, "Width", widths[c]);
    form.uctGrid.Move(0, 0, 2060, 3060); // a body 2000 twips wide
    sim::scroll(grid.hscMG, 2);
    ASSERT_EQ(grid.LeftIndexOfCols(), 2);
    for (int32_t r = 0; r < 4; ++r) {
        EXPECT_EQ(view(r).Left(), -2490) << r;
        EXPECT_EQ(view(r).Width(), 3300 + 45) << r;
    }
}

TEST_F(GridTest, ARowOfHeightZeroHoldsAHiddenViewAndNoSpace) {
    fill(3, 6);
    grid.gsSetRowInfo(2, "Height", 0);
    grid.gsUpdate();
    EXPECT_FALSE(view(2).Visible());
    EXPECT_TRUE(view(1).Visible());
    EXPECT_EQ(view(2).Top(), 600);
    EXPECT_EQ(view(3).Top(), 600);
}

TEST_F(GridTest, AHeaderAndOneRowShowWithoutBars) {
    grid.gsClear();
    grid.gsSetFixedTopRow(true, false);
    grid.gsCreateColsRows(2, 2);
    grid.gsSetRowInfo(0, "Height", 360);
    grid.gsSetRowInfo(1, "Height", 360);
    grid.gsUpdate();
    EXPECT_EQ(view(0).Top(), 0);
    EXPECT_EQ(view(1).Top(), 360);
    EXPECT_EQ(view(0).Kind(), MGRowKindHeader);
    EXPECT_EQ(view(1).Kind(), MGRowKindBody);
    EXPECT_FALSE(grid.vscMG.Visible());
    EXPECT_EQ(grid.PoolSize(), 2);
}

TEST_F(GridTest, AnEmptyGridLeavesTheDisplayAsItWas) {
    fill(3, 30);
    grid.gsUpdate();
    ASSERT_TRUE(grid.vscMG.Visible());
    grid.gsClear();
    grid.gsUpdate();
    EXPECT_TRUE(grid.vscMG.Visible());
    EXPECT_EQ(grid.PoolSize(), 0);
    grid.gsCreateColsRows(3, 0);
    grid.gsUpdate();
    EXPECT_TRUE(grid.vscMG.Visible());
}

TEST_F(GridTest, ResizingTheControlShowsMoreOrFewerRows) {
    fill(3, 40);
    grid.gsUpdate();
    form.uctGrid.Move(0, 0, 6060, 1560); // body 1500 high: header and 4 rows
    EXPECT_EQ(grid.ShownLastRow(), 4);
    EXPECT_EQ(inUse(), 5);
    EXPECT_EQ(grid.PoolSize(), 10);
    form.uctGrid.Move(0, 0, 6060, 4560);
    EXPECT_EQ(grid.ShownLastRow(), 14);
    EXPECT_EQ(inUse(), 15);
    EXPECT_EQ(grid.PoolSize(), 15);
}

// A refresh sets the bar's range before its value; the range can move the
// bar to another row on the way, whose Change lays the rows out there. The
// refresh still ends with the rows laid out from its own top.
TEST_F(GridTest, ARefreshEndsLaidOutFromItsOwnTopThoughTheBarMovedOnTheWay) {
    fill(3, 100);
    grid.gsUpdate();
    sim::scroll(grid.vscMG, 80);
    fill(3, 30);
    grid.gsSetTopIndexOfRowsY(5);
    grid.gsUpdate(); // the new Max moves the bar from 80 to 30 first
    EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), 5);
    EXPECT_EQ(grid.vscMG.Value(), 5);
    EXPECT_EQ(grid.ShownFirstRow(), 5);
    EXPECT_EQ(view(5).Top(), 300);
    EXPECT_EQ(view(5).Cell(1).Text, "1,5");
    EXPECT_EQ(grid.RowView(30), nullptr);
    EXPECT_EQ(inUse(), 10);
}

TEST_F(GridTest, RefreshingRepaintsOnlyTheRowsThatChanged) {
    fill(3, 20);
    grid.gsUpdate();
    sim::click(view(2).lblObj(0));
    // Marks left on the labels show which views were painted again.
    for (int32_t r = 1; r <= 9; ++r) view(r).lblObj(1).setCaption("unpainted");
    sim::click(view(5).lblObj(0));
    for (int32_t r = 1; r <= 9; ++r) {
        const bool repainted = r == 2 || r == 5;
        EXPECT_EQ(view(r).lblObj(1).Caption() != "unpainted", repainted) << r;
    }
}

TEST_F(GridTest, AHundredThousandRowsScrollWithTheSamePool) {
    fill(4, 100000);
    grid.gsUpdate();
    EXPECT_EQ(grid.PoolSize(), 10);
    // The 16-bit bar spreads the rows over its whole travel.
    EXPECT_EQ(grid.vscMG.Max(), 32767);
    sim::scroll(grid.vscMG, 32767);
    EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), 100000);
    EXPECT_EQ(view(100000).Cell(2).Text, "2,100000");
    sim::scroll(grid.vscMG, 2);
    EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), 4);
    // A position set by code stays as it is, though the bar cannot show it exactly.
    grid.gsSetTopIndexOfRowsY(50001);
    grid.gsUpdate();
    EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), 50001);
    EXPECT_EQ(view(50001).Top(), 300);
    EXPECT_EQ(grid.PoolSize(), 10);
    EXPECT_TRUE(desk.messages().empty());
}

// A window rebuilds its list by clearing and refilling the grid. The pool
// starts again from nothing, but the row views it held come back into it in
// the same order instead of being made anew, each showing its new row as a
// view fresh from the pool would.
TEST_F(GridTest, ARefilledGridTakesItsRowViewsAgain) {
    fill(3, 40);
    grid.gsUpdate();
    std::vector<uctMGRow*> before;
    for (int32_t i = 1; i <= grid.PoolSize(); ++i) before.push_back(&grid.uctMGRow(i));
    grid.gsClear();
    EXPECT_EQ(grid.PoolSize(), 0);
    for (uctMGRow* v : before) EXPECT_FALSE(v->Visible());

    fill(3, 40);
    grid.gsSetText(1, 4, "changed");
    grid.gsUpdate();
    ASSERT_EQ(grid.PoolSize(), 10);
    for (int32_t i = 1; i <= 10; ++i) EXPECT_EQ(&grid.uctMGRow(i), before[static_cast<size_t>(i - 1)]) << i;
    EXPECT_EQ(view(4).lblObj(1).Caption(), "changed");
    EXPECT_EQ(view(5).lblObj(1).Caption(), "1,5");
    EXPECT_EQ(inUse(), 10);

    // Another number of columns: the views are rebuilt for it.
    fill(5, 40, 1000);
    grid.gsUpdate();
    EXPECT_EQ(view(1).Cols(), 5);
    EXPECT_EQ(view(1).lblObj(4).Caption(), "4,1");
    EXPECT_TRUE(desk.messages().empty());
}

// A view that would look the same when cleared and rendered again is kept as
// it is; any difference (a value, the row's height, the first column shown,
// a tick the user left on its box) makes it clear and render anew.
TEST_F(GridTest, ARefillRepaintsOnlyTheRowsThatWouldLookDifferent) {
    auto refill = [this](const std::function<void()>& change) {
        fill(4, 20);
        for (int32_t r = 1; r <= 20; ++r) grid.gsSetCellData(3, r, "Type", 5);
        change();
        grid.gsUpdate();
    };
    refill([] {});
    const std::string mark = "unpainted";
    auto markAll = [&] {
        for (int32_t r = 1; r <= 9; ++r) view(r).lblObj(1).setCaption(mark);
    };
    auto repainted = [&] {
        std::set<int32_t> rows;
        for (int32_t r = 1; r <= 9; ++r)
            if (view(r).lblObj(1).Caption() != mark) rows.insert(r);
        return rows;
    };

    markAll();
    refill([] {});
    EXPECT_EQ(repainted(), std::set<int32_t>{});

    markAll();
    refill([this] {
        grid.gsSetText(2, 3, "other");
        grid.gsSetRowInfo(5, "Height", 330);
        grid.gsSetCellData(0, 7, "BackColor", RGB(240, 255, 240));
        grid.gsSetCellData(3, 8, "Type", 0);
    });
    // Row 5 is taller, so the rows below it move but draw the same. Row 8
    // has no check box any more, and its view shows none.
    EXPECT_EQ(repainted(), (std::set<int32_t>{3, 5, 7, 8}));
    EXPECT_FALSE(view(8).chkObj.Visible());
    EXPECT_TRUE(view(9).chkObj.Visible());

    // A tick the user gave and the window does not keep: the box shows the
    // cell's value again.
    sim::click(view(6).chkObj);
    ASSERT_EQ(view(6).chkObj.Value(), vbChecked);
    markAll();
    refill([] {});
    EXPECT_EQ(view(6).chkObj.Value(), vbUnchecked);
    EXPECT_EQ(repainted(), (std::set<int32_t>{3, 5, 6, 7, 8}));
}

// Scrolling the columns hides the header's left drag strips of the columns
// scrolled out without painting the header; a refill paints it anew, which
// shows every strip again (those scrolled out lie left of the edge).
TEST_F(GridTest, ARefillAfterScrollingColumnsPaintsTheHeaderAnew) {
    fill(6, 20);
    grid.gsUpdate();
    sim::scroll(grid.hscMG, 2);
    EXPECT_FALSE(view(0).lblBarOfColMoveL(1).Visible());
    fill(6, 20);
    grid.gsUpdate();
    const uctMGRow& header = view(0);
    EXPECT_EQ(header.LeftIndexOfCols(), 2);
    for (int32_t j = 0; j < 6; ++j) EXPECT_TRUE(header.lblBarOfColMoveL(j).Visible()) << j;
}
