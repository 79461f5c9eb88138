#pragma once
// A sounding read by any format reader becomes the project's readings and
// pre-filled project information, as the plain reader and the project
// information screen would leave them.

#include "input/Sounding.h"
#include "project/Project.h"

#include <string>

namespace quarvex {

// Replaces the readings with the sounding's (in its units, unconverted), sets
// UnitSystem, NumReadings, FileHeader and ReadError = False, and fills the
// project information from what the file carries; fields it does not carry are
// cleared. The ground level in m becomes GroundElevation in ft.
void ApplySounding(Project& p, const Sounding& s);

// The FileHeader of a sounding from a self-describing file: one line naming the
// format and the sounding, ending in CR LF. A plain file keeps its title lines.
std::string SoundingHeader(const Sounding& s);

// A date as the project information screen writes it (mm-dd-yyyy) when the
// file gives yyyy-mm-dd; any other text as it stands.
std::string ProjectDateText(const std::string& fileDate);

} // namespace quarvex
