#include "AllControls.h"

#include <gtest/gtest.h>

using namespace forms;

namespace {

// A composite control of our own: a row of cells that raises its own event.
class CellRow : public UserControl {
public:
    CellRow(Container& parent, ControlName name, int index = -1) : UserControl(parent, std::move(name), index) {
        txtCell.Click = [this] { raise(CellClick, Index(), 0); };
    }
    TextBox txtCell{*this, "txtCell"};
    Label lblCell{*this, "lblCell"};
    Event<void(int32_t row, int32_t col)> CellClick;
    int resizes = 0;

protected:
    void UserControl_Resize() override { ++resizes; }
};

class GridHost : public Form {
public:
    GridHost() : Form("GridHost") {
        rows.on(&CellRow::CellClick, [this](int Index, int32_t row, int32_t col) {
            clicks.push_back(std::to_string(Index) + ":" + std::to_string(row) + "," + std::to_string(col));
        });
        rows[0].Move(0, 0, 3000, 350);
        rows[0].txtCell.Move(0, 0, 1000, 350);
    }
    TextBox txtBefore{*this, "txtBefore"};
    ControlArray<CellRow> rows{*this, "rows", {0}};
    CommandButton btnAfter{*this, "btnAfter"};
    Events clicks;
};

TEST(UserControls, InsidesFormTheirOwnCollectionAndJoinTheTabOrder) {
    doubles::TestDesktop desk;
    GridHost f;
    EXPECT_EQ(f.Controls().size(), 3u); // txtBefore, rows(0), btnAfter
    EXPECT_EQ(f.rows[0].Controls().size(), 2u);
    EXPECT_EQ(f.rows[0].txtCell.userControl(), &f.rows[0]);
    f.Show();
    EXPECT_EQ(f.ActiveControl(), &f.txtBefore);
    sim::pressKey(f, vbKeyTab);
    EXPECT_EQ(f.ActiveControl(), &f.rows[0].txtCell);
    sim::pressKey(f, vbKeyTab);
    EXPECT_EQ(f.ActiveControl(), &f.btnAfter);
}

TEST(UserControls, LoadedCopiesRaiseTheirOwnEventsWithTheirIndex) {
    doubles::TestDesktop desk;
    GridHost f;
    CellRow& row = f.rows.Load(2);
    EXPECT_DOUBLE_EQ(row.Width(), 3000); // element 0's size
    EXPECT_EQ(row.resizes, 1);
    row.setVisible(true);
    row.txtCell.Move(0, 0, 1000, 350);
    f.Show();
    sim::click(row.txtCell);
    EXPECT_EQ(f.clicks, (Events{"2:2,0"}));
    row.setHeight(700);
    EXPECT_EQ(row.resizes, 2);
}

// A composite control that holds a control array of its own, as the grid's
// row views hold their cell labels.
class ArrayRow : public UserControl {
public:
    ArrayRow(Container& parent, ControlName name, int index = -1) : UserControl(parent, std::move(name), index) {}
    ControlArray<Label> lblCells{*this, "lblCells", {0}};
};

class ArrayRowHost : public Form {
public:
    ArrayRowHost() : Form("ArrayRowHost") {}
    ControlArray<ArrayRow> rows{*this, "rows", {0}};
};

TEST(UserControls, UnloadingAFormRemovesLoadedCopiesThatHoldArraysOfTheirOwn) {
    doubles::TestDesktop desk;
    ArrayRowHost f;
    f.Show();
    for (int i = 1; i <= 3; ++i) f.rows.Load(i).lblCells.Load(1);
    EXPECT_TRUE(f.Unload());
    EXPECT_FALSE(f.Loaded());
    EXPECT_EQ(f.Controls().size(), 1u); // element 0 stays
}

} // namespace
