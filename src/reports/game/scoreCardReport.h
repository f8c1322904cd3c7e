#pragma once
#include "core/gameRecords.h"
#include "core/vbArray.h"
#include "reports/game/reportWindow.h"

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>

// What the score sheet of a game and one player's season score cards share:
// blocks of one line per course, each line with the course name, the strokes
// of every hole, the raw strokes and, by the game's handicap kind, handicap
// and subtotal; on the block's middle line the block's own cells and the
// total, with the team below it. The hole columns are laid out at run time.
class ScoreCardReport : public ReportWindow {
public:
    // Row templates.
    forms::ControlArray<forms::Label> lblNo{*this, "lblNo", {0}};
    forms::ControlArray<forms::Label> lblName{*this, "lblName", {0}};
    forms::ControlArray<forms::Label> lblRound{*this, "lblRound", {0}};
    // Hole numbers of the header (1 .. the hole columns) and then the strokes.
    forms::ControlArray<forms::Label> lblScore{*this, "lblScore", {0}};
    forms::ControlArray<forms::Label> lblJituDa{*this, "lblJituDa", {0}};
    forms::ControlArray<forms::Label> lblHits{*this, "lblHits", {0}};
    forms::ControlArray<forms::Label> lblSyokei{*this, "lblSyokei", {0}};
    forms::ControlArray<forms::Label> lblGoukei{*this, "lblGoukei", {0}};
    // Rules between the hole columns and between the course lines of a block.
    forms::ControlArray<forms::Line> linScoreTate{*this, "linScoreTate", {0}};
    forms::ControlArray<forms::Line> linHoso1{*this, "linHoso1", {0}};

    // The hole column width of the last load.
    int32_t holeWidth() const { return w_; }

protected:
    using ReportWindow::ReportWindow;

    // `holes` hole columns sharing `band` twips from `left`, numbered in the
    // header; a game with fewer holes shows "／" in the columns it lacks.
    void setUpHoles(double left, double band, int16_t holes);

    // One course line of a block, as the score rows keep it.
    struct CourseRow {
        int16_t RoundNo;
        FixedArray<std::string_view, 18> Holes;
        int32_t Handicap;
    };
    // The block of `game` at the cursor, its course lines from `line(j)`
    // (j = 0 .. Round - 1), `teamID` the team of its first line and
    // `gameHandicap` its first line's handicap; `ownCells` lays out the
    // block's own cells on the middle line whose text top it is given.
    void layOutBlock(const typGameInfo& game, const std::function<CourseRow(int16_t)>& line, std::string_view teamID,
                     int32_t gameHandicap, const std::function<void(double)>& ownCells);

    // The block of the game whose first course row is rows(first).
    template <class Row>
    void layOutBlock(const VbArray<Row>& rows, int32_t first, const typGameInfo& game,
                     const std::function<void(double)>& ownCells) {
        const Row& head = rows.item(first);
        layOutBlock(
            game,
            [&](int16_t j) {
                const Row& row = rows.item(static_cast<long long>(first) + j);
                CourseRow course{row.RoundNo, {}, row.Handicap};
                std::copy(row.Holes.begin(), row.Holes.end(), course.Holes.begin());
                return course;
            },
            head.TeamID, head.Handicap, ownCells);
    }

private:
    void courseLine(const typGameInfo& game, const CourseRow& row, double top, long long& total, int32_t& complete);

    double left_ = 0;
    int32_t w_ = 0;
    int16_t holeColumns_ = 0;
};
