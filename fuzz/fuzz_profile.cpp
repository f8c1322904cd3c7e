// Arbitrary bytes as an INI file for the profile functions: reads never fail
// on it, and a write reads back its value and leaves other sections alone.
#include "FuzzDataFolder.h"
#include "platform/files/Profile.h"
#include "platform/text/Cp932.h"
#include "platform/text/Strings.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace {

void require(bool ok) {
    if (!ok) std::abort();
}

// A name from the input: printable ASCII without the characters that make a
// line a section header or split a key from its value.
std::string takeName(std::string_view& in) {
    std::size_t n = in.empty() ? 0 : static_cast<unsigned char>(in[0]) % 12;
    in.remove_prefix(std::min<std::size_t>(1, in.size()));
    std::string name;
    for (std::size_t k = 0; k < n && !in.empty(); ++k, in.remove_prefix(1)) {
        char c = in[0];
        if (c >= ' ' && c <= '~' && c != '[' && c != ']' && c != '=') name += c;
    }
    return name;
}

// Every write is flushed to disk; on a memory file system that costs nothing,
// so the file lives there when there is one.
std::string scratchFile() {
    static std::string folder;
    char pattern[] = "/dev/shm/lumora-fuzz-XXXXXX";
    if (!::mkdtemp(pattern)) {
        useFuzzDataFolder();
        return gstrGamesFolder + "/fuzz.ini";
    }
    folder = pattern;
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    });
    return folder + "/fuzz.ini";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = scratchFile();
    std::string_view in(reinterpret_cast<const char*>(data), size);
    const std::string section = takeName(in);
    const std::string key = takeName(in);
    const std::string other = takeName(in);
    std::size_t valueBytes = in.empty() ? 0 : static_cast<unsigned char>(in[0]) % 40;
    in.remove_prefix(std::min<std::size_t>(1, in.size()));
    valueBytes = std::min(valueBytes, in.size());
    const std::string value = text::decode932(in.substr(0, valueBytes)); // valid UTF-8, like every text
    in.remove_prefix(valueBytes);

    std::FILE* f = std::fopen(path.c_str(), "wb");
    require(f != nullptr);
    require(std::fwrite(in.data(), 1, in.size(), f) == in.size());
    std::fclose(f);

    const auto otherBefore = files::getProfileString(path, other, key, 4096);
    if (auto cut = files::getProfileString(path, section, key))
        require(text::byteLength932(*cut) <= 255);

    require(files::writeProfileString(path, section, key, value));
    const std::string expected = text::Trim(text::decode932(text::encode932Lossy(text::blankControlBreaks(value))));
    require(files::getProfileString(path, section, key, 4096) == expected);
    if (!text::equalsIgnoreAsciiCase(text::Trim(other), text::Trim(section)))
        require(files::getProfileString(path, other, key, 4096) == otherBefore);

    require(files::writeProfileString(path, section, key, std::nullopt));
    require(files::writeProfileString(path, section, std::nullopt, std::nullopt));
    require(!files::getProfileString(path, section, key));
    return 0;
}
