#pragma once
#include "platform/files/Opener.h"

// Opens web addresses, files and folders with the desktop's handler
// (QDesktopServices); false when the desktop could not open the target.
// The program installs it with files::setOpener.
namespace qtui {

class QtOpener : public files::Opener {
public:
    bool open(const std::string& target) override;
};

} // namespace qtui
