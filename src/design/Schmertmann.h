#pragma once
// Schmertmann method for driven concrete piles.

#include "design/DesignCommon.h"

namespace quarvex {

// Fills SchmEndBearing, SchmFriction, SchmUltimate over the analysis range and
// nothing else. topCutoff is not used by this method.
void RunSchmertmann(Project& p, Single topCutoff, const LayerValues* layers, TraceRecorder* rec = nullptr);

// Sets SchmEndBearing(i): the mean of qc1 (below the tip) and qc2 (above it),
// limited to 150 tsf, times the tip area.
void SchmStepEndBearing(Project& p, int i, TraceRecorder* rec = nullptr);
Single SchmStepFriction(const Project& p, int i, const LayerValues* layers, TraceRecorder* rec = nullptr);

// The two parts of the tip resistance at step i, for inspection.
struct SchmTipParts {
    Single qc1 = 0;
    Single qc2 = 0;
};
SchmTipParts SchmTipResistances(const Project& p, int i, TraceRecorder* rec = nullptr);

// The mean of the values going down and of the minimum path coming up, over
// values[first..last) in increasing depth.
Single MinimumPathZoneValue(const Array1<Single>& values, int first, int last);

Single ClayReductionFactor(Single fs);
Single SandDepthFactor(Single ratio);

} // namespace quarvex
