#include "reports/season/frmPfSeasonRoundRanking.h"

#include "core/resultTexts.h"
#include "platform/text/Format.h"
#include "reports/season/seasonCells.h"

#include <array>

namespace {

// The hole columns share the band from 4140 to 8400.
constexpr double HoleLeft = 4140, HoleBand = 4260;

} // namespace

frmPfSeasonRoundRanking::frmPfSeasonRoundRanking() : SeasonBestReport("frmPfSeasonRoundRanking", 10) {
    setCaption("シーズン・ベスト・ラウンド印刷フォーム");
    design();
}

void frmPfSeasonRoundRanking::design() {
    designShared(9135, {8460, 435, 9000, 495, 8940, 615, 9600, 735, 615}, HoleLeft);
    designColumnRules(std::to_array<double>({240, 720, 2700, 3660, 4140, 8400, 8940, 9540, 10380, 11040}), {6});
    designLabel(Label8, {3720, 900, 375, "", forms::vbCenter, true});
    Label8.setFontSize(9);
    designLabel(lblHoleNo[0], {HoleLeft, 900, 375, "", forms::vbCenter, false, false, forms::RGB(255, 0, 0), false});
    designCell(lblRound[0], 3660, 495, forms::vbCenter, true);
    lblRound[0].setFontSize(9);
    designCell(lblScore[0], HoleLeft, 375, forms::vbCenter);
}

bool frmPfSeasonRoundRanking::pfDataSet() {
    return trappedPass("frmPfSeasonRoundRanking::pfDataSet(): ", [this] {
        startRows("通算ベスト・コース");
        const int32_t holes = gtypSeasonGame.Hole;
        const int32_t w = bandColumns(linRoundTate, lblHoleNo, HoleLeft, HoleBand, holes, "");

        for (int32_t j = 0; j <= glngSeasonGameRowsMax(); ++j) {
            const typSeasonScore& row = gtypSeasonGameRows.item(j);
            const typGameInfo& game = seasoncells::takeGameHeader(row.GameIndex);
            if (beginRow()) {
                rowRule(firstRowOfPage());
                openingCells(row);
                // Games holds the course's number within its own game.
                cell(lblRound, game.RoundName(row.Games - 1));
                for (int32_t h = 0; h < holes; ++h) {
                    const int32_t strokes = row.HoleScore(h);
                    cell(lblScore, holeCellText(text::Format(strokes, "0"), strokes), HoleLeft + h * w, w);
                }
                closingCells(row, game);
            }
            endRow(j == glngSeasonGameRowsMax());
        }
    });
}
