#include "reports/game/modPfPreparePrint.h"

#include "reports/game/frmPfEntryList.h"
#include "reports/game/frmPfPersonRanking.h"
#include "reports/game/frmPfRoundRanking.h"
#include "reports/game/frmPfScore.h"
#include "reports/game/frmPfTeamList.h"
#include "reports/game/frmPfTeamRanking.h"
#include "reports/season/frmPfSeasonEntryList.h"
#include "reports/season/frmPfSeasonGameRanking.h"
#include "reports/season/frmPfSeasonPersonalGameInfo.h"
#include "reports/season/frmPfSeasonPersonalGameScore.h"
#include "reports/season/frmPfSeasonPersonalRoundScore.h"
#include "reports/season/frmPfSeasonRoundRanking.h"
#include "reports/season/frmPfSeasonTeamList.h"
#include "reports/season/frmPfSeasonTeamRanking.h"
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

// The same on a window of its own.
template <class Window>
bool preparePrint(const std::string& name, int16_t mode, forms::Form* owner, int32_t topMm = 10) {
    Window frm;
    return preparePrint(name, frm, mode, owner, topMm);
}

} // namespace

bool gfPrintEntryList(int16_t mode, forms::Form* owner) {
    return preparePrint<frmPfEntryList>("gfPrintEntryList", mode, owner);
}

bool gfPrintScore(int16_t mode, forms::Form* owner) { return preparePrint<frmPfScore>("gfPrintScore", mode, owner); }
bool gfPrintPersonRanking(int16_t mode, forms::Form* owner) {
    return preparePrint<frmPfPersonRanking>("gfPrintPersonRanking", mode, owner);
}
bool gfPrintRoundRanking(int16_t mode, forms::Form* owner) {
    return preparePrint<frmPfRoundRanking>("gfPrintRoundRanking", mode, owner);
}
bool gfPrintTeamList(int16_t mode, forms::Form* owner) {
    return preparePrint<frmPfTeamList>("gfPrintTeamList", mode, owner);
}
bool gfPrintTeamRanking(int16_t mode, forms::Form* owner) {
    return preparePrint<frmPfTeamRanking>("gfPrintTeamRanking", mode, owner, 5);
}
bool gfPrintSeasonEntryList(int16_t mode, forms::Form* owner) {
    return preparePrint<frmPfSeasonEntryList>("gfPrintSeasonEntryList", mode, owner);
}
bool gfPrintSeasonTotalRanking(int16_t mode, forms::Form* owner) {
    return preparePrint<frmPfSeasonTotalRanking>("gfPrintSeasonTotalRanking", mode, owner);
}
bool gfPrintSeasonGameRanking(int16_t mode, forms::Form* owner) {
    return preparePrint<frmPfSeasonGameRanking>("gfPrintSeasonGameRanking", mode, owner);
}
bool gfPrintSeasonRoundRanking(int16_t mode, forms::Form* owner) {
    return preparePrint<frmPfSeasonRoundRanking>("gfPrintSeasonRoundRanking", mode, owner);
}
bool gfPrintSeasonTeamList(int16_t mode, forms::Form* owner) {
    return preparePrint<frmPfSeasonTeamList>("gfPrintSeasonTeamList", mode, owner);
}
bool gfPrintSeasonTeamRanking(int16_t mode, forms::Form* owner) {
    return preparePrint<frmPfSeasonTeamRanking>("gfPrintSeasonTeamRanking", mode, owner);
}
bool gfPrintSeasonPersonalGameScore(int16_t mode, forms::Form* owner) {
    return preparePrint<frmPfSeasonPersonalGameScore>("gfPrintSeasonPersonalGameScore", mode, owner);
}
bool gfPrintSeasonPersonalGameInfo(int16_t mode, forms::Form* owner) {
    return preparePrint<frmPfSeasonPersonalGameInfo>("gfPrintSeasonPersonalGameInfo", mode, owner);
}
bool gfPrintSeasonPersonalRoundScore(int16_t mode, forms::Form* owner) {
    return preparePrint<frmPfSeasonPersonalRoundScore>("gfPrintSeasonPersonalRoundScore", mode, owner);
}
