#pragma once
#include "main/registryNamedList.h"

// The series registry (シリーズ＆大会): series.dat.
class frmSeriesRegi : public NamedRegistryWindow {
public:
    frmSeriesRegi();
};
