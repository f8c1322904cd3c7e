#include "reports/season/frmPfSeasonPersonalGameInfo.h"

#include "core/globals.h"
#include "core/iniFile.h"
#include "core/resultRecords.h"
#include "platform/text/Format.h"
#include "platform/text/Strings.h"
#include "reports/season/seasonCells.h"

#include <array>

namespace {

// The name of registry record `id` ("Cource<n>" or "Series<n>"), whatever
// its state; "" when the section is missing.
std::string registryName(const std::string& file, const char* prefix, int32_t id) {
    return text::Trim(gfReadIniFile(file, prefix + text::Format(id, "0"), "Name"));
}

} // namespace

frmPfSeasonPersonalGameInfo::frmPfSeasonPersonalGameInfo() : SeasonPersonalReport("frmPfSeasonPersonalGameInfo", 7) {
    setCaption("シーズン・個別ゲーム情報印刷フォーム");
    design();
}

void frmPfSeasonPersonalGameInfo::design() {
    designShared({9675, 300, 375, 555, 2820, 675});
    designColumnRules(std::to_array<double>({240, 720, 3480, 6000, 8480, 11040, 2820}), {2, 3, 4});
    designLabel(Label1, {3540, 900, 2415, "ゲーム・タイトル", forms::vbCenter});
    designLabel(Label3, {6060, 900, 2355, "コース（会場）", forms::vbCenter});
    designLabel(Label4, {8520, 900, 2475, "シリーズ＆大会", forms::vbCenter});

    designCell(lblGameTittle[0], 3540, 2415, forms::vbLeftJustify);
    designCell(lblCource[0], 6060, 2415, forms::vbLeftJustify);
    designCell(lblSeries[0], 8520, 2475, forms::vbLeftJustify);
    // Two-line cells inside the taller row.
    for (auto* tall : {&lblHandR, &lblGameTittle, &lblCource, &lblSeries}) (*tall)[0].setHeight(375);
}

bool frmPfSeasonPersonalGameInfo::pfDataSet() {
    return trappedPass("frmPfSeasonPersonalGameInfo::pfDataSet(): ", [this] {
        startRows("個別ゲーム情報表");
        for (int32_t j = 0; j <= glngSeasonGameRowsMax(); ++j) {
            const typSeasonScore& row = gtypSeasonGameRows.item(j);
            const typGameInfo& game = seasoncells::takeGameHeader(row.GameIndex);
            if (beginRow()) {
                openingCells(j, row);
                cell(lblHandR, text::Format(game.Hole * game.Round, "0") + "H\r\n(" + text::Format(game.Hole, "0") + "x" +
                                   text::Format(game.Round, "0") + ")");
                cell(lblGameTittle, game.Tittle);
                // No course or series: a dash in the middle of the cell.
                if (game.CourceID < 1) cell(lblCource, "-").setAlignment(forms::vbCenter);
                else cell(lblCource, registryName(gstrCourceFile, "Cource", game.CourceID));
                if (game.SeriesID < 1) cell(lblSeries, "-").setAlignment(forms::vbCenter);
                else cell(lblSeries, registryName(gstrSeriesFile, "Series", game.SeriesID));
            }
            endRow(j == glngSeasonGameRowsMax(), GameRowHeight, GameRowHeight);
        }
    });
}
