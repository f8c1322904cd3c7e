#pragma once
#include "core/registries.h"
#include "support/DataFolder.h"

// The registry the player choosers are tried on, written and loaded: two
// affiliations and a deleted third; six players, the fifth deleted, the
// sixth without affiliation.
inline void loadChooserRegistry(const testsupport::DataFolder& data) {
    data.writeGroups({{1, "札幌中央", "札幌"}, {2, "旭川", ""}, {3, "函館", "", 2}});
    data.writePlayers({{1, "山田太郎", "1950/06/15", 1, 1, "やまだ", "札幌"},
                       {2, "鈴木花子", "1952/03/08", 2, 2, "すずき", "旭川"},
                       {3, "佐藤一郎", "", 1, 1, "さとう", ""},
                       {4, "高橋美咲", "1948/11/23", 2, 1, "たかはし", "小樽"},
                       {5, "田中健二", "1949/01/01", 1, 3, "たなか", "", 2},
                       {6, "伊藤さくら", "1951/04/01", 2, 0, "いとう", "札幌"}});
    loadGroups();
    loadPlayers();
}
