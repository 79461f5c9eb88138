#pragma once
// The step table (readings averaged over 0.328 ft steps) and the probabilistic
// classification of every step into sand, silt and clay.

#include "project/Message.h"
#include "project/Project.h"
#include "project/Trace.h"

#include <optional>

namespace quarvex {

// A sounding must reach at least two steps deep (and fit the step count in an
// Integer) before it can be set up; the refusal to show otherwise.
std::optional<Message> CheckSoundingForSteps(const Project& p);

// StepSize, NumSteps, and the eight step arrays reallocated (zero).
void SetupSteps(Project& p);
// StepDepth, StepTip, StepSleeve from the readings.
void AverageSteps(Project& p, TraceRecorder* rec = nullptr);
// StepRatio, PctSand, PctSilt, PctClay (tips <= 0 and sleeves < 0 guarded).
void ClassifySoil(Project& p, TraceRecorder* rec = nullptr);
// StepElev: GroundElevation - StepDepth, or StepDepth without an elevation.
void FillStepElev(Project& p);

// The whole build: the check, then the four steps in order. With a recorder, the
// reading windows, counts and classification of the steps it asks for are
// recorded under "Steps". Returns the refusal
// (and changes nothing) when the sounding is too short or too deep.
std::optional<Message> BuildStepTable(Project& p, TraceRecorder* rec = nullptr);

// The classification of one averaged step (tip and sleeve in tsf), for tests and
// tools: percentages of sand, silt and clay and the index mu.
struct SoilProbabilities {
    Single sand = 0, silt = 0, clay = 0;
    double mu = 0;
    Single ratio = 0;
};
SoilProbabilities ClassifyOne(Single tipTsf, Single sleeveTsf);

} // namespace quarvex
