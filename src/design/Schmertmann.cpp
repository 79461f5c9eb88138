#include "design/Schmertmann.h"

#include "project/NumberText.h"

#include <algorithm>
#include <array>
#include <cstdint>
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

// The twelve zone sums of qc1 at once, lane z for zone z + 1: `v` points at the
// zones' common top, ends[z] - top values make zone z, and each sum is
// downs[z] plus the zone's minimum path, added in increasing depth exactly as
// AddMinimumPath adds it: the lanes are independent Singles, each added to in
// the same order, so only the waiting on one addition after another is gone.
// False (nothing computed) for zones too long for the table kept here.
using Lanes = float __attribute__((vector_size(16)));
using LaneMask = std::int32_t __attribute__((vector_size(16)));

Lanes Choose(LaneMask where, Lanes a, Lanes b)
{
    return reinterpret_cast<Lanes>((reinterpret_cast<LaneMask>(a) & where) |
                                   (reinterpret_cast<LaneMask>(b) & ~where));
}

bool TwelveZoneSums(const Single* v, int top, const int ends[12], const Single downs[12], Single sums[12])
{
    constexpr int kMaxSteps = 128;
    constexpr int kGroups = 3;
    const int longest = ends[11] - top;
    if (longest <= 0 || longest > kMaxSteps)
        return false;
    LaneMask count[kGroups];
    Lanes low[kGroups];
    Lanes acc[kGroups];
    for (int g = 0; g < kGroups; ++g) {
        for (int l = 0; l < 4; ++l) {
            const int z = 4 * g + l;
            count[g][l] = std::max(ends[z] - top, 0);
            low[g][l] = 0;
            acc[g][l] = downs[z];
        }
    }
    // The minimum path of every zone, climbing up from each zone's bottom.
    Lanes path[kMaxSteps][kGroups];
    for (int k = longest - 1; k >= 0; --k) {
        const Lanes vk = {v[k], v[k], v[k], v[k]};
        const LaneMask kk = {k, k, k, k};
        for (int g = 0; g < kGroups; ++g) {
            // std::min(low, v[k]), and v[k] itself at the zone's bottom.
            Lanes next = Choose(vk < low[g], vk, low[g]);
            next = Choose(kk == count[g] - 1, vk, next);
            low[g] = Choose(kk < count[g], next, low[g]);
            path[k][g] = low[g];
        }
    }
    for (int k = 0; k < longest; ++k) {
        const LaneMask kk = {k, k, k, k};
        for (int g = 0; g < kGroups; ++g)
            acc[g] = Choose(kk < count[g], acc[g] + path[k][g], acc[g]);
    }
    for (int g = 0; g < kGroups; ++g)
        for (int l = 0; l < 4; ++l)
            sums[4 * g + l] = acc[g][l];
    return true;
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
    const Single eightD = 8 * d;
    const Single above = t - eightD;
    const ZoneRange up = ZoneBetween(p.StepDepth, p.NumSteps, above, t);
    if (up.count() == 0)
        throw DesignError("no step above the tip");
    SchmTipParts parts;
    {
        Scratch path(up.count());
        const Single sum = AddMinimumPath(0, p.StepTip.data(), up.begin, up.end, path);
        parts.qc2 = sum / static_cast<Single>(up.count());
        if (tr) [[unlikely]] {
            tr("zone top (tip - 8 D)", above, "ft");
            tr.Count("steps", up.count(), "steps");
            for (int k = up.begin; k < up.end; ++k)
                tr("minimum path at " + GeneralForm(p.StepDepth[k]) + " ft (qc " + GeneralForm(p.StepTip[k]) +
                       ")",
                   path[k - up.begin], "tsf");
            tr("qc2 (mean of the minimum path)", parts.qc2, "tsf");
        }
    }

    // qc1: the smallest of twelve zone values reaching 0.7 D to 4 D below the tip.
    // The zones share their top, so the downward sums are running sums of one
    // walk. A zone holding no value (shorter than one step) is passed over.
    const Single* q = p.ExtStepTip.data(); // element k at q[k - 1]
    const int top = FirstDeeper(p.ExtStepDepth, p.NumExtSteps, t);
    // Zone ends, walking down from the tip: the first index deeper than each bottom.
    const Single* depth = p.ExtStepDepth.data();
    int ends[12];
    int at = top;
    for (int z = 1; z <= 12; ++z) {
        const Single bottom = static_cast<Single>(t + (0.3 * z + 0.4) * d);
        while (at <= p.NumExtSteps && !(depth[at - 1] > bottom))
            ++at;
        ends[z - 1] = at;
    }
    Scratch path(ends[11] - top);
    bool any = false;
    Single qc1 = 0;
    int governing = 0;
    Single down = 0;
    int walked = top;
    Single zoneValues[12] = {};
    Single downs[12];
    for (int z = 0; z < 12; ++z) {
        for (; walked < ends[z]; ++walked)
            down = down + q[walked - 1];
        downs[z] = down;
    }
    Single sums[12];
    const bool together = TwelveZoneSums(q + (top - 1), top, ends, downs, sums);
    for (int z = 0; z < 12; ++z) {
        const int end = ends[z];
        if (end <= top)
            continue;
        const int n = end - top;
        const Single sum = together ? sums[z] : AddMinimumPath(downs[z], q, top, end, path);
        const Single value = sum / static_cast<Single>(2 * n);
        zoneValues[z] = value;
        if (!any || value < qc1) {
            qc1 = value;
            governing = z + 1;
        }
        any = true;
    }
    parts.qc1 = any ? qc1 : parts.qc2;
    if (tr) [[unlikely]] {
        // The two means of each zone are worked out here for the reader; the zone
        // value compared is the one computed above.
        Single downward = 0;
        int at2 = top;
        for (int z = 0; z < 12; ++z) {
            const int end = ends[z];
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
            tr("zone value (mean of the two)", zoneValues[z], "tsf", z + 1 == governing);
        }
        tr.Part("qc1");
        if (any) {
            tr.Count("governing zone", governing, "", true);
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
    Single qt = (parts.qc1 + parts.qc2) / 2;
    const StepTrace t(rec, i, kSchmertmannName, "End bearing");
    t("qt = (qc1 + qc2) / 2", qt, "tsf");
    if (qt > 150) {
        qt = 150;
        t("qt limited to 150 tsf", qt, "tsf", true);
    }
    t("tip area", p.PileTipArea, "sq ft");
    p.SchmEndBearing[i] = qt * p.PileTipArea;
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
    RunMethodFrame(
        p, p.NumSteps, p.SchmEndBearing, p.SchmFriction, p.SchmUltimate,
        [&](int i) {
            SchmStepEndBearing(p, i, rec);
            return p.SchmEndBearing[i];
        },
        [&](int i) { return SchmStepFriction(p, i, layers, rec); }, rec, kSchmertmannName);
}

} // namespace quarvex
