#pragma once
#include <cstdint>
#include <string>

// Character codes of KeyPress. ASCII characters are their codes; other
// characters are their code page 932 code (a double-byte code as a negative
// 16-bit number, as the platform delivers it), so a handler can drop or
// change any of them.
namespace forms {

// 0 when code page 932 cannot store the character.
int16_t keyAsciiOf(char32_t ch);
// The character of a code; U+0000 for 0 or a code that is no character.
char32_t charOfKeyAscii(int16_t KeyAscii);
// The key code a typed ASCII character comes from (letters: their capital).
int16_t keyCodeOf(char32_t ch);

} // namespace forms
