#pragma once

// The registries every window works from, loaded into the shared arrays by
// the main window at start and by whatever else needs them fresh. A file
// that is missing or cannot be read leaves its registry empty, without a
// message.

// gtypPlayers from the player file: every named section "player" & n for n
// up to "MaxPlayerNo", deleted players included.
void loadPlayers();

// gtypBelongs from the affiliation file: every named section "group" & n for
// n up to "MaxGroupNo".
void loadGroups();
