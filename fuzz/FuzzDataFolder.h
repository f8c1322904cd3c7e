#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "core/globals.h"
#include "platform/files/FileOps.h"

// A private data folder for a whole fuzzing run, with the path globals
// pointing into it and the games folder made; removed when the run ends.
inline void useFuzzDataFolder() {
    static const std::string root = [] {
        char pattern[] = "/tmp/lumora-fuzz-XXXXXX";
        if (!::mkdtemp(pattern)) std::abort();
        return std::string(pattern);
    }();
    static const bool ready = [] {
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(root, ec);
        });
        setPathGlobals(root + "/user", root + "/doc");
        return files::makeFolder(gstrGamesFolder);
    }();
    if (!ready) std::abort();
}

// Puts the bytes in place as a plain write: no flush to disk, so a run
// spends its time in the readers rather than waiting for the disk.
inline void writeFuzzFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) std::abort();
}
