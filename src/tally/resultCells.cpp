#include "tally/resultCells.h"

#include "core/courseRules.h"
#include "core/helpers.h"
#include "core/players.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

void addResultCell(ListRow& row, std::string text, int32_t alignment, std::optional<forms::Color> back, bool bold) {
    row.cells.push_back(ListCell{std::move(text), alignment, back, std::nullopt, bold});
}

bool showsHandicap(const typGameInfo& game) { return game.HandiCapKind == 1 || game.HandiCapKind == 2; }

std::string handicapShareText(const typGameInfo& game, int32_t handicap, int32_t roundsDone) {
    if (game.HandiCapKind == 2) return gfFormatTenths(gameHandicapShare(handicap, roundsDone, game.Round));
    return gfFormatTenths(handicap);
}

ListRow& newResultRow(ListTable& table, size_t k, std::string first) {
    ListRow& row = table.rows.emplace_back();
    row.itemData = static_cast<int32_t>(k) + 1;
    row.cells.reserve(table.columns.size());
    addResultCell(row, std::move(first), AlignCentre, forms::vbButtonFace);
    return row;
}

ListedPlayer::ListedPlayer(const PlayerIndex& players, int32_t id)
    : record(players.find(id)), born(playerBirthDate(record)) {}

void addPlayerCells(ListRow& row, const std::optional<text::Date>& gameDate, const ListedPlayer& player,
                    std::optional<forms::Color> band) {
    addResultCell(row, player.record ? player.record->Name : std::string(), AlignLeft, band);
    addResultCell(row, player.record ? wholeAgeText(player.born, gameDate) : std::string(), AlignCentre, band);
    addResultCell(row, playerGenderText(player.record, 0), AlignCentre, band);
}
