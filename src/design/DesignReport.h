#pragma once
// The design decision as text: the design report (Markdown), the summary lines
// the batch command prints, and the design-capacity columns of the CSV file.
//
// Depths, loads and capacities appear in the general number form (the stored
// Single, at most 7 significant digits), factors in the shortest form that reads
// back to the factor, utilisations rounded to two decimals. Pass or fail is
// decided on the stored Singles, never on the rounded text, so a method just
// over its capacity may read "1.00" and fail. Lines end in LF.

#include "design/DesignBasis.h"
#include "project/Project.h"

#include <string>
#include <vector>

namespace quarvex {

inline constexpr const char* kNotReached = "not reached within the analysis range";

// "allowable capacity" (ASD) or "factored resistance" (LRFD).
std::string DesignCapacityName(Basis basis);

// The utilisation to two decimals ("0.83"); "n/a" when it is not finite (no
// capacity at the tip).
std::string UtilisationText(Single utilisation);

// The report of the inputs (project information, pile), the design basis and
// per method the required tip depth, the capacity at the tip, the utilisation
// and pass or fail. Project texts are copied byte for byte, with "|" escaped so
// that they cannot break a table.
std::string DesignReportText(const Project& p, const DesignDecision& d);

// The lines the batch command prints after the capacities: the basis, one line
// per method, and which methods fail (the run still completes).
std::vector<std::string> DesignSummaryLines(const DesignDecision& d);

// The CSV columns of the design capacities, one per method in the decision's
// order: key + "Allowable" or key + "Factored" ("LcpcAllowable").
std::vector<std::string> DesignCsvColumns(const DesignDecision& d);
// Their values at a step (general form); "0" where a method's array is shorter.
std::vector<std::string> DesignCsvValues(const DesignDecision& d, int step);

} // namespace quarvex
