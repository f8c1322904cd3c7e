#include "core/resultRecords.h"
#include "core/teamRanking.h"
#include "tally/frmCategory.h"
#include "tally/resultLists.h"
#include "tallyFixture.h"

#include <algorithm>

namespace sim = forms::sim;

namespace {

class TallyResults : public TallyTest {
protected:
    TallyResults() { storeGame(); }

    // The score-table rows now selected.
    std::vector<int32_t> selectedScoreRows() const {
        std::vector<int32_t> out;
        for (int32_t r = 1; r < tally->uctGridList.gfRowCount(); ++r)
            if (tally->uctGridList.gfGetRowSelected(r)) out.push_back(r);
        return out;
    }
    static std::string tabCaption(frmBrenmoor& f, int tab) { return f.tabBody.TabCaption(tab); }
};

} // namespace

// Players 7 (three courses), 8 (two) and 9 (none); 7 and 8 form team A.
TEST_F(TallyResults, EachResultTabShowsItsListBuiltAnew) {
    frmBrenmoor& f = open();
    sim::selectTab(f.tabBody, 3);
    EXPECT_TRUE(f.uctGridList2.Visible());
    EXPECT_TRUE(f.picBottomL3.Visible());
    EXPECT_EQ(column(f.uctGridList2, 1), (std::vector<std::string>{"山田太郎", "鈴木花子", "佐藤一郎"}));
    EXPECT_EQ(column(f.uctGridList2, 0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(cell(f.uctGridList2, 8, 0), "合計");
    EXPECT_TRUE(f.uctGridList2.Cell(8, 1).FontBold);
    EXPECT_EQ(f.uctGridList2.Cell(1, 2).BackColor, kRankingBand);
    EXPECT_EQ(f.uctGridList2.gfGetRowItemData(3), 3);
    EXPECT_EQ(f.lblEntryNum.Caption(), "参加 3名、1ﾁｰﾑ");

    sim::selectTab(f.tabBody, 4);
    EXPECT_TRUE(f.uctGridList4.Visible());
    EXPECT_FALSE(f.uctGridList2.Visible());
    EXPECT_EQ(f.uctGridList4.gfRowCount(), 4);
    EXPECT_EQ(cell(f.uctGridList4, 5, 1), "4");

    sim::selectTab(f.tabBody, 5);
    EXPECT_EQ(column(f.uctGridList6, 2), (std::vector<std::string>{"M1", "M2"}));
    EXPECT_EQ(f.uctGridList6.Cell(3, 1).BackColor, forms::vbWhite);

    sim::selectTab(f.tabBody, 6);
    EXPECT_TRUE(f.uctGridList7.Visible());
    EXPECT_FALSE(f.picBottomL3.Visible());
    ASSERT_EQ(f.uctGridList7.gfRowCount(), 2);
    EXPECT_EQ(cell(f.uctGridList7, 7, 0), "M2");
    EXPECT_EQ(cell(f.uctGridList7, 4, 1), "180");
}

// The jump selects the player's first course row and scrolls the player
// before it into view, from whichever list it starts.
TEST_F(TallyResults, AJumpFromAnyListSelectsThePlayersFirstScoreRow) {
    struct Case {
        int tab;
        const char* player; // selected in the tab's list
        int32_t scoreRow, top;
    } cases[] = {
        {1, "佐藤一郎", 7, 4}, {1, "山田太郎", 1, 1}, {1, "鈴木花子", 4, 1}, {3, "佐藤一郎", 7, 4},
        {3, "山田太郎", 1, 1}, {4, "鈴木花子", 4, 1}, {4, "佐藤一郎", 7, 4}, {5, "鈴木花子", 4, 1},
    };
    frmBrenmoor& f = open();
    for (const Case& c : cases) {
        sim::selectTab(f.tabBody, c.tab);
        uctMyGrid& list = c.tab == 1   ? f.uctGridList0
                          : c.tab == 3 ? f.uctGridList2
                          : c.tab == 4 ? f.uctGridList4
                                       : f.uctGridList6;
        const std::vector<std::string> names = column(list, c.tab == 1 ? 2 : c.tab == 5 ? 3 : 1);
        const auto at = std::find(names.begin(), names.end(), c.player);
        ASSERT_NE(at, names.end()) << c.player;
        const auto row = static_cast<int32_t>(at - names.begin()) + 1;
        list.gsSetSelectRow(row);
        sim::click(c.tab == 1 ? f.btnGotoScore : f.btnGotoScore2);
        EXPECT_EQ(f.tabIndex(), 2) << c.tab << " " << c.player;
        EXPECT_EQ(selectedScoreRows(), std::vector<int32_t>{c.scoreRow}) << c.tab << " " << c.player;
        EXPECT_EQ(f.uctGridList.gfGetTopIndexOfRowsY(), c.top) << c.tab << " " << c.player;
        if (c.tab == 1) list.gsSetSelectRow(row); // the participant list keeps its selection: clear it
    }
    EXPECT_EQ(desk.messages().size(), 0u);
}

TEST_F(TallyResults, ASelectedRowStaysSelectedAndNoSelectionJustShowsTheScores) {
    frmBrenmoor& f = open();
    f.uctGridList.gsSetSelectRow(7);
    sim::selectTab(f.tabBody, 1);
    f.uctGridList0.gsSetSelectRow(3);
    sim::click(f.btnGotoScore);
    EXPECT_EQ(selectedScoreRows(), std::vector<int32_t>{7});

    // Nothing selected in the list: the score tab as it was.
    f.uctGridList.gsSetSelectRow(4);
    const int32_t top = f.uctGridList.gfGetTopIndexOfRowsY();
    sim::selectTab(f.tabBody, 3); // built anew: nothing selected
    sim::click(f.btnGotoScore2);
    EXPECT_EQ(f.tabIndex(), 2);
    EXPECT_EQ(selectedScoreRows(), std::vector<int32_t>{4});
    f.uctGridList0.gsSetSelectRow(3); // unselects it
    sim::selectTab(f.tabBody, 1);
    sim::click(f.btnGotoScore);
    EXPECT_EQ(f.tabIndex(), 2);
    EXPECT_EQ(selectedScoreRows(), std::vector<int32_t>{4});
    EXPECT_EQ(f.uctGridList.gfGetTopIndexOfRowsY(), top);
}

TEST_F(TallyResults, TheCategoryButtonShowsTheRankingOfTheChosenCategory) {
    frmBrenmoor& f = open();
    const std::string caption = f.Caption();
    sim::selectTab(f.tabBody, 1);
    desk.modal.add<frmCategory>([](frmCategory& d) { sim::click(d.btnCancel); });
    sim::click(f.btnCategory);
    EXPECT_EQ(f.tabIndex(), 1);

    desk.modal.add<frmCategory>([](frmCategory& d) { sim::click(d.btnOK); });
    sim::click(f.btnCategory);
    EXPECT_EQ(f.tabIndex(), 3);
    EXPECT_EQ(f.changed(), 0);
    EXPECT_EQ(f.Caption(), caption);
    EXPECT_EQ(tabCaption(f, 3), " 総合順位表 ");

    desk.modal.add<frmCategory>([](frmCategory& d) {
        sim::click(d.optGender[2]);
        sim::click(d.btnOK);
    });
    sim::click(f.btnCategory);
    EXPECT_EQ(f.tabIndex(), 3);
    EXPECT_EQ(f.changed(), 1);
    EXPECT_EQ(f.Caption(), caption + " *");
    EXPECT_EQ(tabCaption(f, 3), " 部門別（女子）順位表 ");
    EXPECT_EQ(column(f.uctGridList2, 1), std::vector<std::string>{"鈴木花子"});
    EXPECT_EQ(gtypGame.CategoryGender, 2);
    EXPECT_EQ(desk.modal.pending(), 0u);
}

// The report chooser computes the shared rows for its own report; the shown
// list is built again, so a jump from it reads the rows it shows.
TEST_F(TallyResults, AfterTheReportChooserTheShownResultListIsBuiltAgain) {
    tally = std::make_unique<frmBrenmoor>([this] { ++closes; }, [](forms::Form&) { gsCalTeamList(); });
    frmBrenmoor& f = *tally;
    f.Show();
    sim::selectTab(f.tabBody, 3);
    sim::click(f.btnPrint);
    EXPECT_EQ(gtypRankRows.size(), 3u);
    EXPECT_EQ(f.uctGridList2.gfRowCount(), 4);
    f.uctGridList2.gsSetSelectRow(3);
    sim::click(f.btnGotoScore2);
    EXPECT_EQ(selectedScoreRows(), std::vector<int32_t>{7});
}

// A double-click on a row jumps as the button does; the team results have
// no jump.
TEST_F(TallyResults, ADoubleClickOnAResultRowJumpsToo) {
    frmBrenmoor& f = open();
    const struct {
        int tab;
        uctMyGrid* list;
    } lists[] = {{3, &f.uctGridList2}, {4, &f.uctGridList4}, {5, &f.uctGridList6}};
    for (const auto& l : lists) {
        sim::selectTab(f.tabBody, l.tab);
        const int32_t row = l.list->gfRowCount() - 1; // 佐藤一郎 (3, 4) or 鈴木花子 (5)
        uctMGRow* view = l.list->RowView(row);
        ASSERT_NE(view, nullptr);
        sim::dblClick(view->lblObj(1));
        EXPECT_EQ(f.tabIndex(), 2) << l.tab;
        EXPECT_EQ(selectedScoreRows(), std::vector<int32_t>{l.tab == 5 ? 4 : 7}) << l.tab;
    }
    sim::selectTab(f.tabBody, 6);
    sim::dblClick(f.uctGridList7.RowView(1)->lblObj(1));
    EXPECT_EQ(f.tabIndex(), 6);
}

// A hand-edited handicap far outside any range overflows the computations:
// each result tab says so instead of showing an empty list as a result.
TEST_F(TallyResults, AResultThatCannotBeComputedIsReported) {
    game.handiCapKind = 1;
    game.scores[0].handicap = 2147483647;
    storeGame();
    frmBrenmoor& f = open();
    ASSERT_TRUE(desk.messages().empty());
    for (int tab : {3, 4, 5, 6}) {
        const std::size_t before = desk.messages().size();
        sim::selectTab(f.tabBody, tab);
        ASSERT_EQ(desk.messages().size(), before + 1) << tab;
        EXPECT_EQ(desk.lastMessage().prompt, "tabBody_Click() : オーバーフローしました。") << tab;
        EXPECT_EQ(desk.lastMessage().title, "エラー");
        EXPECT_EQ(desk.lastMessage().flags, forms::vbCritical);
        EXPECT_EQ(f.tabIndex(), tab);
    }
    sim::selectTab(f.tabBody, 2);
    EXPECT_TRUE(f.uctGridList.Visible());
    EXPECT_EQ(desk.messages().size(), 4u);
}
