#pragma once
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace testsupport {

// Points HOME and the XDG folders at a fresh temporary folder for the life of
// the object, and removes it afterwards. Every test that touches files uses
// one, so tests never see the user's own data or each other's.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::filesystem::path& path() const { return root_; }
    // A path inside the temporary home, as a string.
    std::string file(const std::string& relative) const { return (root_ / relative).string(); }

private:
    std::filesystem::path root_;
    std::map<std::string, std::optional<std::string>> saved_;
};

// Whole-file helpers for tests (raw bytes, no conversion).
std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

} // namespace testsupport
