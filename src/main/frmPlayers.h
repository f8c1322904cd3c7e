#pragma once
#include "main/registryDialog.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListControls.h"

#include <cstdint>

// The player registry: the players of one affiliation, of none, or of all,
// added, changed and deleted through playsers.dat and gtypPlayers at once.
class frmPlayers : public RegistryWindow {
public:
    frmPlayers();

    forms::Label Label1;
    forms::ComboBox cobBelong;
    forms::Label lblNumMembers;
    forms::ListBox lstPlayers;
    forms::CommandButton btnAdd, btnEdit, btnDelete, btnClose;

protected:
    void Form_Load() override;
    void Form_Unload(int16_t& Cancel) override;

private:
    void cobBelong_Click();
    void btnAdd_Click();
    void btnEdit_Click();
    void btnDelete_Click();
    void btnClose_Click();
    void showCount();
    // Selects the first line whose item data is `id`; false when none has it.
    bool selectPlayer(int32_t id);
};
