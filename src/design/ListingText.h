#pragma once
// The listing number form, appended in place. The output file writes tens of
// thousands of numbers per run; this gives the same text as ListingForm
// (project/NumberText.h) without the cost of the C library's formatting.

#include <string>

namespace quarvex {

// Appends ListingForm(v) to `out`.
void AppendListingForm(std::string& out, float v);

} // namespace quarvex
