#pragma once
#include "platform/forms/Types.h"

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

// A value of any type, as the grid's setters take it and its getter gives it:
// empty, a Boolean, a whole number, a number with a fraction, or a text.
// Conversions follow the platform's rules: whole numbers round halves to
// even and raise the overflow error outside their range; a text converts to
// a number only when it is one ("12", " -3.5 ", "1e3"), otherwise the
// conversion raises the type-mismatch error.
class MGValue {
public:
    MGValue() = default;
    MGValue(bool v) : v_(v) {}
    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char>)
    MGValue(T v) : v_(static_cast<long long>(v)) {}
    MGValue(double v) : v_(v) {}
    MGValue(const char* s) : v_(std::string(s)) {}
    MGValue(std::string s) : v_(std::move(s)) {}
    MGValue(std::string_view s) : v_(std::string(s)) {}

    bool isEmpty() const { return std::holds_alternative<std::monostate>(v_); }
    bool isText() const { return std::holds_alternative<std::string>(v_); }
    bool operator==(const MGValue&) const = default;

    std::string toText() const;
    double toNumber() const;
    int16_t toInt16() const;
    int32_t toInt32() const;
    bool toBool() const;
    // A colour value: an RGB value or a system colour (0x800000nn, also given
    // as the negative 32-bit number with the same bits).
    forms::Color toColor() const;

private:
    std::variant<std::monostate, bool, long long, double, std::string> v_;
};
