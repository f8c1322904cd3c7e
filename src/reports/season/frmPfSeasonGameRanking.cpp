#include "reports/season/frmPfSeasonGameRanking.h"

#include "core/players.h"
#include "core/resultRecords.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "reports/season/seasonCells.h"

#include <array>

namespace {

constexpr std::array<double, 9> RuleX{240, 720, 2700, 3660, 8040, 8700, 9420, 10380, 11040};
// The course columns share the band from 3660 to 8040.
constexpr double CourseLeft = 3660, CourseBand = 4380;

} // namespace

frmPfSeasonGameRanking::frmPfSeasonGameRanking()
    : ReportWindow("frmPfSeasonGameRanking", static_cast<int>(RuleX.size())) {
    setCaption("シーズン・ベストゲーム印刷フォーム");
    design();
}

void frmPfSeasonGameRanking::design() {
    designLabel(lblScorePage, {9315, 0, 1740, "", forms::vbRightJustify, true, true});
    designLabel(lblSeasonTittle, {300, 240, 10785, "", forms::vbLeftJustify, true});
    designLabel(lblScoreTittle, {300, 540, 9615, "", forms::vbLeftJustify, true});
    designLabel(lblEntryNum, {10140, 540, 855, "", forms::vbRightJustify, false, true});
    designLabel(lblPage, {5198, 14760, 915, "", forms::vbCenter});
    designLine(linTop, 240, 840, 11040, 840, forms::vbButtonText, 2);
    for (std::size_t i = 0; i < RuleX.size(); ++i)
        designLine(linTate[static_cast<int>(i)], RuleX[i], 840, RuleX[i], 1200, forms::vbBlack, i == 5 ? 1 : 2);
    designLine(linRoundTate[0], CourseLeft, 840, CourseLeft, 1200, forms::RGB(255, 0, 0), 1, false);

    designLabel(lblNoNo, {240, 900, 495, "順位", forms::vbCenter});
    designLabel(Label7, {780, 900, 1875, "名 前　（年令・性別）", forms::vbCenter});
    designLabel(Label2, {2760, 900, 855, "日付", forms::vbCenter});
    designLabel(lblRoundNo[0], {CourseLeft, 900, 495, "", forms::vbCenter, true, false, forms::RGB(255, 0, 0), false});
    lblRoundNo[0].setFontSize(9);
    designLabel(Label3, {8100, 900, 555, "実打", forms::vbCenter});
    designLabel(lblSPTotal[81], {8760, 900, 615, "Hc", forms::vbCenter});
    designLabel(Label13, {9480, 900, 855, "合計", forms::vbCenter, true});
    designLabel(Label1, {10440, 900, 555, "年令", forms::vbCenter});

    designCell(lblNo[0], 240, 495, forms::vbCenter);
    designCell(lblName[0], 780, 1575, forms::vbLeftJustify);
    designCell(lblAge[0], 1920, 735, forms::vbRightJustify);
    designCell(lblDate[0], 2700, 975, forms::vbCenter);
    lblDate[0].setFontSize(9);
    designCell(lblRound[0], CourseLeft, 495, forms::vbCenter);
    designCell(lblJituDa[0], 8100, 555, forms::vbCenter);
    designCell(lblHits[0], 8760, 615, forms::vbCenter);
    designCell(lblGoukei[0], 9480, 855, forms::vbCenter, true);
    designCell(lblBirthday[0], 10440, 615, forms::vbCenter);

    designLine(linFutoYoko[0], 240, 1200, 11040, 1200, forms::RGB(255, 0, 0), 2, false);
    designLine(linHosoYoko[0], 240, 1560, 11040, 1560, forms::RGB(0, 0, 255), 1, false);
}

bool frmPfSeasonGameRanking::pfDataSet() {
    return trappedPass("frmPfSeasonGameRanking::pfDataSet(): ", [this] {
        startWalk("参加 " + text::Format(glngSeasonGameRowsMax() + 1, "0") + "名", "通算ベスト・ゲーム");
        const int32_t rounds = gtypSeasonGame.Round;
        const int32_t w = seasoncells::columnWidth(CourseBand, rounds);
        for (int32_t k = 1; k < rounds; ++k) columnRule(linRoundTate, CourseLeft + k * w);
        for (int32_t k = 0; k < rounds; ++k) headerCell(lblRoundNo, CourseLeft + k * w, w, "C" + text::Format(k + 1, "0"));
        const bool byAge = gtypSeasonGame.JudgeBirthday == 1;

        int32_t group = 0;
        for (int32_t j = 0; j <= glngSeasonGameRowsMax(); ++j) {
            const typSeasonScore& row = gtypSeasonGameRows.item(j);
            const typGameInfo& game = seasoncells::takeGameHeader(row.GameIndex);
            if (beginRow()) {
                // Rows with the same number of completed courses form a group.
                const bool opensGroup = firstRowOfPage() || row.RoundsDone != group;
                if (opensGroup) group = row.RoundsDone;
                rowRule(opensGroup);
                const int32_t id = row.IDNo;
                cell(lblNo, text::Format(row.Rank, "0"));
                cell(lblName, gfGetPlayerName(id));
                cell(lblAge, seasoncells::ageAndGender(id, row.Date));
                cell(lblDate, text::FormatDateText(row.Date, "ge/mm/dd"));
                for (int32_t k = 0; k < rounds; ++k) {
                    const int32_t score = row.RoundScore(k);
                    cell(lblRound, score > 0 ? text::Format(score, "0") : "-", CourseLeft + k * w, w);
                }
                cell(lblJituDa, text::Format(row.Strokes, "0"));
                cell(lblHits, seasoncells::handicapCell(row.Strokes, game.HandiCapKind, row.Handicap));
                cell(lblGoukei, seasoncells::totalCell(row.Strokes, row.Total));
                cell(lblBirthday, byAge ? seasoncells::exactAge(id, row.Date) : "-");
            }
            endRow(j == glngSeasonGameRowsMax());
        }
    });
}
