#include "platform/forms/TabOrder.h"

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace forms {

void setTabOrder(std::initializer_list<Control*> order) {
    int i = 0;
    for (Control* c : order) c->setTabIndex(i++);
}

void enterAsTab(Form& form, int16_t& KeyAscii) {
    if (KeyAscii != 13) return;
    KeyAscii = 0;
    form.sendTab();
}

} // namespace forms
