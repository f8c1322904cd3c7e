#pragma once
#include "core/gameRecords.h"
#include "core/globals.h"
#include "preview/modPpPreview.h"
#include "reports/game/reportWindow.h"

#include <string>
#include <vector>

namespace reportfixture {

// Lays out page `page` of `count` (-1 only counts) of `frm`; the caller unloads it.
inline void loadPage(ReportWindow& frm, int16_t page, int16_t count = 1) {
    gintPrintPageNo = page;
    gintPrintPageCount = count;
    frm.Load();
}

// One load of a report window, unloaded at the end.
class PageLoad {
public:
    PageLoad(ReportWindow& frm, int16_t page, int16_t count = 1) : frm_(frm) { loadPage(frm_, page, count); }
    ~PageLoad() { frm_.Unload(); }
    PageLoad(const PageLoad&) = delete;
    PageLoad& operator=(const PageLoad&) = delete;

private:
    ReportWindow& frm_;
};

// The pages a counting load finds.
inline int32_t countPages(ReportWindow& frm) {
    PageLoad load(frm, -1, -1);
    return frm.gintMaxPageNo;
}

// Captions of the elements a load created, from `first` on.
inline std::vector<std::string> captions(const forms::ControlArray<forms::Label>& cells, int first = 1) {
    std::vector<std::string> out;
    for (int i = first; i <= cells.UBound(); ++i) out.push_back(cells[i].Caption());
    return out;
}

// The y of the rules of an array that a load created.
inline std::vector<double> ys(const forms::ControlArray<forms::Line>& rules) {
    std::vector<double> out;
    for (int i = 1; i <= rules.UBound(); ++i) out.push_back(rules[i].Y1());
    return out;
}

// Every hole of the row `r` of gtypScores set to `strokes`.
inline void fillHoles(int32_t r, const std::string& strokes) {
    for (int h = 0; h < gtypGame.Hole; ++h) gtypScores[static_cast<std::size_t>(r)].Holes[static_cast<std::size_t>(h)] = strokes;
}

} // namespace reportfixture
