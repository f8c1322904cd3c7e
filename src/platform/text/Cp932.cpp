// Code page 932 through glibc iconv "CP932" (its mapping of ～ − ∥ ￢ ￠ ￡ is
// the one of the files this program reads; "SHIFT_JIS" differs there).
#include "platform/text/Cp932.h"

#include "platform/text/Strings.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iconv.h>
#include <stdexcept>

namespace text {

namespace {

constexpr char32_t Replacement = 0xFFFD;

// One conversion descriptor per direction and thread: iconv_t keeps state and
// must not be shared between threads.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error(std::string("iconv_open ") + from + " → " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much of in as it can, appending to out and advancing in.
    // Returns 0 when all of in was converted, else the errno (EILSEQ, EINVAL).
    int convert(std::string_view& in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        int error = 0;
        while (srcLeft > 0) {
            char buf[1024];
            char* dst = buf;
            std::size_t dstLeft = sizeof buf;
            const std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buf, static_cast<std::size_t>(dst - buf));
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
                error = errno;
                break;
            }
        }
        in.remove_prefix(in.size() - srcLeft);
        return error;
    }

private:
    iconv_t cd_;
};

Converter& decoder() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}

Converter& encoder() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
}

bool isAscii(unsigned char b) { return b < 0x80; }
// The end of the run of ASCII bytes that starts at i, taken eight bytes at a
// time while no high bit shows.
std::size_t asciiRunEnd(std::string_view bytes, std::size_t i) {
    constexpr std::uint64_t highBits = 0x8080808080808080ULL;
    for (std::uint64_t word = 0; i + sizeof word <= bytes.size(); i += sizeof word) {
        std::memcpy(&word, bytes.data() + i, sizeof word);
        if (word & highBits) break;
    }
    while (i < bytes.size() && isAscii(static_cast<unsigned char>(bytes[i]))) ++i;
    return i;
}

bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// The bytes of one character, its round trip checked: nullopt when iconv
// cannot encode it or maps it to some other character (best fit, ¥ → "\").
std::optional<std::string> encodeChar(char32_t cp) {
    if (cp < 0x80) return std::string(1, static_cast<char>(cp));
    const std::string utf8 = fromCodePoint(cp);
    std::string_view in = utf8;
    std::string bytes;
    if (encoder().convert(in, bytes) != 0) return std::nullopt;
    if (decode932(bytes) != utf8) return std::nullopt;
    return bytes;
}

// Encodes utf8, handing each unstorable character to onUnstorable(out);
// stops with false as soon as that returns false.
template <class OnUnstorable>
bool encodeWith(std::string_view utf8, std::string& out, OnUnstorable onUnstorable) {
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        if (isAscii(static_cast<unsigned char>(utf8[i]))) {
            out += utf8[i++];
            continue;
        }
        // A run of non-ASCII characters: one iconv call and one check that it
        // reads back, character by character only when that fails.
        std::string run;
        std::u32string chars;
        while (i < utf8.size() && !isAscii(static_cast<unsigned char>(utf8[i]))) {
            const char32_t cp = nextCodePoint(utf8, i);
            chars += cp;
            appendCodePoint(run, cp);
        }
        std::string_view in = run;
        std::string bytes;
        if (encoder().convert(in, bytes) == 0 && decode932(bytes) == run) {
            out += bytes;
            continue;
        }
        for (char32_t cp : chars) {
            if (auto one = encodeChar(cp))
                out += *one;
            else if (!onUnstorable(out))
                return false;
        }
    }
    return true;
}

} // namespace

std::string decode932(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t j = asciiRunEnd(bytes, i);
        out.append(bytes.substr(i, j - i));
        if (j == bytes.size()) break;
        // The non-ASCII characters up to the next ASCII byte that is not a
        // trail byte: iconv takes them in one call.
        std::size_t end = j;
        while (end < bytes.size() && !isAscii(static_cast<unsigned char>(bytes[end])))
            end += isLeadByte(static_cast<unsigned char>(bytes[end])) ? 2 : 1;
        end = std::min(end, bytes.size());
        std::string_view in = bytes.substr(j, end - j);
        while (!in.empty()) {
            if (decoder().convert(in, out) == 0) break;
            // A byte that does not decode: U+FFFD, and go on after it. A lead
            // byte takes a non-ASCII trail byte with it (a pair that maps to
            // nothing), but never an ASCII byte, which may be "[" or "\".
            const auto lead = static_cast<unsigned char>(in[0]);
            std::size_t skip = 1;
            if (isLeadByte(lead) && in.size() > 1 && !isAscii(static_cast<unsigned char>(in[1]))) skip = 2;
            appendCodePoint(out, Replacement);
            in.remove_prefix(skip);
        }
        i = end;
    }
    return out;
}

std::optional<std::string> encode932(std::string_view utf8) {
    std::string out;
    if (!encodeWith(utf8, out, [](std::string&) { return false; })) return std::nullopt;
    return out;
}

std::string encode932Lossy(std::string_view utf8) {
    std::string out;
    encodeWith(utf8, out, [](std::string& o) {
        o += '?';
        return true;
    });
    return out;
}

bool isStorable932(char32_t codePoint) { return encodeChar(codePoint).has_value(); }

bool isStorable932(std::string_view utf8) { return encode932(utf8).has_value(); }

std::size_t byteLength932(std::string_view utf8) { return encode932Lossy(utf8).size(); }

std::string cut932(std::string_view utf8, std::size_t maxBytes) {
    if (byteLength932(utf8) <= maxBytes) return std::string(utf8);
    std::string out;
    std::size_t used = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t begin = i;
        const char32_t cp = nextCodePoint(utf8, i);
        const auto bytes = encodeChar(cp);
        used += bytes ? bytes->size() : 1;
        if (used > maxBytes) break;
        out.append(utf8.substr(begin, i - begin));
    }
    return out;
}

} // namespace text
