#include "core/helpers.h"

#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

#include <algorithm>
#include <cmath>

namespace {

double fitted(std::string_view s, double lo, double hi) {
    double v = 0;
    try {
        v = text::Val(s);
    } catch (const text::RuntimeError&) {
        // A number beyond every range ("1e999") is clamped like any other
        // number too large for its field.
        v = text::Trim(s).starts_with('-') ? lo : hi;
    }
    return std::isnan(v) ? 0.0 : std::clamp(v, lo, hi);
}

} // namespace

int16_t fieldValue16(std::string_view s) { return text::CInt(fitted(s, -32768.0, 32767.0)); }

int32_t fieldValue32(std::string_view s) { return text::CLng(fitted(s, -2147483648.0, 2147483647.0)); }
