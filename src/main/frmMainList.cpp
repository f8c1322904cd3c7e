// The main window's game list: the games that pass the filters and the
// period, earliest first, each with a tally box; the remembered game selected
// and scrolled into view; and the buttons that depend on the list.
#include "main/frmMain.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "core/registryNames.h"
#include "core/rememberedChoices.h"
#include "platform/files/Profile.h"
#include "platform/forms/ComboChoice.h"
#include "platform/forms/Services.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

#include <algorithm>

namespace {

constexpr int32_t kRowHeight = 350;
constexpr forms::Color kStripeColor = forms::RGB(240, 255, 240);

enum class Column { Tally, Number, Date, Shape, Entrants, Title, Cource, Series };

struct ColumnLook {
    Column kind;
    const char* header;
    int32_t alignment;
    int32_t width;
};

// The columns present while the series, shape and course filters are each
// on "すべて" or not; the title takes the width of those left out, so the
// list is always 11050 twips wide.
std::vector<ColumnLook> listColumns(bool allSeries, bool allShapes, bool allCources) {
    const int32_t title = 2650 + (allSeries ? 0 : 2100) + (allShapes ? 0 : 1150) + (allCources ? 0 : 2100);
    std::vector<ColumnLook> cols{{Column::Tally, "集計", 2, 550}, {Column::Number, "No.", 2, 600},
                                 {Column::Date, "日付", 2, 1300}};
    if (allShapes) cols.push_back({Column::Shape, "ｹﾞｰﾑ形式", 2, 1150});
    cols.push_back({Column::Entrants, "参加", 2, 600});
    cols.push_back({Column::Title, "タイトル", 0, title});
    if (allCources) cols.push_back({Column::Cource, "コース", 0, 2100});
    if (allSeries) cols.push_back({Column::Series, "シリーズ", 0, 2100});
    return cols;
}

} // namespace

void frmMain::psSetGamesList() {
    if (mintNoSetList == 1) return;
    try {
        buildGamesList();
    } catch (const text::RuntimeError& e) {
        forms::MsgBox("psSetGamesList() : " + e.Description, forms::vbOKOnly | forms::vbCritical, std::string("エラー"));
    }
}

void frmMain::buildGamesList() {
    lblGameListCount.setCaption("");
    if (!forms::hasChoice(cobSeason)) {
        uctGameList.gsClear();
        uctGameList.gsUpdate();
        return;
    }

    const int32_t season = forms::chosenData(cobSeason);
    const int32_t shape = forms::choice(cobHoleRound).value_or(-1);
    const int32_t cource = forms::choice(cobCource).value_or(-1);
    const std::string from = text::Trim(mstrPeriodFrom), to = text::Trim(mstrPeriodTo);
    std::vector<int32_t> listed;
    for (int32_t i = 0; i <= glngGamesMax(); ++i) {
        const typGameInfo& g = gtypGames[static_cast<size_t>(i)];
        if (season != -1 && g.SeriesID != season) continue;
        if (shape != -1 && (g.Hole != text::CInt(shape / 100.0) || g.Round != text::intMod(shape, 100))) continue;
        if (cource != -1 && g.CourceID != cource) continue;
        const std::string d = text::FormatDateText(text::Trim(g.Date), "yyyy/mm/dd");
        if ((!from.empty() && from > d) || (!to.empty() && to < d)) continue;
        listed.push_back(i);
    }

    const std::vector<ColumnLook> cols = listColumns(season == -1, shape == -1, cource == -1);
    const auto rows = static_cast<int32_t>(listed.size());
    lblGameListCount.setCaption(text::Str(rows) + " ｹﾞｰﾑ");

    uctMyGrid& grid = uctGameList;
    grid.gsClear();
    grid.gsSetFixedTopRow(true, true);
    grid.gsSetSelectRowColor(forms::vbHighlight, forms::vbHighlightText);
    grid.gsCreateColsRows(static_cast<int32_t>(cols.size()), rows + 1);
    for (size_t c = 0; c < cols.size(); ++c) {
        const auto col = static_cast<int32_t>(c);
        grid.gsSetColInfo(col, "Width", cols[c].width);
        grid.gsSetText(col, 0, cols[c].header);
        grid.gsSetCellData(col, 0, "Alignment", cols[c].alignment);
    }
    grid.gsSetRowInfo(0, "Height", kRowHeight);
    if (rows == 0) {
        grid.gsUpdate();
        return;
    }

    // Earliest date first; games of one date in stored order.
    std::vector<std::string> keys;
    std::vector<int32_t> order;
    for (int32_t k = 0; k < rows; ++k) {
        keys.push_back(gtypGames[static_cast<size_t>(listed[static_cast<size_t>(k)])].Date + text::Format(k, "000000"));
        order.push_back(k);
    }
    csQuickSort_Asc(0, rows - 1, order, keys);

    // Every row reads its course and series names from the two registries.
    files::ProfileReadBatch batch;
    for (int32_t row = 1; row <= rows; ++row) {
        const int32_t index = listed[static_cast<size_t>(order[static_cast<size_t>(row - 1)])];
        const typGameInfo& g = gtypGames[static_cast<size_t>(index)];
        grid.gsSetRowInfo(row, "Height", kRowHeight);
        grid.gsSetRowInfo(row, "RowItemData", index);
        if (row % 2 == 0)
            for (size_t c = 0; c < cols.size(); ++c) grid.gsSetCellData(static_cast<int32_t>(c), row, "BackColor", kStripeColor);
        for (size_t c = 0; c < cols.size(); ++c) {
            const auto col = static_cast<int32_t>(c);
            grid.gsSetCellData(col, row, "Alignment", cols[c].alignment);
            switch (cols[c].kind) {
            case Column::Tally:
                grid.gsSetCellData(col, row, "Type", MGCellTypeCheckBox);
                grid.gsSetCellData(col, row, "Value", 2);
                break;
            case Column::Number:
                grid.gsSetText(col, row, text::Str(row));
                grid.gsSetCellData(col, row, "BackColor", forms::vbButtonFace);
                break;
            case Column::Date:
                grid.gsSetText(col, row, text::FormatDateText(text::Trim(g.Date), "gee/mm/dd"));
                break;
            case Column::Shape:
                grid.gsSetText(col, row, text::Str(g.Hole * g.Round) + "H(" + text::Str(g.Hole) + "x" +
                                             text::Str(g.Round) + ")");
                grid.gsSetCellData(col, row, "FontSize", 10);
                break;
            case Column::Entrants:
                grid.gsSetText(col, row, text::Str(g.MaxScoreNo));
                break;
            case Column::Title:
                grid.gsSetText(col, row, text::Trim(g.Tittle));
                break;
            case Column::Cource:
                grid.gsSetText(col, row, g.CourceID < 1 ? std::string() : text::Trim(courseName(g.CourceID)));
                break;
            case Column::Series:
                grid.gsSetText(col, row, g.SeriesID < 1 ? std::string() : text::Trim(seriesName(g.SeriesID)));
                break;
            }
        }
    }

    // The remembered game, selected and shown near the bottom of the view.
    const std::string remembered = text::Trim(gfReadIniFile(gstrIniFile, "Setup", "SelectedGame"));
    int32_t selected = 0;
    for (int32_t row = 1; row <= rows; ++row) {
        if (text::Trim(gtypGames[static_cast<size_t>(grid.gfGetRowItemData(row))].FileName) != remembered) continue;
        if (!grid.gfGetRowSelected(row)) {
            grid.gsSetSelectRow(row);
            selected = row;
        }
        break;
    }
    grid.gsUpdate();
    if (mlngTopRow != -1) {
        grid.gsSetTopIndexOfRowsY(mlngTopRow);
        mlngTopRow = -1;
    } else if (selected > 0) {
        const int32_t visible = text::CLng(grid.Height() / kRowHeight);
        if (selected - visible + 3 >= 1) grid.gsSetTopIndexOfRowsY(selected - visible + 3);
    }
    grid.gsUpdate();
}

void frmMain::psSetButtons() {
    if (!forms::hasChoice(cobSeason)) {
        for (forms::CommandButton* b : {&btnSeasonPrint, &btnNewGame, &btnOpenGame, &btnGamePrint, &btnDeleteGame})
            b->setEnabled(false);
        return;
    }
    btnNewGame.setEnabled(std::any_of(gtypPlayers.begin(), gtypPlayers.end(),
                                      [](const typPlayerInfo& p) { return p.State != 2; }));
    bool ticked = false, selected = false;
    for (int32_t row = 1; row < uctGameList.gfRowCount(); ++row) {
        ticked = ticked || uctGameList.gfGetCellData(0, row, "Value").toInt32() != 0;
        selected = selected || uctGameList.gfGetRowSelected(row);
    }
    btnSeasonPrint.setEnabled(ticked);
    for (forms::CommandButton* b : {&btnOpenGame, &btnGamePrint, &btnDeleteGame}) b->setEnabled(selected);
}

void frmMain::uctGameList_MGCellClick(int32_t, int32_t lngRow) {
    const int32_t i = uctGameList.gfGetRowItemData(lngRow);
    if (i < 0 || i > glngGamesMax()) return;
    remember("SelectedGame", text::Trim(gtypGames[static_cast<size_t>(i)].FileName));
    psSetButtons();
}

void frmMain::uctGameList_MGCellDblClick(int32_t, int32_t) { btnOpenGame_Click(); }

void frmMain::uctGameList_MGCellCheckBoxClick(int32_t, int32_t, int32_t) { psSetButtons(); }

int32_t frmMain::selectedRow() const {
    for (int32_t row = 1; row < uctGameList.gfRowCount(); ++row)
        if (uctGameList.gfGetRowSelected(row)) return row;
    return 0;
}

std::optional<int32_t> frmMain::selectedGame(bool reportNone) {
    const int32_t row = selectedRow();
    if (row == 0) {
        if (reportNone) forms::MsgBox("ゲームを選択してください。", forms::vbOKOnly, std::string("エラー"));
        return std::nullopt;
    }
    const int32_t i = uctGameList.gfGetRowItemData(row);
    if (i < 0 || i > glngGamesMax()) return std::nullopt;
    return i;
}

std::vector<std::string> frmMain::untickedGames() {
    std::vector<std::string> names;
    for (int32_t row = 1; row < uctGameList.gfRowCount(); ++row) {
        if (uctGameList.gfGetCellData(0, row, "Value").toInt32() != 0) continue;
        const int32_t i = uctGameList.gfGetRowItemData(row);
        if (i >= 0 && i <= glngGamesMax()) names.push_back(text::Trim(gtypGames[static_cast<size_t>(i)].FileName));
    }
    return names;
}

void frmMain::untickGames(const std::vector<std::string>& names) {
    if (names.empty()) return;
    bool cleared = false;
    for (int32_t row = 1; row < uctGameList.gfRowCount(); ++row) {
        const int32_t i = uctGameList.gfGetRowItemData(row);
        if (i < 0 || i > glngGamesMax()) continue;
        if (std::find(names.begin(), names.end(), text::Trim(gtypGames[static_cast<size_t>(i)].FileName)) == names.end())
            continue;
        uctGameList.gsSetCellData(0, row, "Value", 0);
        cleared = true;
    }
    if (cleared) uctGameList.gsUpdate();
}
