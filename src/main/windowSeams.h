#pragma once
namespace forms {
class Form;
}

// The windows of one game and of a season that the main window opens but
// that belong to the report part of the program: the report chooser of one
// game and the season tally window. The main window reaches them through this
// interface only, so neither side includes the other (the tally window,
// which the main window opens itself, reaches the chooser through a callback
// the main window gives it). Tests install windows of their own.
//
// Every modal window is shown with `owner` as its owner and talks through
// the shared globals, as each one's contract says.
class GameWindows {
public:
    virtual ~GameWindows() = default;

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

// The installed windows, or the program's own when none are installed.
GameWindows& gameWindows();
// Installs windows of a test's own; nullptr puts the program's back.
void setGameWindows(GameWindows* windows);
