// The grid under the mouse, through the same input pipeline a person's
// clicks take: selection, the four events, check boxes and column drags.
#include "GridFixture.h"

#include "platform/forms/Simulation.h"

using namespace forms;

namespace {

// A 4-column grid whose last column holds check boxes; columns of 1410
// twips leave the body without a horizontal bar.
class GridEventsTest : public GridTest {
protected:
    GridEventsTest() {
        fill(4, 40, 1410);
        for (int32_t r = 1; r <= 40; ++r) grid.gsSetCellData(3, r, "Type", 5);
        grid.gsUpdate();
    }

    // Drags the right border of header column `col` by `dx` twips.
    void drag(int32_t col, double dx, bool release = true) {
        Label& strip = view(0).lblBarOfColMoveR(col);
        sim::mouseDown(strip, 15, 100);
        sim::mouseMove(strip, 15 + dx, 100, vbLeftButton);
        if (release) sim::mouseUp(strip, 15 + dx, 100);
    }
};

} // namespace

TEST_F(GridEventsTest, AClickSelectsTheRowAloneBeforeItIsReported) {
    grid.gsSetSelectRowColor(RGB(0, 0, 128), vbWhite);
    grid.gsSetRowInfo(7, "Selected", true);
    grid.MGCellClick = [this](int32_t c, int32_t r) {
        events.push_back("click " + pos(c, r));
        for (int32_t i = 0; i <= 40; ++i) EXPECT_EQ(grid.gfGetRowSelected(i), i == r) << i;
        EXPECT_EQ(view(r).Cell(0).BackColor, RGB(0, 0, 128)); // already shown selected
    };
    sim::click(view(3).lblObj(1));
    sim::click(view(5).lblObj(0));
    sim::click(view(5).lblObj(2));
    EXPECT_EQ(events, (std::vector<std::string>{"click 1,3", "click 0,5", "click 2,5"}));
    EXPECT_EQ(view(3).Cell(0).BackColor, vbWhite);
    EXPECT_EQ(view(7).Cell(0).BackColor, vbWhite);
}

TEST_F(GridEventsTest, HeaderClicksDoNothing) {
    sim::click(view(0).lblObj(1));
    sim::dblClick(view(0).lblObj(2));
    EXPECT_TRUE(events.empty());
    for (int32_t i = 0; i <= 40; ++i) EXPECT_FALSE(grid.gfGetRowSelected(i));
}

TEST_F(GridEventsTest, ADoubleClickIsOneClickThenTheDoubleClick) {
    grid.gsSetSelectRow(2);
    sim::dblClick(view(4).lblObj(1));
    EXPECT_EQ(events, (std::vector<std::string>{"click 1,4", "dblclick 1,4"}));
    EXPECT_TRUE(grid.gfGetRowSelected(4));
    EXPECT_FALSE(grid.gfGetRowSelected(2));
}

TEST_F(GridEventsTest, AClickOnTheRowsSurfaceReportsTheColumnUnderThePress) {
    uctMGRow& row = view(6);
    const struct {
        double x;
        int32_t col;
    } cases[] = {{20, 0}, {1410 + 20, 1}, {2820 - 10, 1}, {5640 + 20, 3}};
    for (const auto& k : cases) {
        sim::mouseDown(row, k.x, 150);
        sim::mouseUp(row, k.x, 150);
    }
    EXPECT_EQ(events, (std::vector<std::string>{"click 0,6", "click 1,6", "click 1,6", "click 3,6"}));
}

TEST_F(GridEventsTest, TickingReportsTwoAndUntickingZero) {
    sim::click(view(2).chkObj);
    EXPECT_EQ(events, (std::vector<std::string>{"check 3,2 2", "click 3,2"}));
    EXPECT_EQ(grid.gfGetCellData(3, 2, "Value"), MGValue(2));
    EXPECT_TRUE(grid.gfGetRowSelected(2));
    events.clear();
    sim::click(view(2).chkObj);
    EXPECT_EQ(events, (std::vector<std::string>{"check 3,2 0", "click 3,2"}));
    EXPECT_EQ(grid.gfGetCellData(3, 2, "Value"), MGValue(0));
    EXPECT_EQ(view(2).chkObj.Value(), vbUnchecked);
}

TEST_F(GridEventsTest, ATickInANarrowColumnIsTheColumnsOwn) {
    // A centred box wider than its 10-pixel column starts in the column before.
    grid.gsSetColInfo(3, "Width", 150);
    for (int32_t r = 1; r <= 40; ++r) grid.gsSetCellData(3, r, "Alignment", 2);
    grid.gsUpdate();
    ASSERT_LT(view(2).chkObj.Left(), 3 * 1410);
    sim::click(view(2).chkObj);
    EXPECT_EQ(events, (std::vector<std::string>{"check 3,2 2", "click 3,2"}));
    EXPECT_EQ(grid.gfGetCellData(3, 2, "Value"), MGValue(2));
    EXPECT_EQ(grid.gfGetCellData(2, 2, "Value"), MGValue(0));
}

TEST_F(GridEventsTest, TicksSetByTheProgramReportNothing) {
    grid.gsSetCellData(3, 5, "Value", 1);
    grid.gsUpdate();
    EXPECT_EQ(view(5).chkObj.Value(), vbChecked);
    grid.gsSetCellData(3, 5, "Value", 0);
    grid.gsUpdate();
    EXPECT_EQ(view(5).chkObj.Value(), vbUnchecked);
    EXPECT_TRUE(events.empty());
}

TEST_F(GridEventsTest, DraggingAHeaderBorderResizesTheColumn) {
    drag(1, 150, false);
    const Control& bar = grid.picMoveingBar;
    EXPECT_TRUE(bar.Visible());
    EXPECT_EQ((std::vector<double>{bar.Left(), bar.Top(), bar.Width(), bar.Height()}),
              (std::vector<double>{1410 + 1410 + 150, 0, 15, 3000}));
    EXPECT_EQ(grid.ColWidth(1), 1410); // unchanged until the release
    sim::mouseUp(view(0).lblBarOfColMoveR(1), 165, 100);
    EXPECT_FALSE(bar.Visible());
    EXPECT_EQ(grid.ColWidth(1), 1560);
    EXPECT_EQ(view(3).Cell(1).Width, 1560);
    EXPECT_EQ(events, (std::vector<std::string>{"width"}));
}

TEST_F(GridEventsTest, DragsAreClampedAtZeroAndAtTheLimit) {
    const struct {
        double dx;
        int32_t width;
    } cases[] = {
        {-5000, 0},
        {7, 0},                      // less than a pixel to the right of nothing
        {20000, 6000 - 315 - 5 * 15}, // the body less the vertical bar and 5 pixels
        {0, 6000 - 315 - 5 * 15},     // a press and release without moving
    };
    for (const auto& k : cases) {
        events.clear();
        drag(0, k.dx);
        EXPECT_EQ(grid.ColWidth(0), k.width) << k.dx;
        EXPECT_EQ(events, (std::vector<std::string>{"width"})) << k.dx;
    }
}

TEST_F(GridEventsTest, TheLeftStripDragsTheSameBorder) {
    Label& strip = view(0).lblBarOfColMoveL(0);
    sim::mouseDown(strip, 20, 100);
    sim::mouseMove(strip, 20 - 300, 100, vbLeftButton);
    sim::mouseUp(strip, 20 - 300, 100);
    EXPECT_EQ(grid.ColWidth(0), 1110);
}

TEST_F(GridEventsTest, InterruptingADragKeepsTheWidthReached) {
    grid.gsInterruptResizeCol();
    EXPECT_TRUE(events.empty());
    drag(2, -300, false);
    grid.gsInterruptResizeCol();
    EXPECT_EQ(grid.ColWidth(2), 1110);
    EXPECT_FALSE(grid.picMoveingBar.Visible());
    EXPECT_EQ(events, (std::vector<std::string>{"width"}));
    grid.gsInterruptResizeCol();
    EXPECT_EQ(events.size(), 1u);
}

TEST_F(GridEventsTest, AWindowMayRebuildTheGridFromItsClickHandler) {
    grid.MGCellClick = [this](int32_t, int32_t r) {
        events.push_back("rebuilt at " + std::to_string(r));
        fill(4, 10, 1410);
        for (int32_t i = 1; i <= 10; ++i) grid.gsSetCellData(3, i, "Type", 5);
        grid.gsSetSelectRow(r);
        grid.gsUpdate();
    };
    sim::click(view(3).lblObj(0));
    sim::click(view(4).chkObj);
    EXPECT_EQ(events, (std::vector<std::string>{"rebuilt at 3", "check 3,4 2", "rebuilt at 4"}));
    EXPECT_TRUE(grid.gfGetRowSelected(4));
    EXPECT_EQ(grid.PoolSize(), 10);
    EXPECT_TRUE(desk.messages().empty());
}
