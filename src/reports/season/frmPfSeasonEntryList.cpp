#include "reports/season/frmPfSeasonEntryList.h"

#include "core/resultRecords.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <array>

namespace {

// The columns: x of the rules, and each cell's left, width and alignment.
constexpr std::array<double, 8> RuleX{240, 780, 1500, 4080, 4740, 5400, 6540, 11040};
using Column = ReportWindow::Column;
constexpr Column ColNo{300, 435, forms::vbCenter}, ColGames{840, 615, forms::vbCenter},
    ColName{1560, 2475, forms::vbLeftJustify}, ColAge{4140, 555, forms::vbCenter}, ColGender{4800, 555, forms::vbCenter},
    ColLocation{5460, 1035, forms::vbCenter}, ColBelong{6600, 4395, forms::vbLeftJustify};

} // namespace

frmPfSeasonEntryList::frmPfSeasonEntryList() : ReportWindow("frmPfSeasonEntryList", static_cast<int>(RuleX.size())) {
    design();
}

void frmPfSeasonEntryList::design() {
    setCaption("参加一覧印刷フォーム");
    designFrame({9375, 1680, 300, 10785, 9075, 9480, 1575});
    designColumnRules(RuleX);

    designHeader(lblNoNo, ColNo, "No.");
    designHeader(lblSPTotal[83], ColGames, "参加数");
    designCell(lblNo[0], ColNo);
    designCell(lblEntryGameNum[0], ColGames, true);
    designEntrantColumns({Label7, Label13, Label3, Label1, lblSPTotal[82]},
                         {lblName, lblAge, lblGender, lblLocation, lblBelong},
                         {ColName, ColAge, ColGender, ColLocation, ColBelong});

    designRowRules(240);
}

bool frmPfSeasonEntryList::pfDataSet() {
    return trappedPass("frmPfSeasonEntryList::pfDataSet(): ", [this] {
        startWalk("参加 " + text::Format(glngSeasonEntryRowsMax() + 1, "0") + "名", "参加者一覧");
        int16_t number = 0;
        for (int32_t j = 0; j <= glngSeasonEntryRowsMax(); ++j) {
            const typSeasonScore& row = gtypSeasonEntryRows.item(j);
            const bool onPage = beginRow();
            number = text::CInt(number + 1.0);
            if (onPage) {
                const int32_t id = row.IDNo;
                rowRule(firstRowOfPage());
                cell(lblNo, text::Format(number, "0"));
                cell(lblEntryGameNum, text::Str(row.Games));
                entrantCells({lblName, lblAge, lblGender, lblLocation, lblBelong}, id, gstrSeasonPeriodEnd);
            }
            endRow(j == glngSeasonEntryRowsMax());
        }
    });
}
