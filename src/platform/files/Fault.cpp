#include "platform/files/FileOps.h"

#include <mutex>

namespace files::fault {

namespace {

struct Armed {
    Kind kind = Kind::None;
    long bytes = 0;
    int count = 0;
    std::string pathPart;
};

std::mutex gMutex;
Armed gArmed;

} // namespace

void arm(Kind kind, long bytes, int count, std::string pathPart) {
    std::lock_guard lock(gMutex);
    gArmed = Armed{kind, bytes, count, std::move(pathPart)};
}

void clear() {
    std::lock_guard lock(gMutex);
    gArmed = Armed{};
}

bool shouldFail(Kind kind, const std::string& path, long* bytes) {
    std::lock_guard lock(gMutex);
    if (gArmed.kind == Kind::None || gArmed.kind != kind || gArmed.count == 0) return false;
    if (path.find(gArmed.pathPart) == std::string::npos) return false;
    if (bytes) *bytes = gArmed.bytes;
    if (gArmed.count > 0 && --gArmed.count == 0) gArmed = Armed{};
    return true;
}

} // namespace files::fault
