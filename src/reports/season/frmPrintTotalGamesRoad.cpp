// The season tally window's print buttons: each takes the options in force,
// gathers the selected games afresh with its report's kind, computes the
// report's rows and previews it; and the category of the total ranking.
#include "reports/season/frmPrintTotalGames.h"

#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/players.h"
#include "core/rankOneGame.h"
#include "core/resultRecords.h"
#include "core/season.h"
#include "platform/forms/Services.h"
#include "reports/game/frmSelectPrintMember.h"
#include "reports/game/modPfPreparePrint.h"
#include "tally/frmCategory.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Gathering kinds of the total ranking, by basis.
constexpr std::array<int16_t, 6> kTotalRankingKinds{10, 2, 11, 12, 13, 14};
// The total ranking's kind follows the basis in force at the press.
constexpr int16_t kKindByBasis = -1;

// The personal reports size their columns by the largest shape among the
// player's games.
void raiseToShape(typGameInfo& sized, int32_t gameIndex) {
    const typGameInfo& game = gtypGames.item(gameIndex);
    sized.Hole = std::max(sized.Hole, game.Hole);
    sized.Round = std::max(sized.Round, game.Round);
}

} // namespace

void frmPrintTotalGames::psMsgNoPrintData() {
    forms::MsgBox("印刷データはありません。", forms::vbOKOnly, std::string("ｴﾗｰ"));
}

bool frmPrintTotalGames::gatherSeason(int16_t kind) {
    std::vector<SeasonSkippedGame> skipped;
    const bool nothing = gfSetSeasonVarnel(kind, skipped);
    if (!skipped.empty()) {
        forms::Screen::setMousePointer(forms::vbDefault);
        forms::MsgBox(seasonSkippedPrompt(skipped), forms::vbOKOnly, std::string("エラー"));
        forms::Screen::setMousePointer(forms::vbHourglass);
    }
    return nothing;
}

bool frmPrintTotalGames::startPress(int16_t kind) {
    psGetPrintConditions();
    if (kind == kKindByBasis) kind = kTotalRankingKinds.at(static_cast<std::size_t>(gintTotalRankingMode));
    gsClearResults();
    return gatherSeason(kind);
}

void frmPrintTotalGames::endWithNoPrintData() {
    forms::Screen::setMousePointer(forms::vbDefault);
    psMsgNoPrintData();
}

void frmPrintTotalGames::printSeasonReport(int16_t kind, const std::function<bool()>& compute,
                                           const std::function<bool(int16_t, forms::Form*)>& print) {
    const forms::HourglassScope hourglass;
    if (startPress(kind)) return;
    if (compute()) return endWithNoPrintData();
    print(0, this);
}

void frmPrintTotalGames::btnEntryList_Click() {
    printSeasonReport(1, [this] { return gsCalSeasonEntryList(mintSortBelong, mintNameOrEntries); },
                      gfPrintSeasonEntryList);
}

// Prints what the category leaves, even no row at all.
void frmPrintTotalGames::btnTotalRanking_Click() {
    printSeasonReport(kKindByBasis, [this] {
        if (gsCalSeasonTotalRanking()) return true;
        psFilterTotalRankingByCategory();
        return false;
    }, gfPrintSeasonTotalRanking);
}

void frmPrintTotalGames::btnBestGame_Click() {
    printSeasonReport(3, [] { return gsCalSeasonGameRanking(); }, gfPrintSeasonGameRanking);
}

void frmPrintTotalGames::btnBestRound_Click() {
    printSeasonReport(5, [] { return gsCalSeasonGameRanking(); }, gfPrintSeasonRoundRanking);
}

void frmPrintTotalGames::btnTeamList_Click() {
    printSeasonReport(6, [] { return gsCalSeasonTeamList(); }, gfPrintSeasonTeamList);
}

void frmPrintTotalGames::btnTeamRanking_Click() {
    printSeasonReport(7, [] { return gsCalSeasonTeamList() || gsCalSeasonTeamRanking(); }, gfPrintSeasonTeamRanking);
}

int32_t frmPrintTotalGames::chooseSeasonPlayer(int16_t kind) {
    if (startPress(kind)) return 0;
    if (gfSortSeasonVarnel()) {
        endWithNoPrintData();
        return 0;
    }
    return std::max(pfSelectPrintMember(), 0);
}

// One player's games, by date, by result or as game information.
void frmPrintTotalGames::btnPrivateRanking_Click() {
    const forms::HourglassScope hourglass;
    const int32_t player = chooseSeasonPlayer(8);
    if (player == 0) return;
    gtypSeasonGameRows.clear();
    gtypPersonalGame = gtypSeasonGame;
    gtypPersonalGame.Hole = gtypPersonalGame.Round = 0;
    const auto first = std::find_if(gtypSeasonScores.begin(), gtypSeasonScores.end(),
                                    [player](const typSeasonScore& r) { return r.IDNo == player; });
    for (auto r = first; r != gtypSeasonScores.end() && r->IDNo == player; ++r) {
        gtypSeasonGameRows.append(*r);
        raiseToShape(gtypPersonalGame, r->GameIndex);
    }
    if (gtypSeasonGameRows.empty()) return endWithNoPrintData();
    if (mintPrivateGames == 1 && gsCalSeasonPersonalGameScore()) return endWithNoPrintData();
    if (mintPrivateGames == 2) gfPrintSeasonPersonalGameInfo(0, this);
    else gfPrintSeasonPersonalGameScore(0, this);
}

// One player's courses, game by game.
void frmPrintTotalGames::btnPrivateScore_Click() {
    const forms::HourglassScope hourglass;
    const int32_t player = chooseSeasonPlayer(9);
    if (player == 0) return;
    if (gsCalSeasonPersonalRoundScore(player)) return endWithNoPrintData();
    gtypPersonalGame = gtypSeasonGame;
    gtypPersonalGame.Hole = gtypPersonalGame.Round = 0;
    for (const typSeasonRoundScore& r : gtypSeasonRoundRows)
        if (r.RoundNo == 1) raiseToShape(gtypPersonalGame, r.GameIndex);
    gfPrintSeasonPersonalRoundScore(0, this);
}

// The chooser offers every player with season rows; the chosen ID, or -1
// when the choice was cancelled.
int32_t frmPrintTotalGames::pfSelectPrintMember() {
    for (typPlayerInfo& p : gtypPlayers) {
        p.Entered = 0;
        p.TeamID.clear();
    }
    int32_t previous = 0;
    for (const typSeasonScore& r : gtypSeasonScores) {
        if (r.IDNo == previous) continue;
        previous = r.IDNo;
        const int16_t index = gfGetPlayerIndex(r.IDNo);
        if (index >= 0) gtypPlayers.item(index).Entered = 1;
    }
    forms::Screen::setMousePointer(forms::vbDefault);
    frmSelectPrintMember dialog;
    dialog.Show(forms::vbModal, this);
    forms::Screen::setMousePointer(forms::vbHourglass);
    return gintDlgRet == -1 ? -1 : glngDlgIndex;
}

void frmPrintTotalGames::btnCategory_Click() {
    gtypGame = gtypSeasonGame;
    frmCategory dialog;
    dialog.Show(forms::vbModal, this);
    if (gintDlgRet == -1) return;
    gtypSeasonGame = gtypGame;
    fraTotalRanking.setCaption(pfGetRankingTitle());
}

// Keeps the ranked players who fit the season's category at the latest game
// date, renumbered.
void frmPrintTotalGames::psFilterTotalRankingByCategory() {
    filterRankedByCategory(gtypSeasonTotalRows, gtypSeasonGame, gtypSeasonGame.Date);
}
