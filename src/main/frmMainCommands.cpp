// The main window's commands on stored games: new, open, delete, print one
// game, the period, ticking, the registries with the clean-up of links to
// deleted series and courses, and gsShowMain when the tally window closes.
#include "main/frmMain.h"

#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/registryFile.h"
#include "core/registryNames.h"
#include "core/wholeGame.h"
#include "core/rememberedChoices.h"
#include "main/frmBelong.h"
#include "main/frmCourceRegi.h"
#include "main/frmPeriod.h"
#include "main/frmPlayers.h"
#include "main/frmSeriesRegi.h"
#include "main/windowSeams.h"
#include "platform/files/FileOps.h"
#include "platform/files/Profile.h"
#include "platform/forms/ComboChoice.h"
#include "platform/forms/Services.h"
#include "platform/text/Dates.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"
#include "tally/frmGameInfo.h"
#include "tally/frmNewScoreSetup.h"

#include <array>
#include <optional>
#include <set>

using namespace forms;

void frmMain::openTally() {
    tally_ = std::make_unique<frmBrenmoor>([this] { gsShowMain(); },
                                           [](Form& owner) { gameWindows().showSelectPrintScore(owner); });
    tally_->Show(vbModeless, this);
    if (!tally_->Visible()) return; // the game could not be read: the window said why
    Hide();
    mintMainHidden = 1;
}

void frmMain::btnNewGame_Click() {
    if (!hasChoice(cobSeason)) return;
    const std::string today = text::FormatDate(Today(), "yyyy/mm/dd");
    if (const auto i = selectedGame(false)) {
        // The new game keeps the series, course, shape and course letters.
        gtypGame = gtypGames[static_cast<size_t>(*i)];
        gtypGame.MaxScoreNo = 0;
        gtypGame.CategoryAgeLow = gtypGame.CategoryAgeHigh = -1;
    } else {
        gtypGame = typGameInfo{};
        const int32_t season = chosenData(cobSeason);
        gtypGame.SeriesID = season == -1 ? 0 : season;
        const int32_t cource = choice(cobCource).value_or(-1);
        gtypGame.CourceID = cource == -1 ? 0 : cource;
        const int32_t shape = choice(cobHoleRound).value_or(-1);
        gtypGame.Hole = shape == -1 ? 9 : text::CInt(shape / 100.0);
        gtypGame.Round = shape == -1 ? 4 : static_cast<int16_t>(text::intMod(shape, 100));
        for (int k = 0; k < 10; ++k) gtypGame.RoundName[static_cast<size_t>(k)] = std::string(1, static_cast<char>('A' + k));
        gtypGame.CategoryAgeLow = gtypGame.CategoryAgeHigh = -1;
    }
    gtypGame.Date = today;
    gtypGame.Tittle.clear();
    gtypGame.TeamHowtoRank = gtypGame.CategoryGender = gtypGame.JudgeDaSu = gtypGame.JudgeBirthday =
        gtypGame.HandiCapKind = 0;
    gtypGame.FileName.clear();

    glngDlgIndex = 0;
    {
        frmGameInfo header;
        header.Show(vbModal, this);
    }
    if (gintDlgRet == -1) return;
    gtypEntries.clear();
    {
        frmNewScoreSetup entrants;
        entrants.Show(vbModal, this);
    }
    if (gintDlgRet == -1) return;
    mintOpenedGame = 0;
    openTally();
}

void frmMain::btnOpenGame_Click() {
    const auto i = selectedGame(true);
    if (!i) return;
    gtypEntries.clear();
    gtypGame = gtypGames[static_cast<size_t>(*i)];
    mintOpenedGame = 1;
    openTally();
}

void frmMain::btnDeleteGame_Click() {
    if (!hasChoice(cobSeason)) return;
    const std::vector<std::string> unticked = untickedGames();
    const int32_t row = selectedRow();
    const auto i = selectedGame(true);
    if (!i) return;
    gtypGame = gtypGames[static_cast<size_t>(*i)];
    const std::string path = gameFilePath(gtypGame);
    if (!files::fileExists(path)) return;
    if (MsgBox(gameLabel(gtypGame) + "\r\nを削除します。", vbOKCancel, std::string("ゲーム削除確認")) != vbOK) return;

    HourglassScope hourglass;
    // The neighbour to select afterwards: the row below, else the row above.
    std::optional<std::string> next;
    const int32_t nextRow = row + 1 < uctGameList.gfRowCount() ? row + 1 : row - 1;
    if (nextRow >= 1) {
        const int32_t j = uctGameList.gfGetRowItemData(nextRow);
        if (j >= 0 && j <= glngGamesMax()) next = text::Trim(gtypGames[static_cast<size_t>(j)].FileName);
    }
    // A game file marked read-only is kept, as it is from every write.
    if (files::isReadOnly(path) || !files::removeFile(path)) {
        Screen::setMousePointer(vbDefault);
        MsgBox(gameLabel(gtypGame) + "\r\nを削除できませんでした。", vbOKOnly, std::string("エラー"));
        return;
    }
    if (next) remember("SelectedGame", *next);
    gsReadGameList();
    mlngTopRow = uctGameList.gfGetTopIndexOfRowsY();
    psSetGamesList();
    untickGames(unticked);
    psSetButtons();
}

// A failure stops it silently; the window is shown before anything else.
void frmMain::gsShowMain() {
    Show();
    mintMainHidden = 0;
    try {
        gsClearResults();
        if (gintGameSaved == -1) return;
        showMainAfterSave();
    } catch (const text::RuntimeError&) {
    }
}

// The list reloaded with the saved game in it: the filters move to the game
// where they would hide it, and unticked boxes stay unticked while the
// filters stay as they were.
void frmMain::showMainAfterSave() {
    if (mintOpenedGame == 1) mlngTopRow = uctGameList.gfGetTopIndexOfRowsY();
    const std::vector<std::string> unticked = untickedGames();
    const auto filters = [this] { return std::array{choice(cobSeason), choice(cobHoleRound), choice(cobCource)}; };
    const auto before = filters();

    remember("SelectedGame", text::Trim(gtypGame.FileName));
    gsReadGameList();
    psSetSeasonCombo();

    const auto season = choice(cobSeason);
    if (season && *season != -1 && *season != gtypGame.SeriesID) {
        for (int k = 0; k < cobSeason.ListCount(); ++k) {
            if (cobSeason.ItemData(k) != gtypGame.SeriesID) continue;
            cobSeason.setListIndex(k);
            break;
        }
    }
    const auto shape = choice(cobHoleRound);
    if (shape && *shape != -1 && *shape != gtypGame.Hole * 100 + gtypGame.Round) cobHoleRound.setListIndex(0);
    const auto cource = choice(cobCource);
    if (cource && *cource != -1 && *cource != gtypGame.CourceID) cobCource.setListIndex(0);

    bool periodMoved = false;
    if (!text::Trim(mstrPeriodFrom).empty() && mstrPeriodFrom > gtypGame.Date) {
        mstrPeriodFrom = gtypGame.Date;
        periodMoved = true;
    }
    if (!text::Trim(mstrPeriodTo).empty() && mstrPeriodTo < gtypGame.Date) {
        mstrPeriodTo = gtypGame.Date;
        periodMoved = true;
    }
    if (periodMoved) {
        psShowPeriod();
        psSetGamesList();
    }
    if (filters() == before) untickGames(unticked);
    psSetButtons();
}

void frmMain::btnGamePrint_Click() {
    if (!hasChoice(cobSeason)) return;
    const auto i = selectedGame(true);
    if (!i) return;
    gtypGame = gtypGames[static_cast<size_t>(*i)];
    gsClearResults();
    if (!readWholeGame("印刷できません。")) return;
    gsUnpackScoreData();
    gameWindows().showSelectPrintScore(*this);
    gsClearResults();
}

void frmMain::btnPeriod_Click() {
    gstrDlgParam = text::Trim(mstrPeriodFrom);
    gstrDlgParam2 = text::Trim(mstrPeriodTo);
    frmPeriod dialog;
    dialog.Show(vbModal, this);
    if (gintDlgRet == -1) return;
    mstrPeriodFrom = text::Trim(gstrDlgParam);
    mstrPeriodTo = text::Trim(gstrDlgParam2);
    psShowPeriod();
    psSetGamesList();
    // The rebuild ticks every row and may drop the selection.
    psSetButtons();
}

void frmMain::btnSyukeiCheckedAll_Click() {
    if (!hasChoice(cobSeason)) return;
    for (int32_t row = 1; row < uctGameList.gfRowCount(); ++row)
        if (uctGameList.gfGetCellData(0, row, "Value").toInt32() == 0) uctGameList.gsSetCellData(0, row, "Value", 2);
    uctGameList.gsUpdate();
    psSetButtons();
}

void frmMain::btnSyukeiClear_Click() {
    if (!hasChoice(cobSeason)) return;
    for (int32_t row = 1; row < uctGameList.gfRowCount(); ++row)
        if (uctGameList.gfGetCellData(0, row, "Value").toInt32() != 0) uctGameList.gsSetCellData(0, row, "Value", 0);
    uctGameList.gsUpdate();
    psSetButtons();
}

void frmMain::btnMember_Click() {
    frmPlayers registry;
    registry.Show(vbModal, this);
    psSetButtons();
}

void frmMain::btnBelong_Click() {
    frmBelong registry;
    registry.Show(vbModal, this);
}

void frmMain::btnSeries_Click() {
    {
        frmSeriesRegi registry;
        registry.Show(vbModal, this);
    }
    psResetLostSeriesCource();
    psSetSeasonCombo();
}

void frmMain::btnCource_Click() {
    {
        frmCourceRegi registry;
        registry.Show(vbModal, this);
    }
    psResetLostSeriesCource();
    psSetSeasonCombo();
}

void frmMain::btnClose_Click() { Unload(); }

// Games whose series or course is no longer active fall under "指定なし":
// "0" is written into their files and their headers. A failed write is
// reported and ends the clean-up.
void frmMain::psResetLostSeriesCource() {
    struct Link {
        const RegistryFile& registry;
        const char* key;
        int32_t typGameInfo::*field;
    };
    const Link links[] = {{seriesRegistry, "SeriesID", &typGameInfo::SeriesID},
                          {courseRegistry, "CourceID", &typGameInfo::CourceID}};
    try {
        for (const Link& link : links) {
            const std::string& file = link.registry.file();
            // A file that is there but cannot be read would look empty and cut every link.
            if (!registryReadable(file)) continue;
            files::ProfileReadBatch batch;
            std::set<int32_t> active;
            const int16_t count = registryCount(link.registry);
            for (int32_t n = 1; n <= count; ++n)
                if (namedEntryActive(file, link.registry.sectionPrefix + text::Str(n))) active.insert(n);
            for (typGameInfo& g : gtypGames) {
                int32_t& id = g.*link.field;
                if (id == 0 || active.count(id) != 0) continue;
                const std::string path = gameFilePath(g);
                if (files::fileExists(path) && gfWriteIniFile(path, "Management", link.key, "0") == 0)
                    throw text::RuntimeError(text::err::PermissionDenied, text::describeError(text::err::PermissionDenied) +
                                                                              "\r\n" + path);
                id = 0;
            }
        }
    } catch (const text::RuntimeError& e) {
        MsgBox("psResetLostSeriesCource() : " + e.Description, vbOKOnly | vbCritical, std::string("エラー"));
    }
}
