#pragma once
#include <cstdint>

// The score entry window is designed for 18 holes by 10 courses with every
// result column, and cut down to the game when it opens. Twips in the
// window's inner area (panels: in the panel).
namespace scoreDesign {
// The hole boxes: hole h (0-based) of course r (0-based).
constexpr double HoleLeft = 720, HoleStep = 480, HoleTop = 840, HoleWidth = 435, HoleHeight = 390;
constexpr double holeLeft(int h) { return HoleLeft + HoleStep * h; }
constexpr double holeTop(int r) { return HoleTop + HoleStep * r; }
// The result panels and the footer.
constexpr double PanelTop = 600, PanelHeight = 5115;
constexpr double JDaWidth = 675, HcWidth = 855, SyokeiWidth = 855, TotalWidth = 1275;
constexpr double FooterWidth = 4200, FooterHeight = 915;
// Each course's result value stands beside its row.
constexpr double valueTop(int r) { return 300 + HoleStep * r; }
} // namespace scoreDesign

// Where the parts go for a game of `hole` holes, `round` courses and a
// handicap kind (any kind other than 1 or 2 is laid out as 0, none).
struct ScoreLayout {
    double quickWidth;  // the quick boxes, over the shown hole boxes of their course
    double calJDaLeft;  // strokes, after the last hole column
    double calHcLeft;   // handicap, after the strokes (kinds 1 and 2)
    double calSyokeiLeft; // subtotal, after the handicap (kind 1)
    double calTotalLeft;  // total, after the last shown column
    bool handicap;      // the handicap panel and the "Hc" column show (kinds 1 and 2)
    bool subtotal;      // the "小計" column shows (kind 1)
    double footerTop, footerLeft; // OK and Cancel, below the last course, centred
    double innerWidth, innerHeight; // the window, at least as wide as the footer
};
ScoreLayout scoreLayout(int16_t hole, int16_t round, int16_t kind);
