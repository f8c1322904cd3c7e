#include "platform/forms/ControlArray.h"

#include "platform/forms/Backend.h"
#include "platform/forms/Form.h"
#include "platform/forms/Services.h"
#include "platform/text/RuntimeError.h"

#include <algorithm>

namespace forms {

ControlArrayBase::ControlArrayBase(Container& parent, std::string name) : parent_(parent), name_(std::move(name)) {
    parent_.hostForm().arrays_.push_back(this);
}

ControlArrayBase::~ControlArrayBase() { std::erase(parent_.hostForm().arrays_, this); }

ControlArrayBase::Loading::Loading(Form& form) : form_(form) { ++form_.loadingElements_; }
ControlArrayBase::Loading::~Loading() { --form_.loadingElements_; }

void ControlArrayBase::initLoaded(Control& element, const Control& source) {
    element.copyFrom(source);
    element.visible_ = false;
    element.geometryChanged(true);
    element.enabledChanged(); // a loaded timer starts running
    Form& form = element.form();
    if (form.live()) {
        if (Backend* b = backend()) b->controlAdded(element);
    }
}

void ControlArrayBase::missing(const std::string& name, int index) {
    throw text::RuntimeError(340, "コントロール配列の要素 '" + name + "(" + std::to_string(index) + ")' は存在しません。");
}

void ControlArrayBase::loadedTwice(const std::string& name, int index) {
    throw text::RuntimeError(360, "オブジェクト '" + name + "(" + std::to_string(index) + ")' は既に読み込まれています。");
}

void ControlArrayBase::designElement(const std::string& name, int index) {
    throw text::RuntimeError(362, "デザイン時に作成されたコントロール '" + name + "(" + std::to_string(index) + ")' はアンロードできません。");
}

} // namespace forms
