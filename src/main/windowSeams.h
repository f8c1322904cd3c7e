#pragma once
#include <functional>

namespace forms {
class Form;
}

// The windows of one game and of a season that the main window opens but
// that belong to the tally and report parts of the program: the tally window
// of a game, the report chooser of one game and the season tally window. The
// main window reaches them through this interface only, and they reach the
// main window only through the callback given to showTally, so neither side
// includes the other. The program installs the real windows; until a window
// exists the stand-in says so.
//
// Every modal window is shown with `owner` as its owner and talks through
// the shared globals, as each one's contract says.
class GameWindows {
public:
    virtual ~GameWindows() = default;

    // frmBrenmoor, modeless, for gtypGame (read from its file when FileName
    // is set, else built from gtypEntries). `closed` runs when the window
    // closes, after gintGameSaved and gtypGame tell what was saved. False
    // when no tally window opened.
    virtual bool showTally(forms::Form& owner, std::function<void()> closed) = 0;
    // The open tally window (its state and place in front); nullptr when none.
    virtual forms::Form* tallyWindow() = 0;
    // frmSelectPrintScore, modal. In: gtypGame and its rows in gtypScores.
    virtual void showSelectPrintScore(forms::Form& owner) = 0;
    // frmPrintTotalGames, modal. In: glngSeasonGames, gtypSeasonGame, the
    // season period and format mix, the subtitles in gstrDlgParam2 and
    // gstrDlgParam3. Each of its gatherings (gfSetSeasonVarnel) hands back
    // the games it left out; the window names them in one box
    // (seasonSkippedPrompt, OK only, titled "エラー") as soon as the
    // gathering returns, whatever it returned.
    virtual void showPrintTotalGames(forms::Form& owner) = 0;
};

// The installed windows, or the stand-in: it opens the report chooser of one
// game, and its other windows each say "この機能はまだ利用できません。" and
// count as cancelled (no tally window).
GameWindows& gameWindows();
// Installs the program's windows; nullptr puts the stand-in back.
void setGameWindows(GameWindows* windows);
