#include "platform/files/Folders.h"

#include "platform/files/FileOps.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sstream>
#include <sys/file.h>
#include <unistd.h>

namespace files {

namespace {

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string homeFolder() {
    std::string home = env("HOME");
    if (!home.empty()) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return {};
}

// An XDG base folder: the variable when it holds an absolute path, else the default under HOME.
std::string baseFolder(const char* variable, const char* underHome) {
    std::string v = env(variable);
    if (!v.empty() && v.front() == '/') return v;
    std::string home = homeFolder();
    return home.empty() ? std::string() : joinPath(home, underHome);
}

// XDG_DOCUMENTS_DIR from user-dirs.dirs: a quoted absolute path or one that
// starts with "$HOME"; empty when the file does not name it.
std::string documentsFromUserDirs(const std::string& home) {
    std::string config = baseFolder("XDG_CONFIG_HOME", ".config");
    if (config.empty()) return {};
    auto bytes = readFile(joinPath(config, "user-dirs.dirs"));
    if (!bytes) return {};
    std::istringstream in(bytes->substr(byteOrderMarkLength(*bytes)));
    std::string line;
    const std::string prefix = "XDG_DOCUMENTS_DIR=";
    while (std::getline(in, line)) {
        std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, prefix.size(), prefix) != 0) continue;
        std::string value = line.substr(start + prefix.size());
        while (!value.empty() && (value.back() == '\r' || value.back() == ' ' || value.back() == '\t'))
            value.pop_back();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
        if (!value.empty() && value.front() == '/') return value;
    }
    return {};
}

} // namespace

std::string userDataHome() { return baseFolder("XDG_DATA_HOME", ".local/share"); }

std::string documentsPath() {
    std::string home = homeFolder();
    if (home.empty()) return {};
    std::string docs = documentsFromUserDirs(home);
    return docs.empty() ? joinPath(home, "Documents") : docs;
}

std::string documentsFolder() {
    std::string docs = documentsPath();
    return !docs.empty() && makeFolder(docs) ? docs : std::string();
}

InstanceLock::~InstanceLock() { release(); }

InstanceLock::Result InstanceLock::acquire(const std::string& folder, const std::string& name) {
    release();
    if (!makeFolder(folder)) return Result::Failed;
    std::string path = joinPath(folder, name);
    int fd = fault::shouldFail(fault::Kind::Open, path) ? -1 : ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return Result::Failed;
    // flock belongs to the open file: the kernel drops it when the process
    // ends, however it ends, so a dead instance never blocks a new one. Only
    // "held elsewhere" means another instance; any other error is a failure.
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? Result::Busy : Result::Failed;
    }
    fd_ = fd;
    path_ = path;
    return Result::Held;
}

void InstanceLock::release() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
    path_.clear();
}

} // namespace files
