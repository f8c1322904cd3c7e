// The score entry window's quick strings: bringing them into step with the
// hole boxes, tidying a box when it is left, and the results they give.
#include "tally/frmScore.h"

#include <algorithm>

#include "core/gameRecords.h"
#include "core/textBoxHelpers.h"
#include "platform/forms/TabOrder.h"
#include "platform/text/Strings.h"
#include "tally/quickScore.h"

void frmScore::psGridToEasyScore() {
    for (int r = 0; r < 10; ++r) {
        HoleList holes;
        bool carried = true;
        for (int h = 0; h < 18; ++h) {
            holes[static_cast<std::size_t>(h)] = text::Trim(txtScoreR(r)[h].Text());
            if (h < gtypGame.Hole && wholeValue(holes[static_cast<std::size_t>(h)]) > 99) carried = false;
        }
        // Set before the box changes, whose Change reads them.
        converted_[static_cast<std::size_t>(r)] = pfMakeEasyScore(holes, gtypGame.Hole);
        keptHoles_[static_cast<std::size_t>(r)] = carried ? std::nullopt : std::optional<HoleList>(holes);
        txtEasyScoreR[r].setText(converted_[static_cast<std::size_t>(r)]);
    }
}

bool frmScore::keptAsConverted(int r) const {
    return keptHoles_[static_cast<std::size_t>(r)] &&
           text::RTrim(txtEasyScoreR[r].Text()) == converted_[static_cast<std::size_t>(r)];
}

HoleList frmScore::quickHoles(int r) const {
    if (keptAsConverted(r)) return *keptHoles_[static_cast<std::size_t>(r)];
    HoleList holes{};
    pfParseEasyScore(holes, text::RTrim(txtEasyScoreR[r].Text()), gtypGame.Hole);
    return holes;
}

void frmScore::psEasyScoreToGrid() {
    for (int r = 0; r < 10; ++r) {
        const HoleList holes = quickHoles(r); // the surplus is dropped
        for (int h = 0; h < 18; ++h) txtScoreR(r)[h].setText(holes[static_cast<std::size_t>(h)]);
    }
}

void frmScore::psCalScoreFromEasy() {
    CourseLists courses;
    for (int r = 0; r < 10; ++r) courses[static_cast<std::size_t>(r)] = quickHoles(r);
    const int32_t hc = handicapTenths();
    showResults(scoreResults(courses, gtypGame.Hole, gtypGame.Round, gtypGame.HandiCapKind, hc), hc, true);
}

void frmScore::txtEasyScoreR_GotFocus(int Index) { gsTextSelectAll(txtEasyScoreR[Index]); }

void frmScore::txtEasyScoreR_KeyPress(int16_t& KeyAscii) { forms::enterAsTab(*this, KeyAscii); }

void frmScore::txtEasyScoreR_LostFocus(int Index) {
    if (keptAsConverted(Index)) return; // untouched: nothing to tidy or carry
    const TidiedEasyScore tidied = tidyEasyScore(txtEasyScoreR[Index].Text(), gtypGame.Hole);
    txtEasyScoreR[Index].setText(tidied.text);
    // The rest goes on to the next course of the game when its box is empty;
    // it is tidied when that box is left in turn.
    if (tidied.surplus.empty() || Index + 1 >= gtypGame.Round) return;
    forms::TextBox& next = txtEasyScoreR[Index + 1];
    if (text::Trim(next.Text()).empty()) next.setText(tidied.surplus);
}

void frmScore::txtEasyScoreR_Change(int) {
    if (mintHowTo == 1) psCalScoreFromEasy();
}
