#include "core/belongFilter.h"

#include "core/gameRecords.h"
#include "platform/forms/ComboChoice.h"

void fillBelongFilter(forms::ComboBox& cobBelong, double remembered, bool listedOnly) {
    cobBelong.Clear();
    cobBelong.AddItem("すべて");
    cobBelong.setItemData(cobBelong.NewIndex(), -1);
    cobBelong.AddItem("無し");
    cobBelong.setItemData(cobBelong.NewIndex(), 0);
    for (const typBelongInfo& b : gtypBelongs) {
        if (b.State == 2 || (listedOnly && b.Listed != 1)) continue;
        cobBelong.AddItem(b.Name);
        cobBelong.setItemData(cobBelong.NewIndex(), b.ID);
        if (b.ID == remembered && !forms::hasChoice(cobBelong)) cobBelong.setListIndex(cobBelong.NewIndex());
    }
    if (!forms::hasChoice(cobBelong)) cobBelong.setListIndex(0);
}
