#include "support/LockHolder.h"

#include "platform/files/Folders.h"

#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

LockHolder::LockHolder(const std::string& folder) {
    int toParent[2], toChild[2];
    if (::pipe(toParent) != 0) return;
    if (::pipe(toChild) != 0) {
        ::close(toParent[0]);
        ::close(toParent[1]);
        return;
    }
    child_ = ::fork();
    if (child_ == 0) {
        // Only its own ends stay open, so the parent's going (however a test
        // ends) closes the pipe and the child ends too.
        ::close(toParent[0]);
        ::close(toChild[1]);
        files::InstanceLock lock;
        const char ok = lock.acquire(folder) == files::InstanceLock::Result::Held ? '1' : '0';
        char go;
        if (::write(toParent[1], &ok, 1) == 1) (void)!::read(toChild[0], &go, 1);
        ::_exit(0);
    }
    ::close(toParent[1]);
    ::close(toChild[0]);
    toChild_ = toChild[1];
    char ok = 0;
    held_ = child_ > 0 && ::read(toParent[0], &ok, 1) == 1 && ok == '1';
    ::close(toParent[0]);
}

LockHolder::~LockHolder() { end(); }

void LockHolder::end() {
    if (toChild_ >= 0) ::close(toChild_);
    toChild_ = -1;
    if (child_ > 0) ::waitpid(child_, nullptr, 0);
    child_ = -1;
}

} // namespace testsupport
