#pragma once
// Numbers typed into a box pass through texts that are not numbers yet: a
// lone sign, a point before the first digit, an exponent mark still waiting
// for its digits. Boxes meant for numbers keep such texts while they are
// typed and erase a text only once no further typing can make it a number.

#include <string>
#include <string_view>

namespace quarvex {

// True when the text is numeric (IsNumeric) or the start of a numeric text:
// "", " ", "-", "+", ".", "-.", "1e", "1E-", "12.5e+" are; "e", "--", "1e5.",
// "1 2", "- 5" are not.
bool CanBecomeNumeric(std::string_view text);

// What a numeric box keeps of a text just typed: the text itself while it can
// still become a number, otherwise nothing.
std::string KeepTypedNumber(std::string_view text);

} // namespace quarvex
