#pragma once
#include <string>

class QWidget;

namespace qtui {

// A message box as the platform shows it: the buttons of `flags` with
// Japanese texts, its icon and default button; Esc and the close box answer
// Cancel where there is one (the only button of an OK box), else nothing.
// Returns vbOK, vbCancel, vbYes ...
int showMessageBox(const std::string& prompt, int flags, const std::string& title, QWidget* parent);

} // namespace qtui
