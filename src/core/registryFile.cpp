#include "core/registryFile.h"

#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "platform/files/FileOps.h"
#include "platform/files/Profile.h"
#include "platform/forms/Services.h"
#include "platform/text/Strings.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <set>

const RegistryFile playerRegistry{&gstrPlayerFile, "MaxPlayerNo", "player"};
const RegistryFile groupRegistry{&gstrGroupFile, "MaxGroupNo", "group"};
const RegistryFile seriesRegistry{&gstrSeriesFile, "MaxSeriesNo", "Series"};
const RegistryFile courseRegistry{&gstrCourceFile, "MaxCourceNo", "Cource"};

namespace {

constexpr int32_t kHighestNumber = 32767;

// The files reported as unreadable and not read since.
std::set<std::string> reportedFiles;

void showUnreadable(const std::string& file) {
    forms::MsgBox("ファイルを読み込めません。\r\n" + file, forms::vbCritical, std::string("エラー"));
}

// The highest record number as the profile functions see the file; nullopt
// when it cannot be read. One read of the file for names and counter alike.
std::optional<int32_t> highestInFile(const RegistryFile& registry) {
    files::ProfileReadBatch batch;
    const auto names = files::getProfileSectionNames(registry.file());
    if (!names) return std::nullopt;
    // The profile's names are in lower case, and so is a prefix to match them.
    return highestRecordNumber(gfReadIniFile(registry.file(), "Management", registry.counterKey), *names,
                               text::asciiLower(registry.sectionPrefix));
}

// The highest record number of a file that reads; a file that does not is
// reported and counts as empty.
int32_t highestOrReported(const RegistryFile& registry) {
    const auto highest = highestInFile(registry);
    noteRegistryRead(registry.file(), highest.has_value());
    return highest.value_or(0);
}

} // namespace

bool writeIniValues(const std::string& file, const std::vector<IniValue>& values) {
    return files::writeProfileValues(file, values);
}

int32_t highestRecordNumber(std::string_view counter, const std::vector<std::string>& sectionNames,
                            std::string_view sectionPrefix) {
    int32_t highest = std::max(fieldValue32(counter), 0);
    for (const std::string& name : sectionNames)
        highest = std::max(highest, sectionNumber(name, sectionPrefix, std::numeric_limits<int32_t>::max()));
    return highest;
}

int16_t registryCount(const RegistryFile& registry) {
    return static_cast<int16_t>(std::min(highestOrReported(registry), kHighestNumber));
}

std::optional<int16_t> nextRegistryNumber(const RegistryFile& registry) {
    const auto highest = highestInFile(registry);
    if (!highest) {
        showUnreadable(registry.file());
        return std::nullopt;
    }
    if (*highest >= kHighestNumber) {
        forms::MsgBox("登録数が上限（32767件）に達しているため、これ以上登録できません。", forms::vbOKOnly,
                      std::string("エラー"));
        return std::nullopt;
    }
    return static_cast<int16_t>(*highest + 1);
}

bool registryReadable(const std::string& file) {
    // Asked before an operation that reads the file anyway: opening it is enough.
    std::error_code ec;
    if (!std::filesystem::exists(file, ec) && !ec) return true;
    return files::fileOpens(file);
}

bool registryWritable(const std::string& file) {
    if (registryReadable(file)) return true;
    showUnreadable(file);
    return false;
}

void noteRegistryRead(const std::string& file, bool read) {
    if (read)
        reportedFiles.erase(file);
    else if (reportedFiles.insert(file).second)
        showUnreadable(file);
}

void showWriteFailed(const std::string& file) {
    forms::MsgBox("ファイルへの書き込みに失敗しました。\r\n" + file, forms::vbCritical, std::string("エラー"));
}
