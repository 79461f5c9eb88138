#pragma once
// What the three capacity methods share: pile geometry, the tip profile below the
// sounding, soil fractions and the clay override, per-layer means in manual layer
// mode, and the frame that walks the analysis range.

#include "design/Zones.h"
#include "project/Project.h"
#include "project/Trace.h"

#include <stdexcept>

namespace quarvex {

// A failure inside the design run (a zone without a value, an overflow): the run
// ends with the analysis error message.
struct DesignError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// PileEqDiameter, PilePerimeter, PileTipArea from PileType, PileShape, PileSize.
void ComputePileGeometry(Project& p);

// StepDepth(NumSteps) - 4 x PileEqDiameter, rounded to Single: the start of the
// last four diameters of the sounding.
Single TailLimit(const Project& p);
// The pile tip lies within four diameters of the last step: the tip options apply.
bool TipOptionsNeeded(const Project& p);
// Mean StepTip of the steps deeper than TailLimit (option 1 of the tip options).
Single TailMeanTip(const Project& p);

// NumExtSteps, ExtStepDepth, ExtStepTip from the step table and TipOption, and the
// twelve result arrays reallocated with NumSteps zeros.
void ExtendTipProfile(Project& p);

// Soil fractions of a step (0..1).
struct SoilFractions {
    Single sand = 0;
    Single siltClay = 0;
    Single siltSand = 0;
};
SoilFractions StepFractions(const Project& p, int i);

// The sand and silt+clay fractions of every step, worked out once per run for
// the soil zones (the same values StepFractions gives).
struct StepSoil {
    Array1<Single> sand, siltClay;
};
StepSoil ComputeStepSoil(const Project& p);

// Means of the sand and silt+clay fractions over the steps [begin, end), summed
// in increasing depth; `soil` may be null.
void ZoneSoilMeans(const Project& p, const StepSoil* soil, int begin, int end, Single& sand,
                   Single& siltClay);

// The same for zones[0..n) at once (n up to 4), each sum in its own order as
// ZoneSoilMeans adds it: zones of neighbouring steps overlap, and their sums
// then go side by side instead of one after the other.
void ZoneSoilMeans4(const Project& p, const StepSoil* soil, const ZoneRange zones[4], int n, Single sand[4],
                    Single siltClay[4]);

// The sums of values over zones[0..n) at once (n up to 4), each from +0 in
// increasing index as a loop adds them; `values` points at element 1.
void ZoneSums4(const Single* values, const ZoneRange zones[4], int n, Single sums[4]);

// silt+clay above the Single 0.8 counts as pure clay.
inline void ApplyClayOverride(Single& sand, Single& siltClay)
{
    if (siltClay > 0.8F) {
        siltClay = 1;
        sand = 0;
    }
}

// Per-layer means (manual layer mode), one value per step, 0 outside every layer.
struct LayerValues {
    Array1<Single> tip, sleeve, sand, siltClay, siltSand;
};
// With a recorder, each layer's bounds, steps, integrals and means are recorded
// at the steps of the layer that were asked for.
LayerValues ComputeLayerValues(const Project& p, TraceRecorder* rec = nullptr);

// Walks steps 1..lastStep: in the analysis range (PileTopDepth < depth <=
// PileTipDepth) sets end bearing and the running friction; everywhere
// ultimate = end bearing + friction. With a recorder, the end bearing, the
// increment and the running friction of the steps asked for are recorded under
// the method's name.
template <typename EndBearing, typename Increment>
void RunMethodFrame(Project& p, int lastStep, Array1<Single>& endBearing, Array1<Single>& friction,
                    Array1<Single>& ultimate, EndBearing&& stepEndBearing, Increment&& stepIncrement,
                    TraceRecorder* rec = nullptr, const char* method = "")
{
    const ZoneRange range = ZoneBetween(p.StepDepth, lastStep, p.PileTopDepth, p.PileTipDepth);
    Single running = 0;
    for (int i = range.begin; i < range.end; ++i) {
        endBearing[i] = stepEndBearing(i);
        const Single increment = stepIncrement(i);
        running = running + increment;
        friction[i] = running;
        if (rec != nullptr && rec->Wants(i)) [[unlikely]] {
            const StepTrace t(rec, i, method, "Result");
            t("end bearing", endBearing[i], "tons");
            t("friction increment", increment, "tons");
            t("cumulative friction", running, "tons");
        }
    }
    for (int i = 1; i <= lastStep; ++i)
        ultimate[i] = endBearing[i] + friction[i];
}

// Throws DesignError unless every value of the three arrays (1..n) is finite:
// a Single that overflowed is a failed computation, not a result.
void RequireFinite(const Array1<Single>& a, const Array1<Single>& b, const Array1<Single>& c, int n);

} // namespace quarvex
