#include "reports/game/scoreCardReport.h"

#include "core/courseRules.h"
#include "core/helpers.h"
#include "reports/game/reportCells.h"
#include "platform/text/Format.h"
#include "platform/text/Strings.h"

void ScoreCardReport::setUpHoles(double left, double band, int16_t holes) {
    left_ = left;
    holeColumns_ = holes;
    w_ = bandColumns(linScoreTate, lblScore, left, band, holes, "");
}

void ScoreCardReport::layOutBlock(const typGameInfo& game, const std::function<CourseRow(int16_t)>& line,
                                  std::string_view teamID, int32_t gameHandicap,
                                  const std::function<void(double)>& ownCells) {
    const int16_t rounds = game.Round;
    const double top = rowTop();
    rowRule(true);
    for (int i = 1; i < rounds; ++i) ruleAt(linHoso1, top + i * RowHeight);

    // The block's own cells stand on its middle line, the team below them.
    const double middle = top + (rounds - 1) / 2 * RowHeight + TextOffset;
    ownCells(middle);
    const std::string team = text::Trim(teamID);
    if (!team.empty() && rounds > 1) {
        forms::Label& teamLine = cell(lblName, "[ " + team + " ]");
        teamLine.setTop(middle + RowHeight);
        teamLine.setForeColor(forms::RGB(100, 100, 100));
    }

    long long total = 0;
    int32_t complete = 0;
    for (int16_t j = 0; j < rounds; ++j) courseLine(game, line(j), top + j * RowHeight + TextOffset, total, complete);
    // Under a handicap per game its share for the complete courses.
    if (game.HandiCapKind == 2 && complete > 0) total += gameHandicapShare(gameHandicap, complete, rounds);
    cell(lblGoukei, complete == 0 ? "-" : gfFormatTenths(total)).setTop(middle);
}

void ScoreCardReport::courseLine(const typGameInfo& game, const CourseRow& row, double top, long long& total,
                                 int32_t& complete) {
    cell(lblRound, game.RoundName(row.RoundNo - 1)).setTop(top);
    long long strokes = 0;
    bool missing = false;
    for (int16_t k = 0; k < holeColumns_; ++k) {
        forms::Label& hole = cell(lblScore, "／", left_ + k * w_, w_);
        hole.setTop(top);
        if (k >= game.Hole) continue; // a hole this game does not have
        const std::string_view text = row.Holes(k);
        hole.setCaption(reportHoleText(text));
        if (holeCounts(text)) strokes += holeStrokes(text);
        else missing = true;
    }
    missing = missing || strokes == 0;
    cell(lblJituDa, missing ? "-" : text::Format(strokes, "0")).setTop(top);
    long long value = strokes * 10;
    std::string handicap;
    if (game.HandiCapKind == 1) {
        handicap = gfFormatTenths(row.Handicap);
        if (!missing) value += row.Handicap;
    } else if (game.HandiCapKind == 2 && row.RoundNo == 1) {
        handicap = gfFormatTenths(row.Handicap);
    }
    cell(lblHits, handicap).setTop(top);
    cell(lblSyokei, game.HandiCapKind != 1 ? "" : missing ? "-" : gfFormatTenths(value)).setTop(top);
    if (!missing) {
        total += value;
        ++complete;
    }
}
