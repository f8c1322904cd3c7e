#include "platform/text/RuntimeError.h"

#include <cmath>

namespace text {

std::string describeError(int number) {
    switch (number) {
    case err::Overflow: return "オーバーフローしました。";
    case err::Subscript: return "インデックスが有効範囲にありません。";
    case err::DivisionByZero: return "0 で除算しました。";
    case err::TypeMismatch: return "型が一致しません。";
    case err::FileNotFound: return "ファイルが見つかりません。";
    case err::DiskFull: return "ディスクの空き容量が不足しています。";
    case err::PermissionDenied: return "書き込みできません。";
    case err::PathNotFound: return "パスが見つかりません。";
    default: return {};
    }
}

RuntimeError::RuntimeError(int number, std::string description)
    : std::runtime_error(description), Number(number), Description(std::move(description)) {}

RuntimeError::RuntimeError(int number) : RuntimeError(number, describeError(number)) {}

void raise(int number) { throw RuntimeError(number); }

double divide(double a, double b) {
    if (b == 0) raise(err::DivisionByZero);
    return a / b;
}

long long intDivide(long long a, long long b) {
    if (b == 0) raise(err::DivisionByZero);
    return a / b;
}

long long intMod(long long a, long long b) {
    if (b == 0) raise(err::DivisionByZero);
    return a % b;
}

void checkIndex(long long index, long long lower, long long upper) {
    if (index < lower || index > upper) raise(err::Subscript);
}

} // namespace text
