#include "project/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace quarvex {

namespace {

// Exact powers of ten as doubles (10^22 is the largest a double holds exactly).
constexpr double kExactPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                  1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

} // namespace

// The numbers of a data file are short decimals: at most 15 digits and a small
// exponent. Their digits then make an exact double, and one multiplication or
// division by an exact power of ten rounds once, to the same double a correctly
// rounding reader gives.
const char* ScanShortDecimal(const char* c, const char* end, double& out)
{
    if (c == end)
        return nullptr;
    const bool negative = *c == '-';
    if (*c == '+' || *c == '-')
        ++c;
    auto digit = [](char ch) { return static_cast<unsigned>(ch - '0') < 10; };
    std::uint64_t mantissa = 0;
    const char* const whole = c;
    while (c != end && digit(*c)) {
        mantissa = mantissa * 10 + static_cast<unsigned>(*c - '0');
        ++c;
    }
    std::ptrdiff_t digits = c - whole;
    std::ptrdiff_t scale = 0; // the decimal exponent of the last digit
    if (c != end && *c == '.') {
        const char* const fraction = ++c;
        while (c != end && digit(*c)) {
            mantissa = mantissa * 10 + static_cast<unsigned>(*c - '0');
            ++c;
        }
        scale = fraction - c;
        digits += c - fraction;
    }
    // More digits could overflow the mantissa or make it inexact as a double.
    if (digits == 0 || digits > 15)
        return nullptr;
    if (c != end && (*c == 'e' || *c == 'E')) {
        ++c;
        const bool expNegative = c != end && *c == '-';
        if (c != end && (*c == '+' || *c == '-'))
            ++c;
        if (c == end || !digit(*c))
            return nullptr;
        int exponent = 0;
        for (; c != end && digit(*c); ++c) {
            if (exponent > 1000)
                return nullptr;
            exponent = exponent * 10 + (*c - '0');
        }
        scale += expNegative ? -exponent : exponent;
    }
    double d = static_cast<double>(mantissa);
    if (mantissa != 0) {
        if (scale < -22 || scale > 22)
            return nullptr;
        d = scale < 0 ? d / kExactPow10[-scale] : d * kExactPow10[scale];
    }
    out = negative ? -d : d;
    return c;
}

namespace {

// %.7G: 7 significant digits, trailing zeros dropped, exponent when the decimal
// exponent is below -4 or 7 and above; the exponent has at least two digits.
// to_chars gives exactly that in every locale (the C library's printf would put
// a decimal comma here on a German or Dutch desktop).
std::string SevenDigits(double magnitude)
{
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::general, 7);
    for (char* c = buf; c != res.ptr; ++c)
        if (*c == 'e')
            *c = 'E';
    return std::string(buf, res.ptr);
}

// The decimal exponent of the first significant digit of an unsigned numeric
// text (digits, optional point, optional exponent), for telling an underflow
// from an overflow when the value does not fit a double.
long DecimalMagnitude(std::string_view s)
{
    long intDigits = 0;
    long leadingFractionZeros = 0;
    bool seenNonZero = false;
    std::size_t i = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        if (s[i] != '0')
            seenNonZero = true;
        if (seenNonZero)
            ++intDigits;
    }
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
            if (s[i] != '0')
                seenNonZero = true;
            if (!seenNonZero)
                ++leadingFractionZeros;
        }
    long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            negative = s[i++] == '-';
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
            exponent = std::min(exponent * 10 + (s[i] - '0'), 1000000L);
        if (negative)
            exponent = -exponent;
    }
    return (intDigits > 0 ? intDigits - 1 : -(leadingFractionZeros + 1)) + exponent;
}

inline bool ShortDecimal(std::string_view s, double& out)
{
    const char* const end = s.data() + s.size();
    return ScanShortDecimal(s.data(), end, out) == end;
}

} // namespace

std::string ListingForm(float v)
{
    const double d = static_cast<double>(v);
    std::string body = SevenDigits(std::fabs(d));
    if (body.size() > 1 && body[0] == '0' && body[1] == '.')
        body.erase(0, 1);
    std::string out;
    out.reserve(body.size() + 2);
    out += (d < 0) ? '-' : ' ';
    out += body;
    out += ' ';
    return out;
}

std::string GeneralForm(float v)
{
    const double d = static_cast<double>(v);
    std::string body = SevenDigits(std::fabs(d));
    return (d < 0) ? "-" + body : body;
}

std::string FixedForm(double v, int decimals)
{
    // Wide enough for the largest double in fixed form.
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    if (res.ec != std::errc())
        return "?";
    return std::string(buf, res.ptr);
}

std::string IntegerText(long long v)
{
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

std::string ShortestForm(float v)
{
    if (v == 0.0F)
        return "0";
    char buf[48];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

bool IsNumeric(std::string_view s)
{
    std::size_t i = 0;
    const std::size_t n = s.size();
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (i < n && blank(s[i]))
        ++i;
    if (i < n && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < n && s[i] >= '0' && s[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < n && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    while (i < n && blank(s[i]))
        ++i;
    return i == n;
}

std::optional<double> ToDouble(std::string_view text)
{
    double quick;
    if (ShortDecimal(text, quick))
        return quick;
    if (!IsNumeric(text))
        return std::nullopt;
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    bool negative = false;
    if (text[b] == '+' || text[b] == '-') {
        negative = text[b] == '-';
        ++b;
    }
    double d = 0;
    const auto res = std::from_chars(text.data() + b, text.data() + e, d);
    if (res.ec == std::errc::result_out_of_range) {
        // Rare: an underflow reads as zero, like any tiny number; an overflow
        // does not fit.
        if (DecimalMagnitude(text.substr(b, e - b)) >= 0)
            return std::nullopt;
        d = 0;
    } else if (res.ec != std::errc() || res.ptr != text.data() + e) {
        return std::nullopt;
    }
    if (!std::isfinite(d))
        return std::nullopt;
    return negative ? -d : d;
}

std::optional<float> ToSingle(std::string_view text)
{
    double quick;
    if (ShortDecimal(text, quick)) {
        const float f = static_cast<float>(quick);
        if (!std::isfinite(f))
            return std::nullopt;
        return f;
    }
    auto d = ToDouble(text);
    if (!d)
        return std::nullopt;
    const float f = static_cast<float>(*d);
    if (!std::isfinite(f))
        return std::nullopt;
    return f;
}

std::optional<std::int16_t> ToInteger(double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    const double r = std::nearbyint(v); // the default rounding mode: half to even
    if (r < std::numeric_limits<std::int16_t>::min() || r > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::string_view TrimSpaces(std::string_view s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && s[b] == ' ')
        ++b;
    while (e > b && s[e - 1] == ' ')
        --e;
    return s.substr(b, e - b);
}

} // namespace quarvex
