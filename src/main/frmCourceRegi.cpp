#include "main/frmCourceRegi.h"

#include "core/globals.h"
#include "platform/forms/TabOrder.h"

frmCourceRegi::frmCourceRegi()
    : NamedRegistryWindow({"frmCourceRegi", "コース（会場）一覧", &courseRegistry,
                           "コース（会場）", "編集する「コース（会場）」を選択してください。",
                           "削除する「コース（会場）」を選択してください。", "コース（会場）："}) {
    forms::setTabOrder({&btnClose, &lstList, &btnAdd, &btnEdit, &btnDelete});
}
