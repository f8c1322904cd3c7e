#include "main/registryDialog.h"

#include "platform/files/Profile.h"
#include "platform/forms/Services.h"
#include "platform/forms/TextBox.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

std::string requiredName(forms::TextBox& box) {
    std::string name = text::Trim(box.Text());
    if (name.empty()) {
        forms::MsgBox("名称が未入力です。", forms::vbOKOnly, std::string("エラー"));
        box.SetFocus();
    }
    return name;
}

void registryOperation(const std::function<void()>& operation) {
    forms::HourglassScope hourglass;
    // What the operation reads and writes, it reads once.
    files::ProfileReadBatch batch;
    try {
        operation();
    } catch (const text::RuntimeError&) {
        // Abandoned where it failed, as every registry operation is; any
        // other exception passes on, with the pointer back to the default.
    }
}
