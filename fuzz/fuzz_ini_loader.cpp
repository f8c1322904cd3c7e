// Arbitrary bytes as a file for the in-memory INI reader.
#include "FuzzDataFolder.h"
#include "core/iniFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok) {
    if (!ok) std::abort();
}

// The look-up as the tables define it: the first section of the name, then
// the first key of the name within it.
std::string linearLookUp(const std::string& section, const std::string& key) {
    for (const auto& s : mtypIniSections) {
        if (s.Name != section) continue;
        for (int32_t k = s.FirstKey; k < s.FirstKey + s.KeyCount; ++k)
            if (mtypIniKeys[static_cast<std::size_t>(k)].Key == key) return mtypIniKeys[static_cast<std::size_t>(k)].Value;
        return "";
    }
    return "";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    useFuzzDataFolder();
    static const std::string path = gstrGamesFolder + "/fuzz.lmg";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    require(f != nullptr);
    require(std::fwrite(data, 1, size, f) == size);
    std::fclose(f);

    bool failed = gfLoadIniEx(path);
    // Whatever was loaded, the tables are consistent: the keys of each
    // section follow each other in file order.
    require(mlngIniSectionsMax == static_cast<int32_t>(mtypIniSections.size()) - 1);
    require(mlngIniKeysMax == static_cast<int32_t>(mtypIniKeys.size()) - 1);
    int32_t keys = 0;
    for (const auto& s : mtypIniSections) {
        require(s.FirstKey == keys && s.KeyCount >= 0);
        keys += s.KeyCount;
    }
    require(keys == mlngIniKeysMax + 1);
    if (failed) require(mlngIniKeysMax == -1); // only a key before any section fails a readable file

    // The index answers as the walk from the first section does.
    for (std::size_t s = 0; s < mtypIniSections.size() && s < 8; ++s) {
        const auto& section = mtypIniSections[s];
        for (int32_t k = section.FirstKey; k < section.FirstKey + section.KeyCount && k < section.FirstKey + 4; ++k) {
            const std::string& key = mtypIniKeys[static_cast<std::size_t>(k)].Key;
            require(gfReadIniEx(section.Name, key) == linearLookUp(section.Name, key));
        }
        // A name the file may or may not hold answers as the walk does too.
        require(gfReadIniEx(section.Name, "\x01missing") == linearLookUp(section.Name, "\x01missing"));
    }
    gsClearIniEx();
    require(mlngIniSectionsMax == -1 && mlngIniKeysMax == -1 && gfReadIniEx("", "") == "");
    return 0;
}
