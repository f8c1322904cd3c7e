#include "reports/game/frmPfPersonRanking.h"

#include "core/gameRecords.h"
#include "core/helpers.h"
#include "core/players.h"
#include "core/rankOneGame.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/game/reportCells.h"
#include "platform/text/Format.h"

#include <array>

namespace {

constexpr std::array<double, 8> RuleX{240, 780, 3000, 7620, 8280, 9000, 9960, 11040};
// The band of the course columns.
constexpr int32_t CoursesLeft = 3000, CoursesBand = 4620;

} // namespace

frmPfPersonRanking::frmPfPersonRanking() : ReportWindow("frmPfPersonRanking", static_cast<int>(RuleX.size())) {
    setCaption("個人順位印刷フォーム");
    design();
}

void frmPfPersonRanking::design() {
    designLabel(lblScorePage, {9165, 0, 1890, "", forms::vbRightJustify, true, true});
    designLabel(lblSeasonTittle, {300, 240, 10785, "", forms::vbLeftJustify, true});
    designLabel(lblScoreTittle, {300, 540, 9615, "", forms::vbLeftJustify, true});
    designLabel(lblEntryNum, {10140, 540, 855, "", forms::vbRightJustify, false, true});
    designLabel(lblPage, {5198, 14760, 915, "", forms::vbCenter});
    designLine(linTop, 240, 840, 11040, 840, forms::vbButtonText, 2);
    for (std::size_t i = 0; i < RuleX.size(); ++i)
        designLine(linTate[static_cast<int>(i)], RuleX[i], 840, RuleX[i], 1200, forms::vbBlack, i == 4 ? 1 : 2);
    designLine(linRoundTate[0], 3600, 840, 3600, 1200, forms::RGB(255, 0, 0), 1, false);

    designLabel(lblNoNo, {300, 900, 465, "順位", forms::vbCenter});
    designLabel(Label7, {840, 900, 2115, "名　前　（年令・性別）", forms::vbCenter});
    designLabel(lblRoundNo[0], {CoursesLeft, 900, 600, "", forms::vbCenter, true, false, forms::RGB(255, 0, 0), false});
    lblRoundNo[0].setFontSize(9);
    designLabel(Label3, {7680, 900, 555, "実打", forms::vbCenter});
    designLabel(lblHcTittle, {8340, 900, 615, "Hc", forms::vbCenter});
    designLabel(Label13, {9060, 900, 855, "合計", forms::vbCenter, true});
    designLabel(Label1, {10020, 900, 975, "生年月日", forms::vbCenter});

    designCell(lblNo[0], 300, 465, forms::vbCenter);
    designCell(lblName[0], 840, 1755, forms::vbLeftJustify);
    designCell(lblAge[0], 2220, 735, forms::vbRightJustify);
    designCell(lblRound[0], CoursesLeft, 600, forms::vbCenter);
    designCell(lblJituDa[0], 7680, 555, forms::vbCenter);
    designCell(lblHits[0], 8340, 615, forms::vbCenter);
    designCell(lblGoukei[0], 9060, 855, forms::vbCenter, true);
    designCell(lblBirthday[0], 10020, 975, forms::vbCenter);

    designRowRules(240);
}

bool frmPfPersonRanking::pfDataSet() {
    return trappedPass("frmPfPersonRanking::pfDataSet(): ", [this] {
        startWalk("参加 " + text::Format(gintEntryCount, "0") + "名", gfGetCategoryTitle() + "順位表");
        const int16_t rounds = gtypGame.Round;
        w_ = columnWidth(CoursesBand, rounds);
        for (int k = 1; k < rounds; ++k)
            loadRule(linRoundTate, CoursesLeft + k * w_, linTop.Y1(), CoursesLeft + k * w_, 1200);
        for (int k = 0; k < rounds; ++k)
            loadLabel(lblRoundNo, CoursesLeft + k * w_, linTop.Y1() + TextOffset, w_, gtypGame.RoundName(k));
        if (gtypGame.HandiCapKind == 0) lblHcTittle.setCaption("");

        group_ = 0;
        for (int32_t j = 0; j <= glngRankRowsMax(); ++j) {
            if (beginRow()) layOutRow(gtypRankRows.item(j));
            endRow(j == glngRankRowsMax());
        }
        for (int i = 1; i <= linRoundTate.UBound(); ++i) linRoundTate[i].setY2(linTate[0].Y2());
    });
}

void frmPfPersonRanking::layOutRow(const typRankRow& row) {
    // Players who completed the same number of courses form a group.
    const bool opensGroup = firstRowOfPage() || row.RoundsDone != group_;
    if (opensGroup) group_ = row.RoundsDone;
    rowRule(opensGroup);
    cell(lblNo, text::Format(row.Rank, "0"));
    cell(lblName, gfGetPlayerName(row.IDNo));
    cell(lblAge, ageGenderText(row.IDNo));
    for (int k = 0; k < gtypGame.Round; ++k) {
        forms::Label& course = cell(lblRound, numberOrDash(row.RoundScore(k)));
        course.setLeft(CoursesLeft + k * w_);
        course.setWidth(w_);
    }
    cell(lblJituDa, numberOrDash(row.Strokes));
    cell(lblHits, rankHandicapText(row));
    cell(lblGoukei, row.Strokes == 0 ? "-" : gfFormatTenths(row.Total));
    cell(lblBirthday, birthdayText(gtypGame, row.IDNo));
}
