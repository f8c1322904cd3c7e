#pragma once
#include "core/globals.h"
#include "preview/modPpPreview.h"
#include "reports/game/reportWindow.h"

#include <string>
#include <vector>

namespace reportfixture {

// One load of a report window: page `page` of `count` (-1 only counts), unloaded at the end.
class PageLoad {
public:
    PageLoad(ReportWindow& frm, int16_t page, int16_t count = 1) : frm_(frm) {
        gintPrintPageNo = page;
        gintPrintPageCount = count;
        frm_.Load();
    }
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

// Every hole of the row `r` of gtypScores set to `strokes`.
inline void fillHoles(int32_t r, const std::string& strokes) {
    for (int h = 0; h < gtypGame.Hole; ++h) gtypScores[static_cast<std::size_t>(r)].Holes[static_cast<std::size_t>(h)] = strokes;
}

} // namespace reportfixture
