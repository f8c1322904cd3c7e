#pragma once
#include "platform/forms/Form.h"

#include <string>

// The program's modal dialogs: a fixed-size window without minimise or
// maximise box and without a task-bar entry, centred on its owner, whose
// controls use "ＭＳ Ｐゴシック" 11.25 pt.
class DialogWindow : public forms::Form {
protected:
    DialogWindow(std::string name, std::string caption, double clientWidth, double clientHeight);
};
