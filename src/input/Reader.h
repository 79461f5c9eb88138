#pragma once
// Reading a CPT data file into the readings of the project.

#include "project/Message.h"
#include "project/Project.h"

#include <optional>

namespace quarvex {

// Decides the column separator and the column count from the first data line of
// DataFileName. Sets Separator; returns the number of columns, or nothing when
// the file cannot be opened or ends before its first data line.
std::optional<Integer> CountColumns(Project& p);

// Reads the whole file into the readings. On success it sets NumReadings,
// FileHeader, ReadError = False and returns the success report; on failure the
// readings and NumReadings of the previous read stay whole, ReadError = True and
// the returned message names the true line number in the file.
Message ReadConeData(Project& p);

// CountColumns (its result into NumColumns) then ReadConeData; the message to show.
Message LoadConeFile(Project& p);

} // namespace quarvex
