#include "tally/headerChange.h"

#include "core/gameFile.h"
#include "platform/forms/Services.h"
#include "platform/text/Strings.h"

RowsAfterHeaderChange rowsAfterHeaderChange(const typGameInfo& before, const typGameInfo& after) {
    if (before.Hole != after.Hole || before.Round != after.Round || before.HandiCapKind != after.HandiCapKind)
        return RowsAfterHeaderChange::Relaid;
    // The ages in the lists are worked out at the game's date.
    if (text::Trim(before.Date) != text::Trim(after.Date)) return RowsAfterHeaderChange::Redrawn;
    for (int16_t p = 0; p < after.Round && p < static_cast<int16_t>(after.RoundName.size()); ++p)
        if (text::Trim(before.RoundName[static_cast<size_t>(p)]) != text::Trim(after.RoundName[static_cast<size_t>(p)]))
            return RowsAfterHeaderChange::Redrawn;
    return RowsAfterHeaderChange::Kept;
}

HandicapsAfterRelay handicapsAfterRelay(const typGameInfo& before, const typGameInfo& after) {
    if (before.HandiCapKind == 1 && after.HandiCapKind == 1 && before.Hole == after.Hole)
        return HandicapsAfterRelay::Kept;
    if (before.HandiCapKind != 0 && after.HandiCapKind != 0) return HandicapsAfterRelay::ClearedWithNotice;
    return HandicapsAfterRelay::Cleared;
}

void relayScoreRows(const typGameInfo& before) {
    gsUnpackScoreData();
    const HandicapsAfterRelay handicaps = handicapsAfterRelay(before, gtypGame);
    if (handicaps == HandicapsAfterRelay::Kept) return;
    if (handicaps == HandicapsAfterRelay::ClearedWithNotice)
        forms::MsgBox("ハンディキャップをクリアします。再設定してください。", forms::vbOKOnly,
                      std::string("ハンディキャップのクリア"));
    for (typScoreData& row : gtypScores) row.Handicap = 0;
}
