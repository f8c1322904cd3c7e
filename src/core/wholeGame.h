#pragma once
#include <string>

#include "core/gameRecords.h"

// How the boxes about one stored game name it: "ゲーム：「date：title」".
std::string gameLabel(const typGameInfo& g);

// Reads gtypGame's scores into gtypScorePacks for a window that needs the
// whole game. A shape no score row can hold, or a file that cannot be read,
// is refused with a box ending in `refusal` ("開けません。") and no packs
// are kept, so that no window works on part of a game (and the tally never
// saves part of one over the whole). True when the game was read.
bool readWholeGame(const std::string& refusal);
