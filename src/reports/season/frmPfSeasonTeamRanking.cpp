#include "reports/season/frmPfSeasonTeamRanking.h"

#include "core/helpers.h"
#include "core/resultRecords.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/season/seasonCells.h"

#include <algorithm>
#include <array>

namespace {

// The member columns share the band from 4320 to 11040: at least 5, at most 10.
constexpr double MemberLeft = 4320, MemberBand = 6720;
constexpr int32_t FewestMemberColumns = 5, MostMemberColumns = 10;

// A member's season score on the team basis.
std::string memberCell(const typSeasonScore& m, bool byAverage) {
    if (byAverage) return m.RoundsDone <= 0 ? "-" : text::FormatRatio(m.Total, m.RoundsDone * 10LL, "0.00");
    return seasoncells::totalCell(m.Strokes, m.Total);
}

} // namespace

frmPfSeasonTeamRanking::frmPfSeasonTeamRanking()
    : ReportWindow("frmPfSeasonTeamRanking", 8) {
    setCaption("シーズン・チーム順位印刷フォーム");
    design();
}

void frmPfSeasonTeamRanking::design() {
    designFrame({9210, 1845, 300, 10785, 8895, 9420, 1575});
    designColumnRules(std::to_array<double>({240, 720, 1200, 1680, 2280, 3420, 4320, 11040}));
    designLine(linMNoTate[0], MemberLeft, 840, MemberLeft, 1200, forms::RGB(255, 0, 0), 1, false);

    designLabel(lblNoNo, {240, 900, 495, "順位", forms::vbCenter});
    designLabel(lblSPTotal[83], {780, 900, 375, "ﾁｰﾑ", forms::vbCenter});
    designLabel(lblSPTotal[0], {1200, 900, 495, "人数", forms::vbCenter});
    designLabel(lblSPTotal[84], {1740, 900, 495, "C数", forms::vbCenter});
    designLabel(lblTotalT, {2340, 900, 1035, "合計", forms::vbCenter, true});
    designLabel(lblRAveT, {3480, 900, 795, "C平均", forms::vbCenter, true});
    designLabel(lblMNo[0], {MemberLeft, 900, 1344, "M1", forms::vbCenter, false, false, forms::RGB(255, 0, 0), false});

    designCell(lblNo[0], 240, 495, forms::vbCenter);
    designCell(lblTeamID[0], 780, 375, forms::vbCenter, true);
    lblTeamID[0].setFontSize(11.25);
    designCell(lblTeamMemberNum[0], 1200, 495, forms::vbCenter);
    designCell(lblRoundNum[0], 1680, 615, forms::vbCenter);
    designCell(lblGoukei[0], 2280, 1155, forms::vbCenter, true);
    designCell(lblRoundAve[0], 3480, 795, forms::vbCenter, true);
    designRowRules(240);
}

bool frmPfSeasonTeamRanking::pfDataSet() {
    return trappedPass("frmPfSeasonTeamRanking::pfDataSet(): ", [this] {
        gintEntryCount = 0;
        int32_t largest = 0;
        for (const typTeamRankRow& t : gtypTeamRankRows) {
            gintEntryCount = text::CInt(static_cast<double>(gintEntryCount) + t.Members);
            largest = std::max(largest, t.Members);
        }
        startWalk("参加 " + text::Format(glngTeamRankRowsMax() + 1, "0") + "ﾁｰﾑ、のべ" +
                      text::Format(gintEntryCount, "0") + "名",
                  "通算チーム順位表");

        const int32_t columns = std::clamp(largest, FewestMemberColumns, MostMemberColumns);
        const int32_t w = text::CLng(MemberBand / columns);
        for (int32_t k = 1; k < columns; ++k) columnRule(linMNoTate, MemberLeft + k * w);
        for (int32_t h = 0; h < std::min(largest, MostMemberColumns); ++h)
            headerCell(lblMNo, MemberLeft + h * w, w, "M" + text::Format(h + 1, "0"));

        // The column the teams are ranked on prints bold, the other plain.
        const bool byAverage = gtypSeasonGame.TeamHowtoRank != 0;
        (byAverage ? lblTotalT : lblRAveT).setFontBold(false);
        (byAverage ? lblGoukei[0] : lblRoundAve[0]).setFontBold(false);

        for (int32_t i = 0; i <= glngTeamRankRowsMax(); ++i) {
            const typTeamRankRow& team = gtypTeamRankRows.item(i);
            if (beginRow()) {
                rowRule(firstRowOfPage());
                cell(lblNo, text::Format(team.Rank, "0"));
                cell(lblTeamID, text::Trim(team.TeamID));
                cell(lblTeamMemberNum, text::Format(team.Members, "0"));
                cell(lblRoundNum, team.RoundsDone < 1 ? "-" : text::Format(team.RoundsDone, "0"));
                cell(lblGoukei, team.RoundsDone == 0 ? "-" : gfFormatTenths(team.Total));
                cell(lblRoundAve,
                     team.RoundsDone < 1 ? "-" : text::FormatRatio(team.Total, team.RoundsDone * 10LL, "0.000"));
                // A team of more than ten shows its first ten members.
                for (int32_t s = 0; s < std::min(team.Members, MostMemberColumns); ++s)
                    cell(lblMNo, memberCell(gtypSeasonTeamRows.item(team.FirstMember + s), byAverage),
                         MemberLeft + s * w, w);
            }
            endRow(i == glngTeamRankRowsMax());
        }
    });
}
