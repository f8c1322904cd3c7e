#include "reports/game/frmSelectPrintScore.h"

#include "core/bestCourse.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/players.h"
#include "core/rankOneGame.h"
#include "core/registryNames.h"
#include "core/rememberedChoices.h"
#include "core/resultRecords.h"
#include "core/teamRanking.h"
#include "reports/game/modPfPreparePrint.h"
#include "tally/frmCategory.h"
#include "platform/forms/Services.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

#include <array>

namespace {

constexpr const char* SettingKey = "SelectPrint_Score";

// What each report needs before it prints: the computation of its rows, the
// test for nothing to print, and its preparation.
struct Report {
    void (*compute)();
    bool (*nothing)();
    bool (*print)(int16_t mode, forms::Form* owner);
};
const std::array<Report, 6> Reports{{
    {[] {}, [] { return glngScoresMax() < 0; }, gfPrintEntryList},
    {[] {}, [] { return glngScoresMax() < 0; }, gfPrintScore},
    {[] {
         gsCalPersonalRanking();
         gsFilterCategory(gstrPrintGameDate);
     },
     [] { return glngRankRowsMax() < 0; }, gfPrintPersonRanking},
    {gsCalBestCourse, [] { return glngBestCourseRowsMax() < 0; }, gfPrintRoundRanking},
    {gsCalTeamList, [] { return glngRankRowsMax() < 0; }, gfPrintTeamList},
    {gsCalTeamRanking, [] { return glngTeamRankRowsMax() < 0; }, gfPrintTeamRanking},
}};

void psMsgNoPrintData() { forms::MsgBox("印刷データはありません。", forms::vbOKOnly, std::string("ｴﾗｰ")); }

} // namespace

frmSelectPrintScore::frmSelectPrintScore()
    : DialogWindow("frmSelectPrintScore", "印刷選択", 10200, 4410), Label1(*this, "Label1"),
      txtTittle1(*this, "txtTittle1"), Label3(*this, "Label3"), txtTittle2(*this, "txtTittle2"),
      fraScore(*this, "fraScore"), optScoreSelectPrint(fraScore, "optScoreSelectPrint", 6),
      btnCategory(fraScore, "btnCategory"), btnOK(*this, "btnOK"), btnCancel(*this, "btnCancel") {
    Label1.Move(0, 180, 1155, 315);
    Label1.setCaption("タイトル1：");
    Label1.setAlignment(forms::vbRightJustify);
    txtTittle1.Move(1140, 120, 8715, 375);
    txtTittle1.setIMEMode(forms::vbIMEHiragana);
    Label3.Move(0, 660, 1155, 315);
    Label3.setCaption("タイトル2：");
    Label3.setAlignment(forms::vbRightJustify);
    txtTittle2.Move(1140, 600, 8715, 375);
    txtTittle2.setIMEMode(forms::vbIMEHiragana);
    fraScore.Move(300, 1140, 9615, 2415);
    fraScore.setCaption("印刷物");
    constexpr std::array<const char*, 6> captions{"参加者一覧表", "スコア表", "総合順位表",
                                                  "ベスト・コース", "チーム一覧表", "チーム順位表"};
    constexpr std::array<double, 6> lefts{600, 600, 600, 5040, 5040, 5040}, tops{360, 744, 1200, 435, 810, 1200};
    for (int i = 0; i < 6; ++i) {
        optScoreSelectPrint[i].Move(lefts[static_cast<std::size_t>(i)], tops[static_cast<std::size_t>(i)], 4215, 315);
        optScoreSelectPrint[i].setCaption(captions[static_cast<std::size_t>(i)]);
    }
    btnCategory.Move(840, 1560, 1575, 375);
    btnCategory.setCaption("部門別の設定");
    btnOK.Move(4200, 3720, 2295, 495);
    btnOK.setCaption("印刷");
    btnCancel.Move(8460, 3720, 1455, 495);
    btnCancel.setCaption("閉じる");
    btnCancel.setCancel(true);

    btnOK.Click = [this] { btnOK_Click(); };
    btnCategory.Click = [this] { btnCategory_Click(); };
    btnCancel.Click = [this] { btnCancel_Click(); };
}

void frmSelectPrintScore::Form_Load() {
    gstrPrintTitle1.clear();
    if (gtypGame.SeriesID > 0) gstrPrintTitle1 = "** " + seriesName(gtypGame.SeriesID) + " **  ";
    if (gtypGame.CourceID > 0) gstrPrintTitle1 += courseName(gtypGame.CourceID);
    gstrPrintTitle2 =
        text::FormatDateText(gtypGame.Date, "ggge年m月d日(aaa)") + " 「" + text::Trim(gtypGame.Tittle) + "」";
    txtTittle1.setText(gstrPrintTitle1);
    txtTittle2.setText(gstrPrintTitle2);
    showCategoryTitle();
    // A stored index outside the six reports selects the entry list.
    const int32_t stored = rememberedChoice(SettingKey);
    optScoreSelectPrint[stored >= 0 && stored <= 5 ? stored : 0].setValue(true);
    gintDlgRet = -1;
}

void frmSelectPrintScore::showCategoryTitle() { optScoreSelectPrint[2].setCaption(gfGetCategoryTitle() + "順位表"); }

void frmSelectPrintScore::btnOK_Click() {
    int16_t index = 0; // the entry list when nothing is selected
    for (int16_t i = 5; i >= 0; --i)
        if (optScoreSelectPrint[i].Value()) index = i;
    remember(SettingKey, text::Format(index, "0"));
    gstrPrintGameDate = text::Trim(gtypGame.Date);
    gstrPrintTitle1 = txtTittle1.Text();
    gstrPrintTitle2 = txtTittle2.Text();
    // A game whose rows a computation cannot take is reported, and the
    // chooser stays open.
    try {
        printChosen(index);
    } catch (const text::RuntimeError& e) {
        forms::Screen::setMousePointer(forms::vbDefault);
        forms::MsgBox("btnOK_Click(): " + e.Description, forms::vbOKOnly, std::string("エラー"));
    }
}

// Every press computes afresh from the current score rows.
void frmSelectPrintScore::printChosen(int16_t index) {
    const Report& report = Reports[static_cast<std::size_t>(index)];
    {
        const forms::HourglassScope hourglass;
        gintEntryCount = gfCountEntry();
        gintTeamCount = gfCountTeam();
        report.compute();
    }
    if (report.nothing()) {
        psMsgNoPrintData();
        return;
    }
    report.print(0, this);
}

// The category is written into gtypGame itself, so the tally window sees
// the change; nothing here saves the game.
void frmSelectPrintScore::btnCategory_Click() {
    frmCategory dialog;
    dialog.Show(forms::vbModal, this);
    if (gintDlgRet != -1) showCategoryTitle();
}

void frmSelectPrintScore::btnCancel_Click() {
    gintDlgRet = -1;
    Unload();
}
