#include "reports/season/frmPfSeasonTotalRanking.h"

#include "core/gameRecords.h"
#include "core/helpers.h"
#include "core/players.h"
#include "core/rankOneGame.h"
#include "core/resultRecords.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "reports/game/modPfPreparePrint.h"

#include <array>

namespace {

// x of the column rules 0 to 12.
constexpr std::array<double, 13> RuleX{180, 720, 2940, 3960, 4500, 5160, 5940, 6720, 8100, 9060, 10020, 11100, 7200};

// Whether a row is below the minimum of the basis (bases 0, 1, 2 and 5);
// 9-hole units are compared unrounded.
bool belowMinimum(const typSeasonScore& r) {
    switch (gintTotalRankingMode) {
    case 0: return r.RoundsDone < glngKiteiRound;
    case 1: return r.Games < glngKiteiGame;
    case 2: return r.HolesDone < glngKiteiHole;
    case 5: return r.HolesDone < 9LL * glngKitei9H;
    default: return false;
    }
}

// The average of the basis from the exact ratio; "" for the bases without one.
std::string average(const typSeasonScore& r) {
    switch (gintTotalRankingMode) {
    case 0: return text::FormatRatio(r.Total, r.RoundsDone * 10LL, "0.000");
    case 1: return text::FormatRatio(r.Total, r.Games * 10LL, "0.000");
    case 2: return text::FormatRatio(r.Total, r.HolesDone * 10LL, "0.0000");
    case 5: return text::FormatRatio(r.Total * 9LL, r.HolesDone * 10LL, "0.000");
    default: return {};
    }
}

bool hasAverage() { return gintTotalRankingMode <= 2 || gintTotalRankingMode == 5; }

} // namespace

std::string seasonRankingTitle() {
    gtypGame = gtypSeasonGame;
    return gfGetCategoryTitle() + "通算順位表";
}

frmPfSeasonTotalRanking::frmPfSeasonTotalRanking()
    : ReportWindow("frmPfSeasonTotalRanking", static_cast<int>(RuleX.size())) {
    design();
}

void frmPfSeasonTotalRanking::design() {
    setCaption("シーズン通算成績表");
    designFrame({9075, 2040, 240, 10890, 9735, 10200, 855, 180, 11100});
    for (std::size_t i = 0; i < RuleX.size(); ++i) {
        const bool thin = i == 2 || i == 4 || i == 5;
        designLine(linTate[static_cast<int>(i)], RuleX[i], 840, RuleX[i], 1200, forms::vbBlack, thin ? 1 : 2);
    }

    const auto header = [this](forms::Label& label, double left, double width, const char* caption, bool bold = false) {
        designLabel(label, {left, 900, width, caption, forms::vbCenter, bold});
    };
    header(lblNoNo, 180, 555, "順位");
    header(Label7, 780, 2115, "　名 前　（年令・性別）");
    header(lblBelongOrLocation, 3000, 915, "");
    header(lblGNum, 4020, 435, "G数");
    header(lblRNum, 4500, 675, "ｺｰｽ数");
    header(lblHNum, 5220, 675, "ﾎｰﾙ数");
    header(Label3[1], 6000, 675, "実打");
    header(lblH1Tittle, 6780, 375, "H1");
    header(Label2, 7260, 795, "Hc");
    header(lblTotalTittle, 8160, 855, "合計", true);
    header(lblRGAverage, 9060, 975, "");
    header(Label13[0], 10080, 975, "生年月日");

    designCell(lblNo[0], 180, 555, forms::vbCenter);
    designCell(lblName[0], 780, 1575, forms::vbLeftJustify);
    designCell(lblAge[0], 2220, 675, forms::vbRightJustify);
    designCell(lblGroupName[0], 3000, 915, forms::vbCenter);
    lblGroupName[0].setFontSize(9);
    designCell(lblGameNum[0], 3960, 555, forms::vbCenter);
    designCell(lblRoundNum[0], 4500, 675, forms::vbCenter);
    designCell(lblHoleNum[0], 5160, 795, forms::vbCenter);
    designCell(lblJituDa[0], 5940, 795, forms::vbCenter);
    designCell(lblHoleIn1Num[0], 6720, 495, forms::vbCenter);
    designCell(lblHandicap[0], 7200, 915, forms::vbCenter);
    designCell(lblGoukei[0], 8100, 975, forms::vbCenter, true);
    designCell(lblRoundAve[0], 9120, 855, forms::vbCenter);
    designCell(lblBirthday[0], 10080, 975, forms::vbCenter);

    designRowRules(180);
}

std::string frmPfSeasonTotalRanking::layOutBasis() {
    // The basis's count column, and its average, print bold; the rules on
    // either side of the count column are made thick.
    const auto boldColumn = [](forms::Label& header, forms::Label& cells) {
        header.setFontBold(true);
        cells.setFontBold(true);
    };
    const auto thickRules = [this](std::initializer_list<int> rules) {
        for (int i : rules) linTate[i].setBorderWidth(2);
    };
    switch (gintTotalRankingMode) {
    case 0:
        lblRGAverage.setCaption("ｺｰｽ平均");
        boldColumn(lblRNum, lblRoundNum[0]);
        boldColumn(lblRGAverage, lblRoundAve[0]);
        thickRules({4, 5});
        return "［ｺｰｽ平均］";
    case 1:
        lblRGAverage.setCaption("ｹﾞｰﾑ平均");
        boldColumn(lblGNum, lblGameNum[0]);
        boldColumn(lblRGAverage, lblRoundAve[0]);
        thickRules({4});
        return "［ｹﾞｰﾑ平均］";
    case 2:
        lblRGAverage.setCaption("ﾎｰﾙ平均");
        boldColumn(lblHNum, lblHoleNum[0]);
        boldColumn(lblRGAverage, lblRoundAve[0]);
        thickRules({5});
        return "［ﾎｰﾙ平均］";
    case 3:
        lblRGAverage.setVisible(false);
        for (auto* cells : {&lblGameNum, &lblRoundNum, &lblHoleNum}) (*cells)[0].setFontBold(true);
        return "［合計］";
    case 4:
        lblRGAverage.setCaption("");
        boldColumn(lblH1Tittle, lblHoleIn1Num[0]);
        lblTotalTittle.setFontBold(false);
        lblGoukei[0].setFontBold(false);
        return "［ﾎｰﾙｲﾝﾜﾝ］";
    case 5:
        lblRNum.setCaption("9H数");
        lblRGAverage.setCaption("9H平均");
        boldColumn(lblRNum, lblRoundNum[0]);
        boldColumn(lblRGAverage, lblRoundAve[0]);
        thickRules({4, 5});
        return "［9ﾎｰﾙ平均］";
    default: return {};
    }
}

bool frmPfSeasonTotalRanking::pfDataSet() {
    return trappedPass("frmPfSeasonTotalRanking::pfDataSet(): ", [this] {
        const std::string tag = layOutBasis();
        lblBelongOrLocation.setCaption(gintBelongOrLocation == 1 ? "所属" : gintBelongOrLocation == 2 ? "地域" : "");
        startWalk("参加 " + text::Format(glngSeasonTotalRowsMax() + 1, "0") + "名", pfGetRankingTitle() + tag);

        bool doubleRuleDrawn = false;
        struct {
            int32_t games = 0, courses = 0, holes = 0;
        } group;
        for (int32_t j = 0; j <= glngSeasonTotalRowsMax(); ++j) {
            const typSeasonScore& r = gtypSeasonTotalRows.item(j);
            if (beginRow()) {
                if (gintTotalRankingMode == 3) {
                    const bool starts = r.Games != group.games || r.RoundsDone != group.courses ||
                                        r.HolesDone != group.holes;
                    if (starts) group = {r.Games, r.RoundsDone, r.HolesDone};
                    rowRule(starts);
                } else if (gintTotalRankingMode != 4 && belowMinimum(r) && !doubleRuleDrawn) {
                    rowRule(true);
                    moveRowDown(60);
                    rowRule(true);
                    doubleRuleDrawn = true;
                } else {
                    rowRule(firstRowOfPage());
                }

                const int32_t id = r.IDNo;
                cell(lblNo, text::Format(r.Rank, "0"));
                cell(lblName, gfGetPlayerName(id));
                cell(lblGroupName, gintBelongOrLocation == 1   ? gfGetPlayerBelongShort(id)
                                   : gintBelongOrLocation == 2 ? gfGetPlayerLocation(id)
                                                               : "");
                cell(lblAge, "(" + gfGetPlayerAge(id, gstrSeasonPeriodEnd) + "," + gfGetPlayerGender(id, 1) + ")");
                cell(lblGameNum, text::Format(r.Games, "0"));
                cell(lblRoundNum, gintTotalRankingMode == 5 ? text::FormatRatio(r.HolesDone, 9, "0.0")
                                                            : text::Format(r.RoundsDone, "0"));
                cell(lblHoleNum, text::Format(r.HolesDone, "0"));
                cell(lblJituDa, text::Format(r.Strokes, "0"));
                const bool played = r.Strokes != 0;
                cell(lblHoleIn1Num, played ? text::Format(r.StrokeCount[0], "0") : "-");
                cell(lblHandicap, played ? gfFormatTenths(r.Handicap) : "-");
                cell(lblGoukei, played ? gfFormatTenths(r.Total) : "-");
                if (hasAverage()) cell(lblRoundAve, average(r));
                cell(lblBirthday, gtypSeasonGame.JudgeBirthday == 1
                                      ? text::FormatDateText(gfGetPlayerBirthday(id), "gee/mm/dd")
                                      : "-");
            }
            endRow(j == glngSeasonTotalRowsMax());
        }
    });
}
