#include "reports/season/seasonBestReport.h"

#include "core/players.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "reports/game/reportCells.h"
#include "reports/season/seasonCells.h"

void SeasonBestReport::designShared(double pageTitleLeft, const ClosingColumns& c, double bandLeft) {
    designFrame({pageTitleLeft, 11055 - pageTitleLeft, 300, 10785, 9615, 10140, 855});
    designLine(linRoundTate[0], bandLeft, 840, bandLeft, 1200, forms::RGB(255, 0, 0), 1, false);
    designLabel(lblNoNo, {240, 900, 495, "順位", forms::vbCenter});
    designLabel(Label7, {780, 900, 1875, "名 前　（年令・性別）", forms::vbCenter});
    designLabel(Label2, {2760, 900, 855, "日付", forms::vbCenter});
    designLabel(Label3, {c.strokesLeft, 900, c.strokesWidth, "実打", forms::vbCenter});
    designLabel(lblSPTotal[81], {c.handicapHeaderLeft, 900, c.handicapHeaderWidth, "Hc", forms::vbCenter});
    designLabel(Label13, {c.totalLeft, 900, c.totalWidth, "合計", forms::vbCenter, true});
    designLabel(Label1, {10440, 900, c.ageHeaderWidth, "年令", forms::vbCenter});

    designCell(lblNo[0], 240, 495, forms::vbCenter);
    designCell(lblName[0], 780, 1575, forms::vbLeftJustify);
    designCell(lblAge[0], 1920, 735, forms::vbRightJustify);
    designCell(lblDate[0], 2700, 975, forms::vbCenter);
    lblDate[0].setFontSize(9);
    designCell(lblJituDa[0], c.strokesLeft, c.strokesWidth, forms::vbCenter);
    designCell(lblHits[0], c.handicapLeft, c.handicapWidth, forms::vbCenter);
    designCell(lblGoukei[0], c.totalLeft, c.totalWidth, forms::vbCenter, true);
    designCell(lblBirthday[0], 10440, 615, forms::vbCenter);
    designRowRules(240);
}

void SeasonBestReport::startRows(const std::string& pageTitleWord) {
    startWalk("参加 " + text::Format(glngSeasonGameRowsMax() + 1, "0") + "名", pageTitleWord);
}

void SeasonBestReport::openingCells(const typSeasonScore& row) {
    cell(lblNo, text::Format(row.Rank, "0"));
    cell(lblName, gfGetPlayerName(row.IDNo));
    cell(lblAge, ageGenderText(row.IDNo, row.Date));
    cell(lblDate, text::FormatDateText(row.Date, "ge/mm/dd"));
}

void SeasonBestReport::closingCells(const typSeasonScore& row, const typGameInfo& game) {
    cell(lblJituDa, text::Format(row.Strokes, "0"));
    cell(lblHits, seasoncells::handicapCell(row.Strokes, game.HandiCapKind, row.Handicap));
    cell(lblGoukei, seasoncells::totalCell(row.Strokes, row.Total));
    cell(lblBirthday, gtypSeasonGame.JudgeBirthday == 1 ? seasoncells::exactAge(row.IDNo, row.Date) : "-");
}
