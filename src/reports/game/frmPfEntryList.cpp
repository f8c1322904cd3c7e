#include "reports/game/frmPfEntryList.h"

#include "core/gameRecords.h"
#include "reports/game/modPfPreparePrint.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

#include <array>

namespace {

// The columns: x of the rules, and each cell's left, width and alignment.
constexpr std::array<double, 8> RuleX{240, 780, 1440, 4020, 4620, 5220, 6360, 11040};
using Column = ReportWindow::Column;
constexpr Column ColNo{300, 435, forms::vbCenter}, ColTeam{840, 555, forms::vbCenter}, ColName{1500, 2475, forms::vbLeftJustify},
    ColAge{4080, 495, forms::vbCenter}, ColGender{4680, 495, forms::vbCenter}, ColLocation{5280, 1035, forms::vbCenter},
    ColBelong{6420, 4575, forms::vbLeftJustify};

} // namespace

frmPfEntryList::frmPfEntryList() : ReportWindow("frmPfEntryList", static_cast<int>(RuleX.size())) { design(); }

void frmPfEntryList::design() {
    designFrame({9375, 1680, 300, 10785, 9135, 9420, 1575});
    designColumnRules(RuleX);

    designHeader(lblNoNo, ColNo, "No.");
    designHeader(lblSPTotal[83], ColTeam, "ﾁｰﾑ");
    designCell(lblNo[0], ColNo);
    designCell(lblTeamID[0], ColTeam, true);
    designEntrantColumns({Label7, Label13, Label3, Label1, lblSPTotal[82]},
                         {lblName, lblAge, lblGender, lblLocation, lblBelong},
                         {ColName, ColAge, ColGender, ColLocation, ColBelong});

    designRowRules(240);
    designLine(linYokoFutoS[0], 240, 1920, 11040, 1920, forms::RGB(255, 0, 0), 2, false);
    designLine(linHoso[0], 240, 2280, 11040, 2280, forms::RGB(0, 0, 255), 1, false);
}

bool frmPfEntryList::pfDataSet() {
    return trappedPass("frmPfentryList::pfDataSet(): ", [this] {
        startWalk("参加 " + text::Format(gintEntryCount, "0") + "名、" + text::Format(gintTeamCount, "0") + "ﾁｰﾑ",
                  "参加一覧");
        // Every Round-th score row is a player's first course.
        const int32_t step = gtypGame.Round;
        if (step < 1) throw text::RuntimeError(5, "プロシージャの呼び出し、または引数が不正です。");
        int16_t number = 0;
        for (int32_t r = 0; r <= glngScoresMax(); r += step) {
            const typScoreData& row = gtypScores.item(r);
            const bool onPage = beginRow();
            number = text::CInt(number + 1.0);
            if (onPage) {
                const int32_t id = row.IDNo;
                rowRule(firstRowOfPage());
                cell(lblNo, text::Format(number, "0"));
                cell(lblTeamID, text::Trim(row.TeamID));
                entrantCells({lblName, lblAge, lblGender, lblLocation, lblBelong}, id, gstrPrintGameDate);
            }
            endRow(r + step > glngScoresMax());
        }
    });
}
