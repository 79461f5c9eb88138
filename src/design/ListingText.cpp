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

// Powers of ten a double holds exactly, up to the twelfth.
constexpr double kExactPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12};

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

// A value's listing form worked out, before it is written: its seven digits
// as characters, how many of them are wanted, its decimal exponent and sign.
// Working out and writing are apart so that the values of a line are worked
// out side by side (none waits on where the one before ends).
struct Listed {
    std::uint64_t word = 0; // the 7 digits and a '0', the first digit in the lowest byte
    int used = 0;           // digits up to the last that is not 0
    int e = 0;              // decimal exponent of the first digit
    bool negative = false;
    bool zero = false;  // written " 0 " (-0 too)
    bool other = false; // outside [1e-10, 1e15), or not finite: written by ListingForm
};

inline __attribute__((always_inline)) Listed Work(float value)
{
    Listed r;
    const float v = std::fabs(value);
    r.negative = std::signbit(value);
    if (!(v >= 1e-10F && v < 1e15F)) [[unlikely]] {
        r.zero = v == 0;
        r.other = !r.zero;
        return r;
    }
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    const int biased = static_cast<int>((bits >> 23) & 0xFF);
    const std::uint32_t m = (bits & 0x7FFFFF) | 0x800000; // normal: v = m x 2^q
    const int q = biased - 150;

    // v lies in [2^(q+23), 2^(q+24)): its decimal exponent is this estimate or one more.
    int e = ((q + 23) * 315653) >> 20; // floor((q + 23) x log10(2))
    std::uint64_t digits;
    const int s = 6 - e;
    if (e >= -6 && e <= 5) [[likely]] {
        // The usual values (1e-6 to 2e6): v x 10^s is exact in a double (24
        // bits of v and at most 28 of 5^12), and adding and taking away 2^52
        // rounds it to a whole number half to even. Both candidates are worked
        // out and one is chosen.
        const double x = static_cast<double>(v);
        const auto whole = [](double y) { return static_cast<std::int64_t>((y + 0x1p52) - 0x1p52); };
        const std::int64_t atEstimate = whole(x * kExactPow10[s]);
        const std::int64_t oneMore = whole(x * kExactPow10[s - 1]);
        // Chosen by a mask: the compiler would make a branch of a conditional,
        // and which one it is follows no pattern a processor could learn.
        const std::int64_t up = atEstimate >= 10000000 ? 1 : 0;
        digits = static_cast<std::uint64_t>(atEstimate + ((oneMore - atEstimate) & -up));
        e += static_cast<int>(up);
    } else {
        digits = ScaledRounded(m, q, s);
        while (digits >= 10000000ULL) {
            ++e;
            digits = ScaledRounded(m, q, 6 - e);
        }
        while (digits < 1000000ULL) {
            --e;
            digits = ScaledRounded(m, q, 6 - e);
        }
    }
    static_assert(std::endian::native == std::endian::little, "the first digit must be the lowest byte");
    r.word = EightDigitWord(static_cast<std::uint32_t>(digits) * 10);
    // The digits without trailing zeros: up to the highest byte that is not '0'
    // (the first digit never is).
    r.used = (63 - std::countl_zero(r.word ^ 0x3030303030303030ULL)) / 8 + 1;
    r.e = e;
    return r;
}

char* SlowListingForm(char* w, float v)
{
    const std::string text = ListingForm(v);
    std::copy_n(text.data(), text.size(), w);
    return w + text.size();
}

// Writes the listing form at `w` (the sign place, the digits with no 0 before
// the point of a value below 1, a blank) and returns its end. The digits are
// stored in blocks of 8 (one move each) and cut at their length afterwards;
// the caller's room allows for the excess.
inline __attribute__((always_inline)) char* Write(char* w, const Listed& x, float value)
{
    if (x.zero || x.other) [[unlikely]] {
        if (x.other)
            return SlowListingForm(w, value);
        w[0] = ' ';
        w[1] = '0';
        w[2] = ' ';
        return w + 3;
    }
    auto put = [](char* at, std::uint64_t bytes) { std::memcpy(at, &bytes, sizeof bytes); };
    *w++ = x.negative ? '-' : ' ';
    const std::uint64_t word = x.word;
    const int used = x.used;
    const int e = x.e;
    char* end;
    if (e >= 0 && e < 7) [[likely]] {
        // The point and the decimals are written whether there are decimals or
        // not (past the end when not), and the end is chosen.
        const int whole = e + 1;
        put(w, word);
        w[whole] = '.';
        put(w + whole + 1, word >> (8 * whole));
        // With no decimals the digits past `used` are the zeros it needs.
        end = used <= whole ? w + whole : w + used + 1;
    } else if (e < 0 && e >= -4) {
        // ".5", ".0012345": the 0 before the point is left out.
        constexpr char kPointZeros[4] = {'.', '0', '0', '0'};
        std::memcpy(w, kPointZeros, 4);
        w += -e;
        put(w, word);
        end = w + used;
    } else {
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
        end = w;
    }
    *end++ = ' ';
    return end;
}

inline char* Zoned(const char* line, char* w, const Listed& x, float value)
{
    const auto col = static_cast<unsigned>(w - line);
    const unsigned next = (col + kListingZone - 1) / kListingZone * kListingZone;
    // A fixed block of blanks (one move); the number overwrites what is too many.
    std::memset(w, ' ', kListingZone);
    return Write(const_cast<char*>(line) + next, x, value);
}

template <int N> char* WriteZoned(const char* line, char* w, const float* values)
{
    Listed x[N];
    for (int k = 0; k < N; ++k)
        x[k] = Work(values[k]);
    for (int k = 0; k < N; ++k)
        w = Zoned(line, w, x[k], values[k]);
    return w;
}

} // namespace

char* WriteListingForm(char* w, float v)
{
    return Write(w, Work(v), v);
}

char* WriteZonedNumbers(const char* line, char* w, const float* values, int count)
{
    switch (count) {
    case 1:
        return WriteZoned<1>(line, w, values);
    case 2:
        return WriteZoned<2>(line, w, values);
    case 3:
        return WriteZoned<3>(line, w, values);
    default:
        for (int k = 0; k < count; ++k)
            w = WriteZoned<1>(line, w, values + k);
        return w;
    }
}

void AppendListingForm(std::string& out, float v)
{
    char buf[kListingFormMax];
    out.append(buf, static_cast<std::size_t>(WriteListingForm(buf, v) - buf));
}

} // namespace quarvex
