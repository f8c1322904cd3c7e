#include "core/helpers.h"

#include "platform/forms/Services.h"
#include "platform/text/RuntimeError.h"

#include <utility>

namespace {

// The key an index entry points to; an entry outside the keys raises.
const std::string& keyAt(const std::vector<int32_t>& idx, const std::vector<std::string>& keys, int32_t i) {
    const int32_t k = idx[static_cast<std::size_t>(i)];
    if (k < 0 || static_cast<std::size_t>(k) >= keys.size()) text::raise(text::err::Subscript);
    return keys[static_cast<std::size_t>(k)];
}

void psSwapIndex(std::vector<int32_t>& idx, int32_t a, int32_t b) {
    std::swap(idx[static_cast<std::size_t>(a)], idx[static_cast<std::size_t>(b)]);
}

// One partition step of [first, last]: afterwards [first, j] and [i, last]
// are what is left to sort. Keys are compared byte by byte: for the texts
// the program stores that is the UTF-16 code unit order. Every index the
// step touches lies in [first, last] (the scans stop at the ends, and a swap
// only happens while i <= j), so the range is checked once: a range outside
// the index array raises before anything is exchanged, as the first look
// past its end would. The keys never move, only the indexes, so the pivot
// is the key itself rather than a copy.
void partition(int32_t first, int32_t last, std::vector<int32_t>& idx, const std::vector<std::string>& keys,
               int32_t& i, int32_t& j) {
    const long long top = static_cast<long long>(idx.size()) - 1;
    text::checkIndex(first, 0, top);
    text::checkIndex(last, 0, top);
    i = first;
    j = last;
    long long sum = static_cast<long long>(first) + last;
    auto m = static_cast<int32_t>(sum >= 0 ? sum / 2 : (sum - 1) / 2); // rounded down
    const std::string& pivot = keyAt(idx, keys, m);
    while (j >= i) {
        while (keyAt(idx, keys, i) < pivot && i < last) ++i;
        while (keyAt(idx, keys, j) > pivot && j > first) --j;
        if (i <= j) {
            psSwapIndex(idx, i, j);
            ++i;
            --j;
        }
    }
}

} // namespace

// The two parts a partition leaves, [first, j] and [i, last], never overlap,
// so sorting one never touches the other and the order they are sorted in
// changes nothing: the same comparisons and exchanges happen in each. The
// smaller part is sorted by a call of its own and the larger one by this
// call's next round, so the calls nest at most log2(n) deep, whatever the
// keys (a middle pivot meets its worst case in keys that rise and fall). An
// error ends the round it happens in, as it ends that range's own call.
void csQuickSort_Asc(int32_t first, int32_t last, std::vector<int32_t>& idx, const std::vector<std::string>& keys) {
    while (first < last) {
        int32_t i = 0, j = 0;
        try {
            partition(first, last, idx, keys, i, j);
        } catch (const text::RuntimeError& e) {
            // This range stops; the caller's ranges go on being sorted.
            forms::MsgBox("csQuickSort_Asc(): " + e.Description, forms::vbOKOnly | forms::vbCritical, "エラー");
            return;
        }
        if (static_cast<long long>(j) - first < static_cast<long long>(last) - i) {
            csQuickSort_Asc(first, j, idx, keys);
            first = i;
        } else {
            csQuickSort_Asc(i, last, idx, keys);
            last = j;
        }
    }
}
