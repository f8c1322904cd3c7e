// The tally window: its controls, opening a game, the caption and count
// label, saving, the close check, the stored geometry and the layout.
#include "tally/frmBrenmoor.h"

#include "core/dateBox.h"
#include "core/gameFile.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "core/players.h"
#include "core/registryNames.h"
#include "core/resultRecords.h"
#include "core/wholeGame.h"
#include "platform/forms/Services.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

#include <algorithm>

using namespace forms;

namespace {

constexpr double kDesignClientWidth = 13890, kDesignClientHeight = 9105;
constexpr double kMinimumSize = 6000; // outer width and height
constexpr double kButtonTop = 120, kButtonHeight = 375;
constexpr const char* kGeometrySection = "WindowSize";

void placeButton(CommandButton& b, const char* caption, double left, double width) {
    b.Move(left, kButtonTop, width, kButtonHeight);
    b.setCaption(caption);
}

void placeLabel(Label& l, const char* caption, double left, double top, double width, double height) {
    l.Move(left, top, width, height);
    l.setCaption(caption);
}

void placePanel(PictureBox& p, double width, double height) {
    p.Move(0, 0, width, height);
    p.setBorderStyle(0);
    p.setTabStop(false);
}

// A stored geometry value: its number when the text is not blank and the
// number is not 0 (a stored 0 keeps the design value).
std::optional<int32_t> storedValue(const std::string& key) {
    const std::string v = gfReadIniFile(gstrIniFile, kGeometrySection, key);
    if (text::Trim(v).empty()) return std::nullopt;
    const int32_t n = fieldValue32(v);
    if (n == 0) return std::nullopt;
    return n;
}

void storeValue(const std::string& key, double v) {
    gfWriteIniFile(gstrIniFile, kGeometrySection, key, text::Format(v, "0"));
}

// The date the game's date error refuses, as a date.
bool gameDateValid() { return text::IsDate(text::Trim(gtypGame.Date)); }

} // namespace

frmBrenmoor::frmBrenmoor(std::function<void()> closed, PrintScores printScores)
    : Form("frmBrenmoor", Font{"ＭＳ Ｐゴシック", 11.25}), picTopR(*this, "picTopR"),
      lblEntryNum(picTopR, "lblEntryNum"), picTop(*this, "picTop"), lblDateCaption(picTop, "lblDateCaption"),
      lblDate(picTop, "lblDate"), lblTittleCaption(picTop, "lblTittleCaption"), lblTittle(picTop, "lblTittle"),
      btnGameInfo(picTop, "btnGameInfo"), btnCategory(picTop, "btnCategory"), picBody(*this, "picBody"), tabBody(picBody, "tabBody"),
      uctGridList0(picBody, "uctGridList0"), uctGridList(picBody, "uctGridList"),
      uctGridList2(picBody, "uctGridList2"), uctGridList4(picBody, "uctGridList4"),
      uctGridList6(picBody, "uctGridList6"), uctGridList7(picBody, "uctGridList7"),
      picBottomL0(*this, "picBottomL0"), btnAddMember0(picBottomL0, "btnAddMember0"),
      btnDeleteMember0(picBottomL0, "btnDeleteMember0"), btnTeam(picBottomL0, "btnTeam"),
      btnGotoScore(picBottomL0, "btnGotoScore"), picBottomL1(*this, "picBottomL1"), btnScore(picBottomL1, "btnScore"),
      picBottomL3(*this, "picBottomL3"), btnGotoScore2(picBottomL3, "btnGotoScore2"),
      picBottomR(*this, "picBottomR"), btnSave(picBottomR, "btnSave"), btnPrint(picBottomR, "btnPrint"),
      btnExit(picBottomR, "btnExit"), closed_(std::move(closed)), printScores_(std::move(printScores)) {
    designControls();
    wireEvents();
}

void frmBrenmoor::designControls() {
    setBorderStyle(vbSizable);
    setClientSize(kDesignClientWidth, kDesignClientHeight);
    setStartUpPosition(vbStartUpScreen);

    placePanel(picTop, 10275, 615);
    placeLabel(lblDateCaption, "日付：", 300, 60, 615, 375);
    // Wide enough for the longest date ("平成22年10月10日(日)").
    placeLabel(lblDate, "", 960, 60, 3375, 375);
    placeLabel(lblTittleCaption, "タイトル：", 60, 300, 855, 375);
    placeLabel(lblTittle, "", 960, 300, 3375, 375);
    placeButton(btnGameInfo, "ゲーム設定", 6780, 1575);
    placeButton(btnCategory, "部門別の設定", 8520, 1575);

    placePanel(picTopR, 4335, 615);
    // Right-aligned: at the design width the top-left band covers the start
    // of this one, and its buttons stay whole on top.
    placeLabel(lblEntryNum, "", 360, 300, 3855, 255);
    lblEntryNum.setAlignment(vbRightJustify);

    placePanel(picBody, kDesignClientWidth - 8 * TwipsPerPixel, kDesignClientHeight - 2 * 615);
    for (uctMyGrid* g : {&uctGridList0, &uctGridList, &uctGridList2, &uctGridList4, &uctGridList6, &uctGridList7})
        g->setVisible(false);

    placePanel(picBottomL0, 7035, 615);
    placeButton(btnAddMember0, "参加追加", 360, 1275);
    placeButton(btnDeleteMember0, "参加取消", 1740, 1275);
    placeButton(btnTeam, "ﾁｰﾑ設定", 3180, 1215);
    placeButton(btnGotoScore, "スコア画面へ", 4560, 2295);
    placePanel(picBottomL1, 7035, 615);
    placeButton(btnScore, "スコア入力", 360, 1875);
    placePanel(picBottomL3, 7035, 615);
    placeButton(btnGotoScore2, "スコア画面へ", 4560, 2295);
    for (PictureBox* p : {&picBottomL0, &picBottomL3}) p->setVisible(false);

    placePanel(picBottomR, 4095, 615);
    placeButton(btnSave, "保存", 0, 1095);
    placeButton(btnPrint, "印刷", 1260, 1095);
    placeButton(btnExit, "閉じる", 2880, 975);
    psResizeForm();
}

void frmBrenmoor::wireEvents() {
    btnGameInfo.Click = [this] { btnGameInfo_Click(); };
    btnCategory.Click = [this] { btnCategory_Click(); };
    tabBody.Click = [this] { tabBody_Click(); };
    uctGridList.MGCellClick = [this](int32_t c, int32_t r) { uctGridList_MGCellClick(c, r); };
    uctGridList0.MGCellClick = [this](int32_t c, int32_t r) { uctGridList0_MGCellClick(c, r); };
    uctGridList0.MGCellDblClick = [this](int32_t, int32_t) { btnGotoScore_Click(); };
    for (uctMyGrid* g : {&uctGridList2, &uctGridList4, &uctGridList6})
        g->MGCellDblClick = [this](int32_t, int32_t) { btnGotoScore2_Click(); };
    btnAddMember0.Click = [this] { btnAddMember0_Click(); };
    btnDeleteMember0.Click = [this] { btnDeleteMember0_Click(); };
    btnTeam.Click = [this] { btnTeam_Click(); };
    btnGotoScore.Click = [this] { btnGotoScore_Click(); };
    btnScore.Click = [this] { btnScore_Click(); };
    btnGotoScore2.Click = [this] { btnGotoScore2_Click(); };
    btnSave.Click = [this] { btnSave_Click(); };
    btnPrint.Click = [this] { btnPrint_Click(); };
    btnExit.Click = [this] { btnExit_Click(); };
}

// ---- opening ----

void frmBrenmoor::Form_Load() {
    const HourglassScope hourglass;
    // The tab click and both lists ask for the count label while the window
    // loads; counting walks every score row, so it is done once, after them.
    countsDeferred_ = true;
    const bool opened = loadGame();
    countsDeferred_ = false;
    if (!opened) return;
    try {
        psSetEntryNum();
    } catch (const text::RuntimeError&) {
        // The window shows what was loaded.
    }
}

bool frmBrenmoor::loadGame() {
    try {
        restoreGeometry();
        gintGameSaved = -1;
        mintChanged = 0;
        gsClearResults();
        for (typPlayerInfo& p : gtypPlayers) {
            p.Entered = 0;
            p.TeamID.clear();
        }
        if (!text::Trim(gtypGame.FileName).empty()) {
            // A game that cannot be read whole is refused: saving part of it
            // would lose the rest.
            if (!readWholeGame("開けません。")) {
                refused_ = true;
                Unload();
                return false;
            }
            gsUnpackScoreData();
        } else {
            buildNewGameRows();
            mintChanged = 1;
        }
        for (PictureBox* p : {&picTop, &picTopR, &picBody, &picBottomL0, &picBottomL1, &picBottomL3, &picBottomR})
            p->setBackColor(BackColor());
        mtypSelScore.IDNo = 0;
        mlngScoreTopIndex = mlngSelMemberID = mlngMemberTopIndex = 0;
        mintTabCount = 6;
        ResetTabCaption();
        mintTabIndex = 2;
        tabBody.SelectTab(2);
        psSetList1();
        psSetList0();
        psSetCaption();
    } catch (const text::RuntimeError&) {
        // The window shows what was loaded.
    }
    return true;
}

void frmBrenmoor::buildNewGameRows() {
    for (const typEntryInfo& entrant : gtypEntries) {
        for (int16_t k = 1; k <= gtypGame.Round; ++k) {
            typScoreData& row = gtypScores.append();
            row.IDNo = entrant.IDNo;
            row.RoundNo = k;
            row.TeamID = entrant.TeamID;
        }
    }
}

// ---- caption and count label ----

void frmBrenmoor::psSetCaption() {
    const std::string series = text::Trim(seriesName(gtypGame.SeriesID));
    const std::string title =
        text::Trim(gtypGame.FileName).empty() ? std::string("新しいゲーム") : text::Trim(gtypGame.Tittle);
    setCaption("Lumora - " + series + " - " + title + (mintChanged != 0 ? " *" : ""));
    lblTittle.setCaption(text::Trim(gtypGame.Tittle));
    lblDate.setCaption(text::FormatDateText(text::Trim(gtypGame.Date), "ggge年m月d日(aaa)"));
}

void frmBrenmoor::psSetEntryNum() {
    if (countsDeferred_) return;
    gintEntryCount = gfCountEntry();
    gintTeamCount = gfCountTeam();
    std::string label = "参加 " + text::Format(gintEntryCount, "0") + "名";
    if (gintTeamCount > 0) label += "、" + text::Format(gintTeamCount, "0") + "ﾁｰﾑ";
    lblEntryNum.setCaption(label);
}

void frmBrenmoor::psSetEntryNumTeam() {
    gintTeamCount = gfCountTeam();
    lblEntryNum.setCaption("参加 " + text::Format(gintTeamCount, "0") + "ﾁｰﾑ" + "、" +
                           text::Format(static_cast<long long>(gtypRankRows.ubound()) + 1, "0") + "名");
}

// ---- saving and closing ----

void frmBrenmoor::psScoreDataSave() {
    if (mintChanged == 0) return;
    try {
        const HourglassScope hourglass;
        gsPackScoreData();
        if (gfSaveScoreData().empty()) return; // the core has said why
        mintChanged = 0;
        psSetCaption();
        gintGameSaved = 0;
    } catch (const text::RuntimeError&) {
        MsgBox("スコアデータの保存に失敗しました。", vbOKOnly, std::string("System error"));
    }
}

void frmBrenmoor::btnSave_Click() {
    if (!gameDateValid()) {
        showDateError();
        return;
    }
    mintChanged = 1;
    // Marked like any change: a save that fails leaves the mark showing.
    psSetCaption();
    psScoreDataSave();
}

void frmBrenmoor::btnExit_Click() { Unload(); }

bool frmBrenmoor::pfConfirmSave() {
    if (mintChanged == 0) return false;
    if (!gameDateValid()) {
        showDateError();
        return true;
    }
    switch (MsgBox("スコア・データを保存します。よろしいですか？", vbYesNoCancel, std::string("スコア保存確認"))) {
    case vbYes:
        psScoreDataSave();
        // A save that failed keeps the window open, so nothing is lost.
        return mintChanged != 0;
    case vbNo: return false;
    default: return true;
    }
}

void frmBrenmoor::Form_QueryUnload(int16_t& Cancel, int16_t) {
    if (refused_) return;
    if (pfConfirmSave()) Cancel = 1;
}

void frmBrenmoor::Form_Unload(int16_t&) {
    if (!refused_) storeGeometry();
    if (closed_) closed_();
}

// ---- geometry ----

void frmBrenmoor::restoreGeometry() {
    const double screenWidth = Screen::Width(), screenHeight = Screen::Height();
    bool maximized = false;
    if (const auto width = storedValue("Score_Width")) {
        setStartUpPosition(vbStartUpManual);
        // Sizes below the minimum are not a size this window ever had.
        if (*width >= kMinimumSize) setWidth(*width);
        if (const auto height = storedValue("Score_Height"); height && *height >= kMinimumSize) setHeight(*height);
        if (const auto top = storedValue("Score_Top")) setTop(*top);
        if (const auto left = storedValue("Score_Left")) setLeft(*left);
        // Only normal and maximised come back: a window closed minimised
        // opens normal.
        if (const auto state = storedValue("Score_WindowState"); state && *state == vbMaximized) maximized = true;
    }
    if (Width() > screenWidth) setWidth(screenWidth);
    if (Height() > screenHeight) setHeight(screenHeight);
    // Never off the screen.
    Move(std::clamp(Left(), 0.0, std::max(0.0, screenWidth - Width())),
         std::clamp(Top(), 0.0, std::max(0.0, screenHeight - Height())));
    // The bounds the window is maximised over are its normal ones, kept also
    // when it is never shown normal.
    keepNormalBounds();
    if (maximized) setWindowState(vbMaximized);
}

void frmBrenmoor::keepNormalBounds() {
    if (WindowState() != vbNormal) return;
    normalLeft_ = Left();
    normalTop_ = Top();
    normalWidth_ = Width();
    normalHeight_ = Height();
}

void frmBrenmoor::storeGeometry() {
    const int16_t state = WindowState();
    storeValue("Score_WindowState", state);
    if (state == vbNormal) keepNormalBounds();
    // The bounds are taken first: going back to normal may pass through
    // sizes that are not the window's normal one.
    const double left = normalLeft_, top = normalTop_, width = normalWidth_, height = normalHeight_;
    setWindowState(vbNormal);
    storeValue("Score_Width", width);
    storeValue("Score_Height", height);
    storeValue("Score_Top", top);
    storeValue("Score_Left", left);
}

// ---- layout ----

void frmBrenmoor::Form_Resize() {
    if (WindowState() == vbMinimized) return;
    keepNormalBounds();
    psResizeForm();
}

void frmBrenmoor::psResizeForm() {
    try {
        if (Width() < kMinimumSize || Height() < kMinimumSize)
            Move(Left(), Top(), std::max(Width(), kMinimumSize), std::max(Height(), kMinimumSize));
        const double pixel = Screen::TwipsPerPixelX;
        picTop.Move(0, 0);
        picTopR.Move(ScaleWidth() - picTopR.Width(), 0, picTopR.Width(), picTop.Height());
        picBody.Move(4 * pixel, picTop.Height(), ScaleWidth() - 8 * pixel,
                     ScaleHeight() - picBottomL1.Height() - picTop.Height());
        tabBody.Move(0, 0, picBody.ScaleWidth(), picBody.ScaleHeight());
        for (uctMyGrid* g : {&uctGridList0, &uctGridList, &uctGridList2, &uctGridList4, &uctGridList6, &uctGridList7})
            g->Move(tabBody.ClientLeft(), tabBody.ClientTop(), tabBody.ClientWidth(), tabBody.ClientHeight());
        picBottomL1.Move(0, ScaleHeight() - picBottomL1.Height());
        for (PictureBox* p : {&picBottomL0, &picBottomL3})
            p->Move(0, picBottomL1.Top(), p->Width(), picBottomL1.Height());
        picBottomR.Move(ScaleWidth() - picBottomR.Width(), picBottomL1.Top(), picBottomR.Width(), picBottomL1.Height());
    } catch (const text::RuntimeError&) {
        // The controls keep the places given so far.
    }
}
