#include "design/ListingText.h"

#include "project/NumberText.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace quarvex {

namespace {

__extension__ typedef unsigned __int128 U128;

constexpr std::uint64_t kPow10[] = {1ULL,
                                    10ULL,
                                    100ULL,
                                    1000ULL,
                                    10000ULL,
                                    100000ULL,
                                    1000000ULL,
                                    10000000ULL,
                                    100000000ULL,
                                    1000000000ULL,
                                    10000000000ULL,
                                    100000000000ULL,
                                    1000000000000ULL,
                                    10000000000000ULL,
                                    100000000000000ULL,
                                    1000000000000000ULL,
                                    10000000000000000ULL,
                                    100000000000000000ULL,
                                    1000000000000000000ULL};

// The value m x 2^q times 10^s, rounded to an integer half to even (as the C
// library rounds an exact tie in the default rounding mode).
std::uint64_t ScaledRounded(std::uint32_t m, int q, int s)
{
    if (s >= 0) {
        if (q >= 0)
            return static_cast<std::uint64_t>((static_cast<U128>(m) * kPow10[s]) << q);
        const int k = -q;
        if (s <= 11 && k < 64) {
            // Division by a power of two: a shift, and the remainder decides.
            const std::uint64_t num = static_cast<std::uint64_t>(m) * kPow10[s];
            std::uint64_t d = num >> k;
            const std::uint64_t r = num & ((std::uint64_t{1} << k) - 1);
            const std::uint64_t half = k > 0 ? std::uint64_t{1} << (k - 1) : 0;
            if (k > 0 && (r > half || (r == half && (d & 1) != 0)))
                ++d;
            return d;
        }
        const U128 num = static_cast<U128>(m) * kPow10[s];
        U128 d = num >> k;
        const U128 r = num & ((static_cast<U128>(1) << k) - 1);
        const U128 half = static_cast<U128>(1) << (k - 1);
        if (r > half || (r == half && (d & 1) != 0))
            ++d;
        return static_cast<std::uint64_t>(d);
    }
    U128 num = m;
    U128 den = kPow10[-s];
    if (q >= 0)
        num <<= q;
    else
        den <<= -q;
    U128 d = num / den;
    const U128 r = num % den;
    if (2 * r > den || (2 * r == den && (d & 1) != 0))
        ++d;
    return static_cast<std::uint64_t>(d);
}

// The eight decimal digits of v < 100 000 000 as characters in one word, the
// first digit in the lowest byte (the order they are stored in): all eight are
// divided out at once in 16-bit and 8-bit lanes, so the text never goes
// through memory a character at a time.
std::uint64_t EightDigitWord(std::uint32_t v)
{
    const std::uint64_t merged = (v / 10000) | (static_cast<std::uint64_t>(v % 10000) << 32);
    // Lanes of 32 bits: divided by 100 (10486 / 2^20 is 1 / 100 for these values).
    const std::uint64_t top = ((merged * 10486ULL) >> 20) & ((0x7FULL << 32) | 0x7FULL);
    const std::uint64_t bottom = merged - 100ULL * top;
    // Lanes of 16 bits, each below 100: divided by 10 (103 / 2^10).
    const std::uint64_t hundreds = (bottom << 16) + top;
    std::uint64_t tens = (hundreds * 103ULL) >> 10;
    tens &= (0xFULL << 48) | (0xFULL << 32) | (0xFULL << 16) | 0xFULL;
    tens += (hundreds - 10ULL * tens) << 8;
    return tens + 0x3030303030303030ULL;
}

// Writes the %.7G text of a positive finite value in [1e-10, 1e15) to `w`, with
// no 0 before the point of a value below 1, and returns its end; nullptr
// outside that range.
char* SevenDigitsFast(float v, char* w)
{
    if (!(v >= 1e-10F && v < 1e15F))
        return nullptr;
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    const int biased = static_cast<int>((bits >> 23) & 0xFF);
    const std::uint32_t m = (bits & 0x7FFFFF) | 0x800000; // normal: v = m x 2^q
    const int q = biased - 150;

    // v lies in [2^(q+23), 2^(q+24)): its decimal exponent is this estimate or one more.
    int e = ((q + 23) * 315653) >> 20; // floor((q + 23) x log10(2))
    std::uint64_t digits;
    const int s = 6 - e;
    if (q < 0 && s >= 1 && s <= 11) {
        // The usual values (about 1e-5 to 1e6): both candidates are worked out
        // and one is chosen, with no branch a processor could guess wrong.
        const int k = -q;
        const std::uint64_t half = std::uint64_t{1} << (k - 1);
        const std::uint64_t mask = (std::uint64_t{1} << k) - 1;
        auto rounded = [&](std::uint64_t num) {
            const std::uint64_t d = num >> k;
            const std::uint64_t r = num & mask;
            return d + static_cast<std::uint64_t>((r > half) | ((r == half) & ((d & 1) != 0)));
        };
        const std::uint64_t atEstimate = rounded(static_cast<std::uint64_t>(m) * kPow10[s]);
        const std::uint64_t oneMore = rounded(static_cast<std::uint64_t>(m) * kPow10[s - 1]);
        const bool up = atEstimate >= 10000000ULL;
        digits = up ? oneMore : atEstimate;
        e += static_cast<int>(up);
    } else {
        digits = ScaledRounded(m, q, s);
        while (digits >= 10000000ULL) {
            ++e;
            digits = ScaledRounded(m, q, 6 - e);
        }
    }
    while (digits < 1000000ULL) {
        --e;
        digits = ScaledRounded(m, q, 6 - e);
    }
    // The 7 digits and a '0' after them, stored in blocks of 8 (one move each)
    // and cut at their length afterwards; the caller's room allows for the excess.
    static_assert(std::endian::native == std::endian::little, "the first digit must be the lowest byte");
    const std::uint64_t word = EightDigitWord(static_cast<std::uint32_t>(digits) * 10);
    auto put = [](char* at, std::uint64_t bytes) { std::memcpy(at, &bytes, sizeof bytes); };
    // The digits without trailing zeros: up to the highest byte that is not '0'
    // (the first digit never is).
    const int used = (63 - std::countl_zero(word ^ 0x3030303030303030ULL)) / 8 + 1;

    if (e >= 0 && e < 7) {
        const int whole = e + 1;
        put(w, word);
        if (used <= whole)
            return w + whole; // the digits past `used` are the zeros it needs
        w[whole] = '.';
        put(w + whole + 1, word >> (8 * whole));
        return w + used + 1;
    }
    if (e < 0 && e >= -4) {
        // ".5", ".0012345": the 0 before the point is left out here already.
        constexpr char kPointZeros[4] = {'.', '0', '0', '0'};
        std::memcpy(w, kPointZeros, 4);
        w += -e;
        put(w, word);
        return w + used;
    }
    w[0] = static_cast<char>(word & 0xFF);
    if (used > 1) {
        w[1] = '.';
        put(w + 2, word >> 8);
        w += used + 1;
    } else {
        w += 1;
    }
    *w++ = 'E';
    *w++ = e < 0 ? '-' : '+';
    const int a = e < 0 ? -e : e;
    *w++ = static_cast<char>('0' + a / 10);
    *w++ = static_cast<char>('0' + a % 10);
    return w;
}

} // namespace

char* WriteListingForm(char* w, float v)
{
    const float a = std::fabs(v);
    *w++ = std::signbit(v) && v != 0 ? '-' : ' ';
    char* end;
    if (a == 0) {
        *w = '0';
        end = w + 1;
    } else {
        end = SevenDigitsFast(a, w);
        if (end == nullptr) {
            const std::string text = ListingForm(v);
            std::copy_n(text.data(), text.size(), w - 1);
            return w - 1 + text.size();
        }
    }
    *end++ = ' ';
    return end;
}

void AppendListingForm(std::string& out, float v)
{
    char buf[kListingFormMax];
    out.append(buf, static_cast<std::size_t>(WriteListingForm(buf, v) - buf));
}

} // namespace quarvex
