#include "grid/gridTrap.h"

#include "platform/forms/Services.h"
#include "platform/text/RuntimeError.h"

#include <new>
#include <string>

void reportGridTrap(const char* method, std::exception_ptr failure, bool resetPointer) {
    std::string description;
    try {
        std::rethrow_exception(failure);
    } catch (const text::RuntimeError& e) {
        description = e.Description;
    } catch (const std::bad_alloc&) {
        description = "メモリが不足しています。";
    } catch (const std::exception& e) {
        description = e.what();
    }
    if (resetPointer) forms::Screen::setMousePointer(forms::vbDefault);
    forms::MsgBox(std::string("uctMyGrid::") + method + "():" + description, forms::vbOKOnly);
}
