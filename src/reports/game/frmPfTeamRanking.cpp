#include "reports/game/frmPfTeamRanking.h"

#include "core/gameRecords.h"
#include "core/helpers.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/game/reportCells.h"
#include "platform/text/Format.h"
#include "platform/text/Strings.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<double, 8> RuleX{240, 780, 1320, 1860, 2400, 3420, 4320, 11040};
// The band of the member columns, and how many columns it holds.
constexpr int32_t MembersLeft = 4320, MembersBand = 6720;
constexpr int32_t FewestColumns = 5, MostColumns = 10;

} // namespace

frmPfTeamRanking::frmPfTeamRanking() : ReportWindow("frmPfTeamRanking", static_cast<int>(RuleX.size())) { design(); }

void frmPfTeamRanking::design() {
    designLabel(lblScorePage, {9210, 0, 1845, "", forms::vbRightJustify, true, true});
    designLabel(lblSeasonTittle, {300, 240, 10785, "", forms::vbLeftJustify, true});
    designLabel(lblScoreTittle, {300, 540, 8895, "", forms::vbLeftJustify, true});
    designLabel(lblEntryNum, {9420, 540, 1575, "", forms::vbRightJustify, false, true});
    designLabel(lblPage, {5198, 14760, 915, "", forms::vbCenter});
    designLine(linTop, 240, 840, 11040, 840, forms::vbButtonText, 2);
    for (std::size_t i = 0; i < RuleX.size(); ++i)
        designLine(linTate[static_cast<int>(i)], RuleX[i], 840, RuleX[i], 1200, forms::vbBlack, 2);
    designLine(linMNoTate[0], 5664, 840, 5664, 1200, forms::RGB(255, 0, 0), 1, false);

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
    designCell(lblMNo[0], MembersLeft, 1344, forms::vbCenter);
    lblMNo[0].setCaption("M1");

    designLine(linFutoYoko[0], 240, 1200, 11040, 1200, forms::RGB(255, 0, 0), 2, false);
    designLine(linHosoYoko[0], 240, 1560, 11040, 1560, forms::RGB(0, 0, 255), 1, false);
}

// The member columns, the same on every page: as many as the largest team
// has members, at least 5 and at most 10.
void frmPfTeamRanking::setUpMembers() {
    int32_t largest = 0;
    for (const typTeamRankRow& team : gtypTeamRankRows) largest = std::max(largest, team.Members);
    const int32_t columns = std::clamp(largest, FewestColumns, MostColumns);
    w_ = columnWidth(MembersBand, columns);
    for (int k = 1; k < columns; ++k) loadRule(linMNoTate, MembersLeft + k * w_, linTop.Y1(), MembersLeft + k * w_, 1200);
    for (int h = 0; h < std::min(largest, MostColumns); ++h)
        loadLabel(lblMNo, MembersLeft + h * w_, linTop.Y1() + TextOffset, w_, "M" + text::Format(h + 1, "0"));
}

bool frmPfTeamRanking::pfDataSet() {
    return trappedPass("frmPfTeamRanking::pfDataSet(): ", [this] {
        startWalk("参加 " + text::Format(gintTeamCount, "0") + "ﾁｰﾑ、" + text::Format(glngRankRowsMax() + 1, "0") + "名",
                  "チーム順位表");
        setUpMembers();
        // The column the teams are ranked by stays bold.
        const bool byAverage = gtypGame.TeamHowtoRank != 0;
        (byAverage ? lblTotalT : lblRAveT).setFontBold(false);
        (byAverage ? lblGoukei : lblRoundAve)[0].setFontBold(false);

        for (int32_t i = 0; i <= glngTeamRankRowsMax(); ++i) {
            if (beginRow()) layOutRow(gtypTeamRankRows.item(i));
            endRow(i == glngTeamRankRowsMax());
        }
        for (int i = 1; i <= linMNoTate.UBound(); ++i) linMNoTate[i].setY2(linTate[0].Y2());
    });
}

void frmPfTeamRanking::layOutRow(const typTeamRankRow& team) {
    rowRule(firstRowOfPage());
    const bool played = team.RoundsDone >= 1;
    cell(lblNo, text::Format(team.Rank, "0"));
    cell(lblTeamID, text::Trim(team.TeamID));
    cell(lblTeamMemberNum, text::Format(team.Members, "0"));
    cell(lblRoundNum, played ? text::Format(team.RoundsDone, "0") : "-");
    cell(lblGoukei, played ? gfFormatTenths(team.Total) : "-");
    cell(lblRoundAve, courseAverageText(team.Total, team.RoundsDone, "0.000"));
    const bool byAverage = gtypGame.TeamHowtoRank != 0;
    for (int32_t s = 0; s < std::min(team.Members, MostColumns); ++s) {
        const typRankRow& member = gtypRankRows.item(static_cast<long long>(team.FirstMember) + s);
        const std::string score = byAverage ? courseAverageText(member.Total, member.RoundsDone, "0.00")
                                  : member.Strokes == 0 ? "-"
                                                        : gfFormatTenths(member.Total);
        forms::Label& c = cell(lblMNo, score);
        c.setLeft(MembersLeft + s * w_);
        c.setWidth(w_);
    }
}
