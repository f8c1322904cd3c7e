#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/forms/Buttons.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Containers.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextBox.h"
#include "tally/scoreRules.h"

// Score entry for one player of the current game: the strokes of every hole
// of every course, typed hole by hole (standard) or as one digit string per
// course (quick), and the player's handicap. Modal, owned by the tally
// window.
//
// In:  glngDlgIndex  index in gtypScores of any of the player's score rows
//      gstrDlgParam  the game date, trimmed (the player's age in the caption)
//      gintDlgRet    0 = open for strokes, 1 = open for the handicap
//      gtypGame      Hole (1..18), Round (1..10), HandiCapKind
// Out: gintDlgRet    0 after OK, with the player's rows of gtypScores
//                    rewritten; -1 after Cancel or the close box, rows untouched
// Setting "Howto" of section "Score" in gstrIniFile: the entry mode, read at
// opening and written at every switch of mode (the opening's too).
class frmScore : public forms::Form {
public:
    frmScore();

    forms::Frame Frame1;
    forms::ControlArray<forms::OptionButton> optHowTo; // 0 standard, 1 quick
    forms::CommandButton btnHelpEasyScore;
    forms::PictureBox picHndicap;
    forms::Label Label1;
    forms::TextBox txtHandicap;
    forms::CommandButton btnHelpHandicap;
    forms::ControlArray<forms::Label> lblHole;  // index h: hole h + 1
    forms::ControlArray<forms::Label> lblRound; // index r: course r + 1
    // The hole boxes of courses 1 to 10, index h: hole h + 1.
    forms::ControlArray<forms::TextBox> txtScoreR1, txtScoreR2, txtScoreR3, txtScoreR4, txtScoreR5, txtScoreR6,
        txtScoreR7, txtScoreR8, txtScoreR9, txtScoreR10;
    forms::ControlArray<forms::TextBox> txtEasyScoreR; // index r: course r + 1
    forms::PictureBox picCalJDa;
    forms::Label Label3_0; // Label3(0), "実打"
    forms::ControlArray<forms::Label> lblRDa;
    forms::PictureBox picCalHc;
    forms::Label lblHDCP;
    forms::ControlArray<forms::Label> lblHDa;
    forms::PictureBox picCalSyokei;
    forms::Label lblSyokei;
    forms::ControlArray<forms::Label> lblSDa;
    forms::PictureBox picCalTotal;
    forms::Label Label3_3; // Label3(3), "合計"
    forms::Label lblTotal;
    forms::PictureBox picFooter;
    forms::CommandButton btnOK, btnCancel;

    // The hole boxes of course r + 1 (txtScoreR1 for r = 0).
    forms::ControlArray<forms::TextBox>& txtScoreR(int r) const { return *scoreRows_.at(static_cast<std::size_t>(r)); }

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void optHowTo_Click(int Index);
    void psSetDspHowTo();
    void btnOK_Click();
    void btnCancel_Click();
    void btnHelpEasyScore_Click();
    void btnHelpHandicap_Click();

    void psLoadScore();
    void psCalScore();
    void psCalScoreFromGrid();
    void psCheckHandicap();
    void psSaveScore();
    void txtScoreR_GotFocus(int r, int Index);
    void txtScoreR_KeyPress(int16_t& KeyAscii);
    void txtScoreR_LostFocus();
    void txtHandicap_GotFocus();
    void txtHandicap_KeyPress(int16_t& KeyAscii);
    void txtHandicap_LostFocus();

    void psGridToEasyScore();
    void psEasyScoreToGrid();
    void psCalScoreFromEasy();
    void txtEasyScoreR_GotFocus(int Index);
    void txtEasyScoreR_KeyPress(int16_t& KeyAscii);
    void txtEasyScoreR_LostFocus(int Index);
    void txtEasyScoreR_Change(int Index);

    // Our own helpers.
    void designControls();
    void wireEvents();
    void layoutForGame(); // the design cut down to the game, at opening
    // The player's first score row and the index after the player's last one.
    int32_t firstRow() const;
    int32_t endRow(int32_t first) const;
    int32_t handicapTenths() const;
    // The result labels (and with `quickColours` the quick boxes' colours).
    void showResults(const ScoreResults& results, int32_t handicap, bool quickColours);
    // The holes a quick box stands for now.
    HoleList quickHoles(int r) const;
    bool keptAsConverted(int r) const;

    std::array<forms::ControlArray<forms::TextBox>*, 10> scoreRows_{};

    int32_t mlngPlayerID = 0;
    int16_t mintHowTo = 0;     // 0 standard, 1 quick
    int16_t mintActivated = 0; // 1 once the first activation is handled
    int16_t mintOpenMode = 0;  // 1 = opened for the handicap

    // What psGridToEasyScore last wrote into each quick box and, for a course
    // holding a value the quick format cannot carry (100 or more), the hole
    // texts it wrote it from: while the box still holds that text the course
    // keeps those holes, so such a value survives unless the user edits it.
    std::array<std::string, 10> converted_{};
    std::array<std::optional<HoleList>, 10> keptHoles_{};
};
