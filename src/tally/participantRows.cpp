#include "tally/participantRows.h"

#include "core/players.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"
#include "tally/scoreTable.h"

#include <unordered_set>

void markEnteredPlayers(const VbArray<typScoreData>& rows) {
    std::unordered_set<int32_t> entered;
    for (const typScoreData& row : rows) entered.insert(row.IDNo);
    for (typPlayerInfo& p : gtypPlayers) {
        p.Entered = entered.count(p.ID) ? 1 : 0;
        p.TeamID.clear();
    }
}

int32_t insertionIndex(const VbArray<typScoreData>& rows, int16_t place, int32_t selectedRow) {
    const int32_t end = rows.ubound() + 1;
    const bool selected = selectedRow >= 0 && selectedRow < end;
    switch (place) {
    case AddAbove:
        return selected ? selectedRow : end;
    case AddBelow:
        return selected ? scoreLastRow(rows, selectedRow) + 1 : end;
    case AddAtTop:
        return 0;
    default:
        return end;
    }
}

void insertParticipant(VbArray<typScoreData>& rows, int32_t at, int32_t playerID, int16_t round) {
    text::checkIndex(at, 0, rows.ubound() + 1);
    // Built aside and swapped in, so that a failure leaves the game as it was.
    VbArray<typScoreData> next;
    next.reserve(rows.size() + static_cast<size_t>(round > 0 ? round : 0));
    next.insert(next.end(), rows.begin(), rows.begin() + at);
    for (int16_t k = 1; k <= round; ++k) {
        typScoreData row;
        row.IDNo = playerID;
        row.RoundNo = k;
        next.push_back(std::move(row));
    }
    next.insert(next.end(), rows.begin() + at, rows.end());
    rows.swap(next);
}

void withdrawParticipant(VbArray<typScoreData>& rows, int32_t first, int16_t round) {
    text::checkIndex(first, 0, rows.ubound());
    const int32_t last = first + round - 1;
    text::checkIndex(last, first, rows.ubound());
    // Moving the later rows down cannot fail once the block is known whole.
    rows.erase(rows.begin() + first, rows.begin() + last + 1);
}

void setParticipantTeam(VbArray<typScoreData>& rows, int32_t first, const std::string& team) {
    text::checkIndex(first, 0, rows.ubound());
    const int32_t last = scoreLastRow(rows, first);
    for (int32_t i = first; i <= last; ++i) rows[static_cast<size_t>(i)].TeamID = team;
}

int32_t visibleRows(double listHeight) {
    return static_cast<int32_t>(text::intDivide(static_cast<long long>(listHeight) - 350, 350));
}

int32_t scoreTopAfterAdding(int32_t at, int32_t top, int32_t visible) {
    int32_t result;
    if (at < top - 1)
        result = at + 1;
    else if (at < top + visible - 2)
        result = top;
    else
        result = at - visible + 3;
    return result < 0 ? 1 : result;
}

int32_t memberTopAfterAdding(int16_t place, int32_t selectedRow, int32_t rowCount, int32_t top, int32_t visible) {
    int32_t result;
    switch (place) {
    case AddAtTop:
        return 1;
    case AddAbove:
        result = visible < selectedRow - top + 1 ? selectedRow - visible + 1 : top;
        break;
    case AddBelow:
        result = visible < selectedRow - top + 2 ? selectedRow - visible + 2 : top;
        break;
    default:
        result = visible < rowCount - top + 1 ? rowCount - visible + 1 : top;
        break;
    }
    return result < 1 ? 1 : result;
}

std::string withdrawQuestion(int32_t playerID, const std::string& gameDate) {
    return gfGetPlayerName(playerID) + "　（" + gfGetPlayerGender(playerID, 0) + "、" +
           gfGetPlayerAge(playerID, text::Trim(gameDate)) + "歳） さんの参加を取り消します。";
}
