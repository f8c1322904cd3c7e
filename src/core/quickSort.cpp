#include "core/helpers.h"

#include "platform/forms/Services.h"
#include "platform/text/RuntimeError.h"

#include <utility>

namespace {

// The key an index entry points to; an index outside either array raises.
const std::string& keyAt(const std::vector<int32_t>& idx, const std::vector<std::string>& keys, int32_t i) {
    text::checkIndex(i, 0, static_cast<long long>(idx.size()) - 1);
    int32_t k = idx[static_cast<std::size_t>(i)];
    text::checkIndex(k, 0, static_cast<long long>(keys.size()) - 1);
    return keys[static_cast<std::size_t>(k)];
}

void psSwapIndex(std::vector<int32_t>& idx, int32_t a, int32_t b) {
    text::checkIndex(a, 0, static_cast<long long>(idx.size()) - 1);
    text::checkIndex(b, 0, static_cast<long long>(idx.size()) - 1);
    std::swap(idx[static_cast<std::size_t>(a)], idx[static_cast<std::size_t>(b)]);
}

// One partition step and the two recursive calls. Keys are compared byte by
// byte: for the texts the program stores that is the UTF-16 code unit order.
void sortRange(int32_t first, int32_t last, std::vector<int32_t>& idx, const std::vector<std::string>& keys) {
    int32_t i = first;
    int32_t j = last;
    long long sum = static_cast<long long>(first) + last;
    auto m = static_cast<int32_t>(sum >= 0 ? sum / 2 : (sum - 1) / 2); // rounded down
    const std::string pivot = keyAt(idx, keys, m);
    while (j >= i) {
        while (keyAt(idx, keys, i) < pivot && i < last) ++i;
        while (keyAt(idx, keys, j) > pivot && j > first) --j;
        if (i <= j) {
            psSwapIndex(idx, i, j);
            ++i;
            --j;
        }
    }
    if (first < j) csQuickSort_Asc(first, j, idx, keys);
    if (i < last) csQuickSort_Asc(i, last, idx, keys);
}

} // namespace

void csQuickSort_Asc(int32_t first, int32_t last, std::vector<int32_t>& idx, const std::vector<std::string>& keys) {
    if (first >= last) return;
    try {
        sortRange(first, last, idx, keys);
    } catch (const text::RuntimeError& e) {
        // This call stops; the caller's ranges go on being sorted.
        forms::MsgBox("csQuickSort_Asc(): " + e.Description, forms::vbOKOnly | forms::vbCritical, "エラー");
    }
}
