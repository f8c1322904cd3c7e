#include "reports/game/modPfPreparePrint.h"

#include "reports/game/frmPfEntryList.h"
#include "reports/game/frmPfPersonRanking.h"
#include "reports/game/frmPfRoundRanking.h"
#include "reports/game/frmPfScore.h"
#include "reports/game/frmPfTeamList.h"
#include "reports/game/frmPfTeamRanking.h"
#include "reports/season/frmPfSeasonEntryList.h"
#include "reports/season/frmPfSeasonTotalRanking.h"

#include "core/globals.h"
#include "platform/forms/Services.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "preview/modPpPreview.h"

int16_t gintBelongOrLocation = 0;

namespace {

// Every member does the same with its own window and top offset: count the
// pages on the very window it then hands to the engine.
bool preparePrint(const std::string& name, ReportWindow& frm, int16_t mode, forms::Form* owner, int32_t topMm) {
    try {
        int32_t counted = 0;
        bool failed = false;
        {
            const forms::HourglassScope hourglass;
            gintPrintPageNo = -1;
            gintPrintPageCount = -1;
            frm.Load();
            counted = frm.gintMaxPageNo;
            failed = frm.passFailed();
            frm.Unload();
        }
        // The window has shown why its count failed: nothing is previewed.
        if (failed) return true;
        const int16_t pages = text::CInt(counted);
        if (mode == 0) gsPrintPreview(frm, owner, pages, topMm, 0);
        if (mode == 1) gsPrintDirect(frm, owner, pages, topMm, 0);
        forms::Screen::setMousePointer(forms::vbDefault);
        return false;
    } catch (const text::RuntimeError& e) {
        frm.Unload();
        forms::Screen::setMousePointer(forms::vbDefault);
        forms::MsgBox(name + "(): " + e.Description, forms::vbOKOnly, std::string("エラー"));
        return true;
    }
}

// A report whose window is not part of the program yet says so.
bool notYet() {
    forms::MsgBox("この機能はまだ利用できません。", forms::vbOKOnly, std::string(forms::App::Title));
    return true;
}

} // namespace

bool gfPrintEntryList(int16_t mode, forms::Form* owner) {
    frmPfEntryList frm;
    return preparePrint("gfPrintEntryList", frm, mode, owner, 10);
}

bool gfPrintScore(int16_t mode, forms::Form* owner) {
    frmPfScore frm;
    return preparePrint("gfPrintScore", frm, mode, owner, 10);
}

bool gfPrintPersonRanking(int16_t mode, forms::Form* owner) {
    frmPfPersonRanking frm;
    return preparePrint("gfPrintPersonRanking", frm, mode, owner, 10);
}

bool gfPrintRoundRanking(int16_t mode, forms::Form* owner) {
    frmPfRoundRanking frm;
    return preparePrint("gfPrintRoundRanking", frm, mode, owner, 10);
}

bool gfPrintTeamList(int16_t mode, forms::Form* owner) {
    frmPfTeamList frm;
    return preparePrint("gfPrintTeamList", frm, mode, owner, 10);
}

bool gfPrintTeamRanking(int16_t mode, forms::Form* owner) {
    frmPfTeamRanking frm;
    return preparePrint("gfPrintTeamRanking", frm, mode, owner, 5);
}

bool gfPrintSeasonEntryList(int16_t mode, forms::Form* owner) {
    frmPfSeasonEntryList frm;
    return preparePrint("gfPrintSeasonEntryList", frm, mode, owner, 10);
}

bool gfPrintSeasonTotalRanking(int16_t mode, forms::Form* owner) {
    frmPfSeasonTotalRanking frm;
    return preparePrint("gfPrintSeasonTotalRanking", frm, mode, owner, 10);
}

bool gfPrintSeasonGameRanking(int16_t, forms::Form*) { return notYet(); }
bool gfPrintSeasonRoundRanking(int16_t, forms::Form*) { return notYet(); }
bool gfPrintSeasonTeamList(int16_t, forms::Form*) { return notYet(); }
bool gfPrintSeasonTeamRanking(int16_t, forms::Form*) { return notYet(); }
bool gfPrintSeasonPersonalGameScore(int16_t, forms::Form*) { return notYet(); }
bool gfPrintSeasonPersonalGameInfo(int16_t, forms::Form*) { return notYet(); }
bool gfPrintSeasonPersonalRoundScore(int16_t, forms::Form*) { return notYet(); }
