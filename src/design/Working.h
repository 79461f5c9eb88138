#pragma once
// The working of the last design run at chosen steps, for a checker: recorded by
// the methods themselves, computed again on a copy of the project, and written as
// CSV or read on the screen.

#include "design/Methods.h"
#include "project/Project.h"
#include "project/Trace.h"

#include <optional>
#include <string>
#include <vector>

namespace quarvex {

// The trace as CSV: a heading row, then one row per quantity (depth in ft as
// the output file lists the step, method, part, name, value, unit), ordered by
// step and, within a step, as recorded. Lines end in CR LF like the other CSV.
std::string TraceCsv(const Project& p, const TraceRecorder& rec);

// The working of the steps asked for: the step table and the methods of the last
// design run computed again, with a recorder, on a copy of the project (the same
// code on the same values gives the same bits; the project is not changed).
// The step table's readings and classification are recorded when rebuilding it
// from the readings held gives the step table in force; otherwise its values
// as held. Nothing when the results held are not those the project's design
// inputs give now (they changed since the run) or the run fails.
std::optional<TraceRecorder> TraceDesign(const Project& p, const std::vector<int>& steps,
                                         const MethodTable& methods);

// The step whose depth lies nearest to `depth` among 1..NumSteps (the shallower
// on a tie); 0 when there is no step.
int NearestStep(const Project& p, double depth);

} // namespace quarvex
