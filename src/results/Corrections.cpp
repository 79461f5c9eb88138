#include "results/Corrections.h"

#include "project/NumberText.h"

#include <algorithm>
#include <cmath>

namespace quarvex {

namespace {

// One method's design arrays and their corrected copies.
struct CorrectionPair {
    const Array1<Single>& endBearing;
    const Array1<Single>& friction;
    const Array1<Single>& ultimate;
    Array1<Single>& corrEndBearing;
    Array1<Single>& corrFriction;
    Array1<Single>& corrUltimate;
};

std::vector<CorrectionPair> Pairs(Project& p, const MethodTable& table)
{
    std::vector<CorrectionPair> pairs;
    for (const MethodEntry& m : table) {
        const MethodArrays d = m.results(p);
        const MethodArrays c = m.corrected(p);
        pairs.push_back({*d.endBearing, *d.friction, *d.ultimate, *c.endBearing, *c.friction, *c.ultimate});
    }
    return pairs;
}

Single Scaled(Single factor, Single value)
{
    return static_cast<Single>(static_cast<double>(factor) * static_cast<double>(value));
}

void CopyAt(const Array1<Single>& from, Array1<Single>& to, int i)
{
    if (i <= from.size() && i <= to.size())
        to[i] = from[i];
}

} // namespace

void DiscardCorrections(Project& p, const MethodTable& table)
{
    for (const MethodEntry& m : table) {
        const MethodArrays c = m.corrected(p);
        for (Array1<Single>* a : {c.endBearing, c.friction, c.ultimate})
            a->Clear();
    }
}

std::string RangeHistoryItem(const CorrectionRange& r)
{
    return ShortestForm(r.from) + "|" + ShortestForm(r.to) + "|" + ShortestForm(r.endBearingFactor) + "|" +
           ShortestForm(r.frictionFactor);
}

void ApplyCorrections(Project& p, const std::vector<CorrectionRange>& ranges)
{
    ApplyCorrections(p, ranges, DefaultMethods());
}

void ApplyCorrections(Project& p, const std::vector<CorrectionRange>& ranges, const MethodTable& table)
{
    auto methods = Pairs(p, table);
    for (std::size_t k = 0; k < methods.size(); ++k) {
        CorrectionPair& m = methods[k];
        if (k == 0) {
            m.corrEndBearing.Redim(m.endBearing.Upper());
            m.corrFriction.Redim(m.friction.Upper());
            m.corrUltimate.Redim(m.ultimate.Upper());
        } else {
            // These groups are sized by their end-bearing array.
            m.corrEndBearing.Redim(m.endBearing.Upper());
            m.corrFriction.Redim(m.endBearing.Upper());
            m.corrUltimate.Redim(m.endBearing.Upper());
        }
    }

    const int steps = p.StepDepth.Upper();
    const bool perRange = p.CorrectionState == kRangeCorrection;

    std::vector<CorrectionRange> applied;
    if (perRange) {
        applied = ranges;
        for (std::size_t r = 0; r < ranges.size(); ++r) {
            const std::string key = IntegerText(r + 1);
            if (!p.HistList8().Exists(key))
                p.HistList8().Add(key, RangeHistoryItem(ranges[r]));
        }
        if (!ranges.empty()) {
            p.EndBearingFactor = ranges.back().endBearingFactor;
            p.FrictionFactor = ranges.back().frictionFactor;
        }
    } else if (steps >= 1) {
        applied.push_back({p.StepDepth[1], p.StepDepth[steps], p.EndBearingFactor, p.FrictionFactor});
    }

    for (int i = 1; i <= steps; ++i) {
        for (CorrectionPair& m : methods) {
            CopyAt(m.endBearing, m.corrEndBearing, i);
            CopyAt(m.friction, m.corrFriction, i);
            CopyAt(m.ultimate, m.corrUltimate, i);
        }
        const Single depth = p.StepDepth[i];
        for (const CorrectionRange& r : applied) {
            if (!(r.from <= depth && depth <= r.to))
                continue;
            for (CorrectionPair& m : methods) {
                if (i > m.endBearing.size() || i > m.friction.size() || i > m.corrEndBearing.size() ||
                    i > m.corrFriction.size() || i > m.corrUltimate.size())
                    continue;
                // Each range scales the design values, never an earlier correction.
                m.corrEndBearing[i] = Scaled(r.endBearingFactor, m.endBearing[i]);
                m.corrFriction[i] = Scaled(r.frictionFactor, m.friction[i]);
                m.corrUltimate[i] = m.corrFriction[i] + m.corrEndBearing[i];
            }
        }
    }
}

} // namespace quarvex
