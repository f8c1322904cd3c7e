#pragma once
#include <string>

namespace files {

// "$XDG_DATA_HOME" (default "~/.local/share"). Empty when HOME is unknown.
std::string userDataHome();
// The XDG documents folder (user-dirs.dirs, default "~/Documents"); empty
// when HOME is unknown.
std::string documentsPath();
// The same, created when missing. Empty when it cannot be made.
std::string documentsFolder();

// Held for the process's life in the given folder; a stale lock of a dead
// process is taken over.
class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    // Held: this process now holds the lock. Busy: another live process
    // holds it. Failed: the lock file cannot be made or opened (a folder in
    // its place, a file of another user), which says nothing about another
    // instance.
    enum class Result { Held, Busy, Failed };
    Result acquire(const std::string& folder, const std::string& name = "Lumora.lock");
    void release();
    bool held() const { return fd_ >= 0; }
    // The lock file's path while it is held.
    const std::string& path() const { return path_; }
private:
    int fd_ = -1;
    std::string path_;
};

} // namespace files
