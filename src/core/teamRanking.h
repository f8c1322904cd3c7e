#pragma once

// The team member list: runs gsCalPersonalRanking, then keeps in
// gtypRankRows only the players with a team, grouped by team (one-character
// teams first), each team's best member first; every row keeps its
// individual rank. Traps no errors.
void gsCalTeamList();

// Runs gsCalTeamList and ranks the teams into gtypTeamRankRows, on the
// game's basis (TeamHowtoRank 0: total strokes, otherwise average per
// course); FirstMember indexes the member list. Traps no errors.
void gsCalTeamRanking();
