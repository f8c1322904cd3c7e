#include "reports/game/frmPfTeamRanking.h"

#include "core/gameRecords.h"
#include "reports/game/modPfPreparePrint.h"
#include "platform/text/Format.h"

#include <array>

namespace {

constexpr std::array<double, 8> RuleX{240, 780, 1320, 1860, 2400, 3420, 4320, 11040};

} // namespace

frmPfTeamRanking::frmPfTeamRanking() : TeamRankingReport("frmPfTeamRanking", static_cast<int>(RuleX.size())) { design(); }

void frmPfTeamRanking::design() {
    designFrame({9210, 1845, 300, 10785, 8895, 9420, 1575});
    designColumnRules(RuleX);

    const auto header = [this](forms::Label& label, double left, double width, const char* caption, bool bold = false) {
        designLabel(label, {left, 900, width, caption, forms::vbCenter, bold});
    };
    header(lblNoNo, 300, 435, "順位");
    header(lblSPTotal[83], 840, 435, "ﾁｰﾑ");
    header(lblSPTotal[0], 1380, 435, "人数");
    header(lblSPTotal[84], 1920, 435, "C数");
    header(lblTotalT, 2460, 915, "合計", true);
    header(lblRAveT, 3480, 795, "C平均", true);

    designCell(lblNo[0], 300, 435, forms::vbCenter);
    designCell(lblTeamID[0], 840, 435, forms::vbCenter, true);
    lblTeamID[0].setFontSize(11.25);
    designCell(lblTeamMemberNum[0], 1380, 435, forms::vbCenter);
    designCell(lblRoundNum[0], 1920, 435, forms::vbCenter);
    designCell(lblGoukei[0], 2400, 1035, forms::vbCenter, true);
    designCell(lblRoundAve[0], 3480, 795, forms::vbCenter, true);
    designMembers();

    designRowRules(240);
}

bool frmPfTeamRanking::pfDataSet() {
    return trappedPass("frmPfTeamRanking::pfDataSet(): ", [this] {
        startWalk("参加 " + text::Format(gintTeamCount, "0") + "ﾁｰﾑ、" + text::Format(glngRankRowsMax() + 1, "0") + "名",
                  "チーム順位表");
        layOutTeams(gtypRankRows, gtypGame.TeamHowtoRank != 0);
    });
}
