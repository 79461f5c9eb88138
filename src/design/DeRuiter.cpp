#include "design/DeRuiter.h"

#include "design/Schmertmann.h"

#include <algorithm>
#include <vector>

namespace quarvex {

namespace {

// Where the soil zones of one step after another are looked up, and the first
// step below the pile top's cut-off, the same for every step.
struct SoilZones {
    SoilZones(const Project& p, Single topCutoff)
        : top(p.StepDepth, p.NumSteps), bottom(p.StepDepth, p.NumSteps),
          cutoff(FirstDeeper(p.StepDepth, p.NumSteps, topCutoff))
    {
    }
    DepthCursor top, bottom;
    int cutoff;
};

// The soil zone of step i: eight diameters above the tip to four below it,
// below the pile top's cut-off.
ZoneRange SoilZone(const Project& p, int i, SoilZones& zones)
{
    const Single d = p.PileEqDiameter;
    const Single t = p.StepDepth[i];
    const Single lo = t - 8 * d;
    const Single hi = t + 4 * d;
    ZoneRange zone = ZoneBetween(zones.top, zones.bottom, lo, hi);
    zone.begin = std::max(zone.begin, zones.cutoff);
    if (zone.count() == 0)
        throw DesignError("de Ruiter soil zone holds no step");
    return zone;
}

// A step's soil zone and its means, worked out ahead of the step.
struct ZoneMeans {
    ZoneRange zone;
    Single sand = 0;
    Single siltClay = 0;
};

void EndBearing(Project& p, int i, int schmertmannBox, SoilZones& zones, const StepSoil* soil,
                TraceRecorder* rec, const ZoneMeans* ahead = nullptr)
{
    const StepTrace tr(rec, i, kDeRuiterName, "End bearing");
    const Single d = p.PileEqDiameter;
    const Single t = p.StepDepth[i];

    if (schmertmannBox != 1)
        SchmStepEndBearing(p, i);
    const Single sandBearing = p.SchmEndBearing[i];
    const Single clayBearing = sandBearing / 20 * 9;
    tr(schmertmannBox != 1 ? "sand end bearing (Schmertmann's, computed afresh)"
                           : "sand end bearing (Schmertmann's end bearing)",
       sandBearing, "tons");
    tr("clay end bearing (9 su with su = qc / 20)", clayBearing, "tons");

    // Soil from eight diameters above the tip to four below it, below the pile top.
    ZoneRange zone;
    Single sand, siltClay;
    if (ahead != nullptr) {
        zone = ahead->zone;
        sand = ahead->sand;
        siltClay = ahead->siltClay;
    } else {
        zone = SoilZone(p, i, zones);
        ZoneSoilMeans(p, soil, zone.begin, zone.end, sand, siltClay);
    }
    tr("soil zone top (tip - 8 D)", t - 8 * d, "ft");
    tr("soil zone bottom (tip + 4 D)", t + 4 * d, "ft");
    tr.Count("soil steps in the zone", zone.count(), "steps");
    ApplyClayOverride(sand, siltClay);
    tr("sand (after the clay override)", sand, "fraction");
    tr("silt + clay (after the clay override)", siltClay, "fraction");

    p.DeRuiterEndBearing[i] = sandBearing * sand + clayBearing * siltClay;
}

} // namespace

void DeRuiterStepEndBearing(Project& p, int i, Single topCutoff, int schmertmannBox, const StepSoil* soil,
                            TraceRecorder* rec)
{
    SoilZones zones(p, topCutoff);
    EndBearing(p, i, schmertmannBox, zones, soil, rec);
}

Single DeRuiterStepFriction(const Project& p, int i, const LayerValues* layers, TraceRecorder* rec)
{
    const StepTrace t(rec, i, kDeRuiterName, "Friction");
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
    const bool layered = layers != nullptr && p.AutoLayers == False;
    t(layered ? "qc (layer mean)" : "qc (mean of the step and the next)", qc, "tsf");
    t(layered ? "fs (layer mean)" : "fs (mean of the step and the next)", fs, "tsf");
    ApplyClayOverride(sand, siltClay);
    t("sand (after the clay override)", sand, "fraction");
    t("silt + clay (after the clay override)", siltClay, "fraction");

    const Single su = qc / 20;
    Single fClay = static_cast<Single>(0.5 * su);
    t("su = qc / 20", su, "tsf");
    t("clay friction 0.5 su", fClay, "tsf", !(fClay > 1.2F));
    if (fClay > 1.2F) {
        fClay = 1.2F;
        t("clay friction limited to 1.2 tsf", fClay, "tsf", true);
    }
    Single fSand = qc / 300;
    t("sand friction qc / 300", fSand, "tsf", !(fSand > 1.2F) && !(fSand > fs));
    if (fSand > 1.2F) {
        fSand = 1.2F;
        t("sand friction limited to 1.2 tsf", fSand, "tsf", !(fSand > fs));
    }
    if (fSand > fs) {
        fSand = fs;
        t("sand friction limited to fs", fSand, "tsf", true);
    }
    const Single f = fSand * sand + fClay * siltClay;
    t("f = sand friction x sand + clay friction x silt + clay", f, "tsf");
    return f * p.PilePerimeter * p.StepSize;
}

void RunDeRuiter(Project& p, Single topCutoff, const LayerValues* layers, int schmertmannBox,
                 const StepSoil* soil, TraceRecorder* rec)
{
    const int last = p.NumSteps - 1;
    SoilZones zones(p, topCutoff);
    // Without a recorder the soil zones' means are worked out ahead, four
    // steps side by side; with one, step by step, in the order the working reads.
    std::vector<ZoneMeans> ahead;
    const ZoneRange range = ZoneBetween(p.StepDepth, last, p.PileTopDepth, p.PileTipDepth);
    if (rec == nullptr && range.count() > 0) {
        ahead.resize(static_cast<std::size_t>(range.count()));
        for (int i = range.begin; i < range.end; i += 4) {
            const int n = std::min(4, range.end - i);
            ZoneRange four[4];
            Single sand[4], siltClay[4];
            for (int j = 0; j < n; ++j)
                four[j] = SoilZone(p, i + j, zones);
            ZoneSoilMeans4(p, soil, four, n, sand, siltClay);
            for (int j = 0; j < n; ++j)
                ahead[static_cast<std::size_t>(i + j - range.begin)] = {four[j], sand[j], siltClay[j]};
        }
    }
    RunMethodFrame(
        p, last, p.DeRuiterEndBearing, p.DeRuiterFriction, p.DeRuiterUltimate,
        [&](int i) {
            const ZoneMeans* given =
                ahead.empty() ? nullptr : &ahead[static_cast<std::size_t>(i - range.begin)];
            EndBearing(p, i, schmertmannBox, zones, soil, rec, given);
            return p.DeRuiterEndBearing[i];
        },
        [&](int i) { return DeRuiterStepFriction(p, i, layers, rec); }, rec, kDeRuiterName);
}

} // namespace quarvex
