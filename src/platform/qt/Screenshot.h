#pragma once
#include <string>

namespace forms {
class Form;
}

// Pictures of windows for people to look at: when LUMORA_SCREENSHOTS names a
// folder, the shown form's window is saved there as <name>.png.
namespace qtui {

void saveScreenshotIfAsked(forms::Form& form, const std::string& name);

} // namespace qtui
