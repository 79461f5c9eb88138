#include "design/ListingText.h"

#include "project/NumberText.h"

#include <algorithm>
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

// Two decimal digits per entry, "00" to "99".
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the 7 digits of 1 000 000 <= v < 10 000 000 to d[0..6].
void SevenDigitChars(std::uint32_t v, char* d)
{
    const std::uint32_t high = v / 100000; // 10..99
    const std::uint32_t low = v % 100000;
    const std::uint32_t mid = low / 1000;
    const std::uint32_t last = low % 1000;
    std::memcpy(d, kDigitPairs + 2 * high, 2);
    std::memcpy(d + 2, kDigitPairs + 2 * mid, 2);
    std::memcpy(d + 4, kDigitPairs + 2 * (last / 10), 2);
    d[6] = static_cast<char>('0' + last % 10);
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
    std::uint64_t digits = ScaledRounded(m, q, 6 - e);
    while (digits >= 10000000ULL) {
        ++e;
        digits = ScaledRounded(m, q, 6 - e);
    }
    while (digits < 1000000ULL) {
        --e;
        digits = ScaledRounded(m, q, 6 - e);
    }
    // The digits are copied in fixed blocks of 8 (one move each) and the text
    // cut at its length afterwards; the caller's room allows for the excess.
    char d[16];
    SevenDigitChars(static_cast<std::uint32_t>(digits), d);
    d[7] = '0';
    int used = 7;
    while (used > 1 && d[used - 1] == '0')
        --used;

    if (e >= 0 && e < 7) {
        const int whole = e + 1;
        std::memcpy(w, d, 8);
        if (used <= whole)
            return w + whole; // the digits past `used` are the zeros it needs
        w[whole] = '.';
        std::memcpy(w + whole + 1, d + whole, 8);
        return w + used + 1;
    }
    if (e < 0 && e >= -4) {
        // ".5", ".0012345": the 0 before the point is left out here already.
        constexpr char kPointZeros[4] = {'.', '0', '0', '0'};
        std::memcpy(w, kPointZeros, 4);
        w += -e;
        std::memcpy(w, d, 8);
        return w + used;
    }
    w[0] = d[0];
    if (used > 1) {
        w[1] = '.';
        std::memcpy(w + 2, d + 1, 8);
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
