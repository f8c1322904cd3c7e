#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Code page 932 at the file boundary. Inside the program every text is UTF-8.
namespace text {

// Bytes in code page 932 to UTF-8. Bytes that do not decode become U+FFFD;
// decoding never fails. A lead byte whose pair maps to nothing takes a
// non-ASCII second byte with it (one U+FFFD), never an ASCII one, which is
// decoded on its own ("[", "]" and "\" stay visible to the parsers).
std::string decode932(std::string_view bytes);

// UTF-8 to code page 932; nullopt when a character cannot be stored (see
// isStorable932; invalid UTF-8 counts as U+FFFD, which cannot).
std::optional<std::string> encode932(std::string_view utf8);

// UTF-8 to code page 932, writing "?" for a character it cannot store.
std::string encode932Lossy(std::string_view utf8);

// True when the one character (a code point) survives encoding and decoding
// unchanged: no best-fit substitutions.
bool isStorable932(char32_t codePoint);
// True when every character of the text is storable.
bool isStorable932(std::string_view utf8);

// Length of the text once encoded (unstorable characters count as one byte, like "?").
std::size_t byteLength932(std::string_view utf8);

// The longest prefix whose encoding fits in maxBytes, cut on a character boundary.
std::string cut932(std::string_view utf8, std::size_t maxBytes);

} // namespace text
