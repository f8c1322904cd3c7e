// The tally window's result tabs 3 to 6, the jumps from a list to the
// player's rows in the score table, and the ranking category.
#include "tally/frmBrenmoor.h"

void frmBrenmoor::psSetList2(int16_t) {}

void frmBrenmoor::psSetList4() {}

void frmBrenmoor::psSetList6() {}

void frmBrenmoor::psSetList7() {}

void frmBrenmoor::psRefreshResultTab() {}

void frmBrenmoor::btnGotoScore_Click() {}

void frmBrenmoor::btnGotoScore2_Click() {}

void frmBrenmoor::btnCategory_Click() {}
