#pragma once
#include <string>

class QWidget;

namespace forms {
class Form;
}

// Pictures of windows for people to look at: when LUMORA_SCREENSHOTS names a
// folder, the shown form's window (or another widget: an open menu, a
// message box) is saved there as <name>.png.
namespace qtui {

void saveScreenshotIfAsked(forms::Form& form, const std::string& name);
void saveScreenshotIfAsked(QWidget& widget, const std::string& name);

} // namespace qtui
