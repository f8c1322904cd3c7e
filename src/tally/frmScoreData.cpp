// The score entry window's data: the player's rows in and out, the live
// results and the handicap's range.
#include "tally/frmScore.h"

#include <algorithm>

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/players.h"
#include "core/textBoxHelpers.h"
#include "platform/forms/TabOrder.h"
#include "platform/text/Format.h"
#include "platform/text/Strings.h"
#include "tally/scoreTable.h"

namespace {

constexpr forms::Color Black = 0, Red = 255;

} // namespace

// The course 1 of the chosen row's listing, as the score table groups the
// rows: a player that a game file lists twice is edited in the listing chosen.
int32_t frmScore::firstRow() const { return scoreFirstRow(gtypScores, glngDlgIndex); }

// The rows after the first are the player's by position: Round rows in all,
// fewer where the array ends.
int32_t frmScore::endRow(int32_t first) const {
    return std::min<int32_t>(first + std::max<int16_t>(gtypGame.Round, 0), glngScoresMax() + 1);
}

int32_t frmScore::handicapTenths() const {
    return handicapValue(txtHandicap.Text(), gtypGame.HandiCapKind, gtypGame.Hole, gtypGame.Round);
}

void frmScore::psLoadScore() {
    for (auto* row : scoreRows_)
        for (auto& box : *row) box.setText("");
    const int32_t first = firstRow();
    setCaption("スコア - " + gfGetPlayerName(mlngPlayerID) + "　（" + gfGetPlayerGender(mlngPlayerID, 0) + "、" +
               gfGetPlayerAge(mlngPlayerID, gstrDlgParam) + "歳）");
    txtHandicap.setText(gfFormatTenths(gtypScores[static_cast<std::size_t>(first)].Handicap));
    for (int32_t i = first; i < endRow(first); ++i) {
        const typScoreData& row = gtypScores[static_cast<std::size_t>(i)];
        if (row.RoundNo < 1 || row.RoundNo > 10) continue; // names no course line
        for (int h = 0; h < std::min<int>(gtypGame.Hole, 18); ++h)
            txtScoreR(row.RoundNo - 1)[h].setText(text::Trim(row.Holes[static_cast<std::size_t>(h)]));
    }
}

void frmScore::psCalScore() {
    if (mintHowTo != 0) psCalScoreFromEasy();
    else psCalScoreFromGrid();
}

void frmScore::psCalScoreFromGrid() {
    CourseLists courses;
    for (int r = 0; r < std::min<int>(gtypGame.Round, 10); ++r)
        for (int h = 0; h < std::min<int>(gtypGame.Hole, 18); ++h)
            courses[static_cast<std::size_t>(r)][static_cast<std::size_t>(h)] = txtScoreR(r)[h].Text();
    const int32_t hc = handicapTenths();
    showResults(scoreResults(courses, gtypGame.Hole, gtypGame.Round, gtypGame.HandiCapKind, hc), hc, false);
}

void frmScore::showResults(const ScoreResults& results, int32_t handicap, bool quickColours) {
    for (int r = 0; r < std::min<int>(gtypGame.Round, 10); ++r) {
        const CourseResult& course = results.courses[static_cast<std::size_t>(r)];
        if (course.strokes == 0) {
            // Nothing entered: the colours and the handicap stay as they were.
            lblRDa[r].setCaption("-");
            lblSDa[r].setCaption("-");
            continue;
        }
        lblRDa[r].setCaption(text::Format(course.strokes, "0"));
        lblHDa[r].setCaption(gfFormatTenths(handicap));
        lblSDa[r].setCaption(gfFormatTenths(course.strokes * 10 + handicap));
        // A course partly entered is red and counts for nothing.
        const forms::Color colour = course.complete ? Black : Red;
        lblRDa[r].setForeColor(colour);
        lblSDa[r].setForeColor(colour);
        if (quickColours) txtEasyScoreR[r].setForeColor(colour);
    }
    lblTotal.setCaption(results.complete > 0 ? gfFormatTenths(results.total) : "-");
}

void frmScore::psCheckHandicap() {
    const int32_t hc = handicapTenths();
    txtHandicap.setText(gfFormatTenths(hc));
    const int16_t kind = gtypGame.HandiCapKind;
    const int courses = kind == 2 ? 1 : std::min<int>(gtypGame.Round, 10);
    for (int r = 0; r < courses; ++r) lblHDa[r].setCaption(kind == 1 || kind == 2 ? gfFormatTenths(hc) : "0");
}

void frmScore::psSaveScore() {
    const int32_t first = firstRow();
    // Clamped again: the box may hold a handicap that never left it.
    const int32_t hc = handicapTenths();
    for (int32_t i = first; i < endRow(first); ++i) {
        typScoreData& row = gtypScores[static_cast<std::size_t>(i)];
        row.Handicap = hc;
        row.Holes.fill("");
        if (row.RoundNo < 1 || row.RoundNo > 10) continue;
        for (int h = 0; h < std::min<int>(gtypGame.Hole, 18); ++h)
            row.Holes[static_cast<std::size_t>(h)] = savedHole(txtScoreR(row.RoundNo - 1)[h].Text());
    }
}

void frmScore::txtScoreR_GotFocus(int r, int Index) { gsTextSelectAll(txtScoreR(r)[Index]); }

void frmScore::txtScoreR_KeyPress(int16_t& KeyAscii) {
    gsKeyNumOnly(KeyAscii);
    forms::enterAsTab(*this, KeyAscii);
}

void frmScore::txtScoreR_LostFocus() { psCalScore(); }

void frmScore::txtHandicap_GotFocus() { gsTextSelectAll(txtHandicap); }

void frmScore::txtHandicap_KeyPress(int16_t& KeyAscii) { forms::enterAsTab(*this, KeyAscii); }

void frmScore::txtHandicap_LostFocus() {
    psCheckHandicap();
    psCalScore();
}
