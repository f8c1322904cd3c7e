#pragma once
#include "tally/listTable.h"
#include "tally/memberList.h"
#include "tally/scoreTable.h"

// The cells a list writes for one of its rows.
inline std::vector<ListCell> rowCellsOf(const ListRows& list, int32_t index) {
    std::vector<ListCell> cells;
    ListRowOut out(cells);
    list.cells(index, out);
    return cells;
}

// Every row of a list worked out at once, as the grid would show them all.
inline ListTable wholeList(ListRows list) {
    ListTable table;
    table.columns = std::move(list.columns);
    for (size_t r = 0; r < list.itemData.size(); ++r)
        table.rows.push_back({list.itemData[r], rowCellsOf(list, static_cast<int32_t>(r))});
    return table;
}

inline ListTable scoreTable(const typGameInfo& game, const VbArray<typScoreData>& rows) {
    return wholeList(scoreRows(game, rows));
}

inline ListTable memberList(const typGameInfo& game, const VbArray<typScoreData>& rows) {
    return wholeList(memberRows(game, rows));
}
