#pragma once
#include "reports/game/teamRankingReport.h"

// The team ranking of the current game: one row per team of
// gtypTeamRankRows in rank order with its rank, team text, members,
// complete courses, total and course average, then one cell per member (the
// first ten) on the game's ranking basis. The member columns, 5 to 10, are
// sized from the largest team.
// Reads gtypTeamRankRows, gtypRankRows (the members), gtypGame.TeamHowtoRank,
// the titles, gintTeamCount and the paging globals; writes gintMaxPageNo.
class frmPfTeamRanking : public TeamRankingReport {
public:
    frmPfTeamRanking();

private:
    void design() override;
    bool pfDataSet() override;
};
