#include "reports/season/frmPfSeasonPersonalRoundScore.h"

#include "core/resultRecords.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "reports/season/seasonCells.h"

#include <array>

namespace {

// The hole columns share the band from 3180 to 8340.
constexpr double HoleLeft = 3180, HoleBand = 5160;

} // namespace

frmPfSeasonPersonalRoundScore::frmPfSeasonPersonalRoundScore() : ScoreCardReport("frmPfSeasonPersonalRoundScore", 9) {
    setCaption("シーズン・個別スコア印刷フォーム");
    design();
}

void frmPfSeasonPersonalRoundScore::design() {
    designFrame({9510, 1605, 240, 10890, 9735, 10200, 855, 180, 11100});
    designColumnRules(std::to_array<double>({180, 600, 2700, 3180, 8340, 8880, 9540, 10140, 11100}), {5, 6});
    designLabel(lblNoNo, {240, 900, 345, "No.", forms::vbCenter});
    designLabel(Label7, {660, 900, 1995, "日付", forms::vbCenter});
    designLabel(Label8, {2760, 900, 375, "", forms::vbCenter, true});
    Label8.setFontSize(9);
    designLabel(Label3, {8400, 900, 435, "実打", forms::vbCenter});
    designLabel(lblSPTotal[81], {8940, 900, 555, "Hc", forms::vbCenter});
    designLabel(Label9, {9600, 900, 495, "小計", forms::vbCenter});
    designLabel(Label13, {10200, 900, 855, "合計", forms::vbCenter, true});

    designCell(lblNo[0], 180, 435, forms::vbCenter);
    designCell(lblName[0], 660, 1995, forms::vbLeftJustify);
    designCell(lblRound[0], 2700, 495, forms::vbCenter, true);
    lblRound[0].setFontSize(9);
    designCell(lblScore[0], HoleLeft, 495, forms::vbCenter);
    designCell(lblJituDa[0], 8400, 435, forms::vbCenter);
    designCell(lblHits[0], 8880, 675, forms::vbCenter);
    designCell(lblSyokei[0], 9600, 495, forms::vbCenter);
    designCell(lblGoukei[0], 10200, 855, forms::vbCenter, true);
    designLine(linScoreTate[0], HoleLeft, 840, HoleLeft, 1200, forms::RGB(255, 0, 0), 1, false);
    designRowRules(240);
    designLine(linHoso1[0], 2700, 1560, 10140, 1560, forms::RGB(0, 0, 255), 1, false);
}

bool frmPfSeasonPersonalRoundScore::pfDataSet() {
    return trappedPass("frmPfSeasonPersonalRoundScore::pfDataSet(): ", [this] {
        long long games = 0;
        for (const typSeasonRoundScore& row : gtypSeasonRoundRows) games += row.RoundNo == 1 ? 1 : 0;
        startWalk(seasoncells::gamesCount(games), "個別スコア表");
        setUpHoles(HoleLeft, HoleBand, gtypPersonalGame.Hole);

        int16_t gameNumber = 0;
        for (int32_t r = 0; r <= glngSeasonRoundRowsMax(); ++r) {
            const typSeasonRoundScore& row = gtypSeasonRoundRows.item(r);
            const bool onPage = beginRow();
            if (onPage && firstRowOfPage())
                lblScoreTittle.setCaption(seasoncells::titleWithPlayer(gtypSeasonRoundRows.item(0).IDNo));
            if (row.RoundNo == 1) {
                gameNumber = text::CInt(gameNumber + 1.0);
                const typGameInfo& game = seasoncells::takeGameHeader(row.GameIndex);
                if (onPage)
                    layOutBlock(gtypSeasonRoundRows, r, game, [&](double middle) {
                        cell(lblNo, text::Format(gameNumber, "0")).setTop(middle);
                        cell(lblName, seasoncells::longDate(row.Date)).setTop(middle);
                    });
            }
            // A page ends before a game whose whole block would not fit.
            const bool last = r == glngSeasonRoundRowsMax();
            int32_t nextBlock = 0;
            if (!last && gtypSeasonRoundRows.item(r + 1).RoundNo == 1)
                nextBlock = gtypGames.item(gtypSeasonRoundRows.item(r + 1).GameIndex).Round * RowHeight;
            endRow(last, RowHeight, nextBlock);
        }
    });
}
