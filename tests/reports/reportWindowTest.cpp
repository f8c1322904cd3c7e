#include <gtest/gtest.h>

#include "reportPages.h"

#include "core/globals.h"
#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/forms/testing/TestDesktop.h"
#include "reports/game/reportWindow.h"

#include <string>

namespace {

using reportfixture::PageLoad;

// The shared walk over `rows` rows of one height, one numbered cell a row.
class RowsReport : public ReportWindow {
public:
    RowsReport(int rows, int32_t height) : ReportWindow("frmRows", 2), rows_(rows), height_(height) { design(); }
    forms::ControlArray<forms::Label> lblRow{*this, "lblRow", {0}};

private:
    void design() override {
        designLabel(lblScorePage, {9375, 0, 1680, "", forms::vbRightJustify, true, true});
        designLabel(lblSeasonTittle, {300, 240, 10785, "", 0, true});
        designLabel(lblScoreTittle, {300, 540, 9135, "", 0, true});
        designLabel(lblEntryNum, {9420, 540, 1575, "", forms::vbRightJustify, false, true});
        designLabel(lblPage, {5198, 14760, 915, "", forms::vbCenter});
        designLine(linTop, 240, 840, 11040, 840, forms::vbButtonText, 2);
        designLine(linTate[0], 240, 840, 240, 1200, forms::vbBlack, 2);
        designLine(linTate[1], 11040, 840, 11040, 1200, forms::vbBlack, 2);
        designCell(lblRow[0], 300, 1000, forms::vbCenter);
        designLine(linFutoYoko[0], 240, 1200, 11040, 1200, forms::RGB(255, 0, 0), 2, false);
        designLine(linHosoYoko[0], 240, 1560, 11040, 1560, forms::RGB(0, 0, 255), 1, false);
    }
    bool pfDataSet() override {
        return trappedPass("frmRows::pfDataSet(): ", [this] {
            startWalk("count", "行");
            for (int i = 0; i < rows_; ++i) {
                if (beginRow()) {
                    rowRule(firstRowOfPage());
                    cell(lblRow, std::to_string(i + 1));
                }
                endRow(i == rows_ - 1, height_, height_);
            }
        });
    }
    int rows_;
    int32_t height_;
};

class PageWalk : public testing::Test {
protected:
    forms::doubles::TestDesktop desk;
    forms::doubles::RecordingPrinter rec;
};

TEST_F(PageWalk, CountsPagesByRowsThatFitAboveTheLimit) {
    struct Case {
        int rows;
        int32_t height;
        int32_t pages;
    };
    // 37 rows of 360 end at 14520; 25 rows of 540 end at exactly 14700 and stay.
    for (const Case c : {Case{0, 360, 0}, Case{1, 360, 1}, Case{37, 360, 1}, Case{38, 360, 2}, Case{74, 360, 2},
                         Case{75, 360, 3}, Case{25, 540, 1}, Case{26, 540, 2}}) {
        RowsReport w(c.rows, c.height);
        const std::size_t design = w.Controls().size();
        PageLoad counting(w, -1, -1);
        EXPECT_EQ(w.gintMaxPageNo, c.pages) << c.rows << " x " << c.height;
        EXPECT_EQ(w.Controls().size(), design) << "a counting load creates no control";
        EXPECT_EQ(w.lblScorePage.Caption(), "");
    }
}

TEST_F(PageWalk, APageLoadLaysOutOnlyItsRowsAndCountsEveryPage) {
    RowsReport w(38, 360);
    {
        PageLoad page(w, 2, 2);
        EXPECT_EQ(w.gintMaxPageNo, 2);
        EXPECT_EQ(w.lblScorePage.Caption(), "行（2/2）");
        EXPECT_EQ(w.lblPage.Caption(), "- 2 -");
        ASSERT_EQ(w.lblRow.Count(), 2); // the template and row 38
        EXPECT_EQ(w.lblRow[1].Caption(), "38");
        EXPECT_EQ(w.lblRow[1].Top(), 1260);
        EXPECT_TRUE(w.lblRow[1].Visible());
        EXPECT_EQ(w.lblRow[1].ForeColor(), forms::vbBlack);
        // The first row's thick rule, and the thick rule that closes the table.
        ASSERT_EQ(w.linFutoYoko.Count(), 3);
        EXPECT_EQ(w.linFutoYoko[1].Y1(), 1200);
        EXPECT_EQ(w.linFutoYoko[2].Y1(), 1560);
        EXPECT_EQ(w.linFutoYoko[2].X2(), 11040);
        EXPECT_EQ(w.linTate[0].Y1(), 840);
        EXPECT_EQ(w.linTate[1].Y2(), 1560);
    }
    PageLoad page(w, 1, 2);
    EXPECT_EQ(w.lblRow.Count(), 38);
    EXPECT_EQ(w.linHosoYoko.Count(), 37); // thin rules over rows 2 to 37
    EXPECT_EQ(w.linHosoYoko[36].Y1(), 14160);
    EXPECT_EQ(w.linTate[0].Y2(), 14520);
}

TEST_F(PageWalk, RowsOf540FillAPageToItsLimit) {
    RowsReport w(26, 540);
    PageLoad page(w, 1, 2);
    EXPECT_EQ(w.lblRow.Count(), 26);
    EXPECT_EQ(w.lblRow[25].Top(), 14160 + 60);
    EXPECT_EQ(w.linTate[0].Y2(), 14700);
}

TEST_F(PageWalk, EveryLoadStartsFromTheDesign) {
    RowsReport w(40, 360);
    {
        PageLoad first(w, 1, 2);
        // Changes made for one page: to a template, a design label, a rule.
        w.lblRow[0].setFontBold(true);
        w.lblRow[0].setLeft(5000);
        w.lblSeasonTittle.setVisible(false);
        w.linTop.setY1(900);
    }
    PageLoad second(w, 2, 2);
    ASSERT_EQ(w.lblRow.Count(), 4);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_FALSE(w.lblRow[i].font().Bold);
        EXPECT_EQ(w.lblRow[i].Left(), 300);
    }
    EXPECT_TRUE(w.lblSeasonTittle.Visible());
    EXPECT_EQ(w.lblRow[1].Top(), 1260);
}

TEST_F(PageWalk, AutoSizedPageTitleKeepsItsRightEdgeMeasuredAsPrinted) {
    RowsReport w(1, 360);
    PageLoad page(w, 1, 1);
    // The document metric: 9.75 pt, full-width characters 195 twips, others half.
    EXPECT_EQ(w.lblScorePage.Left() + w.lblScorePage.Width(), 11055);
    EXPECT_DOUBLE_EQ(w.lblScorePage.Width(), 195 * 3 + 97.5 * 3);
    EXPECT_DOUBLE_EQ(w.lblEntryNum.Left() + w.lblEntryNum.Width(), 10995);
}

} // namespace
