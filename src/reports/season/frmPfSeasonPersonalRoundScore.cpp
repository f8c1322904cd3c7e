#include "reports/season/frmPfSeasonPersonalRoundScore.h"

#include "core/courseRules.h"
#include "core/helpers.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"
#include "reports/season/seasonCells.h"

#include <array>

namespace {

// The hole columns share the band from 3180 to 8340.
constexpr double HoleLeft = 3180, HoleBand = 5160;
constexpr int32_t LineHeight = ReportWindow::RowHeight;

// A hole as printed: a hole in one "①", no stroke "-", else its text.
std::string holeCell(const std::string& hole) {
    const double v = text::Val(hole);
    if (v == 1) return "①";
    return v < 1 ? "-" : text::Trim(hole);
}

} // namespace

frmPfSeasonPersonalRoundScore::frmPfSeasonPersonalRoundScore() : ReportWindow("frmPfSeasonPersonalRoundScore", 9) {
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
        const int32_t w = bandColumns(linScoreTate, lblScore, HoleLeft, HoleBand, gtypPersonalGame.Hole, "");

        int16_t gameNumber = 0;
        for (int32_t r = 0; r <= glngSeasonRoundRowsMax(); ++r) {
            const typSeasonRoundScore& row = gtypSeasonRoundRows.item(r);
            const bool onPage = beginRow();
            if (onPage && firstRowOfPage())
                lblScoreTittle.setCaption(seasoncells::titleWithPlayer(gtypSeasonRoundRows.item(0).IDNo));
            if (row.RoundNo == 1) {
                gameNumber = text::CInt(gameNumber + 1.0);
                seasoncells::takeGameHeader(row.GameIndex);
                if (onPage) gameBlock(r, gameNumber, w);
            }
            // A page ends before a game whose whole block would not fit.
            const bool last = r == glngSeasonRoundRowsMax();
            int32_t nextBlock = 0;
            if (!last && gtypSeasonRoundRows.item(r + 1).RoundNo == 1)
                nextBlock = gtypGames.item(gtypSeasonRoundRows.item(r + 1).GameIndex).Round * LineHeight;
            endRow(last, LineHeight, nextBlock);
        }
    });
}

void frmPfSeasonPersonalRoundScore::gameBlock(int32_t first, int16_t gameNumber, int32_t w) {
    const typGameInfo& game = gtypGame;
    const typSeasonRoundScore& head = gtypSeasonRoundRows.item(first);
    const double top = rowTop();
    rowRule(true);
    for (int32_t i = 1; i < game.Round; ++i) ruleAt(linHoso1, top + i * LineHeight);

    // The game's own cells stand on its middle line.
    const double middle = top + static_cast<int32_t>(game.Round / 2.0 - 0.5) * LineHeight + TextOffset;
    cell(lblNo, text::Format(gameNumber, "0")).setTop(middle);
    cell(lblName, seasoncells::longDate(head.Date)).setTop(middle);
    if (!text::Trim(head.TeamID).empty() && game.Round > 1) {
        forms::Label& team = cell(lblName, "[ " + text::Trim(head.TeamID) + " ]");
        team.setTop(middle + LineHeight);
        team.setForeColor(forms::RGB(100, 100, 100));
    }

    long long total = 0;
    int32_t complete = 0;
    for (int32_t j = 0; j < game.Round; ++j)
        courseLine(gtypSeasonRoundRows.item(first + j), top + j * LineHeight + TextOffset, w, total, complete);
    // Under a handicap per game its share for the complete courses.
    if (complete > 0 && game.HandiCapKind == 2)
        total = text::CLng(static_cast<double>(total) + static_cast<double>(head.Handicap) * complete / game.Round);
    cell(lblGoukei, complete == 0 ? "-" : gfFormatTenths(total)).setTop(middle);
}

void frmPfSeasonPersonalRoundScore::courseLine(const typSeasonRoundScore& row, double top, int32_t w, long long& total,
                                               int32_t& complete) {
    const typGameInfo& game = gtypGame;
    cell(lblRound, game.RoundName(row.RoundNo - 1)).setTop(top);
    long long strokes = 0;
    bool missing = false;
    for (int32_t k = 0; k < gtypPersonalGame.Hole; ++k) {
        forms::Label& hole = cell(lblScore, "／", HoleLeft + k * w, w);
        hole.setTop(top);
        if (k >= game.Hole) continue; // a hole this game does not have
        const std::string& text = row.Holes(k);
        hole.setCaption(holeCell(text));
        if (holeCounts(text)) strokes += holeStrokes(text);
        else missing = true;
    }
    cell(lblJituDa, strokes == 0 || missing ? "-" : text::Format(strokes, "0")).setTop(top);
    long long value = strokes * 10;
    std::string handicap, subtotal;
    switch (game.HandiCapKind) {
    case 1:
        handicap = gfFormatTenths(row.Handicap);
        if (!missing) value += row.Handicap;
        subtotal = missing ? "-" : gfFormatTenths(value);
        break;
    case 2:
        if (row.RoundNo == 1) handicap = gfFormatTenths(row.Handicap);
        break;
    default: break;
    }
    cell(lblHits, handicap).setTop(top);
    cell(lblSyokei, subtotal).setTop(top);
    if (!missing) {
        total += value;
        ++complete;
    }
}
