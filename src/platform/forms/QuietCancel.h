#pragma once
#include "platform/forms/Control.h"

namespace forms {

class CommandButton;

// Makes `button` the window's cancel button for the mouse only: pressing it
// does not take the focus, so the focused box's check on leaving does not
// run, and `pressed` runs for a click on it or for Enter or Space while it
// has the focus. The Esc key, which clicks a window's cancel button, does
// nothing: for dialogs whose Cancel leaves unchecked but that answer no Esc.
void makeQuietCancel(CommandButton& button, Handler pressed);

} // namespace forms
