#include "reports/game/frmPfTeamList.h"

#include "core/gameRecords.h"
#include "core/helpers.h"
#include "core/players.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/game/reportCells.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

#include <array>

namespace {

// In index order, as designed.
constexpr std::array<double, 11> RuleX{240, 660, 3960, 6720, 5040, 1740, 7500, 5760, 4380, 11040, 1200};

} // namespace

frmPfTeamList::frmPfTeamList() : ReportWindow("frmPfTeamList", static_cast<int>(RuleX.size())) { design(); }

void frmPfTeamList::design() {
    designLabel(lblScorePage, {9210, 0, 1845, "", forms::vbRightJustify, true, true});
    designLabel(lblSeasonTittle, {300, 240, 10785, "", forms::vbLeftJustify, true});
    designLabel(lblScoreTittle, {300, 540, 8955, "", forms::vbLeftJustify, true});
    designLabel(lblEntryNum, {9420, 540, 1575, "", forms::vbRightJustify, false, true});
    designLabel(lblPage, {5198, 14760, 915, "", forms::vbCenter});
    designLine(linTop, 240, 840, 11040, 840, forms::vbButtonText, 2);
    for (std::size_t i = 0; i < RuleX.size(); ++i)
        designLine(linTate[static_cast<int>(i)], RuleX[i], 840, RuleX[i], 1200, forms::vbBlack, i == 4 ? 1 : 2);

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

    designLine(linFutoYoko[0], 240, 1200, 11040, 1200, forms::RGB(255, 0, 0), 2, false);
    designLine(linHosoYoko[0], 1200, 1560, 11040, 1560, forms::RGB(0, 0, 255), 1, false);
}

bool frmPfTeamList::pfDataSet() {
    return trappedPass("frmPfTeamList::pfDataSet(): ", [this] {
        startWalk("参加 " + text::Format(gintTeamCount, "0") + "ﾁｰﾑ、" + text::Format(glngRankRowsMax() + 1, "0") + "名",
                  "チーム一覧表");
        // The column the teams are ranked by stays bold.
        const bool byAverage = gtypGame.TeamHowtoRank != 0;
        (byAverage ? lblTotalT : lblRAveT).setFontBold(false);
        (byAverage ? lblGoukei : lblRoundAve)[0].setFontBold(false);
        if (gtypGame.HandiCapKind == 0) lblHcTittle.setCaption("");

        int16_t team = 0, member = 0;
        std::string current;
        for (int32_t i = 0; i <= glngRankRowsMax(); ++i) {
            const typRankRow& row = gtypRankRows.item(i);
            const bool onPage = beginRow();
            // Teams that differ only by blanks around them are one team.
            const std::string teamText = text::Trim(row.TeamID);
            const bool startsTeam = teamText != current;
            if (startsTeam) {
                team = text::CInt(team + 1.0);
                member = 0;
                current = teamText;
            }
            member = text::CInt(member + 1.0);
            if (onPage) layOutRow(row, startsTeam, team, member);
            endRow(i == glngRankRowsMax());
        }
    });
}

void frmPfTeamList::layOutRow(const typRankRow& row, bool startsTeam, int16_t team, int16_t member) {
    const bool heads = startsTeam || firstRowOfPage();
    rowRule(heads);
    if (heads) {
        cell(lblNo, text::Format(team, "0"));
        cell(lblTeamID, text::Trim(row.TeamID));
    }
    cell(lblMNo, "M" + text::Format(member, "0"));
    cell(lblName, gfGetPlayerName(row.IDNo));
    cell(lblAge, ageGenderText(row.IDNo));
    cell(lblRoundNum, row.RoundsDone < 1 ? "-" : text::Format(row.RoundsDone, "0"));
    cell(lblRHits, numberOrDash(row.Strokes));
    cell(lblHits, rankHandicapText(row));
    cell(lblGoukei, row.Strokes == 0 ? "-" : gfFormatTenths(row.Total));
    cell(lblRoundAve, courseAverageText(row.Total, row.RoundsDone, "0.00"));
    cell(lblBelong, gfGetPlayerBelongName(row.IDNo));
}
