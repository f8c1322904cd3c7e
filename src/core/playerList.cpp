// The one-line texts of a player and the list boxes of players.
#include <numeric>
#include <vector>

#include "core/helpers.h"
#include "core/players.h"
#include "platform/forms/ListControls.h"
#include "platform/forms/Services.h"
#include "platform/text/Dates.h"
#include "platform/text/Strings.h"

namespace {

std::string genderPart(int16_t gender) {
    switch (gender) {
    case 1: return " (男";
    case 2: return " (女";
    default: return " (";
    }
}

std::string ageToday(const std::string& birthday) {
    return gfCalAge(birthday, text::FormatDate(forms::Today(), "yyyy/mm/dd"), 0);
}

// "：" and the place when there is one, then the closing ")".
std::string placeAndClose(const std::string& location) {
    return (text::Trim(location).empty() ? std::string() : "：" + location) + ")";
}

} // namespace

std::string gfGetPlayerListText(const typPlayerInfo& p) {
    std::string s = " " + p.Name + genderPart(p.Gender);
    if (!p.Birthday.empty())
        s += "、" + text::FormatDateText(text::Trim(p.Birthday), "gggee年m月d日生") + "\u3000" +
             ageToday(p.Birthday) + "歳";
    return s + placeAndClose(p.Location);
}

std::string gfGetPlayerListTextShort(const typPlayerInfo& p) {
    std::string s = p.Name + genderPart(p.Gender);
    if (!p.Birthday.empty()) s += "、" + ageToday(p.Birthday) + "歳";
    return s + placeAndClose(p.Location);
}

void gsSetPlayerList(int16_t sorted, int16_t textKind, forms::ListBox& list, int32_t belongFilter,
                     int16_t enteredFilter) {
    list.Clear();
    list.setListIndex(-1);
    if (gtypPlayers.empty()) return;

    std::vector<int32_t> order(gtypPlayers.size());
    std::iota(order.begin(), order.end(), 0);
    if (sorted == 1) {
        std::vector<std::string> keys;
        keys.reserve(gtypPlayers.size());
        for (const typPlayerInfo& p : gtypPlayers) keys.push_back(text::Trim(p.Sort) + text::Trim(p.Name));
        csQuickSort_Asc(0, gtypPlayers.ubound(), order, keys);
    }
    for (int32_t i : order) {
        const typPlayerInfo& p = gtypPlayers[static_cast<std::size_t>(i)];
        if (p.State == 2) continue;
        if (belongFilter != -1 && p.BelongID != belongFilter) continue;
        if (enteredFilter != -1 && p.Entered != enteredFilter) continue;
        list.AddItem(textKind == 1 ? gfGetPlayerListText(p) : gfGetPlayerListTextShort(p));
        list.setItemData(list.NewIndex(), p.ID);
    }
}
