// The grid in a real window (offscreen), driven by real Qt mouse events:
// the same selection, events, ticks, drags and scrolling as headless.
#include "grid/uctMyGrid.h"

#include "platform/forms/Form.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/testing/QtDesktop.h"

#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace forms;

// Under the leak checker: fontconfig keeps a few allocations for the life
// of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace {

constexpr int32_t Rows = 200;

// A list window as the program's windows fill theirs: fixed header with
// draggable borders, a check-box column, striped rows, highlight colours.
class GridWindow : public Form {
public:
    GridWindow() : Form("frmGridQt") {
        setCaption("グリッド");
        setBorderStyle(vbFixedSingle);
        setClientSize(8400, 4800);
        uctGrid.Move(120, 120, 8160, 4560);
    }

    void fill() {
        uctMyGrid& g = uctGrid;
        g.gsClear();
        g.gsSetFixedTopRow(true, true);
        g.gsSetSelectRowColor(vbHighlight, vbHighlightText);
        g.gsCreateColsRows(4, Rows + 1);
        const char* titles[] = {"", "名前", "所属", "スコア"};
        const int32_t widths[] = {510, 3000, 2400, 1500};
        for (int32_t c = 0; c < 4; ++c) {
            g.gsSetColInfo(c, "Width", widths[c]);
            g.gsSetText(c, 0, titles[c]);
            g.gsSetCellData(c, 0, "Alignment", 2);
        }
        for (int32_t r = 0; r <= Rows; ++r) g.gsSetRowInfo(r, "Height", 345);
        for (int32_t r = 1; r <= Rows; ++r) {
            g.gsSetRowInfo(r, "RowItemData", r);
            g.gsSetCellData(0, r, "Type", 5);
            g.gsSetCellData(0, r, "Alignment", 2);
            g.gsSetText(1, r, "プレイヤー " + std::to_string(r));
            g.gsSetText(2, r, r % 3 == 0 ? "北クラブ" : "南クラブ");
            g.gsSetText(3, r, std::to_string(60 + r % 37));
            g.gsSetCellData(3, r, "Alignment", 1);
            const Color stripe = r % 2 == 0 ? RGB(240, 255, 240) : RGB(255, 255, 255);
            for (int32_t c = 0; c < 4; ++c) g.gsSetCellData(c, r, "BackColor", stripe);
        }
        g.gsSetCellData(0, 4, "Value", 2);
        g.gsUpdate();
    }

    uctMyGrid uctGrid{*this, "uctGrid"};
};

class GridQtTest : public ::testing::Test {
protected:
    GridQtTest() {
        grid.MGCellClick = [this](int32_t c, int32_t r) { events.push_back("click " + pos(c, r)); };
        grid.MGCellDblClick = [this](int32_t c, int32_t r) { events.push_back("dblclick " + pos(c, r)); };
        grid.MGCellCheckBoxClick = [this](int32_t c, int32_t r, int32_t v) {
            events.push_back("check " + pos(c, r) + " " + std::to_string(v));
        };
        grid.MGCellColWidthChange = [this] { events.push_back("width"); };
        window.fill();
        shown = desk.show(window);
    }

    static std::string pos(int32_t c, int32_t r) { return std::to_string(c) + "," + std::to_string(r); }

    QWidget* widget(const Control& c) {
        QWidget* w = qtui::testing::QtDesktop::widget(c);
        EXPECT_NE(w, nullptr) << c.Name();
        return w;
    }
    uctMGRow& view(int32_t row) {
        uctMGRow* v = grid.RowView(row);
        EXPECT_NE(v, nullptr) << "row " << row;
        return *v;
    }
    // A real press, moves with the button held, and release on a widget.
    static void drag(QWidget* w, QPoint from, int dx) {
        QTest::mousePress(w, Qt::LeftButton, {}, from);
        for (int step = 1; step <= 2; ++step) {
            const QPoint at = from + QPoint(dx * step / 2, 0);
            QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(w, &move);
        }
        QTest::mouseRelease(w, Qt::LeftButton, {}, from + QPoint(dx, 0));
    }

    qtui::testing::QtDesktop desk;
    GridWindow window;
    uctMyGrid& grid = window.uctGrid;
    std::vector<std::string> events;
    bool shown = false;
};

} // namespace

TEST_F(GridQtTest, LooksLikeAListAndHoldsOnlyTheRowsOnScreen) {
    ASSERT_TRUE(shown);
    grid.gsSetSelectRow(2);
    grid.gsUpdate();
    qtui::saveScreenshotIfAsked(window, "grid");
    // 4500 twips of body: the header and 13 rows of 345 twips, the last cut.
    EXPECT_EQ(grid.PoolSize(), 14);
    EXPECT_TRUE(grid.vscMG.Visible());
    EXPECT_FALSE(grid.hscMG.Visible());
    EXPECT_TRUE(widget(grid.vscMG)->isVisible());
    EXPECT_TRUE(widget(view(4).chkObj)->isVisible());
    EXPECT_EQ(view(4).chkObj.Value(), vbChecked);
    // Each row paints its cells' backgrounds on its own surface: the name
    // cell's margin shows the stripe of its row.
    EXPECT_EQ(widget(view(4))->grab().toImage().pixelColor(35, 1), QColor(240, 255, 240));
    EXPECT_EQ(widget(view(5))->grab().toImage().pixelColor(35, 1), QColor(Qt::white));

    // A wide column brings the horizontal bar and the corner square.
    grid.gsSetColInfo(1, "Width", 6000);
    grid.gsUpdate();
    qtui::saveScreenshotIfAsked(window, "grid-both-bars");
    EXPECT_TRUE(widget(grid.hscMG)->isVisible());
    EXPECT_TRUE(widget(grid.picScrBarCorner)->isVisible());
}

TEST_F(GridQtTest, ClicksSelectOneRowAndReport) {
    ASSERT_TRUE(shown);
    desk.click(view(3).lblObj(1));
    desk.click(view(0).lblObj(1));
    desk.doubleClick(view(5).lblObj(2));
    QTest::mouseClick(widget(view(6)), Qt::LeftButton, {}, QPoint(3, 10)); // the row's own margin
    EXPECT_EQ(events, (std::vector<std::string>{"click 1,3", "click 2,5", "dblclick 2,5", "click 0,6"}));
    for (int32_t r = 0; r <= Rows; ++r) EXPECT_EQ(grid.gfGetRowSelected(r), r == 6) << r;
    EXPECT_EQ(view(6).Cell(1).BackColor, vbHighlight);
    EXPECT_TRUE(desk.boxes().messages().empty());
}

TEST_F(GridQtTest, TicksReportTwoAndZero) {
    ASSERT_TRUE(shown);
    desk.click(view(2).chkObj);
    desk.click(view(2).chkObj);
    EXPECT_EQ(events, (std::vector<std::string>{"check 0,2 2", "click 0,2", "check 0,2 0", "click 0,2"}));
    EXPECT_EQ(grid.gfGetCellData(0, 2, "Value"), MGValue(0));
}

TEST_F(GridQtTest, DraggingABorderTenPixelsWidensTheColumn) {
    ASSERT_TRUE(shown);
    const Control& strip = view(0).lblBarOfColMoveR(1); // drawn by its row
    ASSERT_TRUE(strip.visibleOnForm());
    drag(widget(strip), qtui::testing::QtDesktop::area(strip).topLeft() + QPoint(1, 5), 10);
    EXPECT_EQ(grid.ColWidth(1), 3000 + 150);
    EXPECT_FALSE(grid.picMoveingBar.Visible());
    EXPECT_EQ(events, (std::vector<std::string>{"width"}));
}

TEST_F(GridQtTest, TheScrollBarArrowScrollsOneRow) {
    ASSERT_TRUE(shown);
    auto* bar = qobject_cast<QScrollBar*>(widget(grid.vscMG));
    ASSERT_NE(bar, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
    EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), 2);
    EXPECT_EQ(grid.RowView(1), nullptr);
    EXPECT_EQ(view(2).Top(), 345);
    EXPECT_EQ(grid.PoolSize(), 14);
    bar->setValue(Rows); // a drag of the thumb to the end
    EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), Rows);
    EXPECT_EQ(grid.PoolSize(), 14);
}

TEST_F(GridQtTest, TheWheelOverTheRowsOrAScrollBarScrollsTheWayItTurns) {
    ASSERT_TRUE(shown);
    grid.gsSetColInfo(1, "Width", 6000);
    grid.gsUpdate();
    auto wheel = [](QWidget* over, int delta) {
        const QPointF at(over->width() / 2, over->height() / 2);
        QWheelEvent e(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &e);
    };
    auto* down = qobject_cast<QScrollBar*>(widget(grid.vscMG));
    auto* across = qobject_cast<QScrollBar*>(widget(grid.hscMG));
    ASSERT_TRUE(down && across);
    const int lines = QApplication::wheelScrollLines();
    wheel(down, -120); // turned towards the user: further down the list
    EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), 1 + lines);
    wheel(down, 120);
    EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), 1);
    // Over the rows the wheel scrolls the list as over its bar. A row takes
    // no wheel, so Qt hands a real turn on to the body that holds the rows;
    // a made-up event is not handed on, so it goes to the body itself.
    QWidget* body = widget(view(4))->parentWidget();
    wheel(body, -120);
    EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), 1 + lines);
    EXPECT_EQ(down->value(), 1 + lines);
    wheel(body, 120);
    EXPECT_EQ(grid.gfGetTopIndexOfRowsY(), 1);
    wheel(across, -120); // the horizontal bar goes right
    EXPECT_GT(grid.LeftIndexOfCols(), 0);
    EXPECT_EQ(across->value(), grid.LeftIndexOfCols());
}

TEST_F(GridQtTest, AWindowMayRebuildTheGridWhenClicked) {
    ASSERT_TRUE(shown);
    grid.MGCellClick = [this](int32_t, int32_t r) {
        events.push_back("rebuilt at " + std::to_string(r));
        window.fill();
    };
    desk.click(view(3).lblObj(2));
    desk.click(view(4).lblObj(2));
    EXPECT_EQ(events, (std::vector<std::string>{"rebuilt at 3", "rebuilt at 4"}));
    EXPECT_TRUE(desk.boxes().messages().empty());
}
