#pragma once
#include "core/registryFile.h"
#include "main/registryDialog.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/ListControls.h"

#include <cstdint>
#include <string>

// The texts, file and keys that tell the series registry from the course
// registry; the two windows are otherwise one design.
struct NamedRegistryKind {
    std::string name;          // the window's name
    std::string caption;       // the window's caption
    const RegistryFile* registry; // its file, counter and section names
    std::string dialogCaption; // given to frmGetName
    std::string editMessage, deleteMessage; // when no item is selected
    std::string deletePrefix;  // start of the delete question
};

// A registry of names (series, courses): the active entries in number order,
// each added, renamed or deleted through the registry file at once. The
// window keeps no data of its own: lstList holds the names with their
// numbers as item data.
class NamedRegistryWindow : public RegistryWindow {
public:
    forms::ListBox lstList;
    forms::CommandButton btnAdd, btnEdit, btnDelete, btnClose;

protected:
    explicit NamedRegistryWindow(NamedRegistryKind kind);
    void Form_Load() override;

private:
    void btnAdd_Click();
    void btnEdit_Click();
    void btnDelete_Click();
    void btnClose_Click();
    std::string sectionOf(int32_t number) const;
    // Shows frmGetName with `name` in its box; true after OK.
    bool askName(const std::string& name);

    NamedRegistryKind kind_;
};
