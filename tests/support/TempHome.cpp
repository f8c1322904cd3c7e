#include "support/TempHome.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace testsupport {

namespace {
const char* const kVars[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
                             "XDG_DOCUMENTS_DIR"};
}

TempHome::TempHome() {
    std::random_device rd;
    std::mt19937_64 gen(rd());
    for (int attempt = 0; attempt < 100 && root_.empty(); ++attempt) {
        auto candidate = std::filesystem::temp_directory_path() /
                         ("lumora-test-" + std::to_string(gen()));
        if (std::filesystem::create_directory(candidate)) root_ = candidate;
    }
    if (root_.empty()) throw std::runtime_error("cannot create a temporary home");
    for (const char* name : kVars) {
        const char* old = std::getenv(name);
        saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    ::setenv("HOME", root_.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (root_ / ".local/share").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (root_ / ".config").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (root_ / ".cache").c_str(), 1);
    ::unsetenv("XDG_DOCUMENTS_DIR");
}

TempHome::~TempHome() {
    for (const auto& [name, value] : saved_) {
        if (value) ::setenv(name.c_str(), value->c_str(), 1);
        else ::unsetenv(name.c_str());
    }
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace testsupport
