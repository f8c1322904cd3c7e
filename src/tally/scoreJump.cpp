#include "tally/resultLists.h"

int32_t firstScoreTableRow(const VbArray<typScoreData>& rows, int32_t id) {
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].IDNo == id) return static_cast<int32_t>(i) + 1;
    return 0;
}
