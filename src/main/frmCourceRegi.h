#pragma once
#include "main/registryNamedList.h"

// The course registry (コース（会場）): cource.dat.
class frmCourceRegi : public NamedRegistryWindow {
public:
    frmCourceRegi();
};
