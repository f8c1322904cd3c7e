#pragma once
#include <string>
#include <sys/types.h>

namespace testsupport {

// Another live instance: a child process that takes the instance lock in a
// folder and holds it until this object goes, when it ends without
// releasing it (the kernel drops the lock with the process).
class LockHolder {
public:
    explicit LockHolder(const std::string& folder);
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    // Whether the child got the lock.
    bool held() const { return held_; }
    // Ends the child now (and waits for it).
    void end();

private:
    pid_t child_ = -1;
    int toChild_ = -1; // closing it tells the child to end
    bool held_ = false;
};

} // namespace testsupport
