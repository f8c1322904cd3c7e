#include "core/helpers.h"

#include <charconv>

#include "platform/files/Opener.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

// What Format gives for tenths / 10 under "0" or "0.0", written out
// directly: every list cell of a total passes through here.
std::string gfFormatTenths(long long tenths) {
    const unsigned long long magnitude =
        tenths < 0 ? 0ULL - static_cast<unsigned long long>(tenths) : static_cast<unsigned long long>(tenths);
    std::string out;
    if (tenths < 0) out += '-';
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, magnitude / 10).ptr);
    if (magnitude % 10 != 0) {
        out += '.';
        out += static_cast<char>('0' + magnitude % 10);
    }
    return out;
}

int32_t gfFix(double v) { return text::Fix(v); }

bool gfOpenURL(const std::string& address) {
    try {
        return !files::opener().open(address);
    } catch (...) {
        return true;
    }
}
