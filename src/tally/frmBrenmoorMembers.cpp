// The tally window's participants: a player's team, and adding and
// withdrawing participants while the game is tallied.
#include "tally/frmBrenmoor.h"

void frmBrenmoor::btnTeam_Click() {}

void frmBrenmoor::btnAddMember0_Click() {}

void frmBrenmoor::btnDeleteMember0_Click() {}
