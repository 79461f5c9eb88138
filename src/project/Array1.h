#pragma once
// One-based arrays, so that formulas read exactly as the engineering notes write
// them (StepTip[i] for step i = 1..NumSteps). An index outside 1..size() aborts
// in checked builds (debug and sanitizer), where silent reads past the end of a
// step table would otherwise corrupt results without a trace.

#include <charconv>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <vector>

#if !defined(NDEBUG) || defined(QUARVEX_CHECKED_ARRAYS)
#define QUARVEX_ARRAY_CHECKS 1
#else
#define QUARVEX_ARRAY_CHECKS 0
#endif

namespace quarvex {

template <typename T> class Array1 {
public:
    Array1() = default;
    explicit Array1(int count) { Redim(count); }

    // Reallocates with elements 1..count, all zero; old contents are discarded.
    void Redim(int count) { data_.assign(count > 0 ? static_cast<std::size_t>(count) : 0U, T{}); }
    void Clear() { data_.clear(); }
    // Makes room for elements 1..count, keeping the values held; added elements
    // are zero. Never shrinks.
    void Grow(int count)
    {
        if (count > size())
            data_.resize(static_cast<std::size_t>(count), T{});
    }

    int size() const { return static_cast<int>(data_.size()); }
    bool empty() const { return data_.empty(); }
    // The highest valid index (0 when unallocated).
    int Upper() const { return size(); }

    T& operator[](int i)
    {
        check(i);
        return data_[static_cast<std::size_t>(i - 1)];
    }
    const T& operator[](int i) const
    {
        check(i);
        return data_[static_cast<std::size_t>(i - 1)];
    }

    T* data() { return data_.data(); }
    const T* data() const { return data_.data(); }
    auto begin() { return data_.begin(); }
    auto end() { return data_.end(); }
    auto begin() const { return data_.begin(); }
    auto end() const { return data_.end(); }

    bool operator==(const Array1& other) const = default;

private:
    void check([[maybe_unused]] int i) const
    {
#if QUARVEX_ARRAY_CHECKS
        if (i < 1 || i > size()) {
            char text[96] = "quarvex: array index ";
            char* at = text + 21;
            char* const end = text + sizeof text - 1;
            at = std::to_chars(at, end, i).ptr;
            for (const char* s = " outside 1.."; *s != 0 && at < end; ++s)
                *at++ = *s;
            at = std::to_chars(at, end, size()).ptr;
            *at = 0;
            std::fputs(text, stderr);
            std::fputs("\n", stderr);
            std::abort();
        }
#endif
    }

    std::vector<T> data_;
};

// A fixed array of N elements (1..N) that is never resized.
template <typename T, int N> class FixedArray1 : public Array1<T> {
public:
    FixedArray1() : Array1<T>(N) {}
    static constexpr int Capacity = N;

private:
    using Array1<T>::Redim;
    using Array1<T>::Clear;
    using Array1<T>::Grow;
};

} // namespace quarvex
