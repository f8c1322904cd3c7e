#include "tally/memberList.h"

#include "core/courseRules.h"
#include "core/players.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

ListTable memberList(const typGameInfo& game, const VbArray<typScoreData>& rows) {
    ListTable table;
    table.columns = {{"No.", 550}, {"チーム", 800}, {"名前", 2500}, {"年令", 550},
                     {"性別", 550}, {"地域", 1300}, {"所属", 4500}};
    // Whole players only: the row count follows the rows / Round.
    const int32_t players = playerCount(game, rows.ubound());
    table.rows.reserve(static_cast<size_t>(players));
    bool shaded = true;
    for (int32_t i = 0, k = 0; k < players && i < static_cast<int32_t>(rows.size()); i += game.Round, ++k) {
        const typScoreData& row = rows[static_cast<size_t>(i)];
        shaded = !shaded;
        const std::optional<forms::Color> shade = shaded ? std::optional(kMemberShade) : std::nullopt;
        ListRow& out = table.rows.emplace_back();
        out.itemData = i + 1;
        auto cell = [&](std::string text, int32_t alignment, std::optional<forms::Color> back) {
            out.cells.push_back({std::move(text), alignment, back, std::nullopt, false});
        };
        cell(text::Str(k + 1), AlignCentre, forms::vbButtonFace);
        cell(text::Trim(row.TeamID), AlignCentre, kListGrey);
        cell(gfGetPlayerName(row.IDNo), AlignLeft, shade);
        cell(gfGetPlayerAge(row.IDNo, game.Date), AlignCentre, shade);
        cell(gfGetPlayerGender(row.IDNo, 0), AlignCentre, shade);
        cell(gfGetPlayerLocation(row.IDNo), AlignLeft, shade);
        cell(gfGetPlayerBelongName(row.IDNo), AlignLeft, shade);
    }
    return table;
}
