#pragma once
#include <stdexcept>
#include <string>

namespace text {

// The one run-time error of the program: a number and a Japanese description,
// as the error boxes show them. Checked arithmetic, checked indexes and the
// file layer raise it; the event dispatcher shows any that nobody traps.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, std::string description);
    explicit RuntimeError(int number); // the standard description of the number
    int Number;
    std::string Description;
};

namespace err {
constexpr int Overflow = 6;          // "オーバーフローしました。"
constexpr int Subscript = 9;         // "インデックスが有効範囲にありません。"
constexpr int DivisionByZero = 11;   // "0 で除算しました。"
constexpr int TypeMismatch = 13;     // "型が一致しません。"
constexpr int FileNotFound = 53;     // "ファイルが見つかりません。"
constexpr int DiskFull = 61;         // "ディスクの空き容量が不足しています。"
constexpr int PermissionDenied = 70; // "書き込みできません。"
constexpr int PathNotFound = 76;     // "パスが見つかりません。"
} // namespace err

// The standard description of an error number ("" for unknown numbers).
std::string describeError(int number);

[[noreturn]] void raise(int number);

// Checked helpers: raise instead of undefined behaviour.
double divide(double a, double b);              // b == 0 raises DivisionByZero
long long intDivide(long long a, long long b);  // "\": truncating; b == 0 raises
long long intMod(long long a, long long b);     // Mod: sign of a; b == 0 raises
void checkIndex(long long index, long long lower, long long upper); // Subscript outside

} // namespace text
