#include "reports/game/frmPfTeamList.h"

#include "core/gameRecords.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/game/reportCells.h"
#include "platform/text/Format.h"

#include <array>

namespace {

// In index order, as designed.
constexpr std::array<double, 11> RuleX{240, 660, 3960, 6720, 5040, 1740, 7500, 5760, 4380, 11040, 1200};

} // namespace

frmPfTeamList::frmPfTeamList() : TeamListReport("frmPfTeamList", static_cast<int>(RuleX.size())) { design(); }

void frmPfTeamList::design() {
    designFrame({9210, 1845, 300, 10785, 8955, 9420, 1575});
    designColumnRules(RuleX, {4});

    const auto header = [this](forms::Label& label, double left, double width, const char* caption, bool bold = false) {
        designLabel(label, {left, 900, width, caption, forms::vbCenter, bold});
    };
    header(lblNoNo, 300, 315, "No.");
    header(lblSPTotal[83], 720, 435, "ﾁｰﾑ");
    header(lblSPTotal[1], 1260, 435, "MNo.");
    header(Label7, 1800, 2115, "名 前　（年令・性別）");
    header(lblSPTotal[84], 3960, 435, "C数", true);
    header(Label1, 4440, 555, "実打");
    header(lblHcTittle, 5100, 615, "Hc");
    header(lblTotalT, 5820, 855, "合計", true);
    header(lblRAveT, 6780, 675, "C平均", true);
    header(lblSPTotal[82], 7560, 3435, "所属");

    designCell(lblNo[0], 240, 435, forms::vbCenter);
    designCell(lblTeamID[0], 720, 435, forms::vbCenter, true);
    designCell(lblMNo[0], 1260, 435, forms::vbCenter);
    designCell(lblName[0], 1800, 1755, forms::vbLeftJustify);
    designCell(lblAge[0], 3240, 675, forms::vbRightJustify);
    designCell(lblRoundNum[0], 4020, 315, forms::vbCenter, true);
    designCell(lblRHits[0], 4440, 555, forms::vbCenter);
    designCell(lblHits[0], 5040, 735, forms::vbCenter);
    designCell(lblGoukei[0], 5820, 855, forms::vbCenter, true);
    designCell(lblRoundAve[0], 6780, 675, forms::vbCenter, true);
    designCell(lblBelong[0], 7560, 3435, forms::vbLeftJustify);

    designRowRules(1200);
}

bool frmPfTeamList::pfDataSet() {
    return trappedPass("frmPfTeamList::pfDataSet(): ", [this] {
        startWalk("参加 " + text::Format(gintTeamCount, "0") + "ﾁｰﾑ、" + text::Format(glngRankRowsMax() + 1, "0") + "名",
                  "チーム一覧表");
        if (gtypGame.HandiCapKind == 0) lblHcTittle.setCaption("");
        layOutMembers<typRankRow>(gtypRankRows, gtypGame.TeamHowtoRank != 0, gstrPrintGameDate, rankHandicapText);
    });
}
