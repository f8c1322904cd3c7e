#include "main/windowSeams.h"

#include "platform/forms/Services.h"
#include "reports/game/frmSelectPrintScore.h"
#include "reports/season/frmPrintTotalGames.h"

namespace {

// The program's own windows.
class ProgramWindows : public GameWindows {
public:
    void showSelectPrintScore(forms::Form& owner) override {
        frmSelectPrintScore chooser;
        chooser.Show(forms::vbModal, &owner);
    }
    void showPrintTotalGames(forms::Form& owner) override {
        frmPrintTotalGames window;
        window.Show(forms::vbModal, &owner);
    }
};

ProgramWindows programWindows;
GameWindows* installed = nullptr;

} // namespace

GameWindows& gameWindows() { return installed ? *installed : programWindows; }

void setGameWindows(GameWindows* windows) { installed = windows; }
