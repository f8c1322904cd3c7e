#pragma once

namespace forms {
class ComboBox;
} // namespace forms

// The affiliation filter of the player lists: "すべて" (item data -1), "無し"
// (0), then every affiliation that is not deleted, in registry order, with
// its ID. The affiliation whose ID is `remembered` is chosen as it is added,
// so that its Click fills the list; when none is, "すべて" is chosen (a
// remembered -1 or 0 names no affiliation and so comes back as "すべて").
// With `listedOnly` only the affiliations flagged Listed = 1 are offered.
void fillBelongFilter(forms::ComboBox& cobBelong, double remembered, bool listedOnly = false);
