#include "reports/season/frmPfSeasonTeamRanking.h"

#include "core/resultRecords.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "reports/game/modPfPreparePrint.h"

#include <array>

frmPfSeasonTeamRanking::frmPfSeasonTeamRanking() : TeamRankingReport("frmPfSeasonTeamRanking", 8) {
    setCaption("シーズン・チーム順位印刷フォーム");
    design();
}

void frmPfSeasonTeamRanking::design() {
    designFrame({9210, 1845, 300, 10785, 8895, 9420, 1575});
    designColumnRules(std::to_array<double>({240, 720, 1200, 1680, 2280, 3420, 4320, 11040}));
    designLabel(lblNoNo, {240, 900, 495, "順位", forms::vbCenter});
    designLabel(lblSPTotal[83], {780, 900, 375, "ﾁｰﾑ", forms::vbCenter});
    designLabel(lblSPTotal[0], {1200, 900, 495, "人数", forms::vbCenter});
    designLabel(lblSPTotal[84], {1740, 900, 495, "C数", forms::vbCenter});
    designLabel(lblTotalT, {2340, 900, 1035, "合計", forms::vbCenter, true});
    designLabel(lblRAveT, {3480, 900, 795, "C平均", forms::vbCenter, true});

    designCell(lblNo[0], 240, 495, forms::vbCenter);
    designCell(lblTeamID[0], 780, 375, forms::vbCenter, true);
    lblTeamID[0].setFontSize(11.25);
    designCell(lblTeamMemberNum[0], 1200, 495, forms::vbCenter);
    designCell(lblRoundNum[0], 1680, 615, forms::vbCenter);
    designCell(lblGoukei[0], 2280, 1155, forms::vbCenter, true);
    designCell(lblRoundAve[0], 3480, 795, forms::vbCenter, true);
    designMembers();
    designRowRules(240);
}

bool frmPfSeasonTeamRanking::pfDataSet() {
    return trappedPass("frmPfSeasonTeamRanking::pfDataSet(): ", [this] {
        // Every team's members, a player of two teams counted in each.
        gintEntryCount = 0;
        for (const typTeamRankRow& t : gtypTeamRankRows)
            gintEntryCount = text::CInt(static_cast<double>(gintEntryCount) + t.Members);
        startWalk("参加 " + text::Format(glngTeamRankRowsMax() + 1, "0") + "ﾁｰﾑ、のべ" +
                      text::Format(gintEntryCount, "0") + "名",
                  "通算チーム順位表");
        layOutTeams(gtypSeasonTeamRows, gtypSeasonGame.TeamHowtoRank != 0);
    });
}
