#pragma once
#include "grid/uctMyGrid.h"

#include "platform/forms/Form.h"
#include "platform/forms/testing/TestDesktop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A window holding one grid whose body offers 6000 × 3000 twips to rows
// (the body's border takes 2 pixels on each side).
class GridForm : public forms::Form {
public:
    GridForm() : Form("frmGridTest") {
        setClientSize(9000, 6000);
        uctGrid.Move(0, 0, 6060, 3060);
    }
    uctMyGrid uctGrid{*this, "uctGrid"};
};

// The headless desktop, the window, and what the grid reported to it.
class GridTest : public ::testing::Test {
protected:
    GridTest() {
        grid.MGCellClick = [this](int32_t c, int32_t r) { events.push_back("click " + pos(c, r)); };
        grid.MGCellDblClick = [this](int32_t c, int32_t r) { events.push_back("dblclick " + pos(c, r)); };
        grid.MGCellCheckBoxClick = [this](int32_t c, int32_t r, int32_t v) {
            events.push_back("check " + pos(c, r) + " " + std::to_string(v));
        };
        grid.MGCellColWidthChange = [this] { events.push_back("width"); };
    }

    static std::string pos(int32_t c, int32_t r) { return std::to_string(c) + "," + std::to_string(r); }

    // The usual filling order of a window: a table of `cols` columns of
    // `colWidth` and `rows` body rows of 300 twips below a 300-twip header;
    // cell texts "c,r", item data 100 + r.
    void fill(int32_t cols, int32_t rows, int32_t colWidth = 1500, bool resizable = true) {
        grid.gsClear();
        grid.gsSetFixedTopRow(true, resizable);
        grid.gsCreateColsRows(cols, rows + 1);
        for (int32_t c = 0; c < cols; ++c) {
            grid.gsSetColInfo(c, "Width", colWidth);
            grid.gsSetText(c, 0, "H" + std::to_string(c));
        }
        for (int32_t r = 0; r <= rows; ++r) {
            grid.gsSetRowInfo(r, "Height", 300);
            if (r > 0) grid.gsSetRowInfo(r, "RowItemData", 100 + r);
            for (int32_t c = 0; c < cols && r > 0; ++c) grid.gsSetText(c, r, pos(c, r));
        }
    }

    // The row view showing a row; fails the test when there is none.
    uctMGRow& view(int32_t row) {
        uctMGRow* v = grid.RowView(row);
        EXPECT_NE(v, nullptr) << "row " << row << " has no view";
        return *v;
    }

    // Row views of the pool in use now.
    int inUse() const {
        int n = 0;
        for (int32_t i = 1; i <= grid.PoolSize(); ++i) n += grid.uctMGRow(i).gfIsUsedNow() ? 1 : 0;
        return n;
    }

    forms::doubles::TestDesktop desk;
    GridForm form;
    uctMyGrid& grid = form.uctGrid;
    std::vector<std::string> events;
};
