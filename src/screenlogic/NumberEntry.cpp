#include "screenlogic/NumberEntry.h"

namespace quarvex {

namespace {

bool Blank(char c)
{
    return c == ' ' || c == '\t';
}

bool Digit(char c)
{
    return c >= '0' && c <= '9';
}

bool Sign(char c)
{
    return c == '+' || c == '-';
}

} // namespace

bool CanBecomeNumeric(std::string_view s)
{
    // The grammar of IsNumeric, walked until the text runs out: running out
    // anywhere before the trailing blanks leaves a text more typing can finish.
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n && Blank(s[i]))
        ++i;
    if (i < n && Sign(s[i]))
        ++i;
    std::size_t digits = 0;
    while (i < n && Digit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && Digit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (i == n)
        return true;
    // Anything but the end needs a mantissa before it.
    if (digits == 0)
        return false;
    if (s[i] == 'e' || s[i] == 'E') {
        ++i;
        if (i < n && Sign(s[i]))
            ++i;
        std::size_t expDigits = 0;
        while (i < n && Digit(s[i])) {
            ++i;
            ++expDigits;
        }
        if (i == n)
            return true;
        if (expDigits == 0)
            return false;
    }
    while (i < n && Blank(s[i]))
        ++i;
    return i == n;
}

std::string KeepTypedNumber(std::string_view text)
{
    return CanBecomeNumeric(text) ? std::string(text) : std::string();
}

} // namespace quarvex
