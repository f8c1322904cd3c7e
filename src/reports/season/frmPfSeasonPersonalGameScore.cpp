#include "reports/season/frmPfSeasonPersonalGameScore.h"

#include "core/resultRecords.h"
#include "platform/text/Format.h"
#include "reports/season/seasonCells.h"

#include <array>

namespace {

// The course columns share the band from 3420 to 8700.
constexpr double CourseLeft = 3420, CourseBand = 5280;

} // namespace

frmPfSeasonPersonalGameScore::frmPfSeasonPersonalGameScore() : SeasonPersonalReport("frmPfSeasonPersonalGameScore", 8) {
    setCaption("シーズン・個別ゲームスコア印刷フォーム");
    design();
}

void frmPfSeasonPersonalGameScore::design() {
    designShared({9555, 240, 495, 495, 2880, 495});
    lblHR.setFontSize(9);
    designColumnRules(std::to_array<double>({240, 720, 2820, 3420, 8700, 9360, 10080, 11040}), {2, 5});
    designLine(linRoundTate[0], CourseLeft, 840, CourseLeft, 1200, forms::RGB(255, 0, 0), 1, false);
    designLabel(lblRoundNo[0], {CourseLeft, 900, 495, "", forms::vbCenter, true, false, forms::RGB(255, 0, 0), false});
    lblRoundNo[0].setFontSize(9);
    designLabel(Label3, {8760, 900, 555, "実打", forms::vbCenter});
    designLabel(lblSPTotal[81], {9420, 900, 615, "Hc", forms::vbCenter});
    designLabel(Label13, {10140, 900, 855, "合計", forms::vbCenter, true});

    designCell(lblRound[0], CourseLeft, 495, forms::vbCenter);
    designCell(lblJituDa[0], 8760, 555, forms::vbCenter);
    designCell(lblHits[0], 9420, 615, forms::vbCenter);
    designCell(lblGoukei[0], 10140, 855, forms::vbCenter, true);
}

bool frmPfSeasonPersonalGameScore::pfDataSet() {
    return trappedPass("frmPfSeasonPersonalGameScore::pfDataSet(): ", [this] {
        startRows("個別ゲーム一覧表");
        const int32_t rounds = gtypPersonalGame.Round;
        const int32_t w = bandColumns(linRoundTate, lblRoundNo, CourseLeft, CourseBand, rounds, "C");

        for (int32_t j = 0; j <= glngSeasonGameRowsMax(); ++j) {
            const typSeasonScore& row = gtypSeasonGameRows.item(j);
            const typGameInfo& game = seasoncells::takeGameHeader(row.GameIndex);
            if (beginRow()) {
                openingCells(j, row);
                cell(lblHandR, text::Format(game.Hole * game.Round, "0") + "H");
                for (int32_t k = 0; k < rounds; ++k) {
                    // "／": this game has no such course; "-": not completed.
                    const std::string score = k >= game.Round       ? "／"
                                              : row.RoundScore(k) < 1 ? "-"
                                                                      : text::Format(row.RoundScore(k), "0");
                    cell(lblRound, score, CourseLeft + k * w, w);
                }
                cell(lblJituDa, text::Format(row.Strokes, "0"));
                cell(lblHits, seasoncells::handicapCell(row.Strokes, game.HandiCapKind, row.Handicap));
                cell(lblGoukei, seasoncells::totalCell(row.Strokes, row.Total));
            }
            endRow(j == glngSeasonGameRowsMax());
        }
    });
}
