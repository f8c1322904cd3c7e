// One row view on its own: the dirty rule, and what a render shows for the
// cell types, alignments, narrow columns and row kinds.
#include "grid/uctMGRow.h"

#include <algorithm>

#include "platform/forms/Form.h"
#include "platform/forms/testing/TestDesktop.h"

#include <gtest/gtest.h>

using namespace forms;

namespace {

class RowForm : public Form {
public:
    RowForm() : Form("frmRowTest") {}
    uctMGRow row{*this, "uctMGRow"};
};

class RowViewTest : public ::testing::Test {
protected:
    RowViewTest() {
        row.gsCreateRows(3);
        row.Move(0, 0, 4545, 300);
        for (int32_t c = 0; c < 3; ++c) row.gsSetColWidth(c, 1500);
        row.gsSetRowOfCellData(1);
        row.gsUpdate();
    }
    doubles::TestDesktop desk;
    RowForm form;
    uctMGRow& row = form.row;
};

} // namespace

TEST_F(RowViewTest, EqualValuesLeaveTheViewClean) {
    ASSERT_FALSE(row.Dirty());
    row.gsSetText(0, "");
    row.gsSetColWidth(1, 1500);
    row.gsSetBackColor(2, vbWhite);
    row.gsSetTextFontSize(0, 11.25);
    row.gsSetKind(MGRowKindBody);
    row.gsSetRowOfCellData(1);
    row.gsSetLeftIndexOfCols(3);
    row.gsSetUsedNow(true);
    EXPECT_FALSE(row.Dirty());
    // A clean view paints nothing: what its controls show stays.
    row.lblObj(0).setCaption("left alone");
    row.gsUpdate();
    EXPECT_EQ(row.lblObj(0).Caption(), "left alone");

    row.gsSetText(0, "Ａ");
    EXPECT_TRUE(row.Dirty());
    row.gsUpdate();
    EXPECT_FALSE(row.Dirty());
    EXPECT_EQ(row.lblObj(0).Caption(), "Ａ");
}

TEST_F(RowViewTest, AnotherRowNumberMakesTheViewDirty) {
    row.gsSetRowOfCellData(2);
    EXPECT_TRUE(row.Dirty());
}

TEST_F(RowViewTest, ColumnsOutsideTheRowChangeNothing) {
    row.gsSetText(-1, "x");
    row.gsSetText(3, "x");
    row.gsSetType(3, 5);
    row.gsSetBackColor(-1, vbBlack);
    EXPECT_FALSE(row.Dirty());
}

TEST_F(RowViewTest, ClearingGivesEveryCellTheDefaults) {
    row.gsSetText(1, "x");
    row.gsSetTextFontSize(1, 20);
    row.gsSetUsedNow(true);
    row.gsUpdate();
    ASSERT_FALSE(row.Painted().empty());
    row.gsClear();
    EXPECT_TRUE(row.Painted().empty()); // the surface is white again
    EXPECT_EQ(row.Cell(1).Width, 1155);
    EXPECT_EQ(row.Cell(1).FontSize, 11.25);
    EXPECT_EQ(row.Cell(1).Text, "");
    EXPECT_EQ(row.RowOfCellData(), -1);
    EXPECT_FALSE(row.gfIsUsedNow());
    EXPECT_FALSE(row.Dirty());
    EXPECT_FALSE(row.lblObj(1).Visible());
}

TEST_F(RowViewTest, ABodyCellShowsItsLabelBackgroundAndGreyBorders) {
    row.gsSetText(1, "abc");
    row.gsSetBackColor(1, RGB(240, 255, 240));
    row.gsSetForeColor(1, RGB(0, 0, 255));
    row.gsUpdate();
    const Label& label = row.lblObj(1);
    EXPECT_TRUE(label.Visible());
    EXPECT_EQ(label.Left(), 1500 + 45);
    EXPECT_EQ(label.Width(), 1500 - 90);
    EXPECT_EQ(label.Top(), (300 - label.Height()) / 2);
    EXPECT_EQ(label.BackColor(), RGB(240, 255, 240));
    EXPECT_EQ(label.ForeColor(), RGB(0, 0, 255));
    // Each cell's background is painted on the surface, over its whole cell.
    ASSERT_EQ(row.Painted().size(), 3u);
    EXPECT_EQ(row.Painted()[1], (UserControl::PaintedBox{1500, 0, 3000, 300, RGB(240, 255, 240)}));
    EXPECT_EQ(row.Painted()[0].color, vbWhite);
    // One bottom line under all three cells.
    EXPECT_TRUE(row.linBottom.Visible());
    EXPECT_EQ(row.linBottom.BorderColor(), vbGrayText);
    EXPECT_EQ((std::vector<double>{row.linBottom.X1(), row.linBottom.X2(), row.linBottom.Y1()}),
              (std::vector<double>{0, 4500, 300 - 15}));
    EXPECT_EQ(row.linRight(1).X1(), 3000 - 15);
    // A view that has only been a body row has no header parts past the first column.
    EXPECT_FALSE(row.linTop(0).Visible());
    EXPECT_FALSE(row.linTop.exists(1));
    EXPECT_FALSE(row.lblBarOfColMoveR.exists(1));
}

TEST_F(RowViewTest, AlignmentCodesPlaceTheLabel) {
    const struct {
        int32_t code;
        bool top, bottom;
        int16_t textAlign;
    } cases[] = {{0, false, false, vbLeftJustify}, {4, true, false, vbRightJustify}, {8, false, true, vbCenter}};
    for (const auto& k : cases) {
        row.gsSetAlignment(0, k.code);
        row.gsSetText(0, "t" + std::to_string(k.code));
        row.gsUpdate();
        const Label& label = row.lblObj(0);
        const double top = k.top ? 45 : k.bottom ? 300 - (label.Height() + 45) : (300 - label.Height()) / 2;
        EXPECT_EQ(label.Top(), top) << k.code;
        EXPECT_EQ(label.Alignment(), k.textAlign) << k.code;
    }
    // A code outside 0 to 8 leaves the label where it was.
    row.gsSetAlignment(0, 9);
    row.gsSetText(0, "moved?");
    row.gsUpdate();
    EXPECT_EQ(row.lblObj(0).Top(), 300 - (row.lblObj(0).Height() + 45));
    EXPECT_EQ(row.lblObj(0).Alignment(), vbCenter);
}

// The fixed-pitch metric: a half-width character is half an em (size × 10
// twips), any other one em.
TEST_F(RowViewTest, ATextWiderThanItsCellIsDrawnSmallerOrShowsItsStart) {
    const struct {
        const char* text;
        int32_t width, alignment;
        double size;         // the cell's font size
        const char* caption; // what the label shows
        double shown;        // at that size
        int stretch;         // and that width in percent
    } cases[] = {
        {"36H(9x4)", 1150, 2, 10, "36H(9x4)", 10, 100},             // fits as it is
        {"120H(12x10)", 1150, 2, 10, "120H(12x10)", 9.25, 100},     // 1100 twips in 1060: one step smaller
        {"12345678901234", 1150, 0, 11.25, "12345678901234", 7.5, 100}, // 1050 twips: fits at the floor
        {"123456789012345", 1150, 0, 11.25, "123456789012345", 7.5, 90}, // 1125 there: condensed
        {"12345678901234567890", 1150, 0, 11.25, "1234567…", 11.25, 100}, // not even so: its start
        {"000000000000000000000", 600, 1, 11.25, "00…", 11.25, 100},
        {"", 1150, 1, 11.25, "", 11.25, 100},
    };
    for (const auto& k : cases) {
        row.gsSetColWidth(1, k.width);
        row.gsSetAlignment(1, k.alignment);
        row.gsSetTextFontSize(1, k.size);
        row.gsSetText(1, k.text);
        row.gsUpdate();
        const Label& label = row.lblObj(1);
        EXPECT_EQ(label.Caption(), k.caption) << k.text;
        EXPECT_EQ(label.font().Size, k.shown) << k.text;
        EXPECT_EQ(label.font().Stretch, k.stretch) << k.text;
        EXPECT_EQ(label.Left(), 1500 + 45) << k.text;
        EXPECT_EQ(label.Width(), k.width - 90) << k.text;
        EXPECT_EQ(label.Top(), (300 - label.Height()) / 2) << k.text;
        EXPECT_EQ(row.Cell(1).Text, k.text) << "the cell keeps its own text";
    }
}

TEST_F(RowViewTest, ANarrowColumnHidesItsLabelButKeepsItsBorders) {
    row.gsSetKind(MGRowKindHeaderResizable);
    row.gsSetColWidth(2, 90); // 6 pixels: under one pixel inside the margins
    row.gsSetText(2, "x");
    row.gsUpdate();
    EXPECT_FALSE(row.lblObj(2).Visible());
    EXPECT_EQ(row.Painted().at(2).x2 - row.Painted().at(2).x1, 90);
    EXPECT_TRUE(row.linTop(2).Visible());
    EXPECT_TRUE(row.lblBarOfColMoveL(2).Visible());
    EXPECT_FALSE(row.lblBarOfColMoveR(2).Visible());
    EXPECT_TRUE(row.lblBarOfColMoveR(1).Visible());
}

TEST_F(RowViewTest, AViewGetsTheHeadersPartsWhenItFirstBecomesAHeader) {
    auto below = [this](const Control& a, const Control& b) {
        const std::vector<Control*>& order = row.children();
        return std::find(order.begin(), order.end(), &a) < std::find(order.begin(), order.end(), &b);
    };
    row.gsSetKind(MGRowKindHeader);
    row.gsUpdate();
    for (int32_t c = 0; c < 3; ++c) {
        EXPECT_TRUE(row.linTop(c).Visible()) << c;
        EXPECT_TRUE(row.linLeft(c).Visible()) << c;
        EXPECT_FALSE(row.lblBarOfColMoveL(c).Visible()) << c;
        // Where the lines meet, the right border is drawn over the top line.
        EXPECT_TRUE(below(row.linTop(c), row.linRight(c))) << c;
        EXPECT_TRUE(below(row.lblObj(c), row.linTop(c))) << c;
    }
    // Shown as a body row again, the view keeps its parts hidden.
    row.gsClear();
    row.gsUpdate();
    EXPECT_FALSE(row.linTop(2).Visible());
    // New columns start without them.
    row.gsCreateRows(4);
    EXPECT_FALSE(row.linTop.exists(1));
    row.gsSetKind(MGRowKindHeaderResizable);
    EXPECT_TRUE(row.lblBarOfColMoveR.exists(3));
}

TEST_F(RowViewTest, AHeaderRowIsRaisedWithDragStripsAtTheBorders) {
    row.gsSetKind(MGRowKindHeaderResizable);
    row.gsUpdate();
    EXPECT_EQ(row.linTop(0).BorderColor(), vbWhite);
    EXPECT_TRUE(row.linTop(0).Visible());
    EXPECT_EQ(row.linRight(0).BorderColor(), vbBlack);
    // Strips of 3 pixels on both sides of column 0's right border; the left
    // strip of the first column after the left one keeps its state (hidden).
    EXPECT_EQ(row.lblBarOfColMoveL(0).Left(), 1500);
    EXPECT_EQ(row.lblBarOfColMoveR(0).Left(), 1455);
    EXPECT_EQ(row.lblBarOfColMoveR(0).Width(), 45);
    EXPECT_TRUE(row.lblBarOfColMoveL(0).Visible());
    EXPECT_FALSE(row.lblBarOfColMoveL(1).Visible());
    EXPECT_TRUE(row.lblBarOfColMoveL(2).Visible());
    EXPECT_EQ(row.lblBarOfColMoveL(2).MousePointer(), vbSizeWE);

    // Scrolling to column 1 hides the left strips of columns 0 and 1.
    row.gsSetLeftIndexOfCols(1);
    EXPECT_FALSE(row.lblBarOfColMoveL(0).Visible());
    EXPECT_FALSE(row.lblBarOfColMoveL(1).Visible());
    EXPECT_TRUE(row.lblBarOfColMoveL(2).Visible());
    EXPECT_FALSE(row.Dirty());
}

TEST_F(RowViewTest, TheLastCheckBoxCellOwnsTheRowsBox) {
    row.gsSetType(0, 5);
    row.gsSetType(2, 5);
    row.gsSetAlignment(2, 2);
    row.gsSetValue(2, 2);
    row.gsSetEnabled(2, false);
    row.gsUpdate();
    EXPECT_TRUE(row.chkObj.Visible());
    EXPECT_EQ(row.chkObj.Left(), 3000 + (1500 - 255) / 2.0);
    EXPECT_EQ(row.chkObj.Value(), vbChecked);
    EXPECT_FALSE(row.chkObj.Enabled());
    EXPECT_FALSE(row.lblObj(0).Visible());
    EXPECT_FALSE(row.lblObj(2).Visible());
}
