// Rendering a row view: backgrounds, border lines, and per cell its label or
// the row's check box, placed by the cell's alignment code.
#include "grid/gridRecords.h"
#include "grid/uctMGRow.h"

#include "platform/forms/Services.h"
#include "platform/forms/TextFit.h"

#include <algorithm>

using namespace forms;

namespace {

// Alignment code = 3 × vertical + horizontal.
constexpr int AlignLeft = 0, AlignRight = 1, AlignCentre = 2;
constexpr int AlignMiddle = 0, AlignTop = 1, AlignBottom = 2;

bool validAlignment(int32_t code) { return code >= 0 && code <= 8; }

} // namespace

void uctMGRow::gsUpdate() {
    if (!mblnChanged) return;
    const double px = Screen::TwipsPerPixelX, py = Screen::TwipsPerPixelY;
    const double SH = ScaleHeight();
    const bool body = mintKind == MGRowKindBody;
    // The whole surface white; each cell then fills its own rectangle.
    setBackColor(vbWhite);
    Cls();
    // Borders: a body row has grey bottom and right lines; a header is
    // raised. The cells' bottom borders join into one line under them all.
    const Color border = body ? vbGrayText : vbBlack;
    double x = 0, end = 0;
    for (int32_t i = 0; i < mlngCols; ++i) {
        const typRowCell& cell = mtypRowCells[static_cast<size_t>(i)];
        const double W = cell.Width;
        end = x + W;

        Line& right = linRight(i);
        right.setPoints(x + W - px, 0, x + W - px, SH);
        right.setBorderColor(border);
        right.setVisible(true);
        if (i < headerPartCols()) {
            Line &top = linTop(i), &left = linLeft(i);
            top.setPoints(x, 0, x + W - px, 0);
            left.setPoints(x, 0, x, SH - py);
            top.setBorderColor(vbWhite);
            left.setBorderColor(vbWhite);
            top.setVisible(!body);
            left.setVisible(!body);
        }

        FillBox(x, 0, x + W, SH, cell.BackColor);

        const double inner = W - 2.0 * mlngMarginX;
        const bool narrow = px > inner;
        Label& label = lblObj(i);
        Font font = label.font();
        font.Bold = cell.FontBold;
        font.Size = cell.FontSize;
        font.Stretch = 100;
        if (cell.Type == MGCellTypeLabel) {
            // A text wider than its cell shrinks to fit it, or shows its start.
            FittedText fit = narrow ? FittedText{font, cell.Text} : fitOneLine(font, cell.Text, inner);
            renderLabel(i, x, inner, narrow, std::move(fit));
        } else {
            label.setFont(font);
            if (cell.Type == MGCellTypeCheckBox) renderCheckBox(i, x, narrow);
        }
        x = pfSnapToPixelX(x + W);
    }
    linBottom.setPoints(0, SH - py, end, SH - py);
    linBottom.setBorderColor(border);
    linBottom.setVisible(mlngCols > 0);
    mblnChanged = false;
    if (rendersSinceClear_ < 2) ++rendersSinceClear_;
}

// Places a cell's control by the alignment code inside the cell at x with
// the given control width; a code outside 0 to 8 leaves it where it was.
void uctMGRow::placeByAlignment(Control& c, int32_t alignment, double x, double width) {
    if (!validAlignment(alignment)) return;
    const double SH = ScaleHeight(), h = c.Height();
    const double my = mlngMarginY;
    double top = 0;
    switch (alignment / 3) {
    case AlignMiddle: top = (SH - h) / 2; break;
    case AlignTop: top = my; break;
    case AlignBottom: top = SH - (h + my); break;
    }
    c.Move(x, top, width, h);
}

void uctMGRow::renderLabel(int32_t i, double x, double inner, bool narrow, FittedText fit) {
    const typRowCell& cell = mtypRowCells[static_cast<size_t>(i)];
    Label& label = lblObj(i);
    label.setCaptionAndFont(std::move(fit.shown), fit.font);
    if (narrow) {
        label.setVisible(false);
        label.setEnabled(false);
    } else {
        if (validAlignment(cell.Alignment)) {
            placeByAlignment(label, cell.Alignment, x + mlngMarginX, inner);
            static constexpr int16_t textAlign[3] = {vbLeftJustify, vbRightJustify, vbCenter};
            label.setAlignment(textAlign[cell.Alignment % 3]);
        }
        label.setBackColor(cell.BackColor);
        label.setForeColor(cell.ForeColor);
        label.setVisible(true);
        label.setEnabled(true);
    }
    if (mintKind != MGRowKindHeaderResizable) return;
    // The drag strips at the column's right border: one just right of it,
    // one just inside it.
    const double SH = ScaleHeight(), W = cell.Width, mx = mlngMarginX;
    Label &outside = lblBarOfColMoveL(i), &inside = lblBarOfColMoveR(i);
    outside.Move(x + W, 0, mx, SH);
    inside.Move(x + W - mx, 0, mx, SH);
    if (i != mlngLeftIndexOfCols + 1) {
        outside.setVisible(true);
        outside.setEnabled(true);
        outside.ZOrder(0);
    }
    if (!narrow) {
        inside.setVisible(true);
        inside.setEnabled(true);
        inside.ZOrder(0);
    }
}

void uctMGRow::renderCheckBox(int32_t i, double x, bool narrow) {
    const typRowCell& cell = mtypRowCells[static_cast<size_t>(i)];
    chkObj.setBackColor(cell.BackColor);
    chkObj.setForeColor(cell.ForeColor);
    checkBoxCol_ = i;
    if (narrow) {
        chkObj.setVisible(false);
        chkObj.setEnabled(false);
    } else {
        chkObj.setCaption(cell.Text);
        // The box's own change is no user's click: it reports nothing.
        mintSettingCheck = 1;
        chkObj.setValue(cell.Value != 0 ? vbChecked : vbUnchecked);
        mintSettingCheck = 0;
        if (validAlignment(cell.Alignment)) {
            const double W = cell.Width, cw = chkObj.Width(), mx = mlngMarginX;
            double left = x + mx;
            if (cell.Alignment % 3 == AlignRight) left = x + W - (cw + mx);
            else if (cell.Alignment % 3 == AlignCentre) left = x + (W - cw) / 2;
            placeByAlignment(chkObj, cell.Alignment, left, cw);
        }
        chkObj.setVisible(true);
        chkObj.setEnabled(cell.Enabled);
    }
    Label& label = lblObj(i);
    label.setVisible(false);
    label.setEnabled(false);
}
