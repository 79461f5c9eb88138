#include "design/ListingText.h"

#include "project/NumberText.h"

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

// Writes the %.7G text of a positive finite value in [1e-10, 1e15) to `w` and
// returns its end; nullptr outside that range.
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
    std::uint64_t digits = ScaledRounded(m, q, 6 - e);
    while (digits >= 10000000ULL) {
        ++e;
        digits = ScaledRounded(m, q, 6 - e);
    }
    while (digits < 1000000ULL) {
        --e;
        digits = ScaledRounded(m, q, 6 - e);
    }
    char d[8];
    for (int k = 6; k >= 0; --k) {
        d[k] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    int used = 7;
    while (used > 1 && d[used - 1] == '0')
        --used;

    if (e >= -4 && e < 7) {
        if (e >= 0) {
            const int whole = e + 1;
            for (int k = 0; k < whole; ++k)
                *w++ = k < used ? d[k] : '0';
            if (used > whole) {
                *w++ = '.';
                for (int k = whole; k < used; ++k)
                    *w++ = d[k];
            }
        } else {
            *w++ = '0';
            *w++ = '.';
            for (int k = 0; k < -e - 1; ++k)
                *w++ = '0';
            for (int k = 0; k < used; ++k)
                *w++ = d[k];
        }
    } else {
        *w++ = d[0];
        if (used > 1) {
            *w++ = '.';
            for (int k = 1; k < used; ++k)
                *w++ = d[k];
        }
        *w++ = 'E';
        *w++ = e < 0 ? '-' : '+';
        const int a = e < 0 ? -e : e;
        *w++ = static_cast<char>('0' + a / 10);
        *w++ = static_cast<char>('0' + a % 10);
    }
    return w;
}

} // namespace

void AppendListingForm(std::string& out, float v)
{
    const float a = std::fabs(v);
    char buf[32];
    buf[0] = std::signbit(v) && v != 0 ? '-' : ' ';
    char* end;
    if (a == 0) {
        buf[1] = '0';
        end = buf + 2;
    } else {
        end = SevenDigitsFast(a, buf + 1);
        if (end == nullptr) {
            out += ListingForm(v);
            return;
        }
    }
    *end++ = ' ';
    // Values below 1 go without the 0 before the point.
    if (end - buf > 3 && buf[1] == '0' && buf[2] == '.') {
        buf[1] = buf[0];
        out.append(buf + 1, static_cast<std::size_t>(end - buf - 1));
    } else {
        out.append(buf, static_cast<std::size_t>(end - buf));
    }
}

} // namespace quarvex
