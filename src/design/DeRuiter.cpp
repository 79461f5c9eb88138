#include "design/DeRuiter.h"

#include "design/Schmertmann.h"

#include <algorithm>

namespace quarvex {

void DeRuiterStepEndBearing(Project& p, int i, Single topCutoff, int schmertmannBox, const StepSoil* soil)
{
    const Single d = p.PileEqDiameter;
    const Single t = p.StepDepth[i];

    if (schmertmannBox != 1)
        SchmStepEndBearing(p, i);
    const Single sandBearing = p.SchmEndBearing[i];
    const Single clayBearing = sandBearing / 20 * 9;

    // Soil from eight diameters above the tip to four below it, below the pile top.
    const Single eightD = 8 * d;
    const Single fourD = 4 * d;
    const Single lo = t - eightD;
    const Single hi = t + fourD;
    ZoneRange zone = ZoneBetween(p.StepDepth, p.NumSteps, lo, hi);
    zone.begin = std::max(zone.begin, FirstDeeper(p.StepDepth, p.NumSteps, topCutoff));
    if (zone.count() == 0)
        throw DesignError("de Ruiter soil zone holds no step");
    Single sand, siltClay;
    ZoneSoilMeans(p, soil, zone.begin, zone.end, sand, siltClay);
    ApplyClayOverride(sand, siltClay);

    p.DeRuiterEndBearing[i] = sandBearing * sand + clayBearing * siltClay;
}

Single DeRuiterStepFriction(const Project& p, int i, const LayerValues* layers)
{
    Single qc, fs, sand, siltClay;
    if (p.AutoLayers != False || layers == nullptr) {
        const int next = i < p.NumSteps ? i + 1 : i;
        qc = (p.StepTip[i] + p.StepTip[next]) / 2;
        fs = (p.StepSleeve[i] + p.StepSleeve[next]) / 2;
        const SoilFractions f = StepFractions(p, i);
        sand = f.sand;
        siltClay = f.siltClay;
    } else {
        qc = layers->tip[i];
        fs = layers->sleeve[i];
        sand = layers->sand[i];
        siltClay = layers->siltClay[i];
    }
    ApplyClayOverride(sand, siltClay);

    const Single su = qc / 20;
    Single fClay = static_cast<Single>(0.5 * su);
    if (fClay > 1.2F)
        fClay = 1.2F;
    Single fSand = qc / 300;
    if (fSand > 1.2F)
        fSand = 1.2F;
    if (fSand > fs)
        fSand = fs;
    const Single f = fSand * sand + fClay * siltClay;
    return f * p.PilePerimeter * p.StepSize;
}

void RunDeRuiter(Project& p, Single topCutoff, const LayerValues* layers, int schmertmannBox,
                 const StepSoil* soil)
{
    const int last = p.NumSteps - 1;
    RunMethodFrame(
        p, last, p.DeRuiterEndBearing, p.DeRuiterFriction, p.DeRuiterUltimate,
        [&](int i) {
            DeRuiterStepEndBearing(p, i, topCutoff, schmertmannBox, soil);
            return p.DeRuiterEndBearing[i];
        },
        [&](int i) { return DeRuiterStepFriction(p, i, layers); });
}

} // namespace quarvex
