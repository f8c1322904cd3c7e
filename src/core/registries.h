#pragma once

// The registries every window works from, loaded into the shared arrays by
// the main window at start and by whatever else needs them fresh. A missing
// file leaves its registry empty without a message; one that is there but
// cannot be read leaves it empty and is named in one box.

// gtypPlayers from the player file: every named section "player" & n for n
// up to the highest record number (the counter "MaxPlayerNo", or a higher
// section), deleted players included. Lines before the first section are
// passed over.
void loadPlayers();

// gtypBelongs from the affiliation file: every named section "group" & n for
// n up to the highest record number.
void loadGroups();
