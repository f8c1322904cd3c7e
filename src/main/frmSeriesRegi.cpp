#include "main/frmSeriesRegi.h"

#include "core/globals.h"
#include "platform/forms/TabOrder.h"

frmSeriesRegi::frmSeriesRegi()
    : NamedRegistryWindow({"frmSeriesRegi", "シリーズ＆大会一覧", &seriesRegistry,
                           "シーズン＆大会", "編集する「シリーズ＆大会」を選択してください。",
                           "削除する「シリーズ＆大会」を選択してください。", "シリーズ＆大会："}) {
    forms::setTabOrder({&btnEdit, &btnAdd, &lstList, &btnClose, &btnDelete});
}
