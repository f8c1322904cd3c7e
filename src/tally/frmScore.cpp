// The score entry window's design (18 holes by 10 courses, every result
// column) and its cut-down to the current game at opening.
#include "tally/frmScore.h"

#include "core/gameRecords.h"
#include "platform/forms/TextFit.h"
#include "platform/forms/Types.h"
#include "platform/text/Format.h"
#include "tally/scoreLayout.h"

using namespace scoreDesign;

namespace {

constexpr forms::Color PaleYellow = forms::RGB(255, 255, 192);
constexpr forms::Color Blue = forms::RGB(0, 0, 255);

// The parts that move with the game's shape.
void placeParts(frmScore& f, const ScoreLayout& l) {
    f.picHndicap.setLeft(l.calJDaLeft);
    for (auto& box : f.txtEasyScoreR) box.setWidth(l.quickWidth);
    f.picCalJDa.setLeft(l.calJDaLeft);
    f.picCalHc.setLeft(l.calHcLeft);
    f.picCalSyokei.setLeft(l.calSyokeiLeft);
    f.picCalTotal.setLeft(l.calTotalLeft);
    f.picFooter.Move(l.footerLeft, l.footerTop);
    f.setClientSize(l.innerWidth, l.innerHeight);
}

// A result panel: no border, the full ten rows high, out of the tab order.
void designPanel(forms::PictureBox& panel, double width) {
    panel.Move(0, PanelTop, width, PanelHeight);
    panel.setBorderStyle(0);
    panel.setTabStop(false);
}

void designHeader(forms::Label& header, double left, double width, const char* caption) {
    header.Move(left, 0, width, 255);
    header.setCaption(caption);
    header.setAlignment(forms::vbCenter);
    header.setBackStyle(0);
}

void designValues(forms::ControlArray<forms::Label>& labels, double left, double width, forms::Color fore) {
    for (auto& label : labels) {
        label.Move(left, valueTop(label.Index()), width, 315);
        label.setAlignment(forms::vbCenter);
        label.setFontSize(12);
        label.setBackColor(PaleYellow);
        label.setForeColor(fore);
    }
}

} // namespace

frmScore::frmScore()
    : Form("frmScore", forms::Font{"ＭＳ Ｐゴシック", 11.25}), Frame1(*this, "Frame1"), optHowTo(Frame1, "optHowTo", 2),
      btnHelpEasyScore(*this, "btnHelpEasyScore"), picHndicap(*this, "picHndicap"), Label1(picHndicap, "Label1"),
      txtHandicap(picHndicap, "txtHandicap"), btnHelpHandicap(picHndicap, "btnHelpHandicap"),
      lblHole(*this, "lblHole", 18), lblRound(*this, "lblRound", 10), txtScoreR1(*this, "txtScoreR1", 18),
      txtScoreR2(*this, "txtScoreR2", 18), txtScoreR3(*this, "txtScoreR3", 18), txtScoreR4(*this, "txtScoreR4", 18),
      txtScoreR5(*this, "txtScoreR5", 18), txtScoreR6(*this, "txtScoreR6", 18), txtScoreR7(*this, "txtScoreR7", 18),
      txtScoreR8(*this, "txtScoreR8", 18), txtScoreR9(*this, "txtScoreR9", 18), txtScoreR10(*this, "txtScoreR10", 18),
      txtEasyScoreR(*this, "txtEasyScoreR", 10), picCalJDa(*this, "picCalJDa"), Label3_0(picCalJDa, "Label3", 0),
      lblRDa(picCalJDa, "lblRDa", 10), picCalHc(*this, "picCalHc"), lblHDCP(picCalHc, "lblHDCP"),
      lblHDa(picCalHc, "lblHDa", 10), picCalSyokei(*this, "picCalSyokei"), lblSyokei(picCalSyokei, "lblSyokei"),
      lblSDa(picCalSyokei, "lblSDa", 10), picCalTotal(*this, "picCalTotal"), Label3_3(picCalTotal, "Label3", 3),
      lblTotal(picCalTotal, "lblTotal"), picFooter(*this, "picFooter"), btnOK(picFooter, "btnOK"),
      btnCancel(picFooter, "btnCancel"),
      scoreRows_{&txtScoreR1, &txtScoreR2, &txtScoreR3, &txtScoreR4, &txtScoreR5,
                 &txtScoreR6, &txtScoreR7, &txtScoreR8, &txtScoreR9, &txtScoreR10} {
    setCaption("スコア");
    setBorderStyle(forms::vbFixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setShowInTaskbar(false);
    setStartUpPosition(forms::vbStartUpOwner);
    designControls();
    placeParts(*this, scoreLayout(18, 10, 1));
    wireEvents();
}

void frmScore::designControls() {
    Frame1.Move(660, -60, 3195, 495);
    Frame1.setCaption("");
    const char* modes[] = {"標準入力", "快速入力"};
    for (auto& opt : optHowTo) {
        opt.Move(opt.Index() == 0 ? 240 : 1680, 180, 1335, 225);
        opt.setCaption(modes[opt.Index()]);
    }
    btnHelpEasyScore.Move(3960, 60, 315, 375);
    btnHelpEasyScore.setCaption("?");
    btnHelpEasyScore.setTabStop(false);

    picHndicap.Move(0, 60, 2895, 435);
    picHndicap.setBorderStyle(0);
    picHndicap.setTabStop(false);
    Label1.Move(60, 60, 1275, 195);
    Label1.setCaption("ﾊﾝﾃﾞｨｷｬｯﾌﾟ：");
    Label1.setAlignment(forms::vbRightJustify);
    txtHandicap.Move(1320, 0, 915, 330);
    txtHandicap.setAlignment(forms::vbCenter);
    txtHandicap.setMaxLength(6);
    txtHandicap.setIMEMode(forms::vbIMEDisable);
    btnHelpHandicap.Move(2340, 0, 255, 315);
    btnHelpHandicap.setCaption("?");
    btnHelpHandicap.setTabStop(false);

    for (auto& label : lblHole) {
        label.Move(holeLeft(label.Index()), 600, HoleWidth, 255);
        label.setAlignment(forms::vbCenter);
        label.setBackStyle(0);
    }
    for (auto& label : lblRound) {
        label.Move(60, 900 + HoleStep * label.Index(), 615, 255);
        label.setAlignment(forms::vbRightJustify);
        label.setFontBold(true);
    }
    for (auto* row : scoreRows_) {
        for (auto& box : *row) {
            box.setAlignment(forms::vbCenter);
            box.setMaxLength(2);
            box.setIMEMode(forms::vbIMEDisable);
            box.setFontSize(12);
        }
    }
    for (int r = 0; r < 10; ++r)
        for (auto& box : txtScoreR(r)) box.Move(holeLeft(box.Index()), holeTop(r), HoleWidth, HoleHeight);
    for (auto& box : txtEasyScoreR) {
        box.Move(HoleLeft, holeTop(box.Index()), 0, HoleHeight);
        box.setIMEMode(forms::vbIMEDisable);
        box.setFontSize(12);
    }

    designPanel(picCalJDa, JDaWidth);
    designHeader(Label3_0, 60, 555, "実打");
    designValues(lblRDa, 60, 555, forms::vbButtonText);
    designPanel(picCalHc, HcWidth);
    designHeader(lblHDCP, 30, 795, "Hc");
    lblHDCP.setForeColor(Blue);
    designValues(lblHDa, 30, 795, Blue);
    designPanel(picCalSyokei, SyokeiWidth);
    designHeader(lblSyokei, 30, 795, "小計");
    designValues(lblSDa, 30, 795, forms::vbButtonText);
    designPanel(picCalTotal, TotalWidth);
    designHeader(Label3_3, 60, 1035, "合計");
    Label3_3.setFontBold(true);
    lblTotal.Move(60, 300, 1035, 315);
    lblTotal.setAlignment(forms::vbCenter);
    lblTotal.setBackColor(forms::vbWhite);
    lblTotal.setFont({"ＭＳ Ｐゴシック", 12, true});

    // In front of the result panels, which keep their ten rows' height.
    picFooter.setWidth(FooterWidth);
    picFooter.setHeight(FooterHeight);
    picFooter.setBorderStyle(0);
    picFooter.setTabStop(false);
    btnOK.Move(540, 180, 1455, 555);
    btnOK.setCaption("OK");
    btnCancel.Move(2220, 180, 1455, 555);
    btnCancel.setCaption("ｷｬﾝｾﾙ");

    // The hole boxes course by course, the quick boxes, OK, Cancel, the
    // mode options, the handicap.
    int tab = 0;
    for (auto* row : scoreRows_)
        for (auto& box : *row) box.setTabIndex(tab++);
    for (auto& box : txtEasyScoreR) box.setTabIndex(tab++);
    for (forms::Control* c : {static_cast<forms::Control*>(&btnOK), static_cast<forms::Control*>(&btnCancel),
                              static_cast<forms::Control*>(&optHowTo[0]), static_cast<forms::Control*>(&optHowTo[1]),
                              static_cast<forms::Control*>(&txtHandicap)})
        c->setTabIndex(tab++);
}

void frmScore::wireEvents() {
    optHowTo.on(&forms::Control::Click, [this](int Index) { optHowTo_Click(Index); });
    btnOK.Click = [this] { btnOK_Click(); };
    btnCancel.Click = [this] { btnCancel_Click(); };
    btnHelpEasyScore.Click = [this] { btnHelpEasyScore_Click(); };
    btnHelpHandicap.Click = [this] { btnHelpHandicap_Click(); };
    for (int r = 0; r < 10; ++r) {
        auto& row = txtScoreR(r);
        row.on(&forms::Control::GotFocus, [this, r](int Index) { txtScoreR_GotFocus(r, Index); });
        row.on(&forms::Control::KeyPress, [this](int, int16_t& KeyAscii) { txtScoreR_KeyPress(KeyAscii); });
        row.on(&forms::Control::LostFocus, [this](int) { txtScoreR_LostFocus(); });
    }
    txtHandicap.GotFocus = [this] { txtHandicap_GotFocus(); };
    txtHandicap.KeyPress = [this](int16_t& KeyAscii) { txtHandicap_KeyPress(KeyAscii); };
    txtHandicap.LostFocus = [this] { txtHandicap_LostFocus(); };
    txtEasyScoreR.on(&forms::Control::GotFocus, [this](int Index) { txtEasyScoreR_GotFocus(Index); });
    txtEasyScoreR.on(&forms::Control::KeyPress, [this](int, int16_t& KeyAscii) { txtEasyScoreR_KeyPress(KeyAscii); });
    txtEasyScoreR.on(&forms::Control::LostFocus, [this](int Index) { txtEasyScoreR_LostFocus(Index); });
    txtEasyScoreR.on(&forms::TextBox::Change, [this](int Index) { txtEasyScoreR_Change(Index); });
}

void frmScore::layoutForGame() {
    const int16_t hole = gtypGame.Hole, round = gtypGame.Round;
    for (forms::PictureBox* panel : {&picHndicap, &picCalJDa, &picCalHc, &picCalSyokei, &picCalTotal, &picFooter})
        panel->setBackColor(BackColor());
    for (int h = 0; h < 18; ++h) {
        lblHole[h].setCaption(text::Format(h + 1, "0"));
        for (auto* row : scoreRows_) (*row)[h].setText("");
    }
    for (int h = hole; h < 18; ++h) {
        lblHole[h].setVisible(false);
        for (auto* row : scoreRows_) (*row)[h].setVisible(false);
    }
    for (int r = round; r < 10; ++r)
        for (auto& box : txtScoreR(r)) box.setVisible(false);
    for (auto& box : txtEasyScoreR) box.setText("");
    // A course's name in its narrow label shrinks to fit, as in the tally's table.
    for (int r = 0; r < round; ++r) {
        const forms::FittedText fit =
            forms::fitOneLine(lblRound[r].font(), gtypGame.RoundName(r) + ":", lblRound[r].Width());
        lblRound[r].setFont(fit.font);
        lblRound[r].setCaption(fit.shown);
    }
    for (int r = round; r < 10; ++r) {
        for (forms::Control* c : {static_cast<forms::Control*>(&lblRound[r]), static_cast<forms::Control*>(&lblRDa[r]),
                                  static_cast<forms::Control*>(&lblHDa[r]), static_cast<forms::Control*>(&lblSDa[r]),
                                  static_cast<forms::Control*>(&txtEasyScoreR[r])})
            c->setVisible(false);
    }

    const ScoreLayout layout = scoreLayout(hole, round, gtypGame.HandiCapKind);
    if (!layout.handicap) {
        picHndicap.setVisible(false);
        lblHDCP.setVisible(false);
        picCalHc.setVisible(false);
    }
    if (!layout.subtotal) {
        lblSyokei.setVisible(false);
        picCalSyokei.setVisible(false);
        for (int r = 0; r < round; ++r) lblSDa[r].setVisible(false);
    }
    // The one handicap of a game stands beside course 1.
    for (int r = layout.subtotal ? round : layout.handicap ? 1 : 0; r < round; ++r) lblHDa[r].setVisible(false);
    placeParts(*this, layout);
}
