#pragma once
#include "platform/forms/ListControls.h"

#include <cstdint>
#include <optional>

namespace forms {

// The chosen entry of a combo box's list.
inline bool hasChoice(const ComboBox& c) { return c.ListIndex() >= 0; }
// The chosen entry's item data; the box must have a choice.
inline int32_t chosenData(const ComboBox& c) { return c.ItemData(c.ListIndex()); }
// The chosen entry's item data; nothing while none is chosen.
inline std::optional<int32_t> choice(const ComboBox& c) {
    return hasChoice(c) ? std::optional<int32_t>(chosenData(c)) : std::nullopt;
}

} // namespace forms
