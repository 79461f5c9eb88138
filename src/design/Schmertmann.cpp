#include "design/Schmertmann.h"

#include "project/NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace quarvex {

namespace {

// Scratch space for one zone: on the stack for the usual zone sizes.
class Scratch {
public:
    explicit Scratch(int n)
    {
        if (n > static_cast<int>(local_.size())) {
            heap_.resize(static_cast<std::size_t>(n));
            data_ = heap_.data();
        }
    }
    Single& operator[](int k) { return data_[k]; }

private:
    std::array<Single, 256> local_; // filled before it is read
    std::vector<Single> heap_;
    Single* data_ = local_.data();
};

// Adds to `acc`, in increasing depth, the minimum path of the 1-based
// values[first..last) (`values` points at element 1):
// at each point the smallest value met climbing up from the bottom of the zone.
Single AddMinimumPath(Single acc, const Single* values, int first, int last, Scratch& path)
{
    const int n = last - first;
    const Single* v = values + (first - 1);
    Single low = v[n - 1];
    for (int k = n - 1; k >= 0; --k) {
        low = std::min(low, v[k]);
        path[k] = low;
    }
    for (int k = 0; k < n; ++k)
        acc = acc + path[k];
    return acc;
}

using Lanes = float __attribute__((vector_size(16)));
using LaneMask = std::int32_t __attribute__((vector_size(16)));

constexpr Single kInfinity = std::numeric_limits<Single>::infinity();
constexpr Lanes kNoValue = {kInfinity, kInfinity, kInfinity, kInfinity};
constexpr Lanes kZeros = {0, 0, 0, 0};

Lanes Broadcast(Single x)
{
    return Lanes{x, x, x, x};
}

LaneMask Broadcast(int k)
{
    return LaneMask{k, k, k, k};
}

// 1 for a NaN, without a branch.
int IsNaN(Single x)
{
    return std::isnan(x) ? 1 : 0;
}

// The lane forms of the minimum path below, exact to the bit, rest on two facts:
//  - low = (x < low ? x : low) starting from infinity is std::min(low, x)
//    starting from the first x, for every x but NaN; a NaN among the values
//    sends the work back to the plain loops, which keep NaN's own way;
//  - adding +0 to a sum changes it only when the sum is -0, and these sums
//    start from +0 and add finite or infinite Singles, so they never are -0:
//    a lane with nothing to add there adds +0.

// The twelve zone sums of qc1 at once, lane z for zone z + 1: `v` points at the
// zones' common top, counts[z] values make zone z (counts never decrease with
// z), and each sum is downs[z] plus the zone's minimum path, added in
// increasing depth exactly as AddMinimumPath adds it: the lanes are
// independent Singles, each added to in the same order, so only the waiting on
// one addition after another is gone. False (nothing computed) for zones too
// long for the table kept here, or a NaN among the values.
template <int G>
void ClimbLanes(const Single* v, int end, int begin, const LaneMask counts[3], Lanes low[3], Lanes (*path)[3],
                int& unordered)
{
    for (int k = end - 1; k >= begin; --k) {
        const Lanes vk = Broadcast(v[k]);
        unordered |= IsNaN(v[k]);
        const LaneMask kk = Broadcast(k);
        for (int g = G; g < 3; ++g) {
            const Lanes x = kk < counts[g] ? vk : kNoValue;
            low[g] = x < low[g] ? x : low[g];
            path[k][g] = low[g];
        }
    }
}

template <int G>
void AddLanes(int begin, int end, const LaneMask counts[3], Lanes acc[3], const Lanes (*path)[3])
{
    for (int k = begin; k < end; ++k) {
        const LaneMask kk = Broadcast(k);
        for (int g = G; g < 3; ++g)
            acc[g] = acc[g] + (kk < counts[g] ? path[k][g] : kZeros);
    }
}

bool TwelveZoneSums(const Single* v, const LaneMask counts[3], const Lanes downs[3], Lanes sums[3])
{
    constexpr int kMaxSteps = 128;
    const int longest = counts[2][3];
    if (longest <= 0 || longest > kMaxSteps)
        return false;
    // A group of four zones takes part only down to its longest zone.
    const int end0 = counts[0][3];
    const int end1 = counts[1][3];
    Lanes low[3] = {kNoValue, kNoValue, kNoValue};
    // The minimum path of every zone, climbing up from each zone's bottom.
    Lanes path[kMaxSteps][3];
    int unordered = 0;
    ClimbLanes<2>(v, longest, end1, counts, low, path, unordered);
    ClimbLanes<1>(v, end1, end0, counts, low, path, unordered);
    ClimbLanes<0>(v, end0, 0, counts, low, path, unordered);
    if (unordered != 0)
        return false;
    Lanes acc[3] = {downs[0], downs[1], downs[2]};
    AddLanes<0>(0, end0, counts, acc, path);
    AddLanes<1>(end0, end1, counts, acc, path);
    AddLanes<2>(end1, longest, counts, acc, path);
    for (int g = 0; g < 3; ++g)
        sums[g] = acc[g];
    return true;
}

// qc1 at the step at depth t: the twelve zone values and the smallest of them.
struct Qc1Zones {
    int top = 1;
    int ends[12] = {};
    Single values[12] = {};
    int governing = 0; // 1..12, 0 when no zone holds a step
    Single qc1 = 0;
};

// What every step's zones below the tip share: their depth below the tip
// (0.7 D to 4 D in steps of 0.3 D), and whether the extended profile's depths
// and the zones' bottoms never decrease (none NaN), so that a zone's steps are
// those from the top not deeper than its bottom.
struct ZoneReach {
    ZoneReach(const Project& p, bool checkOrder)
    {
        for (int z = 1; z <= 12; ++z)
            below[z - 1] = (0.3 * z + 0.4) * p.PileEqDiameter;
        ordered = checkOrder && p.ExtStepDepth.size() >= p.NumExtSteps;
        for (int k = 2; ordered && k <= p.NumExtSteps; ++k)
            ordered = p.ExtStepDepth[k - 1] <= p.ExtStepDepth[k];
        ordered = ordered && p.NumExtSteps >= 1 && p.ExtStepDepth[1] == p.ExtStepDepth[1];
        for (int z = 1; ordered && z < 12; ++z)
            ordered = below[z - 1] <= below[z];
    }
    double below[12];
    bool ordered = false;
};

// The zones' ends, step counts and downward sums. Each zone ends at the first
// step deeper than its bottom, walking down from the top; on ordered depths
// that is the top plus the count of steps from the top not deeper than the
// bottom, counted for all zones in one pass with no branch on the ends, and
// the downward sums are taken in the same pass (a lane adds +0 past its
// zone's end).
// Where the zones of one step after another are looked up: the first step
// below the tip and the first below the deepest zone.
struct Qc1Cursors {
    explicit Qc1Cursors(const Project& p)
        : top(p.ExtStepDepth, p.NumExtSteps), last(p.ExtStepDepth, p.NumExtSteps)
    {
    }
    DepthCursor top;
    DepthCursor last;
};

void ZoneEnds(const Project& p, Single t, int top, const ZoneReach& reach, Qc1Cursors* cursors, int ends[12],
              LaneMask counts[3], Lanes downs[3])
{
    const Single* q = p.ExtStepTip.data(); // element k at q[k - 1]
    const Single* depth = p.ExtStepDepth.data();
    const int n = p.NumExtSteps;
    Single bottoms[12];
    for (int z = 0; z < 12; ++z)
        bottoms[z] = static_cast<Single>(t + reach.below[z]);
    if (reach.ordered) {
        const int deepest = cursors != nullptr ? cursors->last.FirstDeeper(bottoms[11])
                                               : FirstDeeper(p.ExtStepDepth, n, bottoms[11]);
        const int last = std::max(top, deepest);
        Lanes bottom[3];
        for (int g = 0; g < 3; ++g) {
            bottom[g] = Lanes{bottoms[4 * g], bottoms[4 * g + 1], bottoms[4 * g + 2], bottoms[4 * g + 3]};
            counts[g] = LaneMask{0, 0, 0, 0};
            downs[g] = kZeros;
        }
        for (int k = top; k < last; ++k) {
            const Lanes dk = Broadcast(depth[k - 1]);
            const Lanes qk = Broadcast(q[k - 1]);
            for (int g = 0; g < 3; ++g) {
                const LaneMask in = dk <= bottom[g];
                counts[g] -= in;
                downs[g] = downs[g] + (in ? qk : kZeros);
            }
        }
        for (int z = 0; z < 12; ++z)
            ends[z] = top + counts[z / 4][z % 4];
        return;
    }
    Single down = 0;
    int at = top;
    for (int z = 0; z < 12; ++z) {
        while (at <= n && !(depth[at - 1] > bottoms[z])) {
            down = down + q[at - 1];
            ++at;
        }
        ends[z] = at;
        counts[z / 4][z % 4] = at - top;
        downs[z / 4][z % 4] = down;
    }
}

Qc1Zones ComputeQc1(const Project& p, Single t, const ZoneReach& reach, Qc1Cursors* cursors = nullptr)
{
    // The zones share their top, so their downward sums are running sums of
    // one walk. A zone holding no value (shorter than one step) is passed over.
    Qc1Zones r;
    const Single* q = p.ExtStepTip.data();
    r.top = cursors != nullptr ? cursors->top.FirstDeeper(t) : FirstDeeper(p.ExtStepDepth, p.NumExtSteps, t);
    const int top = r.top;
    LaneMask counts[3];
    Lanes downs[3];
    ZoneEnds(p, t, top, reach, cursors, r.ends, counts, downs);
    if (counts[2][3] == 0)
        return r;
    Lanes sums[3];
    if (!TwelveZoneSums(q + (top - 1), counts, downs, sums)) {
        Scratch path(counts[2][3]);
        for (int z = 0; z < 12; ++z)
            sums[z / 4][z % 4] =
                counts[z / 4][z % 4] > 0 ? AddMinimumPath(downs[z / 4][z % 4], q, top, r.ends[z], path) : 0;
    }
    bool any = false;
    for (int z = 0; z < 12; ++z) {
        const int count = counts[z / 4][z % 4];
        const Single value = count > 0 ? sums[z / 4][z % 4] / static_cast<Single>(2 * count) : 0;
        r.values[z] = value;
        // The first smallest value, chosen without a branch.
        const bool take = count > 0 && (!any || value < r.qc1);
        r.qc1 = take ? value : r.qc1;
        r.governing = take ? z + 1 : r.governing;
        any = any || count > 0;
    }
    return r;
}

// The steps of qc2's zone above step i's tip: eight diameters, tip step included.
ZoneRange Qc2Zone(const Project& p, int i)
{
    const Single t = p.StepDepth[i];
    const ZoneRange up = ZoneBetween(p.StepDepth, p.NumSteps, t - 8 * p.PileEqDiameter, t);
    if (up.count() == 0)
        throw DesignError("no step above the tip");
    return up;
}

// qc2 over the zone `up`, its minimum path left in `path`.
Single Qc2Of(const Project& p, ZoneRange up, Scratch& path)
{
    const Single sum = AddMinimumPath(0, p.StepTip.data(), up.begin, up.end, path);
    return sum / static_cast<Single>(up.count());
}

// qc2 of the steps first .. first + n - 1 (n up to 4) at once, lane j for step
// first + j: each lane's minimum path climbs from its own tip and is added from
// its own top, in the order Qc2Of adds it. False (nothing set) when a NaN is
// among the values.
struct Qc2Cursors {
    explicit Qc2Cursors(const Project& p) : above(p.StepDepth, p.NumSteps), tip(p.StepDepth, p.NumSteps) {}
    DepthCursor above;
    DepthCursor tip;
};

bool Qc2Lanes(const Project& p, int first, int n, Qc2Cursors& cursors, Single qc2[4],
              std::vector<Lanes>& path)
{
    const Single eightD = 8 * p.PileEqDiameter;
    LaneMask begin;
    LaneMask end;
    for (int j = 0; j < 4; ++j) {
        if (j < n) {
            const Single t = p.StepDepth[first + j];
            const ZoneRange up = ZoneBetween(cursors.above, cursors.tip, t - eightD, t);
            if (up.count() == 0)
                throw DesignError("no step above the tip");
            begin[j] = up.begin;
            end[j] = up.end;
        } else {
            begin[j] = begin[0];
            end[j] = begin[0]; // no step: the lane adds nothing
        }
    }
    int lo = begin[0];
    int hi = end[0];
    for (int j = 1; j < 4; ++j) {
        lo = std::min(lo, static_cast<int>(begin[j]));
        hi = std::max(hi, static_cast<int>(end[j]));
    }
    if (path.size() < static_cast<std::size_t>(hi - lo))
        path.resize(static_cast<std::size_t>(hi - lo));
    const Single* v = p.StepTip.data() - 1; // element k at v[k]
    Lanes low = kNoValue;
    int unordered = 0;
    for (int k = hi - 1; k >= lo; --k) {
        const Lanes vk = Broadcast(v[k]);
        unordered |= IsNaN(v[k]);
        const Lanes x = Broadcast(k) < end ? vk : kNoValue;
        low = x < low ? x : low;
        path[static_cast<std::size_t>(k - lo)] = low;
    }
    if (unordered != 0)
        return false;
    Lanes acc = kZeros;
    for (int k = lo; k < hi; ++k) {
        const LaneMask kk = Broadcast(k);
        acc = acc + ((kk >= begin) & (kk < end) ? path[static_cast<std::size_t>(k - lo)] : kZeros);
    }
    for (int j = 0; j < n; ++j)
        qc2[j] = acc[j] / static_cast<Single>(end[j] - begin[j]);
    return true;
}

void SetEndBearing(Project& p, int i, SchmTipParts parts, const StepTrace& t)
{
    Single qt = (parts.qc1 + parts.qc2) / 2;
    t("qt = (qc1 + qc2) / 2", qt, "tsf");
    if (qt > 150) {
        qt = 150;
        t("qt limited to 150 tsf", qt, "tsf", true);
    }
    t("tip area", p.PileTipArea, "sq ft");
    p.SchmEndBearing[i] = qt * p.PileTipArea;
}

// The end bearings of steps [begin, end) in one pass, as SchmStepEndBearing
// sets them one by one, with qc2 four steps at a time.
void SchmEndBearings(Project& p, int begin, int end)
{
    std::vector<Lanes> path;
    const ZoneReach reach(p, true);
    Qc2Cursors above(p);
    Qc1Cursors below(p);
    const StepTrace none(nullptr, 0, kSchmertmannName, "");
    for (int i = begin; i < end; i += 4) {
        const int n = std::min(4, end - i);
        Single qc2[4];
        if (!Qc2Lanes(p, i, n, above, qc2, path)) {
            for (int j = 0; j < n; ++j) {
                const ZoneRange up = Qc2Zone(p, i + j);
                Scratch alone(up.count());
                qc2[j] = Qc2Of(p, up, alone);
            }
        }
        for (int j = 0; j < n; ++j) {
            const Qc1Zones zones = ComputeQc1(p, p.StepDepth[i + j], reach, &below);
            SchmTipParts parts;
            parts.qc2 = qc2[j];
            parts.qc1 = zones.governing != 0 ? zones.qc1 : qc2[j];
            SetEndBearing(p, i + j, parts, none);
        }
    }
}

} // namespace

Single MinimumPathZoneValue(const Array1<Single>& values, int first, int last)
{
    const int n = last - first;
    if (n <= 0)
        throw DesignError("a zone holds no value");
    Single sum = 0;
    for (int k = first; k < last; ++k)
        sum = sum + values[k];
    Scratch path(n);
    sum = AddMinimumPath(sum, values.data(), first, last, path);
    return sum / static_cast<Single>(2 * n);
}

SchmTipParts SchmTipResistances(const Project& p, int i, TraceRecorder* rec)
{
    StepTrace tr(rec, i, kSchmertmannName, "qc2: above the tip");
    const Single d = p.PileEqDiameter;
    const Single t = p.StepDepth[i];

    // qc2: the minimum path over eight diameters above the tip, tip step included.
    SchmTipParts parts;
    {
        const ZoneRange up = Qc2Zone(p, i);
        Scratch path(up.count());
        parts.qc2 = Qc2Of(p, up, path);
        if (tr) [[unlikely]] {
            tr("zone top (tip - 8 D)", t - 8 * d, "ft");
            tr.Count("steps", up.count(), "steps");
            for (int k = up.begin; k < up.end; ++k)
                tr("minimum path at " + GeneralForm(p.StepDepth[k]) + " ft (qc " + GeneralForm(p.StepTip[k]) +
                       ")",
                   path[k - up.begin], "tsf");
            tr("qc2 (mean of the minimum path)", parts.qc2, "tsf");
        }
    }

    // qc1: the smallest of twelve zone values reaching 0.7 D to 4 D below the tip.
    const Qc1Zones zones = ComputeQc1(p, t, ZoneReach(p, false));
    const bool any = zones.governing != 0;
    parts.qc1 = any ? zones.qc1 : parts.qc2;
    if (tr) [[unlikely]] {
        // The two means of each zone are worked out here for the reader; the zone
        // value compared is the one computed above.
        const Single* q = p.ExtStepTip.data();
        const int top = zones.top;
        Scratch path(std::max(zones.ends[11] - top, 0));
        Single downward = 0;
        int at2 = top;
        for (int z = 0; z < 12; ++z) {
            const int end = zones.ends[z];
            for (; at2 < end; ++at2)
                downward = downward + q[at2 - 1];
            tr.Part("qc1: zone " + IntegerText(z + 1) + " below the tip");
            tr("zone bottom (tip + " + FixedForm(0.3 * (z + 1) + 0.4, 1) + " D)",
               static_cast<Single>(t + (0.3 * (z + 1) + 0.4) * d), "ft");
            const int n = end > top ? end - top : 0;
            tr.Count("steps", n, "steps");
            if (n == 0)
                continue;
            tr("downward mean", downward / static_cast<Single>(n), "tsf");
            tr("minimum-path mean", AddMinimumPath(0, q, top, end, path) / static_cast<Single>(n), "tsf");
            tr("zone value (mean of the two)", zones.values[z], "tsf", z + 1 == zones.governing);
        }
        tr.Part("qc1");
        if (any) {
            tr.Count("governing zone", zones.governing, "", true);
            tr("qc1 (smallest zone value)", parts.qc1, "tsf");
        } else {
            tr("qc1 (no zone holds a step: qc2 taken)", parts.qc1, "tsf");
        }
    }
    return parts;
}

void SchmStepEndBearing(Project& p, int i, TraceRecorder* rec)
{
    const SchmTipParts parts = SchmTipResistances(p, i, rec);
    SetEndBearing(p, i, parts, StepTrace(rec, i, kSchmertmannName, "End bearing"));
}

Single ClayReductionFactor(Single fs)
{
    const Single x = static_cast<Single>(fs * 0.976486);
    double alpha;
    if (x <= 0.31F)
        alpha = 1.24226 - 1.08742 * x;
    else if (x <= 0.625F)
        alpha = 1.16335 - 0.819377 * x;
    else if (x <= 0.81F)
        alpha = 1.02785 - 0.59815 * x;
    else if (x <= 1.05F)
        alpha = 0.834651 - 0.361489 * x;
    else if (x <= 1.96F)
        alpha = 0.52768 - 0.065031 * x;
    else
        alpha = 0.4;
    return static_cast<Single>(alpha);
}

Single SandDepthFactor(Single ratio)
{
    if (ratio <= 0.42)
        return 1.56F;
    if (ratio >= 40)
        return 0.81F;
    return static_cast<Single>(1.98282 - 0.118081 * ratio + 0.00390845 * ratio * ratio -
                               0.00004243 * ratio * ratio * ratio);
}

Single SchmStepFriction(const Project& p, int i, const LayerValues* layers, TraceRecorder* rec)
{
    const StepTrace t(rec, i, kSchmertmannName, "Friction");
    Single fs, sand, siltClay;
    if (p.AutoLayers != False || layers == nullptr) {
        // The last step has no step below it; it pairs with itself.
        const int next = i < p.NumSteps ? i + 1 : i;
        fs = (p.StepSleeve[i] + p.StepSleeve[next]) / 2;
        const SoilFractions f = StepFractions(p, i);
        sand = f.sand;
        siltClay = f.siltClay;
    } else {
        fs = layers->sleeve[i];
        sand = layers->sand[i];
        siltClay = layers->siltClay[i];
    }
    t(layers != nullptr && p.AutoLayers == False ? "fs (layer mean)" : "fs (mean of the step and the next)",
      fs, "tsf");
    ApplyClayOverride(sand, siltClay);
    t("sand (after the clay override)", sand, "fraction");
    t("silt + clay (after the clay override)", siltClay, "fraction");

    const Single ratio = (p.StepDepth[i] - p.PileTopDepth) / p.PileEqDiameter;
    const Single alphaC = ClayReductionFactor(fs);
    const Single alphaS = SandDepthFactor(ratio);
    Single f = (alphaS * sand + siltClay * alphaC) * fs;
    t("depth ratio (depth below the pile top / D)", ratio, "");
    t("alphaC (clay)", alphaC, "");
    t("alphaS (sand)", alphaS, "");
    t("f = (alphaS x sand + silt + clay x alphaC) x fs", f, "tsf");
    if (f > 1.2) {
        f = static_cast<Single>(1.2);
        t("f limited to 1.2 tsf", f, "tsf", true);
    }
    return p.PilePerimeter * f * p.StepSize;
}

void RunSchmertmann(Project& p, Single /*topCutoff*/, const LayerValues* layers, TraceRecorder* rec)
{
    auto friction = [&](int i) { return SchmStepFriction(p, i, layers, rec); };
    if (rec != nullptr) {
        // Step by step, so that the working reads in the order it is done.
        RunMethodFrame(
            p, p.NumSteps, p.SchmEndBearing, p.SchmFriction, p.SchmUltimate,
            [&](int i) {
                SchmStepEndBearing(p, i, rec);
                return p.SchmEndBearing[i];
            },
            friction, rec, kSchmertmannName);
        return;
    }
    const ZoneRange range = ZoneBetween(p.StepDepth, p.NumSteps, p.PileTopDepth, p.PileTipDepth);
    SchmEndBearings(p, range.begin, range.end);
    RunMethodFrame(
        p, p.NumSteps, p.SchmEndBearing, p.SchmFriction, p.SchmUltimate,
        [&](int i) { return p.SchmEndBearing[i]; }, friction);
}

} // namespace quarvex
