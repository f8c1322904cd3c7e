#pragma once
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/Label.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

// A report window: a page-sized form of labels and rules that is never
// shown. Each load lays out one page, gintPrintPageNo, walking every row of
// the report from the first so that numbering and page counts are the same
// on every page; with gintPrintPageNo = -1 the load only counts the pages.
// The engine loads it once per page, draws it and unloads it.
//
// A window derives from this, holds its header labels and its row templates
// (element 0 of a label array per column, invisible), writes its design in
// design() (called by its constructor) and its rows in pfDataSet() with the
// walk below. Every load starts from the design again, so nothing one page
// set carries into the next.
class ReportWindow : public forms::Form {
public:
    // Pages counted by the last load.
    int32_t gintMaxPageNo = 0;
    // True when the last load's pass failed (after its messages were shown).
    bool passFailed() const { return failed_; }

    // The page frame every report window has.
    forms::Label lblScorePage{*this, "lblScorePage"};
    forms::Label lblSeasonTittle{*this, "lblSeasonTittle"};
    forms::Label lblScoreTittle{*this, "lblScoreTittle"};
    forms::Label lblEntryNum{*this, "lblEntryNum"};
    forms::Line linTop{*this, "linTop"};
    forms::ControlArray<forms::Line> linTate;
    forms::Label lblPage{*this, "lblPage"};
    // Row rules: element 0 of each is the invisible template.
    forms::ControlArray<forms::Line> linFutoYoko{*this, "linFutoYoko", {0}};
    forms::ControlArray<forms::Line> linHosoYoko{*this, "linHosoYoko", {0}};

    // A column of a table: its cells' left, width and alignment. Its header
    // caption stands centred in the header row over the same span.
    struct Column {
        double left, width;
        int16_t alignment;
    };

    // Page geometry, twips.
    static constexpr int32_t PageWidth = 11310, PageHeight = 14985;
    static constexpr int32_t RowHeight = 360, TextOffset = 60, PageLimit = 14700;

protected:
    // `columnRules` is the number of vertical rules linTate(0..).
    ReportWindow(std::string name, int columnRules);

    // Every design property of every control, as at design time.
    virtual void design() = 0;
    // Lays out page gintPrintPageNo and counts the pages into gintMaxPageNo;
    // True after a failure whose message it has shown.
    virtual bool pfDataSet() = 0;

    // Design helpers: they set every property the renderer reads.
    struct LabelDesign {
        double left, top, width;
        std::string caption;
        int16_t alignment = 0;
        bool bold = false;
        bool autoSize = false;
        forms::Color color = forms::vbBlack;
        bool visible = true;
        double height = 255;
    };
    void designLabel(forms::Label& label, const LabelDesign& d);
    void designLine(forms::Line& line, double x1, double y1, double x2, double y2, forms::Color color,
                    int16_t width, bool visible = true);
    // A row template: element 0 of a column, invisible and red, in the first
    // row; a created element copies it.
    void designCell(forms::Label& label, double left, double width, int16_t alignment, bool bold = false);
    void designCell(forms::Label& label, const Column& c, bool bold = false) {
        designCell(label, c.left, c.width, c.alignment, bold);
    }
    void designHeader(forms::Label& label, const Column& c, const std::string& caption);
    // The column rules linTate(i) at x(i), black, from the top rule down to
    // the header row's foot, 2 wide except those listed in `thin`; the walk
    // lengthens them on every page.
    void designColumnRules(std::span<const double> x, std::initializer_list<int> thin = {});
    // The page frame: the page title and the count sized to their texts from
    // their left edges, the two title lines, the page number at the foot and
    // the top rule from `tableLeft` to `tableRight` at 840.
    struct FrameDesign {
        double pageTitleLeft, pageTitleWidth;
        double titleLeft, title1Width, title2Width;
        double countLeft, countWidth;
        double tableLeft = 240, tableRight = 11040;
    };
    void designFrame(const FrameDesign& d);
    // The row rule templates, the thin one from `thinLeft`.
    void designRowRules(double thinLeft);

    // ---- the page walk ----
    // Runs `body` and reports a run-time error as "<prefix>" & description;
    // the result for pfDataSet: False when done, True after a failure.
    bool trappedPass(const std::string& prefix, const std::function<void()>& body);
    // Before the rows: titles, count text, vertical rules from the table's
    // top, empty page labels, the cursor at the table's top.
    void startWalk(const std::string& countText, std::string pageTitleWord);
    // A row begins. At the table's top a page starts (its title and number
    // on the requested page) and the header row is passed. True when the row
    // lies on the requested page.
    bool beginRow();
    bool firstRowOfPage() const { return firstRow_; }
    // The top of the row being laid out.
    int32_t rowTop() const { return y_; }
    // Moves the row being laid out, and the rows after it on its page, down.
    void moveRowDown(int32_t twips) { y_ += twips; }
    // The rule at the row's top: thick (linFutoYoko, the table's full width)
    // or thin (linHosoYoko, the template's x).
    void rowRule(bool thick);
    // A horizontal rule of another array at `y`, with its template's x,
    // black and visible.
    forms::Line& ruleAt(forms::ControlArray<forms::Line>& rules, double y);
    // A cell of the row: a new element of the column, black and visible.
    forms::Label& cell(forms::ControlArray<forms::Label>& column, const std::string& caption);
    // A cell of a column laid out at run time, at its own left and width.
    forms::Label& cell(forms::ControlArray<forms::Label>& column, const std::string& caption, double left,
                       double width);
    // Set-up before the walk, on every load (the counting load too): a rule
    // between columns laid out at run time, from its template's Y1, which
    // reaches down to the end of the requested page with the linTate.
    forms::Line& columnRule(forms::ControlArray<forms::Line>& rules, double x);
    // `count` columns sharing `band` twips from `left`, each as wide as the
    // band divided by the count (rounded half to even; no columns is a
    // division by zero): the rules between them and a header caption over
    // each, `prefix` and its 1-based number. Returns the column width.
    int32_t bandColumns(forms::ControlArray<forms::Line>& rules, forms::ControlArray<forms::Label>& headers,
                        double left, double band, int32_t count, const std::string& prefix);
    // The columns of a player that the entry lists print: name, age at
    // refDate, gender, region and affiliation.
    struct EntrantColumns {
        forms::ControlArray<forms::Label>&name, &age, &gender, &location, &belong;
    };
    struct EntrantHeaders {
        forms::Label &name, &age, &gender, &location, &belong;
    };
    struct EntrantLayout {
        Column name, age, gender, location, belong;
    };
    // Their header captions and row templates, laid out over `at`.
    void designEntrantColumns(const EntrantHeaders& headers, const EntrantColumns& columns, const EntrantLayout& at);
    // A row's cells of player IDNo.
    void entrantCells(const EntrantColumns& columns, int32_t IDNo, const std::string& refDate);
    // The row of `height` ends. The page ends after the last row or when a
    // next row of `nextHeight` would pass the page limit; on the requested
    // page the vertical rules then reach down to it and a thick rule closes
    // the table.
    void endRow(bool lastRow, int32_t height = RowHeight, int32_t nextHeight = RowHeight);

private:
    void Form_Load() override;
    void endPage();
    template <class T>
    static T& newElement(forms::ControlArray<T>& array) {
        return array.Load(array.UBound() + 1);
    }

    std::string pageTitleWord_;
    std::vector<forms::Line*> columnRules_;
    int32_t y_ = 0;
    bool onPage_ = false, firstRow_ = false, failed_ = false;
};
