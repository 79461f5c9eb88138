#pragma once
// Every step's depth, soil percentages and the capacities of every method as CSV,
// for a spreadsheet: the batch command's --csv and the results screen's export.

#include "design/Methods.h"
#include "project/Project.h"

#include <string>

namespace quarvex {

// The heading row, then one row per step: Depth, PctSand, PctSilt, PctClay and
// per method (table order) key + "EndBearing", "Friction", "Ultimate". With
// `corrected`, the capacities are the corrected copies and their headings start
// with "Corr" so that the file says which values it holds. CR LF line ends;
// numbers in the general form.
std::string CsvText(const Project& p, const MethodTable& methods, bool corrected = false);

// True when the corrected copies are in force for the results held (a correction
// was applied to these results).
bool CorrectionsInForce(const Project& p, const MethodTable& methods);

// Writes the text to a part file beside `path` and renames it into place, so that
// a failed write leaves an earlier file whole. False when it could not be written.
bool WriteFileReplacing(const std::string& path, const std::string& text);

} // namespace quarvex
