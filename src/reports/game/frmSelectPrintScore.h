#pragma once
#include "core/dialogWindow.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Containers.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextBox.h"

// The chooser of one game's reports: two editable title lines, six reports,
// the game's category and a print button that computes what the chosen
// report needs and previews it. It stays open until closed, so that several
// reports can be printed in a row.
// In: gtypGame, gtypScores and the registries. Out: the print parameters
// (gstrPrintTitle1/2, gstrPrintGameDate, gintEntryCount, gintTeamCount), the
// chosen report's result rows, gtypGame's category fields and [Setup]
// "SelectPrint_Score"; gintDlgRet -1 when closed.
class frmSelectPrintScore : public DialogWindow {
public:
    frmSelectPrintScore();

    forms::Label Label1;
    forms::TextBox txtTittle1;
    forms::Label Label3;
    forms::TextBox txtTittle2;
    forms::Frame fraScore;
    forms::ControlArray<forms::OptionButton> optScoreSelectPrint;
    forms::CommandButton btnCategory;
    forms::CommandButton btnOK;
    forms::CommandButton btnCancel;

protected:
    void Form_Load() override;

private:
    void btnOK_Click();
    void btnCategory_Click();
    void btnCancel_Click();
    void printChosen(int16_t index);
    void showCategoryTitle();
};
