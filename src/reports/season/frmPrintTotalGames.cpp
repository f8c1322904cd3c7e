// The season tally window itself: its design, what it shows at opening and
// the copying of its options into the print globals and the settings file.
#include "reports/season/frmPrintTotalGames.h"

#include "core/globals.h"
#include "core/iniFile.h"
#include "core/resultRecords.h"
#include "core/textBoxHelpers.h"
#include "platform/forms/TabOrder.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/season/frmPfSeasonTotalRanking.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

const forms::Font kSmallFont{"ＭＳ Ｐゴシック", 9.75};
constexpr double kMinimumLimit = 999999;

// The settings keys, in the order they are written.
constexpr const char* kSortBelong = "SeriesPrint_SortBelong";
constexpr const char* kNameOrEntries = "SeriesPrint_NameOrEntries";
constexpr const char* kTotalRankingMode = "SeriesPrint_TotalRankingMode";
constexpr const char* kTeamHowtoRank = "SeriesPrint_TeamHowtoRank";
constexpr const char* kPrivateGames = "SeriesPrint_PrivateGames";
constexpr const char* kJudgeDaSu = "SeriesPrint_JudgeDaSu";
constexpr const char* kJudgeBirthday = "SeriesPrint_JudgeBirthday";
constexpr const char* kBelongOrLocation = "SeriesPrint_BelongOrLocation";
constexpr const char* kHandicap = "SeriesPrint_Handicap";

std::string readSetup(const char* key) { return gfReadIniFile(gstrIniFile, "Setup", key); }

void writeSetup(const char* key, long long value) {
    gfWriteIniFile(gstrIniFile, "Setup", std::string(key), text::Format(value, "0"));
}

// A stored number; nothing when the text holds a number too large to read.
std::optional<double> storedNumber(const std::string& s) {
    try {
        return text::Val(s);
    } catch (const text::RuntimeError&) {
        return std::nullopt;
    }
}

// Sets option `stored` of a group; the group's default when the stored
// number names no option of it (a hand-edited settings file).
void restoreOption(forms::ControlArray<forms::OptionButton>& group, const std::string& stored, int fallback) {
    const std::optional<double> v = storedNumber(stored);
    const bool whole = v && std::nearbyint(*v) == *v && group.exists(static_cast<int>(std::clamp(*v, -1.0, 100.0)));
    group[whole ? static_cast<int>(*v) : fallback].setValue(true);
}

void restoreCheck(forms::CheckBox& box, const std::string& stored) {
    const std::optional<double> v = storedNumber(stored);
    box.setValue(v && *v != 0 ? forms::vbChecked : forms::vbUnchecked);
}

// The index of the set option of a group; 0 when none is set.
int16_t chosenOption(const forms::ControlArray<forms::OptionButton>& group) {
    for (int i : group.indexes())
        if (group[i].Value()) return static_cast<int16_t>(i);
    return 0;
}

// A minimum box read as a whole number (halves to even) within 0..999999;
// the box is rewritten with the value used. A number too large to read at
// all counts as the largest, a negative one as 0.
int32_t readMinimum(forms::TextBox& box) {
    double v = kMinimumLimit;
    if (const std::optional<double> typed = storedNumber(box.Text())) v = *typed;
    else if (text::Trim(box.Text()).starts_with("-")) v = 0;
    const int32_t minimum = text::CLng(std::clamp(v, 0.0, kMinimumLimit));
    box.setText(text::Format(minimum, "0"));
    return minimum;
}

void place(forms::Control& c, double left, double top, double width, double height, const char* caption = nullptr) {
    c.Move(left, top, width, height);
    if (!caption) return;
    if (auto* o = dynamic_cast<forms::OptionButton*>(&c)) o->setCaption(caption);
    else if (auto* b = dynamic_cast<forms::CommandButton*>(&c)) b->setCaption(caption);
    else if (auto* k = dynamic_cast<forms::CheckBox*>(&c)) k->setCaption(caption);
    else if (auto* l = dynamic_cast<forms::Label*>(&c)) l->setCaption(caption);
    else if (auto* f = dynamic_cast<forms::Frame*>(&c)) f->setCaption(caption);
}

} // namespace

frmPrintTotalGames::frmPrintTotalGames()
    : DialogWindow("frmPrintTotalGames", "集計/印刷", 10200, 7485), Label1(*this, "Label1"),
      txtTittle1(*this, "txtTittle1"), Label3(*this, "Label3"), txtTittle2(*this, "txtTittle2"),
      fraEntryList(*this, "fraEntryList"), chkEntryBelong(fraEntryList, "chkEntryBelong"),
      optEntry(fraEntryList, "optEntry", 2), btnEntryList(fraEntryList, "btnEntryList"),
      fraTotalRanking(*this, "fraTotalRanking"), btnCategory(fraTotalRanking, "btnCategory"),
      optTotalRankingMode(fraTotalRanking, "optTotalRankingMode", 6), lblKiteiGame(fraTotalRanking, "lblKiteiGame"),
      txtKiteiGame(fraTotalRanking, "txtKiteiGame"), lblKiteiRound(fraTotalRanking, "lblKiteiRound"),
      txtKiteiRound(fraTotalRanking, "txtKiteiRound"), Label4(fraTotalRanking, "Label4"),
      txtKitei9H(fraTotalRanking, "txtKitei9H"), Label2(fraTotalRanking, "Label2"),
      txtKiteiHole(fraTotalRanking, "txtKiteiHole"), Frame1(fraTotalRanking, "Frame1"),
      optBelongOrLocation(Frame1, "optBelongOrLocation", 3), btnTotalRanking(fraTotalRanking, "btnTotalRanking"),
      Frame2(*this, "Frame2"), chkJudgeBirthday(Frame2, "chkJudgeBirthday"), Frame3(*this, "Frame3"),
      optHandicap(Frame3, "optHandicap", 2), fraBestGame(*this, "fraBestGame"),
      btnBestGame(fraBestGame, "btnBestGame"), fraBestRound(*this, "fraBestRound"),
      btnBestRound(fraBestRound, "btnBestRound"), fraTeamList(*this, "fraTeamList"),
      btnTeamList(fraTeamList, "btnTeamList"), fraTeamRanking(*this, "fraTeamRanking"),
      optTeamHowtoRank(fraTeamRanking, "optTeamHowtoRank", 2), btnTeamRanking(fraTeamRanking, "btnTeamRanking"),
      fraPrivateRanking(*this, "fraPrivateRanking"), optPrivateGames(fraPrivateRanking, "optPrivateGames", 3),
      btnPrivateRanking(fraPrivateRanking, "btnPrivateRanking"), fraPrivateScore(*this, "fraPrivateScore"),
      btnPrivateScore(fraPrivateScore, "btnPrivateScore"), btnOK(*this, "btnOK") {
    design();
    wireEvents();
}

void frmPrintTotalGames::design() {
    place(Label1, 60, 180, 1080, 255, "タイトル1：");
    place(Label3, 60, 660, 1080, 255, "タイトル2：");
    for (forms::Label* l : {&Label1, &Label3}) l->setFont(kSmallFont);
    place(txtTittle1, 1140, 120, 8715, 375);
    place(txtTittle2, 1140, 600, 8715, 375);
    txtTittle1.setText("Text1");
    txtTittle2.setText("Text1");
    for (forms::TextBox* t : {&txtTittle1, &txtTittle2}) t->setIMEMode(forms::vbIMEHiragana);

    place(fraEntryList, 300, 1200, 4575, 795, "参加者一覧表");
    place(chkEntryBelong, 180, 360, 915, 300, "所属");
    place(optEntry[0], 1200, 360, 915, 300, "名前");
    place(optEntry[1], 2160, 360, 915, 300, "参加");
    place(btnEntryList, 3240, 270, 1215, 435, "印刷");

    designTotalRanking();

    place(Frame2, 300, 5760, 4575, 735, "同点時の順位判定方法");
    place(chkJudgeBirthday, 180, 330, 4275, 300, "生年月日が先（年令が上）の人が上位");
    place(Frame3, 300, 6600, 4575, 735, "ハンディキャップ");
    place(optHandicap[0], 90, 330, 2055, 300, "ｹﾞｰﾑ毎の設定で集計");
    place(optHandicap[1], 2160, 330, 2385, 300, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ無しで集計");
    for (forms::Control* c : std::initializer_list<forms::Control*>{&Frame2, &chkJudgeBirthday, &Frame3,
                                                                    &optHandicap[0], &optHandicap[1]})
        c->setFont(kSmallFont);

    designRightColumn();
    place(btnOK, 8100, 6780, 1755, 495, "閉じる");
}

// The bases one per row, from the top: total, game, course, 9-hole, hole
// averages and hole-in-ones; each minimum on its basis's row.
void frmPrintTotalGames::designTotalRanking() {
    place(fraTotalRanking, 300, 2100, 4575, 3555);
    // A minimum box holds five digits (a season of 200 games of 10 x 12 holes
    // asks for 12000 holes), so the bases that have one leave it the room.
    constexpr double rowTop = 330, rowStep = 375, optionWidth = 2055, shortOptionWidth = 1815;
    const struct {
        int basis;
        const char* caption;
        double width;
    } rows[] = {{3, "合計", optionWidth},
                {1, "ゲーム平均", shortOptionWidth},
                {0, "コース平均", shortOptionWidth},
                {5, "９ホール平均", shortOptionWidth},
                {2, "ホール平均", shortOptionWidth},
                {4, "ホールインワン数", optionWidth}};
    for (int r = 0; r < 6; ++r)
        place(optTotalRankingMode[rows[r].basis], 180, rowTop + r * rowStep, rows[r].width, 300, rows[r].caption);
    place(btnCategory, 2340, rowTop - 60, 2055, 375, "部門別の設定");
    const struct {
        forms::Label& label;
        forms::TextBox& box;
        const char* caption;
        int row;
        const char* designText;
    } minima[] = {{lblKiteiGame, txtKiteiGame, "規定ゲーム数：", 1, "999"},
                  {lblKiteiRound, txtKiteiRound, "規定コース数：", 2, "9999"},
                  {Label4, txtKitei9H, "規定9H数：", 3, "9999"},
                  {Label2, txtKiteiHole, "規定ホール数：", 4, "99999"}};
    for (const auto& m : minima) {
        const double top = rowTop + m.row * rowStep;
        place(m.label, 180 + shortOptionWidth, top + 15, 1620, 285, m.caption);
        m.label.setAlignment(forms::vbRightJustify);
        place(m.box, 3630, top - 15, 855, 330);
        m.box.setAlignment(forms::vbRightJustify);
        m.box.setIMEMode(forms::vbIMEDisable);
        m.box.setText(m.designText);
    }
    place(Frame1, 180, 2640, 2955, 735, "印刷する？");
    const char* columns[] = {"なし", "所属", "地域"};
    for (int i = 0; i < 3; ++i) place(optBelongOrLocation[i], 120 + i * 930, 330, 855, 300, columns[i]);
    Frame1.setFont(kSmallFont);
    for (int i = 0; i < 3; ++i) optBelongOrLocation[i].setFont(kSmallFont);
    place(btnTotalRanking, 3240, 2820, 1215, 435, "印刷");
}

void frmPrintTotalGames::designRightColumn() {
    constexpr double left = 5280, width = 4575, buttonLeft = 3240, buttonWidth = 1215;
    place(fraBestGame, left, 1200, width, 615, "ベスト・ゲーム");
    place(btnBestGame, buttonLeft, 150, buttonWidth, 375, "印刷");
    place(fraBestRound, left, 1920, width, 795, "ベスト・コース");
    place(btnBestRound, buttonLeft, 240, buttonWidth, 435, "印刷");
    place(fraTeamList, left, 2820, width, 615, "チーム一覧表");
    place(btnTeamList, buttonLeft, 150, buttonWidth, 375, "印刷");
    place(fraTeamRanking, left, 3540, width, 975, "チーム順位表");
    place(optTeamHowtoRank[0], 180, 420, 915, 300, "合計");
    place(optTeamHowtoRank[1], 1200, 420, 1335, 300, "ｺｰｽ平均");
    place(btnTeamRanking, buttonLeft, 360, buttonWidth, 435, "印刷");
    place(fraPrivateRanking, left, 4620, width, 1035, "個別ゲーム一覧表");
    place(optPrivateGames[0], 180, 330, 1035, 300, "日付順");
    place(optPrivateGames[1], 1260, 330, 1035, 300, "成績順");
    place(optPrivateGames[2], 180, 660, 1575, 300, "ゲーム情報");
    place(btnPrivateRanking, buttonLeft, 420, buttonWidth, 435, "印刷");
    place(fraPrivateScore, left, 5760, width, 615, "個別スコア表");
    place(btnPrivateScore, buttonLeft, 150, buttonWidth, 375, "印刷");
}

void frmPrintTotalGames::wireEvents() {
    std::vector<forms::Control*> order{&txtTittle1, &txtTittle2, &chkEntryBelong, &optEntry[0], &optEntry[1],
                                       &btnEntryList, &btnCategory};
    for (int basis : {3, 1, 0, 5, 2, 4}) {
        order.push_back(&optTotalRankingMode[basis]);
        if (basis == 1) order.push_back(&txtKiteiGame);
        if (basis == 0) order.push_back(&txtKiteiRound);
        if (basis == 5) order.push_back(&txtKitei9H);
        if (basis == 2) order.push_back(&txtKiteiHole);
    }
    for (int i = 0; i < 3; ++i) order.push_back(&optBelongOrLocation[i]);
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &btnTotalRanking, &chkJudgeBirthday, &optHandicap[0], &optHandicap[1], &btnBestGame, &btnBestRound,
             &btnTeamList, &optTeamHowtoRank[0], &optTeamHowtoRank[1], &btnTeamRanking, &optPrivateGames[0],
             &optPrivateGames[1], &optPrivateGames[2], &btnPrivateRanking, &btnPrivateScore, &btnOK})
        order.push_back(c);
    for (size_t i = 0; i < order.size(); ++i) order[i]->setTabIndex(static_cast<int>(i));

    // The six boxes select their text on entry and take Enter as Tab.
    for (forms::TextBox* box : {&txtTittle1, &txtTittle2, &txtKiteiGame, &txtKiteiRound, &txtKiteiHole, &txtKitei9H}) {
        box->GotFocus = [box] { gsTextSelectAll(*box); };
        box->KeyPress = [this](int16_t& KeyAscii) { forms::enterAsTab(*this, KeyAscii); };
    }

    btnEntryList.Click = [this] { btnEntryList_Click(); };
    btnTotalRanking.Click = [this] { btnTotalRanking_Click(); };
    btnBestGame.Click = [this] { btnBestGame_Click(); };
    btnBestRound.Click = [this] { btnBestRound_Click(); };
    btnTeamList.Click = [this] { btnTeamList_Click(); };
    btnTeamRanking.Click = [this] { btnTeamRanking_Click(); };
    btnPrivateRanking.Click = [this] { btnPrivateRanking_Click(); };
    btnPrivateScore.Click = [this] { btnPrivateScore_Click(); };
    btnCategory.Click = [this] { btnCategory_Click(); };
    btnOK.Click = [this] { btnOK_Click(); };
}

void frmPrintTotalGames::Form_Load() {
    txtTittle1.setText(gstrDlgParam2);
    txtTittle2.setText(gstrDlgParam3);
    restoreOptions();
    fraTotalRanking.setCaption(pfGetRankingTitle());
    writeDefaultMinima();
    enableByFormatMix();
}

void frmPrintTotalGames::restoreOptions() {
    restoreCheck(chkEntryBelong, readSetup(kSortBelong));
    restoreOption(optEntry, readSetup(kNameOrEntries), 0);
    optTotalRankingMode[0].setValue(true); // the basis is never restored
    restoreOption(optTeamHowtoRank, readSetup(kTeamHowtoRank), 0);
    restoreOption(optPrivateGames, readSetup(kPrivateGames), 0);
    restoreCheck(chkJudgeBirthday, readSetup(kJudgeBirthday));
    const std::string belongOrLocation = readSetup(kBelongOrLocation);
    restoreOption(optBelongOrLocation, text::Trim(belongOrLocation).empty() ? "1" : belongOrLocation, 1);
    restoreOption(optHandicap, readSetup(kHandicap), 0);
}

// From the number of selected games and the largest shape: half the games,
// as many courses, their holes and 9-hole units (halves away from zero).
void frmPrintTotalGames::writeDefaultMinima() {
    const double games = (glngSeasonGamesMax() + 1) / 2.0;
    txtKiteiGame.setText(text::Format(games, "0"));
    txtKiteiRound.setText(text::Format(games * gtypSeasonGame.Round, "0"));
    txtKiteiHole.setText(text::Format(text::Val(txtKiteiRound.Text()) * gtypSeasonGame.Hole, "0"));
    txtKitei9H.setText(text::Format(text::Val(txtKiteiHole.Text()) / 9, "0"));
}

// Games of different course counts have no game average, best game or
// by-result personal order; games of different hole counts rank by holes
// only and have no per-course reports.
void frmPrintTotalGames::enableByFormatMix() {
    const bool holesDiffer = gstrGamesFormatMix == "10" || gstrGamesFormatMix == "11";
    const bool roundsDiffer = gstrGamesFormatMix == "01";
    if (!holesDiffer && !roundsDiffer) return;
    optTotalRankingMode[1].setEnabled(false);
    lblKiteiGame.setEnabled(false);
    txtKiteiGame.setEnabled(false);
    fraBestGame.setEnabled(false);
    btnBestGame.setEnabled(false);
    optPrivateGames[1].setEnabled(false);
    if (optPrivateGames[1].Value()) optPrivateGames[0].setValue(true);
    if (!holesDiffer) return;
    optTotalRankingMode[0].setEnabled(false);
    optTotalRankingMode[5].setValue(true);
    lblKiteiRound.setEnabled(false);
    txtKiteiRound.setEnabled(false);
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &fraBestRound, &btnBestRound, &fraTeamList, &btnTeamList, &fraTeamRanking, &optTeamHowtoRank[0],
             &optTeamHowtoRank[1], &btnTeamRanking})
        c->setEnabled(false);
}

void frmPrintTotalGames::psGetPrintConditions() {
    gstrPrintTitle1 = txtTittle1.Text();
    gstrPrintTitle2 = txtTittle2.Text();
    mintSortBelong = chkEntryBelong.Value() == forms::vbChecked ? 1 : 0;
    mintNameOrEntries = optEntry[0].Value() ? 0 : 1;
    gintTotalRankingMode = chosenOption(optTotalRankingMode);
    glngKitei9H = readMinimum(txtKitei9H);
    glngKiteiGame = readMinimum(txtKiteiGame);
    glngKiteiRound = readMinimum(txtKiteiRound);
    glngKiteiHole = readMinimum(txtKiteiHole);
    gtypSeasonGame.TeamHowtoRank = optTeamHowtoRank[0].Value() ? 0 : 1;
    mintPrivateGames = chosenOption(optPrivateGames);
    gtypSeasonGame.JudgeDaSu = 0;
    gtypSeasonGame.JudgeBirthday = chkJudgeBirthday.Value() == forms::vbChecked ? 1 : 0;
    gintBelongOrLocation = chosenOption(optBelongOrLocation);
    gintSeriesHandicap = chosenOption(optHandicap);

    writeSetup(kSortBelong, mintSortBelong);
    writeSetup(kNameOrEntries, mintNameOrEntries);
    writeSetup(kTotalRankingMode, gintTotalRankingMode);
    writeSetup(kTeamHowtoRank, gtypSeasonGame.TeamHowtoRank);
    writeSetup(kPrivateGames, mintPrivateGames);
    writeSetup(kJudgeDaSu, gtypSeasonGame.JudgeDaSu);
    writeSetup(kJudgeBirthday, gtypSeasonGame.JudgeBirthday);
    writeSetup(kBelongOrLocation, gintBelongOrLocation);
    writeSetup(kHandicap, gintSeriesHandicap);
}

std::string frmPrintTotalGames::pfGetRankingTitle() { return seasonRankingTitle(); }

void frmPrintTotalGames::btnOK_Click() { Unload(); }
