#pragma once
// Number <-> text, in the forms every screen, the reader and the output file use.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarvex {

// Listing form of the output file: a sign place (blank or "-"), the value with at
// most 7 significant digits and no 0 before the point ("  .5"), then one blank.
// 12.5 -> " 12.5 ", 0.164 -> " .164 ", -0.5 -> "-.5 ", 12345678 -> " 1.234568E+07 ".
std::string ListingForm(float v);

// General form: at most 7 significant digits, a 0 before the point, no blanks,
// an exponent only when 7 digits do not suffice (12.5, 0.5, -99999, 1.234568E+07).
std::string GeneralForm(float v);

// Fixed form with the given number of decimals, as %.Nf in the C locale
// (12.345, 2 -> "12.35"); "inf"/"nan" for values that are not finite.
std::string FixedForm(double v, int decimals);

// A whole number in decimal digits, whatever the locale.
std::string IntegerText(long long v);

// Shortest text that reads back to the same Single (for boxes the user may edit).
std::string ShortestForm(float v);

// The numeric test of text boxes and the reader: optional blanks around an
// optional sign, digits with at most one decimal point (at least one digit), and
// an optional exponent (E or e, optional sign, digits). Empty text is not numeric.
bool IsNumeric(std::string_view text);

// Text to Single; nothing when the text is not numeric or the value does not fit.
std::optional<float> ToSingle(std::string_view text);

// The quick reading of ToSingle and ToDouble, for a scanner that finds where a
// number ends as it reads it: a sign, at most 15 digits with an optional point
// and an optional exponent from c on. Returns the end of what was read with its
// value in `out` (the very double ToDouble gives for that text), or nullptr when
// the text there is not such a number (the general reading may still take it).
const char* ScanShortDecimal(const char* c, const char* end, double& out);

// Text to double; nothing when the text is not numeric or not finite.
std::optional<double> ToDouble(std::string_view text);

// Number to 16-bit Integer rounding half to even; nothing when out of range.
std::optional<std::int16_t> ToInteger(double v);

// Removes leading and trailing space characters (only the blank, not tabs).
std::string_view TrimSpaces(std::string_view s);

} // namespace quarvex
