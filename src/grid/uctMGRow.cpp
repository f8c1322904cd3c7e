#include "grid/uctMGRow.h"

#include "platform/forms/Services.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"

#include <cmath>

using namespace forms;

namespace {
// The design of the template label: its width and font are every cell's defaults.
constexpr double DesignLabelWidth = 1155;
constexpr double DesignFontSize = 11.25;
constexpr double DesignRowWidth = 3015, DesignRowHeight = 375;
constexpr double CheckBoxWidth = 255, CheckBoxHeight = 225;
} // namespace

uctMGRow::uctMGRow(Container& parent, ControlName name, int index)
    : UserControl(parent, std::move(name), index),
      lblObj(*this, "lblObj", {0}),
      linTop(*this, "linTop", {0}),
      linBottom(*this, "linBottom"),
      linRight(*this, "linRight", {0}),
      linLeft(*this, "linLeft", {0}),
      lblBarOfColMoveL(*this, "lblBarOfColMoveL", {0}),
      lblBarOfColMoveR(*this, "lblBarOfColMoveR", {0}),
      chkObj(*this, "chkObj") {
    Move(0, 0, DesignRowWidth, DesignRowHeight);
    setBackColor(vbWhite);

    Label& label = lblObj(0);
    label.setFont(Font{"ＭＳ Ｐゴシック", DesignFontSize});
    label.setAutoSize(true);
    label.setWordWrap(false);
    label.Move(0, 0, DesignLabelWidth, label.Height());
    label.setVisible(false);

    for (auto* lines : {&linTop, &linRight, &linLeft}) (*lines)(0).setVisible(false);
    linBottom.setVisible(false);
    for (auto* bars : {&lblBarOfColMoveL, &lblBarOfColMoveR}) {
        Label& bar = (*bars)(0);
        bar.setBackStyle(0);
        bar.setMousePointer(vbSizeWE);
        bar.setVisible(false);
    }
    chkObj.Move(0, 0, CheckBoxWidth, CheckBoxHeight);
    chkObj.setTabStop(false);
    chkObj.setVisible(false);

    // Handlers.
    lblObj.on(&Control::Click, [this](int i) { lblObj_Click(i); });
    lblObj.on(&Control::DblClick, [this](int i) { lblObj_DblClick(i); });
    MouseDown = [this](int16_t b, int16_t s, double x, double y) { UserControl_MouseDown(b, s, x, y); };
    Click = [this] { UserControl_Click(); };
    DblClick = [this] { UserControl_DblClick(); };
    chkObj.Click = [this] { chkObj_Click(); };

    // Creation.
    mlngMarginX = text::CLng(Screen::TwipsPerPixelX * 3.0);
    mlngMarginY = text::CLng(Screen::TwipsPerPixelY * 3.0);
    mlngDefaultWidth = text::CLng(label.Width());
    mvarDefaultFontSize = label.font().Size;
    mblnResizing = false;
    mlngCols = 0;
    gsClear();
}

template <class T>
void uctMGRow::store(T& field, const T& value) {
    if (field == value) return;
    mblnChanged = true;
    field = value;
}

typRowCell* uctMGRow::cellAt(int32_t lngCol) {
    if (lngCol < 0 || lngCol >= mlngCols) return nullptr;
    return &mtypRowCells[static_cast<size_t>(lngCol)];
}

double uctMGRow::pfSnapToPixelX(double v) const {
    const double px = Screen::TwipsPerPixelX;
    return std::floor(v / px) * px;
}

void uctMGRow::gsClear() {
    mlngRowOfCellData = -1;
    mlngLeftIndexOfCols = 0;
    mintKind = MGRowKindBody;
    const typRowCell cleared{0, mlngDefaultWidth, "", 0, vbWhite, vbBlack, mvarDefaultFontSize, false, 0, true};
    auto clearLabel = [](Label& l) {
        l.setCaption("");
        l.setVisible(false);
        l.setEnabled(false);
    };
    for (int32_t i = 0; i < mlngCols; ++i) {
        clearLabel(lblObj(i));
        linRight(i).setVisible(false);
        mtypRowCells[static_cast<size_t>(i)] = cleared;
    }
    for (int32_t i = 0; i < headerPartCols(); ++i) {
        clearLabel(lblBarOfColMoveL(i));
        clearLabel(lblBarOfColMoveR(i));
        linTop(i).setVisible(false);
        linLeft(i).setVisible(false);
    }
    linBottom.setVisible(false);
    // A white surface: whatever was painted is gone.
    setBackColor(vbWhite);
    Cls();
    mblnUsedNow = false;
    mblnChanged = false;
    mlngMouseX = 0;
    mblnResizing = false;
    chkObj.setVisible(false);
    chkObj.setEnabled(false);
    chkObj.setCaption("");
    chkObj.setBackColor(vbWhite);
    mintSettingCheck = 0;
    checkBoxCol_ = -1;
    rendersSinceClear_ = 0;
}

bool uctMGRow::takeAsRendered() {
    if (!rendersAsNew()) return false;
    mlngMouseX = 0;
    mblnResizing = false;
    mintSettingCheck = 0;
    return true;
}

void uctMGRow::gsCreateRows(int32_t lngCols) {
    if (lngCols < 1) text::raise(text::err::Subscript);
    mtypRowCells.clear();
    for (int32_t i = 1; i < mlngCols; ++i) {
        lblObj.Unload(i);
        linRight.Unload(i);
        if (!headerParts_) continue;
        linTop.Unload(i);
        linLeft.Unload(i);
        lblBarOfColMoveL.Unload(i);
        lblBarOfColMoveR.Unload(i);
    }
    headerParts_ = false;
    mtypRowCells.resize(static_cast<size_t>(lngCols));
    reserveChildren(2 * static_cast<size_t>(lngCols - 1));
    lblObj.reserve(lngCols);
    linRight.reserve(lngCols);
    for (int32_t i = 1; i < lngCols; ++i) {
        lblObj.Load(i);
        linRight.Load(i);
    }
    chkObj.ZOrder(0);
    mlngCols = lngCols;
    gsClear();
}

void uctMGRow::gsSetKind(int16_t intKind) {
    if (intKind != MGRowKindBody) loadHeaderParts();
    store(mintKind, intKind);
}

// The header's lines join the others below the right borders, which stay
// on top where they meet the top line; the strips come to the top as a
// header renders them.
void uctMGRow::loadHeaderParts() {
    if (headerParts_) return;
    // The strips are wired the first time the view becomes a header: a
    // strip is shown only on a header, and most views never are one.
    if (!barsWired_) {
        for (int16_t side : {0, 1}) {
            auto& bars = side == 0 ? lblBarOfColMoveL : lblBarOfColMoveR;
            bars.on(&Control::MouseDown, [this, side](int i, int16_t, int16_t, double x, double) { resizeBarDown(side, i, x); });
            bars.on(&Control::MouseMove, [this, side](int i, int16_t, int16_t, double x, double) { resizeBarMove(side, i, x); });
            bars.on(&Control::MouseUp, [this, side](int i, int16_t, int16_t, double x, double) { resizeBarUp(side, i, x); });
        }
        barsWired_ = true;
    }
    reserveChildren(4 * static_cast<size_t>(std::max(mlngCols - 1, 0)));
    linTop.reserve(mlngCols);
    linLeft.reserve(mlngCols);
    lblBarOfColMoveL.reserve(mlngCols);
    lblBarOfColMoveR.reserve(mlngCols);
    for (int32_t i = 1; i < mlngCols; ++i) {
        linTop.Load(i);
        linLeft.Load(i);
        lblBarOfColMoveL.Load(i);
        lblBarOfColMoveR.Load(i);
    }
    for (int32_t i = 0; i < mlngCols; ++i) linRight(i).ZOrder(0);
    chkObj.ZOrder(0);
    headerParts_ = true;
}

void uctMGRow::gsSetRowOfCellData(int32_t lngRow) { store(mlngRowOfCellData, lngRow); }

void uctMGRow::gsSetColWidth(int32_t lngCol, int32_t lngWidth) {
    if (auto* c = cellAt(lngCol)) store(c->Width, lngWidth);
}

void uctMGRow::gsSetType(int32_t lngCol, int16_t intType) {
    if (auto* c = cellAt(lngCol)) store(c->Type, intType);
}

void uctMGRow::gsSetAlignment(int32_t lngCol, int32_t lngAlignment) {
    if (auto* c = cellAt(lngCol)) store(c->Alignment, lngAlignment);
}

void uctMGRow::gsSetText(int32_t lngCol, const std::string& strText) {
    if (auto* c = cellAt(lngCol)) store(c->Text, strText);
}

void uctMGRow::gsSetValue(int32_t lngCol, int32_t lngValue) {
    if (auto* c = cellAt(lngCol)) store(c->Value, lngValue);
}

void uctMGRow::gsSetEnabled(int32_t lngCol, bool bolEnabled) {
    if (auto* c = cellAt(lngCol)) store(c->Enabled, bolEnabled);
}

void uctMGRow::gsSetTextFontSize(int32_t lngCol, double varFontSize) {
    if (auto* c = cellAt(lngCol)) store(c->FontSize, varFontSize);
}

void uctMGRow::gsSetTextFontBold(int32_t lngCol, bool bolFontBold) {
    if (auto* c = cellAt(lngCol)) store(c->FontBold, bolFontBold);
}

void uctMGRow::gsSetBackColor(int32_t lngCol, Color varColor) {
    if (auto* c = cellAt(lngCol)) store(c->BackColor, varColor);
}

void uctMGRow::gsSetForeColor(int32_t lngCol, Color varColor) {
    if (auto* c = cellAt(lngCol)) store(c->ForeColor, varColor);
}

// The left drag strips of the columns scrolled out (and of the first one
// shown) are hidden: their border lies at or left of the display's edge.
void uctMGRow::gsSetLeftIndexOfCols(int32_t lngCol) {
    if (lngCol == mlngLeftIndexOfCols) return;
    mlngLeftIndexOfCols = lngCol;
    if (mintKind != MGRowKindHeaderResizable) return;
    if (rendersSinceClear_ > 0) rendersSinceClear_ = 2;
    for (int32_t j = 0; j < mlngCols; ++j) {
        Label& bar = lblBarOfColMoveL(j);
        const bool shown = j > lngCol;
        bar.setEnabled(shown);
        bar.setVisible(shown);
    }
}
