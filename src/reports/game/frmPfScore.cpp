#include "reports/game/frmPfScore.h"

#include "core/gameRecords.h"
#include "core/players.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/game/reportCells.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <array>

namespace {

constexpr std::array<double, 9> RuleX{180, 600, 2640, 3120, 8340, 8880, 9540, 10140, 11100};
constexpr std::array<int16_t, 9> RuleWidth{2, 2, 2, 2, 2, 1, 1, 2, 2};
// The band of the hole columns.
constexpr int32_t HolesLeft = 3120, HolesBand = 5220;

} // namespace

frmPfScore::frmPfScore() : ScoreCardReport("frmPfScore", static_cast<int>(RuleX.size())) { design(); }

void frmPfScore::design() {
    designLabel(lblScorePage, {9510, 0, 1605, "", forms::vbRightJustify, true, true, forms::vbBlack, true, 195});
    designLabel(lblSeasonTittle, {240, 240, 10890, "", forms::vbLeftJustify, true, false, forms::vbBlack, true, 195});
    designLabel(lblScoreTittle, {240, 540, 9735, "", forms::vbLeftJustify, true, false, forms::vbBlack, true, 195});
    designLabel(lblEntryNum, {10200, 540, 855, "", forms::vbRightJustify, false, true, forms::vbBlack, true, 195});
    designLabel(lblPage, {5198, 14760, 915, "", forms::vbCenter, false, false, forms::vbBlack, true, 195});
    designLine(linTop, 180, 840, 11100, 840, forms::vbButtonText, 2);
    for (std::size_t i = 0; i < RuleX.size(); ++i)
        designLine(linTate[static_cast<int>(i)], RuleX[i], 840, RuleX[i], 1200, forms::vbBlack, RuleWidth[i]);

    designLabel(lblNoNo, {240, 900, 345, "No.", forms::vbCenter});
    designLabel(Label7, {660, 900, 1935, "名 前　（年令・性別）", forms::vbCenter});
    designLabel(Label8, {2700, 900, 375, "", forms::vbCenter, true});
    designLabel(Label3, {8400, 900, 435, "実打", forms::vbCenter});
    designLabel(lblHcTittle, {8940, 900, 555, "Hc", forms::vbCenter});
    designLabel(lblSyokeiTittle, {9600, 900, 495, "小計", forms::vbCenter});
    designLabel(Label13, {10200, 900, 855, "合計", forms::vbCenter, true});

    designCell(lblNo[0], 180, 435, forms::vbCenter);
    designCell(lblName[0], 660, 1635, forms::vbLeftJustify);
    designCell(lblAge[0], 1800, 795, forms::vbRightJustify);
    designCell(lblRound[0], 2640, 495, forms::vbCenter, true);
    designCell(lblScore[0], HolesLeft, 580, forms::vbCenter);
    designCell(lblJituDa[0], 8400, 435, forms::vbCenter);
    designCell(lblHits[0], 8880, 675, forms::vbCenter);
    designCell(lblSyokei[0], 9600, 495, forms::vbCenter);
    designCell(lblGoukei[0], 10200, 855, forms::vbCenter, true);

    designLine(linScoreTate[0], HolesLeft, 840, HolesLeft, 1200, forms::RGB(255, 0, 0), 1, false);
    designLine(linFutoYoko[0], 180, 1200, 11100, 1200, forms::RGB(255, 0, 0), 2, false);
    designLine(linHosoYoko[0], 180, 1920, 11100, 1920, forms::RGB(0, 0, 255), 1, false); // the sheet uses linHoso1
    designLine(linHoso1[0], 2640, 1560, 10140, 1560, forms::RGB(0, 0, 255), 1, false);
}

bool frmPfScore::pfDataSet() {
    return trappedPass("frmPfScore::pfDataSet(): ", [this] {
        startWalk("参加 " + text::Format(gintEntryCount, "0") + "名", "スコア表");
        setUpHoles(HolesLeft, HolesBand, gtypGame.Hole);
        if (gtypGame.HandiCapKind == 0) lblHcTittle.setCaption("");
        if (gtypGame.HandiCapKind == 0 || gtypGame.HandiCapKind == 2) lblSyokeiTittle.setCaption("");
        const int32_t blockHeight = gtypGame.Round * RowHeight;
        int16_t number = 0;
        for (int32_t r = 0; r <= glngScoresMax(); ++r) {
            const bool onPage = beginRow();
            const typScoreData& row = gtypScores.item(r);
            if (row.RoundNo == 1) {
                number = text::CInt(number + 1.0);
                if (onPage)
                    layOutBlock(gtypScores, r, gtypGame, [&](double middle) {
                        cell(lblNo, text::Format(number, "0")).setTop(middle);
                        cell(lblName, gfGetPlayerName(row.IDNo)).setTop(middle);
                        cell(lblAge, ageGenderText(row.IDNo)).setTop(middle);
                    });
            }
            const bool last = r == glngScoresMax();
            // A page ends only before a block that would not fit.
            const bool nextStartsPlayer = !last && gtypScores.item(r + 1).RoundNo == 1;
            endRow(last, RowHeight, nextStartsPlayer ? blockHeight : 0);
        }
    });
}
