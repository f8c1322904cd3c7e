#include "tally/memberList.h"

#include "core/courseRules.h"
#include "core/players.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

ListRows memberRows(const typGameInfo& game, const VbArray<typScoreData>& rows) {
    ListRows list;
    list.columns = {{"No.", 550}, {"チーム", 800}, {"名前", 2500}, {"年令", 550},
                    {"性別", 550}, {"地域", 1300}, {"所属", 4500}};
    // Whole players only: the row count follows the rows / Round.
    const int32_t players = playerCount(game, rows.ubound());
    const int32_t round = game.Round;
    for (int32_t i = 0, k = 0; k < players && i < static_cast<int32_t>(rows.size()); i += round, ++k)
        list.itemData.push_back(i + 1);
    list.cells = [date = game.Date, round, &rows](int32_t k, ListRowOut& out) {
        const typScoreData& row = rows.item(static_cast<long long>(k) * round);
        const std::optional<forms::Color> shade = k % 2 == 1 ? std::optional(kMemberShade) : std::nullopt;
        auto cell = [&out](std::string text, int32_t alignment, std::optional<forms::Color> back) {
            out.add({std::move(text), alignment, back, std::nullopt, false});
        };
        cell(text::Str(k + 1), AlignCentre, forms::vbButtonFace);
        cell(text::Trim(row.TeamID), AlignCentre, kListGrey);
        cell(gfGetPlayerName(row.IDNo), AlignLeft, shade);
        cell(gfGetPlayerAge(row.IDNo, date), AlignCentre, shade);
        cell(gfGetPlayerGender(row.IDNo, 0), AlignCentre, shade);
        cell(gfGetPlayerLocation(row.IDNo), AlignLeft, shade);
        cell(gfGetPlayerBelongName(row.IDNo), AlignLeft, shade);
    };
    return list;
}
