#pragma once
// The listing number form, appended in place. The output file writes tens of
// thousands of numbers per run; this gives the same text as ListingForm
// (project/NumberText.h) without the cost of the C library's formatting.

#include <string>

namespace quarvex {

// The longest listing form of a Single (" 1.234568E+07 " and its like), with
// room for the digits written past its end.
inline constexpr int kListingFormMax = 32;

// Writes ListingForm(v) at `w`, which must have kListingFormMax characters of
// room, and returns its end.
char* WriteListingForm(char* w, float v);

// The numbers of a listing line stand in zones of this many columns.
inline constexpr int kListingZone = 14;

// Writes the listing forms of values[0..count) at `w`, each starting at the
// next zone boundary counted from `line` (the line's start, at or before `w`)
// with blanks up to it, and returns the end. Needs kListingZone +
// kListingFormMax characters of room per value.
char* WriteZonedNumbers(const char* line, char* w, const float* values, int count);

// Appends ListingForm(v) to `out`.
void AppendListingForm(std::string& out, float v);

} // namespace quarvex
