#include "reports/game/reportWindow.h"

#include "core/globals.h"
#include "core/players.h"
#include "platform/forms/Services.h"
#include "reports/game/reportCells.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"

#include <algorithm>

ReportWindow::ReportWindow(std::string name, int columnRules)
    : Form(std::move(name), forms::Font{"ＭＳ Ｐゴシック", 9.75}), linTate(*this, "linTate", columnRules) {
    setBorderStyle(forms::vbBSNone);
    setClientSize(PageWidth, PageHeight);
    setDocumentMetric(true);
}

void ReportWindow::designLabel(forms::Label& label, const LabelDesign& d) {
    label.setAutoSize(false);
    label.setFont(forms::Font{"ＭＳ Ｐゴシック", 9.75, d.bold});
    label.setAlignment(d.alignment);
    label.setBorderStyle(0);
    label.setBackStyle(0);
    label.setForeColor(d.color);
    label.setVisible(d.visible);
    label.Move(d.left, d.top, d.width, d.height);
    label.setCaption(d.caption);
    label.setAutoSize(d.autoSize);
}

void ReportWindow::designLine(forms::Line& line, double x1, double y1, double x2, double y2, forms::Color color,
                              int16_t width, bool visible) {
    line.setPoints(x1, y1, x2, y2);
    line.setBorderColor(color);
    line.setBorderStyle(1);
    line.setBorderWidth(width);
    line.setDrawMode(13);
    line.setVisible(visible);
}

void ReportWindow::designCell(forms::Label& label, double left, double width, int16_t alignment, bool bold) {
    designLabel(label, {left, 1260, width, "", alignment, bold, false, forms::RGB(255, 0, 0), false});
}

void ReportWindow::designHeader(forms::Label& label, const Column& c, const std::string& caption) {
    designLabel(label, {c.left, 900, c.width, caption, forms::vbCenter});
}

void ReportWindow::designColumnRules(std::span<const double> x, std::initializer_list<int> thin) {
    for (std::size_t i = 0; i < x.size(); ++i) {
        const bool isThin = std::find(thin.begin(), thin.end(), static_cast<int>(i)) != thin.end();
        designLine(linTate[static_cast<int>(i)], x[i], 840, x[i], 1200, forms::vbBlack, isThin ? 1 : 2);
    }
}

void ReportWindow::designFrame(const FrameDesign& d) {
    designLabel(lblScorePage, {d.pageTitleLeft, 0, d.pageTitleWidth, "", forms::vbRightJustify, true, true});
    designLabel(lblSeasonTittle, {d.titleLeft, 240, d.title1Width, "", forms::vbLeftJustify, true});
    designLabel(lblScoreTittle, {d.titleLeft, 540, d.title2Width, "", forms::vbLeftJustify, true});
    designLabel(lblEntryNum, {d.countLeft, 540, d.countWidth, "", forms::vbRightJustify, false, true});
    designLabel(lblPage, {5198, 14760, 915, "", forms::vbCenter});
    designLine(linTop, d.tableLeft, 840, d.tableRight, 840, forms::vbButtonText, 2);
}

void ReportWindow::designRowRules(double thinLeft) {
    designLine(linFutoYoko[0], linTop.X1(), 1200, linTop.X2(), 1200, forms::RGB(255, 0, 0), 2, false);
    designLine(linHosoYoko[0], thinLeft, 1560, linTop.X2(), 1560, forms::RGB(0, 0, 255), 1, false);
}

void ReportWindow::Form_Load() {
    columnRules_.clear();
    design();
    gintMaxPageNo = 0;
    failed_ = pfDataSet();
    if (failed_) forms::MsgBox("印刷中にエラーが発生しました！ 再実行してください。", forms::vbExclamation);
}

bool ReportWindow::trappedPass(const std::string& prefix, const std::function<void()>& body) {
    try {
        body();
        return false;
    } catch (const text::RuntimeError& e) {
        forms::MsgBox(prefix + e.Description, forms::vbOKOnly, std::string("エラー"));
        return true;
    }
}

void ReportWindow::startWalk(const std::string& countText, std::string pageTitleWord) {
    pageTitleWord_ = std::move(pageTitleWord);
    lblSeasonTittle.setCaption(gstrPrintTitle1);
    lblScoreTittle.setCaption(gstrPrintTitle2);
    lblEntryNum.setCaption(countText);
    for (auto& rule : linTate) rule.setY1(linTop.Y1());
    lblScorePage.setCaption("");
    lblPage.setCaption("");
    y_ = text::CLng(linTop.Y1());
    onPage_ = firstRow_ = false;
}

bool ReportWindow::beginRow() {
    firstRow_ = y_ == linTop.Y1();
    if (firstRow_) {
        ++gintMaxPageNo;
        onPage_ = gintMaxPageNo == gintPrintPageNo;
        if (onPage_) {
            lblScorePage.setCaption(pageTitleWord_ + "（" + text::Format(gintPrintPageNo, "0") + "/" +
                                    text::Format(gintPrintPageCount, "0") + "）");
            lblPage.setCaption("- " + text::Format(gintPrintPageNo, "0") + " -");
        }
        y_ += RowHeight; // the header row
    }
    return onPage_;
}

void ReportWindow::rowRule(bool thick) {
    forms::Line& rule = ruleAt(thick ? linFutoYoko : linHosoYoko, y_);
    if (thick) rule.setPoints(linTop.X1(), y_, linTop.X2(), y_);
}

forms::Line& ReportWindow::ruleAt(forms::ControlArray<forms::Line>& rules, double y) {
    return loadRule(rules, rules[0].X1(), y, rules[0].X2(), y);
}

forms::Label& ReportWindow::cell(forms::ControlArray<forms::Label>& column, const std::string& caption) {
    forms::Label& label = newElement(column);
    label.setTop(y_ + TextOffset);
    label.setLeft(column[0].Left());
    label.setForeColor(forms::vbBlack);
    label.setCaption(caption);
    label.setVisible(true);
    return label;
}

forms::Label& ReportWindow::cell(forms::ControlArray<forms::Label>& column, const std::string& caption, double left,
                                 double width) {
    forms::Label& label = cell(column, caption);
    label.setLeft(left);
    label.setWidth(width);
    return label;
}

forms::Line& ReportWindow::columnRule(forms::ControlArray<forms::Line>& rules, double x) {
    forms::Line& rule = loadRule(rules, x, rules[0].Y1(), x, rules[0].Y2());
    columnRules_.push_back(&rule);
    return rule;
}

int32_t ReportWindow::bandColumns(forms::ControlArray<forms::Line>& rules, forms::ControlArray<forms::Label>& headers,
                                  double left, double band, int32_t count, const std::string& prefix) {
    const int32_t w = columnWidth(static_cast<int32_t>(band), count);
    for (int32_t k = 1; k < count; ++k) columnRule(rules, left + k * w);
    for (int32_t k = 0; k < count; ++k)
        loadLabel(headers, left + k * w, linTop.Y1() + TextOffset, w, prefix + text::Format(k + 1, "0"));
    return w;
}

void ReportWindow::designEntrantColumns(const EntrantHeaders& headers, const EntrantColumns& columns,
                                        const EntrantLayout& at) {
    designHeader(headers.name, at.name, "名　前　");
    designHeader(headers.age, at.age, "年令");
    designHeader(headers.gender, at.gender, "性別");
    designHeader(headers.location, at.location, "地域");
    designHeader(headers.belong, at.belong, "所属");
    designCell(columns.name[0], at.name);
    designCell(columns.age[0], at.age);
    designCell(columns.gender[0], at.gender);
    designCell(columns.location[0], at.location);
    designCell(columns.belong[0], at.belong);
}

void ReportWindow::entrantCells(const EntrantColumns& columns, int32_t IDNo, const std::string& refDate) {
    cell(columns.name, gfGetPlayerName(IDNo));
    cell(columns.age, gfGetPlayerAge(IDNo, refDate));
    cell(columns.gender, gfGetPlayerGender(IDNo, 0));
    cell(columns.location, gfGetPlayerLocation(IDNo));
    cell(columns.belong, gfGetPlayerBelongName(IDNo));
}

void ReportWindow::endRow(bool lastRow, int32_t height, int32_t nextHeight) {
    y_ += height;
    if (lastRow || y_ + nextHeight > PageLimit) endPage();
}

void ReportWindow::endPage() {
    if (onPage_) {
        for (auto& rule : linTate) rule.setY2(y_);
        for (forms::Line* rule : columnRules_) rule->setY2(y_);
        rowRule(true);
    }
    onPage_ = false;
    y_ = text::CLng(linTop.Y1());
}
