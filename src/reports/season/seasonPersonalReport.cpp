#include "reports/season/seasonPersonalReport.h"

#include "platform/text/Format.h"
#include "reports/season/seasonCells.h"

void SeasonPersonalReport::designShared(const SharedColumns& c) {
    designFrame({8625, 2430, 300, 10785, c.title2Width, 10140, 855});
    designLabel(lblNoNo, {240, 900, 495, "No.", forms::vbCenter});
    designLabel(Label2, {780, 900, 2055, "日付", forms::vbCenter});
    designLabel(lblHR, {2880, 900, c.shapeHeaderWidth, "形式", forms::vbCenter});
    designCell(lblNo[0], c.numberLeft, c.numberWidth, forms::vbCenter);
    designCell(lblDate[0], 780, 1995, forms::vbLeftJustify);
    designCell(lblHandR[0], c.shapeLeft, c.shapeWidth, forms::vbCenter);
    lblHandR[0].setFontSize(9);
    designRowRules(240);
}

void SeasonPersonalReport::startRows(const std::string& pageTitleWord) {
    startWalk(seasoncells::gamesCount(glngSeasonGameRowsMax() + 1LL), pageTitleWord);
}

void SeasonPersonalReport::openingCells(int32_t j, const typSeasonScore& row) {
    if (firstRowOfPage()) lblScoreTittle.setCaption(seasoncells::titleWithPlayer(gtypSeasonGameRows.item(0).IDNo));
    rowRule(firstRowOfPage());
    cell(lblNo, text::Format(j + 1, "0"));
    cell(lblDate, seasoncells::longDate(row.Date));
}
