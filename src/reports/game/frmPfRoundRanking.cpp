#include "reports/game/frmPfRoundRanking.h"

#include "core/gameRecords.h"
#include "core/helpers.h"
#include "core/players.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/game/reportCells.h"
#include "platform/text/Format.h"

#include <array>

namespace {

constexpr std::array<double, 9> RuleX{180, 660, 2640, 3120, 8040, 8580, 9180, 10020, 11100};
// The band of the hole columns.
constexpr int32_t HolesLeft = 3120, HolesBand = 4920;

} // namespace

frmPfRoundRanking::frmPfRoundRanking() : ReportWindow("frmPfRoundRanking", static_cast<int>(RuleX.size())) {
    setCaption("ラウンド成績印刷フォーム");
    design();
}

void frmPfRoundRanking::design() {
    designLabel(lblScorePage, {8700, 0, 2415, "", forms::vbRightJustify, true, true});
    designLabel(lblSeasonTittle, {240, 240, 10890, "", forms::vbLeftJustify, true});
    designLabel(lblScoreTittle, {240, 540, 9735, "", forms::vbLeftJustify, true});
    designLabel(lblEntryNum, {10200, 540, 855, "", forms::vbRightJustify, false, true});
    designLabel(lblPage, {5198, 14760, 915, "", forms::vbCenter});
    designLine(linTop, 180, 840, 11100, 840, forms::vbButtonText, 2);
    for (std::size_t i = 0; i < RuleX.size(); ++i)
        designLine(linTate[static_cast<int>(i)], RuleX[i], 840, RuleX[i], 1200, forms::vbBlack, i == 5 || i == 6 ? 1 : 2);
    designLine(linScoreTate[0], 3660, 840, 3660, 1200, forms::RGB(255, 0, 0), 1, false);

    designLabel(lblNoNo, {180, 900, 465, "順位", forms::vbCenter});
    designLabel(Label7, {720, 900, 1875, "名 前　（年令・性別）", forms::vbCenter});
    designLabel(Label8, {2700, 900, 375, "", forms::vbCenter, true});
    designLabel(Label3, {8100, 900, 435, "実打", forms::vbCenter});
    designLabel(lblHcTittle, {8640, 900, 495, "Hc", forms::vbCenter});
    designLabel(Label9, {9240, 900, 735, "合計", forms::vbCenter, true});
    designLabel(Label13, {10080, 900, 975, "生年月日", forms::vbCenter});

    designCell(lblNo[0], 180, 465, forms::vbCenter);
    designCell(lblName[0], 720, 1575, forms::vbLeftJustify);
    designCell(lblAge[0], 1860, 735, forms::vbRightJustify);
    designCell(lblRound[0], 2640, 495, forms::vbCenter, true);
    designCell(lblScore[0], HolesLeft, 547, forms::vbCenter);
    designCell(lblJituDa[0], 8100, 435, forms::vbCenter);
    designCell(lblHits[0], 8580, 615, forms::vbCenter);
    designCell(lblSyokei[0], 9240, 735, forms::vbCenter, true);
    designCell(lblBirthday[0], 10080, 975, forms::vbCenter);

    designLine(linFutoYoko[0], 180, 1200, 11100, 1200, forms::RGB(255, 0, 0), 2, false);
    designLine(linHosoYoko[0], 180, 1920, 11100, 1920, forms::RGB(0, 0, 255), 1, false); // the list uses linHoso1
    designLine(linHoso1[0], 180, 1560, 11100, 1560, forms::RGB(0, 0, 255), 1, false);
}

bool frmPfRoundRanking::pfDataSet() {
    return trappedPass("frmPfRoundRanking::pfDataSet(): ", [this] {
        startWalk("参加 " + text::Format(gintEntryCount, "0") + "名", "ベスト・コース");
        const int16_t holes = gtypGame.Hole;
        w_ = columnWidth(HolesBand, holes);
        for (int h = 1; h < holes; ++h) loadRule(linScoreTate, HolesLeft + h * w_, linTop.Y1(), HolesLeft + h * w_, 1200);
        for (int h = 0; h < holes; ++h)
            loadLabel(lblScore, HolesLeft + h * w_, linTop.Y1() + TextOffset, w_, text::Format(h + 1, "0"));
        if (gtypGame.HandiCapKind == 0) lblHcTittle.setCaption("");

        for (int32_t j = 0; j <= glngBestCourseRowsMax(); ++j) {
            if (beginRow()) layOutRow(gtypBestCourseRows.item(j));
            endRow(j == glngBestCourseRowsMax());
        }
        for (int i = 1; i <= linScoreTate.UBound(); ++i) linScoreTate[i].setY2(linTate[0].Y2());
    });
}

void frmPfRoundRanking::layOutRow(const typBestCourseRow& row) {
    // Thin rules are copies of linHoso1 across the table; there are no groups.
    if (firstRowOfPage()) {
        rowRule(true);
    } else {
        loadRule(linHoso1, linTop.X1(), rowTop(), linTop.X2(), rowTop());
    }
    const bool played = row.Strokes != 0;
    cell(lblNo, text::Format(row.Rank, "0"));
    cell(lblName, gfGetPlayerName(row.IDNo));
    cell(lblAge, ageGenderText(row.IDNo));
    cell(lblRound, played ? gtypGame.RoundName(row.RoundNo - 1) : std::string("-"));
    for (int h = 0; h < gtypGame.Hole; ++h) {
        forms::Label& hole = cell(lblScore, reportHoleText(row.Holes(h)));
        hole.setLeft(HolesLeft + h * w_);
        hole.setWidth(w_);
    }
    cell(lblJituDa, numberOrDash(row.Strokes));
    cell(lblHits, gtypGame.HandiCapKind == 0 ? "" : played ? gfFormatTenths(row.Handicap) : "-");
    cell(lblSyokei, played ? gfFormatTenths(row.Total) : "-");
    cell(lblBirthday, birthdayText(gtypGame, row.IDNo));
}
