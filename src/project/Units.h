#pragma once
// Bringing SI and millivolt readings into feet and tsf, and the checks of the
// millivolt factor boxes.

#include "project/Message.h"
#include "project/Project.h"

#include <optional>
#include <string>

namespace quarvex {

// Readings in metres and MPa to feet and tsf (/ 0.3048, x 10.44), then the step
// table likewise, then UnitSystem = 1. Readings already converted since they were
// read are left as they are (only UnitSystem is set), so a second conversion can
// never scale them again.
void ConvertReadingsSI(Project& p);
// The step table from metres and MPa to feet and tsf; nothing when it is empty.
void ConvertStepsSI(Project& p);
// Readings in metres and millivolts to feet and tsf with the two factors (MPa per
// mV); then UnitSystem = 1. Already converted readings are left as they are.
void ConvertMillivolts(Project& p, Single tipFactor, Single sleeveFactor);

inline constexpr const char* kDefaultTipFactorText = "50";
inline constexpr const char* kDefaultSleeveFactorText = "0.5";

// What a factor box keeps after its text changed: the text, or empty when it is
// not numeric.
std::string FilterFactorText(const std::string& text);

struct FactorCheck {
    bool ok = false;
    Single tipFactor = 0;
    Single sleeveFactor = 0;
    int focusBox = -1; // the box (0 tip, 1 sleeve) to focus when refused
    Message message;
};

// The checks of "Continue": an empty box is refused with " Missing Data entry ..
// Please enter "; a factor too large for a Single is refused with a message of ours.
FactorCheck CheckConeFactors(const std::string& tipText, const std::string& sleeveText);

} // namespace quarvex
