#include "platform/files/Opener.h"

#include <chrono>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace files {

namespace {

class XdgOpener : public Opener {
public:
    bool open(const std::string& target) override {
        std::string program = "xdg-open";
        char* argv[] = {program.data(), const_cast<char*>(target.c_str()), nullptr};
        pid_t pid = 0;
        if (::posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ) != 0) return false;
        // xdg-open usually hands over and exits at once; some desktops keep it
        // running with the viewer. Wait a little for a failure report, then
        // take a still-running opener as started and reap it later.
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        for (;;) {
            int status = 0;
            pid_t done = ::waitpid(pid, &status, WNOHANG);
            if (done == pid) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
            if (done < 0) return false;
            if (std::chrono::steady_clock::now() >= deadline) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        std::thread([pid] {
            int status = 0;
            ::waitpid(pid, &status, 0);
        }).detach();
        return true;
    }
};

XdgOpener gDefault;
Opener* gInstalled = nullptr;

} // namespace

void setOpener(Opener* opener) { gInstalled = opener; }

Opener& opener() { return gInstalled ? *gInstalled : gDefault; }

} // namespace files
