#pragma once
// What LineSplitter looks for in a text, found 16 bytes at a time: one bit
// per byte of the block (bit k for byte k) for each kind of byte it needs.
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace files::detail {

inline constexpr unsigned kLineBlock = 16;

struct LineMasks {
    std::uint32_t lf = 0, cr = 0, eq = 0, high = 0; // "\n", "\r", "=", bytes above 0x7F
};

// Byte by byte; the same masks as the SSE2 path, and the path where there is none.
inline LineMasks lineMasksScalar(const char* block) {
    LineMasks m;
    for (unsigned k = 0; k < kLineBlock; ++k) {
        const auto c = static_cast<unsigned char>(block[k]);
        const std::uint32_t bit = std::uint32_t{1} << k;
        if (c == '\n') m.lf |= bit;
        if (c == '\r') m.cr |= bit;
        if (c == '=') m.eq |= bit;
        if (c & 0x80) m.high |= bit;
    }
    return m;
}

#if defined(__SSE2__)
inline LineMasks lineMasksSse2(const char* block) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
    const auto mask = [](__m128i v) { return static_cast<std::uint32_t>(_mm_movemask_epi8(v)); };
    return {mask(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))), mask(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r'))),
            mask(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('='))), mask(bytes)};
}
#endif

// The masks of the kLineBlock bytes at `block`.
inline LineMasks lineMasks(const char* block) {
#if defined(__SSE2__)
    return lineMasksSse2(block);
#else
    return lineMasksScalar(block);
#endif
}

} // namespace files::detail
