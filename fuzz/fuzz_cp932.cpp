// Arbitrary bytes through the file boundary and the readers of stored values.
#include "platform/text/Cp932.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string utf8 = text::decode932(bytes);
    // Whatever was decoded is valid UTF-8 and, bad bytes aside, writable again.
    if (text::fromUtf32(text::toUtf32(utf8)) != utf8) std::abort();
    const std::string written = text::encode932Lossy(utf8);
    if (text::byteLength932(utf8) != written.size()) std::abort();
    if (text::byteLength932(text::cut932(utf8, 255)) > 255) std::abort();
    if (const auto date = text::parseDate(utf8)) {
        if (text::parseDate(text::FormatDate(*date, "yyyy/mm/dd")) != date) std::abort();
        text::FormatDate(*date, "ggge年m月d日(aaa)");
    }
    try {
        const double v = text::Val(utf8);
        text::Format(v, "0.000");
        text::readInt32(utf8);
    } catch (const text::RuntimeError&) {
    }
    text::FormatText(utf8, "@@");
    return 0;
}
