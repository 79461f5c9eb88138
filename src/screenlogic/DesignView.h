#pragma once
// The design load as the screens carry it from "Analysis" to the results: kept
// in the project with the other design inputs, decided on the values in force
// (corrected or not) over the steps the summaries speak of, and shown as the
// results screen's summary rows, curves and printed lines.

#include "design/DesignBasis.h"
#include "design/Methods.h"
#include "project/Message.h"
#include "project/Project.h"
#include "screenlogic/DesignLoadEntry.h"
#include "screenlogic/ResultsView.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quarvex {

inline constexpr const char* kDesignReportFileName = "Output-design.md";
inline constexpr const char* kMsgDesignReportWritten = "The design report was written to file: ";

// The methods of a table as the design-load checks name them.
std::vector<MethodId> DesignMethodIdsOf(const MethodTable& methods);

// The caption of a factor box under a basis: "FS" or "phi".
const char* FactorCaption(Basis basis);

// The steps a summary speaks of: in the analysis range (deeper than the pile
// top, not deeper than the pile tip) and listed in the output file's tables,
// which never list the last step.
StepRange AnalysisSteps(const Project& p);

// The checked basis kept with the design inputs (nothing: no design load), and
// read back with the names of the table's methods. A kept basis whose factor
// count does not match the table is no basis.
void KeepDesignBasis(Project& p, const std::optional<DesignBasis>& basis);
std::optional<DesignBasis> KeptDesignBasis(const Project& p, const MethodTable& methods);

// The decision on the ultimate capacities in force: the corrected copies while
// corrections are in force for these results, the design values otherwise.
DesignDecision DecideOnResults(const Project& p, const MethodTable& methods, const DesignBasis& basis);

// One summary row per method: "LCPC: required tip depth 41.164 ft, allowable
// capacity at the tip 75.2 tons, utilisation 0.80, pass".
std::vector<std::string> DesignSummaryRows(const DesignDecision& d);
// The design basis in one line, as the summary and the printed page head it.
std::string DesignBasisLine(const DesignDecision& d);

// The design capacity of a method against depth or elevation (0 not drawn).
std::vector<results::SeriesPoint> DesignCapacityPoints(const Project& p, const MethodDecision& m);
// Where a method's required tip lies on the graph: (coordinate, capacity).
std::optional<std::pair<double, double>> RequiredTipPoint(const Project& p, const MethodDecision& m);

// What saving the report tells the user.
Message SaveDesignReport(const Project& p, const DesignDecision& d, const std::string& path);

} // namespace quarvex
