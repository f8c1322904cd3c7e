// The test hooks of the file layer: injected failures and a count of reads.
#include "platform/files/FileOps.h"

#include <atomic>
#include <mutex>

namespace files {

namespace {

struct Armed {
    fault::Kind kind = fault::Kind::None;
    long bytes = 0;
    int count = 0;
    std::string pathPart;
};

std::mutex gMutex;
Armed gArmed;
// Whether a fault is armed or reads are counted: every file operation asks,
// so the usual answer (neither) takes no lock.
std::atomic<bool> gFaultArmed{false};
std::atomic<bool> gCounting{false};
std::string gCountedPart;
long gReads = 0;

} // namespace

namespace fault {

void arm(Kind kind, long bytes, int count, std::string pathPart) {
    std::lock_guard lock(gMutex);
    gArmed = Armed{kind, bytes, count, std::move(pathPart)};
    gFaultArmed = kind != Kind::None && count != 0;
}

void clear() {
    std::lock_guard lock(gMutex);
    gArmed = Armed{};
    gFaultArmed = false;
}

bool shouldFail(Kind kind, const std::string& path, long* bytes) {
    if (!gFaultArmed) return false;
    std::lock_guard lock(gMutex);
    if (gArmed.kind == Kind::None || gArmed.kind != kind || gArmed.count == 0) return false;
    if (path.find(gArmed.pathPart) == std::string::npos) return false;
    if (bytes) *bytes = gArmed.bytes;
    if (gArmed.count > 0 && --gArmed.count == 0) {
        gArmed = Armed{};
        gFaultArmed = false;
    }
    return true;
}

} // namespace fault

namespace probe {

void countReads(std::string pathPart) {
    std::lock_guard lock(gMutex);
    gCountedPart = std::move(pathPart);
    gReads = 0;
    gCounting = true;
}

long reads() {
    std::lock_guard lock(gMutex);
    return gReads;
}

void noteRead(const std::string& path) {
    if (!gCounting) return;
    std::lock_guard lock(gMutex);
    if (path.find(gCountedPart) != std::string::npos) ++gReads;
}

} // namespace probe

} // namespace files
