#include "reports/season/frmPfSeasonRoundRanking.h"

#include "core/players.h"
#include "core/resultRecords.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "reports/season/seasonCells.h"

#include <array>

namespace {

constexpr std::array<double, 10> RuleX{240, 720, 2700, 3660, 4140, 8400, 8940, 9540, 10380, 11040};
// The hole columns share the band from 4140 to 8400.
constexpr double HoleLeft = 4140, HoleBand = 4260;

std::string holeCell(int32_t strokes) {
    if (strokes == 1) return "①";
    return strokes >= 2 ? text::Format(strokes, "0") : "-";
}

} // namespace

frmPfSeasonRoundRanking::frmPfSeasonRoundRanking()
    : ReportWindow("frmPfSeasonRoundRanking", static_cast<int>(RuleX.size())) {
    setCaption("シーズン・ベスト・ラウンド印刷フォーム");
    design();
}

void frmPfSeasonRoundRanking::design() {
    designLabel(lblScorePage, {9135, 0, 1920, "", forms::vbRightJustify, true, true});
    designLabel(lblSeasonTittle, {300, 240, 10785, "", forms::vbLeftJustify, true});
    designLabel(lblScoreTittle, {300, 540, 9615, "", forms::vbLeftJustify, true});
    designLabel(lblEntryNum, {10140, 540, 855, "", forms::vbRightJustify, false, true});
    designLabel(lblPage, {5198, 14760, 915, "", forms::vbCenter});
    designLine(linTop, 240, 840, 11040, 840, forms::vbButtonText, 2);
    for (std::size_t i = 0; i < RuleX.size(); ++i)
        designLine(linTate[static_cast<int>(i)], RuleX[i], 840, RuleX[i], 1200, forms::vbBlack, i == 6 ? 1 : 2);
    designLine(linRoundTate[0], HoleLeft, 840, HoleLeft, 1200, forms::RGB(255, 0, 0), 1, false);

    designLabel(lblNoNo, {240, 900, 495, "順位", forms::vbCenter});
    designLabel(Label7, {780, 900, 1875, "名 前　（年令・性別）", forms::vbCenter});
    designLabel(Label2, {2760, 900, 855, "日付", forms::vbCenter});
    designLabel(Label8, {3720, 900, 375, "", forms::vbCenter, true});
    Label8.setFontSize(9);
    designLabel(lblHoleNo[0], {HoleLeft, 900, 375, "", forms::vbCenter, false, false, forms::RGB(255, 0, 0), false});
    designLabel(Label3, {8460, 900, 435, "実打", forms::vbCenter});
    designLabel(lblSPTotal[81], {9000, 900, 495, "Hc", forms::vbCenter});
    designLabel(Label13, {9600, 900, 735, "合計", forms::vbCenter, true});
    designLabel(Label1, {10440, 900, 615, "年令", forms::vbCenter});

    designCell(lblNo[0], 240, 495, forms::vbCenter);
    designCell(lblName[0], 780, 1575, forms::vbLeftJustify);
    designCell(lblAge[0], 1920, 735, forms::vbRightJustify);
    designCell(lblDate[0], 2700, 975, forms::vbCenter);
    lblDate[0].setFontSize(9);
    designCell(lblRound[0], 3660, 495, forms::vbCenter, true);
    lblRound[0].setFontSize(9);
    designCell(lblScore[0], HoleLeft, 375, forms::vbCenter);
    designCell(lblJituDa[0], 8460, 435, forms::vbCenter);
    designCell(lblHits[0], 8940, 615, forms::vbCenter);
    designCell(lblGoukei[0], 9600, 735, forms::vbCenter, true);
    designCell(lblBirthday[0], 10440, 615, forms::vbCenter);

    designLine(linFutoYoko[0], 240, 1200, 11040, 1200, forms::RGB(255, 0, 0), 2, false);
    designLine(linHosoYoko[0], 240, 1560, 11040, 1560, forms::RGB(0, 0, 255), 1, false);
}

bool frmPfSeasonRoundRanking::pfDataSet() {
    return trappedPass("frmPfSeasonRoundRanking::pfDataSet(): ", [this] {
        startWalk("参加 " + text::Format(glngSeasonGameRowsMax() + 1, "0") + "名", "通算ベスト・コース");
        const int32_t holes = gtypSeasonGame.Hole;
        const int32_t w = seasoncells::columnWidth(HoleBand, holes);
        for (int32_t h = 1; h < holes; ++h) columnRule(linRoundTate, HoleLeft + h * w);
        for (int32_t h = 0; h < holes; ++h) headerCell(lblHoleNo, HoleLeft + h * w, w, text::Format(h + 1, "0"));
        const bool byAge = gtypSeasonGame.JudgeBirthday == 1;

        for (int32_t j = 0; j <= glngSeasonGameRowsMax(); ++j) {
            const typSeasonScore& row = gtypSeasonGameRows.item(j);
            const typGameInfo& game = seasoncells::takeGameHeader(row.GameIndex);
            if (beginRow()) {
                rowRule(firstRowOfPage());
                const int32_t id = row.IDNo;
                cell(lblNo, text::Format(row.Rank, "0"));
                cell(lblName, gfGetPlayerName(id));
                cell(lblAge, seasoncells::ageAndGender(id, row.Date));
                cell(lblDate, text::FormatDateText(row.Date, "ge/mm/dd"));
                // Games holds the course's number within its own game.
                cell(lblRound, game.RoundName(row.Games - 1));
                for (int32_t h = 0; h < holes; ++h) cell(lblScore, holeCell(row.HoleScore(h)), HoleLeft + h * w, w);
                cell(lblJituDa, text::Format(row.Strokes, "0"));
                cell(lblHits, seasoncells::handicapCell(row.Strokes, game.HandiCapKind, row.Handicap));
                cell(lblGoukei, seasoncells::totalCell(row.Strokes, row.Total));
                cell(lblBirthday, byAge ? seasoncells::exactAge(id, row.Date) : "-");
            }
            endRow(j == glngSeasonGameRowsMax());
        }
    });
}
