#include "main/windowSeams.h"

#include "core/globals.h"
#include "platform/forms/Services.h"
#include "reports/season/frmPrintTotalGames.h"

namespace {

// The windows the program has; those that are not part of it yet each say so
// and are treated as a dialog the user cancelled.
class UnavailableWindows : public GameWindows {
public:
    void showSelectPrintScore(forms::Form&) override { cancelled(); }
    void showPrintTotalGames(forms::Form& owner) override {
        frmPrintTotalGames window;
        window.Show(forms::vbModal, &owner);
    }

private:
    static void notYet() { forms::MsgBox("この機能はまだ利用できません。", forms::vbOKOnly, std::string(forms::App::Title)); }
    static void cancelled() {
        gintDlgRet = -1;
        notYet();
    }
};

UnavailableWindows standIn;
GameWindows* installed = nullptr;

} // namespace

GameWindows& gameWindows() { return installed ? *installed : standIn; }

void setGameWindows(GameWindows* windows) { installed = windows; }
