#pragma once
#include "platform/forms/Form.h"

// The team identifier dialog. In: gstrDlgParam, the identifier to propose.
// Out: gintDlgRet 0 and the trimmed identifier in gstrDlgParam after OK, -1
// after a cancel. Stands empty until the dialog itself is built: closing it
// counts as a cancel.
class frmSetTeam : public forms::Form {
public:
    frmSetTeam() : Form("frmSetTeam") {}
};
