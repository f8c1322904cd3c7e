#pragma once
#include "reports/game/teamRankingReport.h"

// The season's team ranking: the teams of gtypTeamRankRows with their
// members' season scores (gtypSeasonTeamRows) on the season's team basis.
// Reads gtypTeamRankRows, gtypSeasonTeamRows, gtypSeasonGame.TeamHowtoRank,
// the titles and the paging globals; writes gintEntryCount (the members of
// all teams, a player of two teams counted in each) and gintMaxPageNo.
class frmPfSeasonTeamRanking : public TeamRankingReport {
public:
    frmPfSeasonTeamRanking();

private:
    void design() override;
    bool pfDataSet() override;
};
