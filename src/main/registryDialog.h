#pragma once
#include "platform/forms/Form.h"

#include <functional>
#include <string>

namespace forms {
class TextBox;
}

// What the registry windows and their dialogs share: a fixed-size window
// without minimise or maximise box, centred on its owner, whose controls use
// "ＭＳ Ｐゴシック" 11.25 pt.
class RegistryWindow : public forms::Form {
protected:
    RegistryWindow(std::string name, std::string caption, double clientWidth, double clientHeight);
};

// The trimmed text of a name box that must not be empty; "" after the
// message "名称が未入力です。" with the focus put back on the box.
std::string requiredName(forms::TextBox& box);

// Runs one add, edit or delete of a registry with the hourglass shown, as
// one read batch (each file it touches is read once). A run-time error
// abandons the operation without a message; any other exception passes on.
// The default pointer comes back either way.
void registryOperation(const std::function<void()>& operation);
