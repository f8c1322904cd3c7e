#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/text/RuntimeError.h"

// The shared collections are arrays indexed from 0 with an upper bound that
// is -1 when empty. VbArray keeps the bound in step with the contents, so no
// caller maintains it by hand; item() is the checked access that raises the
// subscript error instead of reading past the end.
template <class T>
class VbArray : public std::vector<T> {
public:
    using std::vector<T>::vector;
    int32_t ubound() const { return static_cast<int32_t>(this->size()) - 1; }
    T& item(long long i) {
        text::checkIndex(i, 0, ubound());
        return (*this)[static_cast<std::size_t>(i)];
    }
    const T& item(long long i) const {
        text::checkIndex(i, 0, ubound());
        return (*this)[static_cast<std::size_t>(i)];
    }
    T& append(T value = T()) {
        this->push_back(std::move(value));
        return this->back();
    }
};

// A fixed-size field array (18 holes, 10 courses, 5 stroke counts). (i) is
// the checked access; [i] stays available where the index is known good.
template <class T, std::size_t N>
struct FixedArray : std::array<T, N> {
    T& operator()(long long i) {
        text::checkIndex(i, 0, static_cast<long long>(N) - 1);
        return (*this)[static_cast<std::size_t>(i)];
    }
    const T& operator()(long long i) const {
        text::checkIndex(i, 0, static_cast<long long>(N) - 1);
        return (*this)[static_cast<std::size_t>(i)];
    }
};
