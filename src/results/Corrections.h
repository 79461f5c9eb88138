#pragma once
// Correction factors: corrected copies of the capacity arrays of every method,
// scaled by one factor pair for the whole depth or by one pair per depth range.

#include "design/Methods.h"
#include "project/Message.h"
#include "project/Project.h"

#include <string>
#include <vector>

namespace quarvex {

inline constexpr Integer kNoCorrection = 0;
inline constexpr Integer kWholeDepthCorrection = 1;
inline constexpr Integer kRangeCorrection = 2;

// One row of the range table, as numbers.
struct CorrectionRange {
    Single from = 0;
    Single to = 0;
    Single endBearingFactor = 1;
    Single frictionFactor = 1;
};

// Rebuilds the twelve corrected arrays from the design results. With
// CorrectionState 2 the ranges are applied in order (a later row overrides an
// earlier one where they overlap; EndBearingFactor and FrictionFactor end up as
// the last row's pair, and HistList8 receives every row it does not hold yet);
// otherwise EndBearingFactor and FrictionFactor scale the whole depth. A step in
// no range keeps its design values.
void ApplyCorrections(Project& p, const std::vector<CorrectionRange>& ranges);
void ApplyCorrections(Project& p, const std::vector<CorrectionRange>& ranges, const MethodTable& table);

// Empties the corrected copies of every method: corrections made for earlier
// results do not belong to new ones.
void DiscardCorrections(Project& p, const MethodTable& table = DefaultMethods());

// The HistList8 item of a row: from|to|end bearing factor|friction factor.
std::string RangeHistoryItem(const CorrectionRange& r);

} // namespace quarvex
