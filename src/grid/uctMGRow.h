#pragma once
#include "platform/forms/Buttons.h"
#include "platform/forms/Containers.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextFit.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// One cell as a row view shows it.
struct typRowCell {
    int16_t Type = 0;
    int32_t Width = 0;
    std::string Text;
    int32_t Alignment = 0;
    forms::Color BackColor = forms::vbWhite;
    forms::Color ForeColor = forms::vbBlack;
    double FontSize = 11.25;
    bool FontBold = false;
    int32_t Value = 0;
    bool Enabled = true;
    bool operator==(const typRowCell&) const = default;
};

// Row kinds.
constexpr int16_t MGRowKindBody = 0;            // a body row
constexpr int16_t MGRowKindHeaderResizable = 1; // the fixed header, column borders draggable
constexpr int16_t MGRowKindHeader = 2;          // the fixed header without column resizing

// A row view: one horizontal strip of the grid, the cells of one row side by
// side. It keeps its own copy of the cells and a dirty flag: the setters
// store a value and mark the view dirty only when the value differs, and
// gsUpdate repaints only a dirty view. Its child controls are made once per
// column (gsCreateRows); rendering only fills, moves, shows and hides them.
//
// Cell backgrounds are filled boxes painted on the view's own surface,
// under its controls; the surface keeps them across window repaints until
// the next render or Clearing wipes them.
//
// The parts only a header shows (its white top and left lines and the drag
// strips) are made for the columns after the first when the view first
// becomes a header: most views only ever show body rows, and a screenful of
// views is made whenever a window opens.
class uctMGRow : public forms::UserControl {
public:
    uctMGRow(forms::Container& parent, forms::ControlName name, int index = -1);

    void gsClear();
    void gsCreateRows(int32_t lngCols);
    void gsSetKind(int16_t intKind);
    void gsSetRowOfCellData(int32_t lngRow);
    void gsSetColWidth(int32_t lngCol, int32_t lngWidth);
    void gsSetType(int32_t lngCol, int16_t intType);
    void gsSetAlignment(int32_t lngCol, int32_t lngAlignment);
    void gsSetText(int32_t lngCol, const std::string& strText);
    void gsSetValue(int32_t lngCol, int32_t lngValue);
    void gsSetEnabled(int32_t lngCol, bool bolEnabled);
    void gsSetTextFontSize(int32_t lngCol, double varFontSize);
    void gsSetTextFontBold(int32_t lngCol, bool bolFontBold);
    double gfGetDefaultFontSize() const { return mvarDefaultFontSize; }
    void gsSetLeftIndexOfCols(int32_t lngCol);
    void gsSetUsedNow(bool bolVal) { mblnUsedNow = bolVal; }
    bool gfIsUsedNow() const { return mblnUsedNow; }
    void gsSetBackColor(int32_t lngCol, forms::Color varColor);
    void gsSetForeColor(int32_t lngCol, forms::Color varColor);
    // Renders the row when something shown changed since the last render.
    void gsUpdate();
    // True when the view shows exactly what clearing it and rendering its
    // values anew would: it was rendered once since it was cleared, and
    // nothing but that render changed what it shows.
    bool rendersAsNew() const { return rendersSinceClear_ == 1 && !mblnChanged; }
    // For the grid taking the view again after emptying its pool: when it
    // renders as new, resets its mouse state as Clearing does and returns
    // true (the caller may keep it as it is); otherwise changes nothing.
    bool takeAsRendered();

    // State the grid and the tests read.
    int32_t RowOfCellData() const { return mlngRowOfCellData; }
    int16_t Kind() const { return mintKind; }
    int32_t LeftIndexOfCols() const { return mlngLeftIndexOfCols; }
    int32_t Cols() const { return mlngCols; }
    bool Dirty() const { return mblnChanged; }
    const typRowCell& Cell(int32_t col) const { return mtypRowCells.at(static_cast<size_t>(col)); }
    int32_t DefaultWidth() const { return mlngDefaultWidth; }
    int32_t MarginX() const { return mlngMarginX; }

    // Events raised to the grid.
    forms::Event<void(int16_t intMode, int32_t lngColOfCellData, int16_t LorR, int32_t lngMoveXX)> CellResizeCol;
    forms::Event<void(int32_t lngColOfCellData, int32_t lngRowOfCellData)> CellClick;
    forms::Event<void(int32_t lngColOfCellData, int32_t lngRowOfCellData)> CellDblClick;
    forms::Event<void(int32_t lngColOfCellData, int32_t lngRowOfCellData, int32_t lngValue)> CellCheckBoxClick;

    // Child controls, per column except the row's one bottom line under all
    // its cells and its one check box; the header's parts (linTop, linLeft
    // and the strips) for every column only while the view has been a
    // header since its columns were made.
    forms::ControlArray<forms::Label> lblObj;
    forms::ControlArray<forms::Line> linTop;
    forms::Line linBottom;
    forms::ControlArray<forms::Line> linRight, linLeft;
    forms::ControlArray<forms::Label> lblBarOfColMoveL, lblBarOfColMoveR;
    forms::CheckBox chkObj;

private:
    template <class T>
    void store(T& field, const T& value);
    typRowCell* cellAt(int32_t lngCol);
    double pfSnapToPixelX(double v) const;
    int32_t pfGetColIndexOfX(double x) const;
    void clearRow();
    void loadHeaderParts();
    // The columns that have the header's parts: all once loaded, else the
    // design's first.
    int32_t headerPartCols() const { return headerParts_ ? mlngCols : std::min(mlngCols, 1); }
    void renderLabel(int32_t i, double x, double inner, bool narrow, forms::FittedText fit);
    void renderCheckBox(int32_t i, double x, bool narrow);
    void placeByAlignment(forms::Control& c, int32_t alignment, double x, double width);

    // Handlers (uctMGRowEvents.cpp).
    void lblObj_Click(int Index);
    void lblObj_DblClick(int Index);
    void UserControl_MouseDown(int16_t Button, int16_t Shift, double X, double Y);
    void UserControl_Click();
    void UserControl_DblClick();
    void chkObj_Click();
    void resizeBarDown(int16_t LorR, int Index, double X);
    void resizeBarMove(int16_t LorR, int Index, double X);
    void resizeBarUp(int16_t LorR, int Index, double X);
    double resizeBarPosition(int16_t LorR, int Index, double X) const;

    std::vector<typRowCell> mtypRowCells;
    int32_t mlngCols = 0;
    int16_t mintKind = MGRowKindBody;
    int32_t mlngRowOfCellData = -1;
    int32_t mlngLeftIndexOfCols = 0;
    bool mblnChanged = false;
    bool mblnUsedNow = false;
    int32_t mlngMarginX = 0, mlngMarginY = 0;
    int32_t mlngDefaultWidth = 0;
    double mvarDefaultFontSize = 0;
    int32_t mlngMouseX = 0;
    bool mblnResizing = false;
    int16_t mintSettingCheck = 0;
    int32_t checkBoxCol_ = -1; // the column whose cell owns the check box
    bool headerParts_ = false; // the header's parts are loaded for every column
    bool barsWired_ = false;   // the strips' handlers are wired (once a header)
    // Renders since the last Clearing; 2 also once anything else changed
    // what the controls show (a tick by the user, another left column).
    int32_t rendersSinceClear_ = 0;
};
