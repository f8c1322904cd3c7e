// The main window: its controls and layout, loading and unloading, and the
// registries of players and affiliations it loads at start.
#include "main/frmMain.h"

#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "core/productInfo.h"
#include "core/registries.h"
#include "platform/files/Profile.h"
#include "platform/forms/Services.h"
#include "platform/forms/TabOrder.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

#include <algorithm>

using namespace forms;

namespace {

constexpr double kComboHeight = 360;

void placeButton(CommandButton& b, const char* caption, double left, double top, double width, double height) {
    b.Move(left, top, width, height);
    b.setCaption(caption);
}

void placeLabel(Label& l, const char* caption, double left, double top, double width, double height) {
    l.Move(left, top, width, height);
    l.setCaption(caption);
    l.setAlignment(vbRightJustify);
}

// A stored position held onto the screen, the window wholly inside it where
// it fits.
double onScreen(double v, double size, double screen) { return std::max(0.0, std::min(v, screen - size)); }

} // namespace

frmMain::frmMain()
    : Form("frmMain", Font{"ＭＳ Ｐゴシック", 11.25}), btnBelong(*this, "btnBelong"), btnMember(*this, "btnMember"),
      btnSeries(*this, "btnSeries"), btnCource(*this, "btnCource"), btnNewGame(*this, "btnNewGame"),
      Frame1(*this, "Frame1"), Label1(Frame1, "Label1"), cobSeason(Frame1, "cobSeason"), Label3(Frame1, "Label3"),
      cobCource(Frame1, "cobCource"), Label2(Frame1, "Label2"), cobHoleRound(Frame1, "cobHoleRound"),
      btnPeriod(Frame1, "btnPeriod"), lblPeriod(Frame1, "lblPeriod"), btnSeasonPrint(*this, "btnSeasonPrint"),
      lblGameListCount(*this, "lblGameListCount"), picGameListBody(*this, "picGameListBody"),
      uctGameList(picGameListBody, "uctGameList"), btnSyukeiClear(*this, "btnSyukeiClear"),
      btnSyukeiCheckedAll(*this, "btnSyukeiCheckedAll"), btnOpenGame(*this, "btnOpenGame"),
      btnGamePrint(*this, "btnGamePrint"), btnDeleteGame(*this, "btnDeleteGame"), btnClose(*this, "btnClose"),
      timMain(*this, "timMain"), mnuFile(*this, "mnuFile"), mnuFile_ExitApp(mnuFile, "mnuFile_ExitApp"),
      mnuTool(*this, "mnuTool"), mnuTool_Backup(mnuTool, "mnuTool_Backup"), mnuHelp(*this, "mnuHelp"),
      mnuHelp_AboutLumora(mnuHelp, "mnuHelp_AboutLumora"), mnuHelp_OnlineHelp(mnuHelp, "mnuHelp_OnlineHelp"),
      mnuHelp_Line1(mnuHelp, "mnuHelp_Line1"), mnuHelp_ReadMe(mnuHelp, "mnuHelp_ReadMe"),
      mnuHelp_Line2(mnuHelp, "mnuHelp_Line2"), mnuHelp_About(mnuHelp, "mnuHelp_About") {
    setBorderStyle(vbFixedSingle);
    setMinButton(true);
    setMaxButton(false);
    setClientSize(11820, 8220);

    placeButton(btnBelong, "所属登録", 180, 60, 1815, 495);
    placeButton(btnMember, "プレイヤー登録", 2160, 60, 1875, 495);
    btnMember.setFontBold(true);
    placeButton(btnSeries, "シリーズ＆大会", 4200, 60, 1875, 495);
    placeButton(btnCource, "コース（会場）", 6180, 60, 1875, 495);
    placeButton(btnNewGame, "新しいゲーム", 9540, 60, 2055, 495);
    btnNewGame.setFontBold(true);

    Frame1.Move(180, 660, 9195, 1635);
    Frame1.setCaption("抽出条件");
    placeLabel(Label1, "シリーズ＆大会：", 120, 360, 1635, 375);
    cobSeason.Move(1740, 300, 5595, kComboHeight);
    placeLabel(Label3, "コース：", 900, 780, 855, 375);
    cobCource.Move(1740, 720, 5355, kComboHeight);
    placeLabel(Label2, "ゲーム形式：", 360, 1200, 1395, 375);
    cobHoleRound.setFontSize(12);
    cobHoleRound.Move(1740, 1140, 2715, 390);
    for (ComboBox* c : {&cobSeason, &cobCource, &cobHoleRound}) c->setStyle(vbComboDropdownList);
    placeButton(btnPeriod, "期間", 4920, 1140, 975, 375);
    // The gothic face here sets digits wider than the original one did: the
    // period gets the room from the button to the frame's edge, so that
    // "H22/01/11　～　H22/12/12" shows whole.
    lblPeriod.Move(5970, 1260, 3180, 225);

    placeButton(btnSeasonPrint, "集計/印刷", 10200, 840, 1395, 915);
    placeLabel(lblGameListCount, "", 10020, 2160, 1575, 255);

    // The list's box has no border of its own, so the grid gets the whole
    // width: the widest list (11050 twips) fits beside the vertical bar.
    picGameListBody.Move(180, 2400, 11475, 4995);
    picGameListBody.setBorderStyle(0);
    picGameListBody.setTabStop(false);

    placeButton(btnSyukeiClear, "集計 クリア", 180, 7560, 675, 495);
    placeButton(btnSyukeiCheckedAll, "集計 全選択", 900, 7560, 735, 495);
    for (CommandButton* b : {&btnSyukeiClear, &btnSyukeiCheckedAll}) {
        b->setFontSize(9.75);
        b->setTabStop(false);
    }
    placeButton(btnOpenGame, "開く", 3000, 7560, 1815, 495);
    placeButton(btnGamePrint, "印刷", 4980, 7560, 1815, 495);
    placeButton(btnDeleteGame, "削除", 6960, 7560, 1815, 495);
    placeButton(btnClose, "終了", 10440, 7560, 1215, 495);
    timMain.setInterval(200);

    setTabOrder({&btnClose, &btnBelong, &btnMember, &btnSeries, &btnCource, &btnNewGame, &cobSeason, &cobCource,
                   &cobHoleRound, &btnPeriod, &btnOpenGame, &btnGamePrint, &btnDeleteGame, &picGameListBody,
                   &uctGameList, &btnSeasonPrint, &btnSyukeiClear, &btnSyukeiCheckedAll});

    mnuFile.setCaption("ファイル(&F)");
    mnuFile_ExitApp.setCaption("Lumora の終了(&X)");
    mnuTool.setCaption("ツール(&T)");
    mnuTool_Backup.setCaption("バックアップ(&B)");
    mnuHelp.setCaption("ヘルプﾟ(&H)");
    mnuHelp_AboutLumora.setCaption("Lumora について（ｵﾝﾗｲﾝ）");
    mnuHelp_OnlineHelp.setCaption("ヘルプ（ｵﾝﾗｲﾝ）");
    mnuHelp_Line1.setCaption("-");
    mnuHelp_ReadMe.setCaption("ReadMe.html");
    mnuHelp_Line2.setCaption("-");
    mnuHelp_About.setCaption("バージョン情報(&A)...");

    btnBelong.Click = [this] { btnBelong_Click(); };
    btnMember.Click = [this] { btnMember_Click(); };
    btnSeries.Click = [this] { btnSeries_Click(); };
    btnCource.Click = [this] { btnCource_Click(); };
    btnNewGame.Click = [this] { btnNewGame_Click(); };
    cobSeason.Click = [this] { cobSeason_Click(); };
    cobCource.Click = [this] { cobCource_Click(); };
    cobHoleRound.Click = [this] { cobHoleRound_Click(); };
    btnPeriod.Click = [this] { btnPeriod_Click(); };
    btnSeasonPrint.Click = [this] { btnSeasonPrint_Click(); };
    btnSyukeiClear.Click = [this] { btnSyukeiClear_Click(); };
    btnSyukeiCheckedAll.Click = [this] { btnSyukeiCheckedAll_Click(); };
    btnOpenGame.Click = [this] { btnOpenGame_Click(); };
    btnGamePrint.Click = [this] { btnGamePrint_Click(); };
    btnDeleteGame.Click = [this] { btnDeleteGame_Click(); };
    btnClose.Click = [this] { btnClose_Click(); };
    uctGameList.MGCellClick = [this](int32_t c, int32_t r) { uctGameList_MGCellClick(c, r); };
    uctGameList.MGCellDblClick = [this](int32_t c, int32_t r) { uctGameList_MGCellDblClick(c, r); };
    uctGameList.MGCellCheckBoxClick = [this](int32_t c, int32_t r, int32_t v) {
        uctGameList_MGCellCheckBoxClick(c, r, v);
    };
    timMain.Tick = [this] { timMain_Timer(); };
    mnuFile_ExitApp.Click = [this] { mnuFile_ExitApp_Click(); };
    mnuTool_Backup.Click = [this] { mnuTool_Backup_Click(); };
    mnuHelp_AboutLumora.Click = [this] { mnuHelp_AboutLumora_Click(); };
    mnuHelp_OnlineHelp.Click = [this] { mnuHelp_OnlineHelp_Click(); };
    mnuHelp_ReadMe.Click = [this] { mnuHelp_ReadMe_Click(); };
    mnuHelp_About.Click = [this] { mnuHelp_About_Click(); };
}

// Runs inside the start-up procedure: an error here is its failure.
void frmMain::Form_Load() {
    // One synchronous go over the settings, registries and games: each file
    // is read once however many of its values are looked at.
    files::ProfileReadBatch batch;
    const std::string top = gfReadIniFile(gstrIniFile, "WindowSize", "Main_Top");
    if (!text::Trim(top).empty()) {
        double t = fieldValue32(top), l = Left();
        const std::string left = gfReadIniFile(gstrIniFile, "WindowSize", "Main_Left");
        if (!text::Trim(left).empty()) l = fieldValue32(left);
        setStartUpPosition(vbStartUpManual);
        Move(onScreen(l, Width(), Screen::Width()), onScreen(t, Height(), Screen::Height()));
    }

    picGameListBody.setBackColor(BackColor());
    uctGameList.Move(0, 0, picGameListBody.ScaleWidth(), picGameListBody.ScaleHeight());
    setCaption(std::string(product::Title) + " - " + product::JapaneseTitle);

    gtypPlayers.clear();
    gtypBelongs.clear();
    mlngTopRow = -1;
    lblGameListCount.setCaption("");
    mintMainHidden = 0;
    cobSeason.Clear();

    gsReadGameList();
    psLoadPlayers();
    psLoadGroups();
    // Choosing the remembered series fills the other filters and the list.
    psSetSeasonCombo();
    psSetButtons();
}

void frmMain::Form_Unload(int16_t&) {
    gfWriteIniFile(gstrIniFile, "WindowSize", "Main_Top", text::Str(text::CLng(Top())));
    gfWriteIniFile(gstrIniFile, "WindowSize", "Main_Left", text::Str(text::CLng(Left())));
}

// The registries come from the core's one loader, shared with the windows
// that read them later.
void frmMain::psLoadPlayers() { loadPlayers(); }

void frmMain::psLoadGroups() { loadGroups(); }
