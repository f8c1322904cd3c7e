#include "grid/gridTrap.h"

#include "platform/forms/Services.h"

void reportGridFailure(const char* method, const std::string& description, bool resetPointer) {
    if (resetPointer) forms::Screen::setMousePointer(forms::vbDefault);
    forms::MsgBox(std::string("uctMyGrid::") + method + "():" + description, forms::vbOKOnly);
}
