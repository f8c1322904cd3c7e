// The grid's display: the refresh that every change of the display goes
// through, the pool of row views, and the two scroll bars with the square in
// their corner.
#include "grid/uctMyGrid.h"

#include "grid/gridTrap.h"

#include "platform/forms/Form.h"
#include "platform/forms/Services.h"
#include "platform/text/Numbers.h"

#include <algorithm>
#include <cmath>
#include <utility>

using namespace forms;

namespace {

// Scroll-bar values are 16-bit. A longer range (more than 32,768 rows or
// columns) is spread over the bar's whole travel in proportion, so every row
// stays reachable; a shorter one maps one to one.
constexpr int32_t BarLimit = 32767;

int16_t barOf(int32_t index, int32_t first, int32_t last) {
    index = std::clamp(index, first, std::max(first, last));
    if (last <= BarLimit) return static_cast<int16_t>(index);
    const double scale = static_cast<double>(BarLimit - first) / (last - first);
    return static_cast<int16_t>(first + std::lround((index - first) * scale));
}

// The position a bar's value stands for; the current position while the
// bar already shows it (a long range maps many positions onto one value).
int32_t positionOfBar(int16_t value, int32_t current, int32_t first, int32_t last) {
    if (last <= BarLimit) return value;
    if (barOf(current, first, last) == value) return current;
    const double scale = static_cast<double>(last - first) / (BarLimit - first);
    return first + static_cast<int32_t>(std::lround((value - first) * scale));
}

// The whole items visible when walking sizes from `from` with `sum` already
// taken: every item walked while the sum is below the available size counts,
// except the last one when it is cut by the edge.
template <class SizeOf>
int32_t wholeItems(int32_t from, int32_t count, double sum, double available, const SizeOf& sizeOf) {
    int32_t lastFit = from;
    for (int32_t k = from; k <= count - 1 && sum < available; ++k) {
        sum += sizeOf(k);
        lastFit = k;
    }
    return sum < available ? lastFit - from + 1 : lastFit - from;
}

} // namespace

void uctMyGrid::gsUpdate() { psUpdateView(); }

double uctMyGrid::colWidth(int32_t col) const { return mtypColInfo[static_cast<size_t>(col)].Width; }

double uctMyGrid::rowHeight(int32_t row) const { return mtypRowInfo[static_cast<size_t>(row)].Height; }

double uctMyGrid::colsWidth(int32_t from, int32_t to) const {
    double sum = 0;
    for (int32_t k = std::max(from, 0); k < to; ++k) sum += colWidth(k);
    return sum;
}

void uctMyGrid::psUpdateView() {
    const int32_t NC = mlngCols, NR = mlngRows, F = mlngFixedTopRow;
    if (NC <= 0 || NR <= 0) return;
    const uint64_t layout = ++layouts_;
    // A hidden grid lays out its rows and scroll bars as ever, but its rows
    // give their views back: the refresh that shows it again (gsUpdate)
    // takes them anew, so a list on a hidden tab costs no views.
    const bool shown = Visible();
    auto place = [this, shown](int32_t row, double y, int16_t kind) {
        if (shown) psSetMGRow(row, static_cast<int32_t>(y), kind);
        else psReleaseMGRow(row);
    };
    const double W = picBody.ScaleWidth(), H = picBody.ScaleHeight();
    auto clampRow = [NR, F](int32_t& row) {
        if (row > NR - 1) row = NR - 1;
        if (row < F) row = F;
    };

    if (mlngLeftIndexOfCols > NC - 1) mlngLeftIndexOfCols = NC - 1;
    clampRow(mlngTopIndexOfRowsY);
    clampRow(mlngShownFirstRow);
    clampRow(mlngShownLastRow);
    const int32_t left = mlngLeftIndexOfCols, top = mlngTopIndexOfRowsY;

    double y = 0;
    if (F == 1) {
        place(0, 0, mblnResizeEnabled ? MGRowKindHeaderResizable : MGRowKindHeader);
        y = rowHeight(0);
    }
    // The rows that reach into the body: top to end - 1. Rows shown before
    // and not now give their views back first, so the rows coming in can
    // take them and the pool never outgrows one screenful.
    int32_t end = top;
    double bottom = y;
    for (; end <= NR - 1 && bottom < H; ++end) bottom += rowHeight(end);
    const int32_t last = end > top ? end - 1 : top;
    for (int32_t i = mlngShownFirstRow; i <= top - 1 && i <= mlngShownLastRow; ++i) psReleaseMGRow(i);
    for (int32_t i = std::max(end, mlngShownFirstRow); i <= NR - 1 && i <= mlngShownLastRow; ++i) psReleaseMGRow(i);
    for (int32_t i = top; i < end; ++i) {
        place(i, y, MGRowKindBody);
        y += rowHeight(i);
    }
    mlngShownFirstRow = top;
    mlngShownLastRow = last;

    double sumW = 0;
    for (int32_t k = left; k <= NC - 1 && sumW < W; ++k) sumW += colWidth(k);
    // The height down to the end of the last row shown (0 when none is).
    const double shownH = end > top ? bottom : 0;
    // Setting the bars' range and value raises their Change (see
    // settingOwnBars); the refresh a bar's handler runs may set other bars.
    struct Restore {
        uint64_t& at;
        uint64_t was;
        ~Restore() { at = was; }
    } restore{barsOf_, std::exchange(barsOf_, layout)};
    setScrollBars(sumW, shownH, left, top);
}

bool uctMyGrid::settingOwnBars() const { return barsOf_ != 0 && barsOf_ == layouts_; }

void uctMyGrid::setScrollBars(double sumW, double shownH, int32_t left, int32_t top) {
    const int32_t NC = mlngCols, NR = mlngRows, F = mlngFixedTopRow;
    const double W = picBody.ScaleWidth(), H = picBody.ScaleHeight();
    const double barW = vscMG.Width(), barH = hscMG.Height();
    bool needH = (left > 0 || sumW >= W) && NC > 1;
    bool needV = (shownH >= H || top > F) && NR > 1;
    // One bar can take the room the other needed. A single column or a
    // header without body rows never shows a bar.
    if (needH && !needV && shownH >= H - barH && NR > 1) needV = true;
    else if (needV && !needH && sumW >= W - barW && NC > 1) needH = true;
    const bool both = needH && needV;

    if (needH) {
        const int32_t page =
            wholeItems(left, NC, 0, both ? W - barW : W, [this](int32_t k) { return colWidth(k); });
        const int32_t maxBar = std::min(NC - 1, BarLimit);
        hscMG.setMin(0);
        hscMG.setMax(static_cast<int16_t>(maxBar));
        hscMG.setSmallChange(1);
        hscMG.setLargeChange(static_cast<int16_t>(std::clamp(page, 1, BarLimit)));
        hscMG.setValue(barOf(left, 0, NC - 1));
    }
    if (needV) {
        const double header = F == 1 ? rowHeight(0) : 0;
        const int32_t page =
            wholeItems(top, NR, header, both ? H - barH : H, [this](int32_t i) { return rowHeight(i); });
        const int32_t maxBar = std::min(NR - 1, BarLimit);
        vscMG.setMin(static_cast<int16_t>(F));
        vscMG.setMax(static_cast<int16_t>(maxBar));
        vscMG.setSmallChange(1);
        vscMG.setLargeChange(static_cast<int16_t>(std::clamp(page, 1, BarLimit)));
        vscMG.setValue(barOf(top, F, NR - 1));
    }

    if (needV) vscMG.Move(W - barW, 0, barW, both ? H - barH : H);
    if (needH) hscMG.Move(0, H - barH, both ? W - barW : W, barH);
    if (both) picScrBarCorner.Move(W - barW, H - barH, barW, barH);
    auto show = [](Control& c, bool shown) {
        c.setVisible(shown);
        c.setEnabled(shown);
    };
    show(vscMG, needV);
    show(hscMG, needH);
    show(picScrBarCorner, both);
}

void uctMyGrid::psSetMGRow(int32_t row, int32_t y, int16_t kind) {
    gridTrapped("psSetMGRow", [&] {
        typRowInfo& info = mtypRowInfo[static_cast<size_t>(row)];
        bool asItWas = false;
        if (info.IndexOfMGRows == 0) {
            const int32_t v = pfGetIndexOfMGRows(&asItWas);
            if (v == 0) return; // no view to be had: the row stays blank
            info.IndexOfMGRows = v;
        }
        ::uctMGRow& view = uctMGRow(info.IndexOfMGRows);
        const int32_t NC = mlngCols, left = mlngLeftIndexOfCols;
        const double width = colsWidth(0, NC) + 3.0 * Screen::TwipsPerPixelX;
        // A spare taken again keeps what it shows only when it would render
        // the same anew: same size, same left column, and (checked once the
        // values are pushed) the same values.
        if (asItWas) {
            asItWas = view.Width() == width && view.Height() == info.Height &&
                      view.LeftIndexOfCols() == left && view.takeAsRendered();
            if (!asItWas) takeCleared(view);
        }
        view.gsSetRowOfCellData(row);
        view.Move(-colsWidth(0, left), y, width, info.Height);
        pushRow(view, row, kind);
        if (asItWas && !view.rendersAsNew()) {
            takeCleared(view);
            view.gsSetRowOfCellData(row);
            pushRow(view, row, kind);
        }
        view.gsUpdate();
        view.setVisible(info.Height != 0);
    });
}

void uctMyGrid::takeCleared(::uctMGRow& view) {
    view.gsClear();
    view.gsSetUsedNow(true);
}

// Pushes the row's kind, left column and cells into its view; the view marks
// itself dirty only where a value differs from what it shows.
void uctMyGrid::pushRow(::uctMGRow& view, int32_t row, int16_t kind) {
    const typRowInfo& info = mtypRowInfo[static_cast<size_t>(row)];
    view.gsSetKind(kind);
    view.gsSetLeftIndexOfCols(mlngLeftIndexOfCols);
    const bool selected = row >= mlngFixedTopRow && info.Selected;
    const typCellData* cells = rowCells(row);
    for (int32_t i = 0; i < mlngCols; ++i) {
        const typCellData& cell = cells[i];
        view.gsSetBackColor(i, selected ? mvarSelectBackColor : cell.BackColor);
        view.gsSetForeColor(i, selected ? mvarSelectForeColor : cell.ForeColor);
        view.gsSetColWidth(i, mtypColInfo[static_cast<size_t>(i)].Width);
        view.gsSetType(i, cell.Type);
        view.gsSetAlignment(i, cell.Alignment);
        view.gsSetText(i, cell.Text);
        view.gsSetTextFontSize(i, cell.FontSize);
        view.gsSetTextFontBold(i, cell.FontBold);
        if (cell.Type == MGCellTypeCheckBox) {
            view.gsSetValue(i, cell.Value);
            view.gsSetEnabled(i, cell.Enabled);
        }
    }
}

int32_t uctMyGrid::pfGetIndexOfMGRows(bool* asItWas) {
    int32_t index = 0;
    gridTrapped("pfGetIndexOfMGRows", [&] {
        int32_t found = 0;
        for (int32_t i = 1; i <= mlngLastIndexOf_MGRows; ++i) {
            if (!uctMGRow(i).gfIsUsedNow()) {
                found = i;
                uctMGRow(i).gsClear();
                break;
            }
        }
        if (found == 0) {
            // The pool grows by one view: a spare that gsClear left loaded
            // when there is one (fitted to the grid's columns), else a new one.
            found = mlngLastIndexOf_MGRows + 1;
            if (uctMGRow.exists(found)) {
                ::uctMGRow& spare = uctMGRow(found);
                if (spare.Cols() != mlngCols) spare.gsCreateRows(mlngCols);
                else if (asItWas) *asItWas = true; // the caller decides whether it is cleared
                else spare.gsClear();
            } else {
                uctMGRow.Load(found).gsCreateRows(mlngCols);
                // The bars, the corner and the moving bar stay above the rows.
                for (Control* c : {static_cast<Control*>(&vscMG), static_cast<Control*>(&hscMG),
                                   static_cast<Control*>(&picScrBarCorner), static_cast<Control*>(&picMoveingBar)})
                    c->ZOrder(0);
            }
            mlngLastIndexOf_MGRows = found;
        }
        ::uctMGRow& view = uctMGRow(found);
        view.setVisible(false);
        view.gsSetUsedNow(true);
        index = found;
    });
    return index;
}

void uctMyGrid::psReleaseMGRow(int32_t row) {
    typRowInfo& info = mtypRowInfo[static_cast<size_t>(row)];
    if (info.IndexOfMGRows <= 0) return;
    ::uctMGRow& view = uctMGRow(info.IndexOfMGRows);
    view.setVisible(false);
    view.gsSetUsedNow(false);
    info.IndexOfMGRows = 0;
}

void uctMyGrid::psFitBody() {
    picBody.Move(0, 0, ScaleWidth(), ScaleHeight());
    psUpdateView();
}

void uctMyGrid::vscMG_Change() {
    gridTrapped("vscMG_Change", [&] {
        const int32_t was = mlngTopIndexOfRowsY;
        mlngTopIndexOfRowsY = positionOfBar(vscMG.Value(), was, mlngFixedTopRow, mlngRows - 1);
        if (mlngTopIndexOfRowsY != was || !settingOwnBars()) psUpdateView();
        if (picBody.visibleOnForm() && form().Visible()) picBody.SetFocus();
    }, true);
}

void uctMyGrid::hscMG_Change() {
    gridTrapped("hscMG_Change", [&] {
        const int32_t was = mlngLeftIndexOfCols;
        mlngLeftIndexOfCols = positionOfBar(hscMG.Value(), was, 0, mlngCols - 1);
        if (mlngLeftIndexOfCols != was || !settingOwnBars()) psUpdateView();
        if (picBody.visibleOnForm() && form().Visible()) picBody.SetFocus();
    }, true);
}
