#pragma once
#include <string>

namespace files {

// "$XDG_DATA_HOME" (default "~/.local/share"). Empty when HOME is unknown.
std::string userDataHome();
// The XDG documents folder (user-dirs.dirs, default "~/Documents"), created
// when missing. Empty when it cannot be made.
std::string documentsFolder();

// Held for the process's life in the given folder; a stale lock of a dead
// process is taken over.
class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    // True when this process now holds the lock; false when another live
    // process holds it.
    bool acquire(const std::string& folder, const std::string& name = "Lumora.lock");
    void release();
    bool held() const { return fd_ >= 0; }
private:
    int fd_ = -1;
    std::string path_;
};

} // namespace files
