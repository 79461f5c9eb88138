#pragma once
// What the "Working" window shows: the recorded working of one step, grouped by
// method and part, with units on every value and the governing values marked,
// as plain text (copied to the clipboard) and as rich text (shown and printed).

#include "project/Project.h"
#include "project/Trace.h"

#include <string>
#include <vector>

namespace quarvex {

inline constexpr const char* kWorkingTitle = "Working";
inline constexpr const char* kWorkingGovernsMark = "<- governs";
inline constexpr const char* kMsgWorkingStale =
    " The results shown are not those of the current design inputs .. Please run the Analysis again ";

// The steps offered in the window's list: those of the analysis range
// (deeper than the pile top, not deeper than the pile tip).
std::vector<int> WorkingSteps(const Project& p);

// The step of the analysis range nearest to a point on the capacity graph, whose
// vertical coordinate is a depth or (in elevation mode) an elevation; 0 when the
// range holds no step.
int WorkingStepAt(const Project& p, double coordinate);

// The list entry of a step: "12.464 ft (step 38)".
std::string WorkingStepCaption(const Project& p, int step);

// The value as the window shows it: 7 significant digits, counts as whole numbers.
std::string WorkingValueText(const TraceEntry& e);

// The working of `step`: the step table first, then the methods named in
// `methods` (in that order); parts in the order recorded.
std::string WorkingPlainText(const Project& p, int step, const std::vector<TraceEntry>& entries,
                             const std::vector<std::string>& methods);
std::string WorkingHtml(const Project& p, int step, const std::vector<TraceEntry>& entries,
                        const std::vector<std::string>& methods);

} // namespace quarvex
