#include "reports/season/frmPfSeasonGameRanking.h"

#include "platform/text/Format.h"
#include "reports/season/seasonCells.h"

#include <array>

namespace {

// The course columns share the band from 3660 to 8040.
constexpr double CourseLeft = 3660, CourseBand = 4380;

} // namespace

frmPfSeasonGameRanking::frmPfSeasonGameRanking() : SeasonBestReport("frmPfSeasonGameRanking", 9) {
    setCaption("シーズン・ベストゲーム印刷フォーム");
    design();
}

void frmPfSeasonGameRanking::design() {
    designShared(9315, {8100, 555, 8760, 615, 8760, 615, 9480, 855, 555}, CourseLeft);
    designColumnRules(std::to_array<double>({240, 720, 2700, 3660, 8040, 8700, 9420, 10380, 11040}), {5});
    designLabel(lblRoundNo[0], {CourseLeft, 900, 495, "", forms::vbCenter, true, false, forms::RGB(255, 0, 0), false});
    lblRoundNo[0].setFontSize(9);
    designCell(lblRound[0], CourseLeft, 495, forms::vbCenter);
}

bool frmPfSeasonGameRanking::pfDataSet() {
    return trappedPass("frmPfSeasonGameRanking::pfDataSet(): ", [this] {
        startRows("通算ベスト・ゲーム");
        const int32_t rounds = gtypSeasonGame.Round;
        const int32_t w = bandColumns(linRoundTate, lblRoundNo, CourseLeft, CourseBand, rounds, "C");

        int32_t group = 0;
        for (int32_t j = 0; j <= glngSeasonGameRowsMax(); ++j) {
            const typSeasonScore& row = gtypSeasonGameRows.item(j);
            const typGameInfo& game = seasoncells::takeGameHeader(row.GameIndex);
            if (beginRow()) {
                // Rows with the same number of completed courses form a group.
                const bool opensGroup = firstRowOfPage() || row.RoundsDone != group;
                if (opensGroup) group = row.RoundsDone;
                rowRule(opensGroup);
                openingCells(row);
                for (int32_t k = 0; k < rounds; ++k) {
                    const int32_t score = row.RoundScore(k);
                    cell(lblRound, score > 0 ? text::Format(score, "0") : "-", CourseLeft + k * w, w);
                }
                closingCells(row, game);
            }
            endRow(j == glngSeasonGameRowsMax());
        }
    });
}
