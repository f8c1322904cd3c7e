#pragma once
#include <string>

// Opening a web address, a file or a folder with the desktop's own handler.
namespace files {

class Opener {
public:
    virtual ~Opener() = default;
    // True when the target was handed over; false when that failed outright.
    virtual bool open(const std::string& target) = 0;
};

// Installs the opener every caller uses (the window backend's, or a test's);
// nullptr puts the default back: xdg-open, failing when it cannot be started
// or reports an error.
void setOpener(Opener* opener);
Opener& opener();

} // namespace files
