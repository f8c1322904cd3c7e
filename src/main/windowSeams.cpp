#include "main/windowSeams.h"

#include "platform/forms/Services.h"
#include "reports/game/frmSelectPrintScore.h"

namespace {

// Stands in for windows that are not part of the program yet (each says so
// and is treated as a dialog the user cancelled), and opens those that are.
class UnavailableWindows : public GameWindows {
public:
    bool showTally(forms::Form&, std::function<void()>) override {
        notYet();
        return false;
    }
    forms::Form* tallyWindow() override { return nullptr; }
    void showSelectPrintScore(forms::Form& owner) override {
        frmSelectPrintScore chooser;
        chooser.Show(forms::vbModal, &owner);
    }
    void showPrintTotalGames(forms::Form&) override { notYet(); }

private:
    static void notYet() { forms::MsgBox("この機能はまだ利用できません。", forms::vbOKOnly, std::string(forms::App::Title)); }
};

UnavailableWindows standIn;
GameWindows* installed = nullptr;

} // namespace

GameWindows& gameWindows() { return installed ? *installed : standIn; }

void setGameWindows(GameWindows* windows) { installed = windows; }
