#include "design/Schmertmann.h"

#include "design/OutputFile.h"

#include <algorithm>
#include <vector>

namespace quarvex {

Single MinimumPathZoneValue(const Array1<Single>& values, int first, int last)
{
    const int n = last - first;
    // Minimum met climbing from the bottom of the zone up to each point.
    thread_local std::vector<Single> path;
    path.resize(static_cast<std::size_t>(n));
    Single low = values[last - 1];
    for (int k = n - 1; k >= 0; --k) {
        low = std::min(low, values[first + k]);
        path[static_cast<std::size_t>(k)] = low;
    }
    Single sum = 0;
    for (int k = 0; k < n; ++k)
        sum = sum + values[first + k];
    for (int k = 0; k < n; ++k)
        sum = sum + path[static_cast<std::size_t>(k)];
    return sum / static_cast<Single>(2 * n);
}

SchmTipParts SchmTipResistances(const Project& p, int i)
{
    const Single d = p.PileEqDiameter;
    const Single t = p.StepDepth[i];

    // qc2: the minimum path over eight diameters above the tip, tip step included.
    const Single eightD = 8 * d;
    const Single above = t - eightD;
    const ZoneRange up = ZoneBetween(p.StepDepth, p.NumSteps, above, t);
    if (up.count() == 0)
        throw DesignError("no step above the tip");
    thread_local std::vector<Single> path;
    path.resize(static_cast<std::size_t>(up.count()));
    Single low = p.StepTip[up.end - 1];
    for (int k = up.end - 1; k >= up.begin; --k) {
        low = std::min(low, p.StepTip[k]);
        path[static_cast<std::size_t>(k - up.begin)] = low;
    }
    Single pathSum = 0;
    for (Single m : path)
        pathSum = pathSum + m;
    SchmTipParts parts;
    parts.qc2 = pathSum / static_cast<Single>(up.count());

    // qc1: the smallest of twelve zone values reaching 0.7 D to 4 D below the tip.
    // A zone holding no value (shorter than one step) is passed over.
    const int top = FirstDeeper(p.ExtStepDepth, p.NumExtSteps, t);
    bool any = false;
    Single qc1 = 0;
    for (int z = 1; z <= 12; ++z) {
        const Single bottom = static_cast<Single>(t + (0.3 * z + 0.4) * d);
        const int end = FirstDeeper(p.ExtStepDepth, p.NumExtSteps, bottom);
        if (end <= top)
            continue;
        const Single value = MinimumPathZoneValue(p.ExtStepTip, top, end);
        if (!any || value < qc1)
            qc1 = value;
        any = true;
    }
    parts.qc1 = any ? qc1 : parts.qc2;
    return parts;
}

void SchmStepEndBearing(Project& p, int i)
{
    const SchmTipParts parts = SchmTipResistances(p, i);
    Single qt = (parts.qc1 + parts.qc2) / 2;
    if (qt > 150)
        qt = 150;
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

Single SchmStepFriction(const Project& p, int i, const LayerValues* layers)
{
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
    ApplyClayOverride(sand, siltClay);

    const Single ratio = (p.StepDepth[i] - p.PileTopDepth) / p.PileEqDiameter;
    const Single alphaC = ClayReductionFactor(fs);
    const Single alphaS = SandDepthFactor(ratio);
    Single f = (alphaS * sand + siltClay * alphaC) * fs;
    if (f > 1.2)
        f = static_cast<Single>(1.2);
    return p.PilePerimeter * f * p.StepSize;
}

void RunSchmertmann(Project& p, OutputWriter& out, Single /*topCutoff*/, const LayerValues* layers)
{
    RunMethodFrame(
        p, p.NumSteps, p.SchmEndBearing, p.SchmFriction, p.SchmUltimate,
        [&](int i) {
            SchmStepEndBearing(p, i);
            return p.SchmEndBearing[i];
        },
        [&](int i) { return SchmStepFriction(p, i, layers); });
    RequireFinite(p.SchmEndBearing, p.SchmFriction, p.SchmUltimate, p.NumSteps);
    out.WriteMethodSection("Schmertmann Method", p.SchmEndBearing, p.SchmFriction, p.SchmUltimate);
}

} // namespace quarvex
