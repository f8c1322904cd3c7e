#include "tally/frmSetTeam.h"

#include "core/globals.h"
#include "core/iniFile.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"
#include "tally/recentTeams.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace sim = forms::sim;
using Teams = std::vector<std::string>;

namespace {

Teams numbered(int from, int to) {
    Teams out;
    for (int i = from; i <= to; ++i) out.push_back("T" + std::to_string(i));
    return out;
}

class frmSetTeamTest : public ::testing::Test {
protected:
    frmSetTeamTest() : data(home) {}

    static void keep(const Teams& teams) {
        for (size_t i = 0; i < teams.size(); ++i)
            gfWriteIniFile(gstrIniFile, "RecentTeam", "Team" + std::to_string(i + 1), teams[i]);
    }
    static Teams listed(const frmSetTeam& f) {
        Teams out;
        for (int i = 0; i < f.lstRecentTeam.ListCount(); ++i) out.push_back(f.lstRecentTeam.List(i));
        return out;
    }
    // Opens the dialog offering `param` and runs `script` in it.
    void run(const std::string& param, const std::function<void(frmSetTeam&)>& script) {
        gstrDlgParam = param;
        gintDlgRet = 99;
        frmSetTeam f;
        desk.runModal(f, [&] { script(f); });
        EXPECT_FALSE(f.Visible());
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    forms::doubles::TestDesktop desk;
};

} // namespace

TEST(recentTeams, TheChosenIdentifierGoesFirstAndTheOldestDropsOut) {
    struct Case {
        Teams kept;
        std::string chosen;
        Teams after;
    } cases[] = {
        {{}, "A", {"A"}},
        {{"A", "B"}, "C", {"C", "A", "B"}},
        {{"A", "B", "C"}, "B", {"B", "A", "C"}},
        {{"A", "B", "C"}, "A", {"A", "B", "C"}},
        {{"A"}, "a", {"a", "A"}}, // case matters
        {numbered(1, 20), "N", [] { Teams t{"N"}; for (auto& s : numbered(1, 19)) t.push_back(s); return t; }()},
        {numbered(1, 20), "T20", [] { Teams t{"T20"}; for (auto& s : numbered(1, 19)) t.push_back(s); return t; }()},
        {numbered(1, 25), "T3", [] { Teams t{"T3", "T1", "T2"}; for (auto& s : numbered(4, 20)) t.push_back(s); return t; }()},
    };
    for (const Case& c : cases) EXPECT_EQ(recentTeamsAfter(c.kept, c.chosen), c.after) << c.chosen;
}

TEST_F(frmSetTeamTest, OpensOnThePlayersTeamElseTheMostRecentOne) {
    keep({"B", " C ", "", "D"}); // the list ends at the first blank position
    run(" X ", [](frmSetTeam& f) {
        EXPECT_EQ(listed(f), (Teams{"B", "C"}));
        EXPECT_EQ(f.txtTeam.Text(), "X");
        EXPECT_EQ(f.ActiveControl(), &f.txtTeam);
        EXPECT_EQ(f.txtTeam.SelLength(), 1); // typing replaces it
        EXPECT_EQ(f.txtTeam.MaxLength(), 2);
        EXPECT_EQ(f.txtTeam.IMEMode(), forms::vbIMEDisable);
        EXPECT_EQ(f.Caption(), "チーム設定");
        EXPECT_EQ(f.lblMsg.Caption(), "英数字、二文字以内で入力してください。\r\n"
                                      "リストで、最近利用した20の識別文字が選択できます。\r\n"
                                      "空白でﾁｰﾑ設定なしになります");
        sim::closeBox(f);
    });
    run("  ", [](frmSetTeam& f) {
        EXPECT_EQ(f.txtTeam.Text(), "B");
        sim::chooseItem(f.lstRecentTeam, 1);
        EXPECT_EQ(f.txtTeam.Text(), "C");
        sim::closeBox(f);
    });
    keep({""});
    run("", [](frmSetTeam& f) {
        EXPECT_EQ(f.lstRecentTeam.ListCount(), 0);
        EXPECT_EQ(f.txtTeam.Text(), "");
        sim::closeBox(f);
    });
}

TEST_F(frmSetTeamTest, EnterConfirmsTheTrimmedIdentifierAndRemembersIt) {
    keep({"A", "B", "C"});
    run("", [](frmSetTeam& f) { sim::typeText(f.txtTeam, " B C\r"); }); // two characters fit
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gstrDlgParam, "B");
    EXPECT_EQ(readRecentTeams(), (Teams{"B", "A", "C"}));

    run("B", [](frmSetTeam& f) { sim::typeText(f.txtTeam, "c"); sim::click(f.btnOK); });
    EXPECT_EQ(gstrDlgParam, "c");
    EXPECT_EQ(readRecentTeams(), (Teams{"c", "B", "A", "C"}));
}

TEST_F(frmSetTeamTest, BlankOkMeansNoTeamAndLeavesTheRecentOnesAlone) {
    keep({"A", "B"});
    const std::string before = testsupport::readBytes(gstrIniFile);
    run("A", [](frmSetTeam& f) {
        sim::typeText(f.txtTeam, "  ");
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gstrDlgParam, "");
    EXPECT_EQ(testsupport::readBytes(gstrIniFile), before);
}

TEST_F(frmSetTeamTest, CancelEscAndTheCloseBoxChangeNothing) {
    keep({"A"});
    const std::string before = testsupport::readBytes(gstrIniFile);
    const std::function<void(frmSetTeam&)> ways[] = {
        [](frmSetTeam& f) { sim::click(f.btnCancel); },
        [](frmSetTeam& f) { sim::pressKey(f, forms::vbKeyEscape); },
        [](frmSetTeam& f) { sim::closeBox(f); },
    };
    for (const auto& way : ways) {
        run(" Z", [&](frmSetTeam& f) {
            sim::typeText(f.txtTeam, "Q");
            way(f);
        });
        EXPECT_EQ(gintDlgRet, -1);
        EXPECT_EQ(gstrDlgParam, " Z");
    }
    EXPECT_EQ(testsupport::readBytes(gstrIniFile), before);
}
