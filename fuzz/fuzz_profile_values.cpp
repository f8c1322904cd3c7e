// Several values written at once against the same values written one by
// one: on any file, ProfileText::withValues must give exactly the bytes
// that withValue, applied value after value to each new file, gives.
#include "platform/files/ProfileText.h"
#include "platform/text/Cp932.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A name from the input: a few bytes, with blanks and mixed case among
// them so that names meet as the profile matches them. Never a "[", "]"
// or "=", which no name that the program writes holds.
std::string takeName(std::string_view& in) {
    static const char kChars[] = "aAbB c";
    std::size_t n = in.empty() ? 0 : static_cast<unsigned char>(in[0]) % 4;
    in.remove_prefix(std::min<std::size_t>(1, in.size()));
    std::string name;
    for (std::size_t k = 0; k < n && !in.empty(); ++k, in.remove_prefix(1))
        name += kChars[static_cast<unsigned char>(in[0]) % (sizeof kChars - 1)];
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view in(reinterpret_cast<const char*>(data), size);
    std::vector<files::ProfileValue> values(in.empty() ? 0 : static_cast<unsigned char>(in[0]) % 6);
    in.remove_prefix(std::min<std::size_t>(1, in.size()));
    for (files::ProfileValue& v : values) {
        v.section = takeName(in);
        v.key = takeName(in);
        std::size_t valueBytes = std::min<std::size_t>(in.empty() ? 0 : static_cast<unsigned char>(in[0]) % 8, in.size());
        in.remove_prefix(std::min<std::size_t>(1, in.size()));
        valueBytes = std::min(valueBytes, in.size());
        v.value = text::decode932(in.substr(0, valueBytes));
        in.remove_prefix(valueBytes);
    }

    const files::ProfileText file{std::string(in)};
    files::ProfileText oneByOne = file;
    for (const files::ProfileValue& v : values)
        if (auto next = oneByOne.withValue(v.section, v.key, v.value)) oneByOne = files::ProfileText(std::move(*next));
    // nullopt: the file stays as it is (values changed and changed back included).
    const std::optional<std::string> atOnce = file.withValues(values);
    if (atOnce.value_or(file.raw()) != oneByOne.raw()) std::abort();
    return 0;
}
