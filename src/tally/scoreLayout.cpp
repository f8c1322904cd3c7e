#include "tally/scoreLayout.h"

#include <algorithm>

using namespace scoreDesign;

ScoreLayout scoreLayout(int16_t hole, int16_t round, int16_t kind) {
    ScoreLayout l{};
    l.quickWidth = holeLeft(hole - 1) + HoleWidth - HoleLeft;
    l.calJDaLeft = holeLeft(hole - 1) + HoleWidth + 60;
    l.handicap = kind == 1 || kind == 2;
    l.subtotal = kind == 1;
    l.calHcLeft = l.calJDaLeft + JDaWidth;
    l.calSyokeiLeft = l.calHcLeft + HcWidth;
    l.calTotalLeft = l.subtotal ? l.calSyokeiLeft + SyokeiWidth : l.handicap ? l.calHcLeft + HcWidth : l.calHcLeft;
    l.footerTop = holeTop(round - 1) + HoleHeight + 60;
    l.innerWidth = std::max(l.calTotalLeft + TotalWidth, FooterWidth);
    l.innerHeight = l.footerTop + FooterHeight;
    l.footerLeft = (l.innerWidth - FooterWidth) / 2;
    return l;
}
