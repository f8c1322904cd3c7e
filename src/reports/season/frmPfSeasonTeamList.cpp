#include "reports/season/frmPfSeasonTeamList.h"

#include "core/helpers.h"
#include "core/resultRecords.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"
#include "reports/game/modPfPreparePrint.h"

#include <array>

frmPfSeasonTeamList::frmPfSeasonTeamList() : TeamListReport("frmPfSeasonTeamList", 11) {
    setCaption("シーズン・チーム一覧印刷フォーム");
    design();
}

void frmPfSeasonTeamList::design() {
    designFrame({9210, 1845, 300, 10785, 8895, 9420, 1575});
    // In index order, as designed.
    designColumnRules(std::to_array<double>({240, 660, 3660, 6840, 5040, 4260, 7620, 5820, 11040, 1140, 1680}), {4});

    designLabel(lblNoNo, {300, 900, 315, "No.", forms::vbCenter});
    designLabel(lblSPTotal[83], {720, 900, 375, "ﾁｰﾑ", forms::vbCenter});
    designLabel(lblSPTotal[1], {1200, 900, 435, "MNo.", forms::vbCenter});
    designLabel(Label7, {1740, 900, 1875, "名　前　（年令・性別）", forms::vbCenter});
    designLabel(lblSPTotal[84], {3720, 900, 495, "C数", forms::vbCenter, true});
    designLabel(Label1, {4320, 900, 675, "実打数", forms::vbCenter});
    designLabel(lblSPTotal[81], {5100, 900, 675, "Hc", forms::vbCenter});
    designLabel(lblTotalT, {5880, 900, 915, "合計", forms::vbCenter, true});
    designLabel(lblRAveT, {6840, 900, 795, "C平均", forms::vbCenter, true});
    designLabel(lblSPTotal[82], {7680, 900, 3315, "所属", forms::vbCenter});

    designCell(lblNo[0], 240, 435, forms::vbCenter);
    designCell(lblTeamID[0], 720, 375, forms::vbCenter, true);
    designCell(lblMNo[0], 1200, 435, forms::vbCenter);
    designCell(lblName[0], 1740, 1575, forms::vbLeftJustify);
    designCell(lblAge[0], 2880, 735, forms::vbRightJustify);
    designCell(lblRoundNum[0], 3660, 615, forms::vbCenter, true);
    designCell(lblRHits[0], 4260, 795, forms::vbCenter);
    designCell(lblHits[0], 5040, 795, forms::vbCenter);
    designCell(lblGoukei[0], 5820, 1035, forms::vbCenter, true);
    designCell(lblRoundAve[0], 6840, 795, forms::vbCenter, true);
    designCell(lblBelong[0], 7680, 3315, forms::vbLeftJustify);
    // Inside a team the thin rules leave the team's number and name open.
    designRowRules(1140);
}

bool frmPfSeasonTeamList::pfDataSet() {
    return trappedPass("frmPfSeasonTeamList::pfDataSet(): ", [this] {
        gintTeamCount = 0;
        std::string previous;
        for (const typSeasonScore& member : gtypSeasonTeamRows) {
            if (text::Trim(member.TeamID) == previous) continue;
            gintTeamCount = text::CInt(gintTeamCount + 1.0);
            previous = text::Trim(member.TeamID);
        }
        startWalk("参加 " + text::Format(gintTeamCount, "0") + "ﾁｰﾑ、のべ" +
                      text::Format(glngSeasonTeamRowsMax() + 1, "0") + "名",
                  "通算チーム一覧表");
        layOutMembers<typSeasonScore>(gtypSeasonTeamRows, gtypSeasonGame.TeamHowtoRank != 0, gstrSeasonPeriodEnd,
                                      [](const typSeasonScore& m) {
                                          return m.Strokes == 0 ? "-" : gfFormatTenths(m.Handicap);
                                      });
    });
}
