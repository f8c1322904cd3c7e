#pragma once
#include "grid/uctMyGrid.h"
#include "main/registryDialog.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Containers.h"

#include <cstdint>

// The affiliation registry: the listed affiliations in a grid, added, edited
// and deleted through group.dat and gtypBelongs at once.
class frmBelong : public RegistryWindow {
public:
    frmBelong();

    forms::PictureBox picBody;
    uctMyGrid uctGroupList;
    forms::CommandButton btnAdd, btnEdit, btnDelete, btnClose;

protected:
    void Form_Load() override;
    void Form_Unload(int16_t& Cancel) override;

private:
    void btnAdd_Click();
    void btnEdit_Click();
    void btnDelete_Click();
    void btnClose_Click();
    void uctGroupList_MGCellClick(int32_t lngCol, int32_t lngRow);
    void uctGroupList_MGCellDblClick(int32_t lngCol, int32_t lngRow);
    void psSetGroupList();
    void buildGroupList();
    // The index in gtypBelongs of the affiliation on the selected row; -1
    // (after `message` when no row is selected) when there is none.
    int32_t selectedBelong(const std::string& message);
    // Shows frmRegiGroup with the two texts; true after OK.
    bool askGroup(const std::string& name, const std::string& shortName);

    // The grid's top row to restore at the next rebuild; -1 = none.
    int32_t mlngTopRow = -1;
};
