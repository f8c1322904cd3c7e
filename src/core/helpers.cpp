#include "core/helpers.h"

#include "platform/files/Opener.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

std::string gfFormatTenths(long long tenths) {
    if (tenths % 10 == 0) return text::Format(tenths / 10, "0");
    return text::FormatRatio(tenths, 10, "0.0");
}

int32_t gfFix(double v) { return text::Fix(v); }

bool gfOpenURL(const std::string& address) {
    try {
        return !files::opener().open(address);
    } catch (...) {
        return true;
    }
}
