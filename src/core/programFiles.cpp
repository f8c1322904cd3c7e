#include "core/programFiles.h"

#include "platform/files/FileOps.h"

#include <filesystem>

std::string programFile(const std::string& programFolder, const std::string& name) {
    const std::string beside = files::joinPath(programFolder, name);
    if (files::fileExists(beside)) return beside;
    const std::string shared =
        (std::filesystem::path(programFolder).parent_path() / "share" / "lumora" / name).string();
    return files::fileExists(shared) ? shared : beside;
}
