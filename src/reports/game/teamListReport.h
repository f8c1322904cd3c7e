#pragma once
#include "core/helpers.h"
#include "core/players.h"
#include "core/resultTexts.h"
#include "core/vbArray.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"
#include "reports/game/reportCells.h"
#include "reports/game/reportWindow.h"

#include <functional>
#include <string>

// What the team list of a game and that of a season share: the member rows
// team by team, each team opened by a thick rule with its number and team
// text (repeated at the top of a page it runs onto), each member with a
// member number, name, age and gender, courses, raw strokes, handicap,
// total, course average and affiliation. Teams that differ only by blanks
// around them are one team. The column the teams are ranked by stays bold.
class TeamListReport : public ReportWindow {
public:
    // Header captions shared by both.
    forms::Label lblNoNo{*this, "lblNoNo"};
    forms::Label Label7{*this, "Label7"};
    forms::Label Label1{*this, "Label1"};
    forms::Label lblTotalT{*this, "lblTotalT"};
    forms::Label lblRAveT{*this, "lblRAveT"};
    // Row templates.
    forms::ControlArray<forms::Label> lblNo{*this, "lblNo", {0}};
    forms::ControlArray<forms::Label> lblTeamID{*this, "lblTeamID", {0}};
    forms::ControlArray<forms::Label> lblMNo{*this, "lblMNo", {0}};
    forms::ControlArray<forms::Label> lblName{*this, "lblName", {0}};
    forms::ControlArray<forms::Label> lblAge{*this, "lblAge", {0}};
    forms::ControlArray<forms::Label> lblRoundNum{*this, "lblRoundNum", {0}};
    forms::ControlArray<forms::Label> lblRHits{*this, "lblRHits", {0}};
    forms::ControlArray<forms::Label> lblHits{*this, "lblHits", {0}};
    forms::ControlArray<forms::Label> lblGoukei{*this, "lblGoukei", {0}};
    forms::ControlArray<forms::Label> lblRoundAve{*this, "lblRoundAve", {0}};
    forms::ControlArray<forms::Label> lblBelong{*this, "lblBelong", {0}};

protected:
    using ReportWindow::ReportWindow;

    // After startWalk: the bold basis column and the walk over `rows`, ages
    // taken at `ageDate`, each member's handicap cell from `handicap`.
    template <class Row>
    void layOutMembers(const VbArray<Row>& rows, bool byAverage, const std::string& ageDate,
                       const std::function<std::string(const Row&)>& handicap) {
        (byAverage ? lblTotalT : lblRAveT).setFontBold(false);
        (byAverage ? lblGoukei : lblRoundAve)[0].setFontBold(false);
        int16_t team = 0, member = 0;
        std::string current;
        for (int32_t i = 0; i <= rows.ubound(); ++i) {
            const Row& row = rows.item(i);
            const bool onPage = beginRow();
            const std::string teamText = text::Trim(row.TeamID);
            const bool startsTeam = teamText != current;
            if (startsTeam) {
                team = text::CInt(team + 1.0);
                member = 0;
                current = teamText;
            }
            member = text::CInt(member + 1.0);
            if (onPage) {
                const bool heads = startsTeam || firstRowOfPage();
                rowRule(heads);
                if (heads) {
                    cell(lblNo, text::Format(team, "0"));
                    cell(lblTeamID, teamText);
                }
                cell(lblMNo, "M" + text::Format(member, "0"));
                cell(lblName, gfGetPlayerName(row.IDNo));
                cell(lblAge, ageGenderText(row.IDNo, ageDate));
                cell(lblRoundNum, row.RoundsDone < 1 ? "-" : text::Format(row.RoundsDone, "0"));
                cell(lblRHits, numberOrDash(row.Strokes));
                cell(lblHits, handicap(row));
                cell(lblGoukei, row.Strokes == 0 ? "-" : gfFormatTenths(row.Total));
                cell(lblRoundAve, courseAverageText(row.Total, row.RoundsDone, "0.00"));
                cell(lblBelong, gfGetPlayerBelongName(row.IDNo));
            }
            endRow(i == rows.ubound());
        }
    }
};
