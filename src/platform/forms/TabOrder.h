#pragma once
#include <cstdint>
#include <initializer_list>

// Moving along a window's tab order: setting it in one go, and Enter in an
// entry box taken as Tab.
namespace forms {

class Control;
class Form;

// Puts the controls into this tab order, first to last.
void setTabOrder(std::initializer_list<Control*> order);

// Enter in an entry box moves the focus on as Tab would; the key itself is
// dropped. Other keys pass.
void enterAsTab(Form& form, int16_t& KeyAscii);

} // namespace forms
