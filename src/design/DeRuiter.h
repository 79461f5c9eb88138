#pragma once
// de Ruiter and Beringen method for driven concrete piles.

#include "design/DesignCommon.h"

namespace quarvex {

// Fills DeRuiterEndBearing, DeRuiterFriction, DeRuiterUltimate over the analysis
// range (the last step is never evaluated), and nothing else.
// schmertmannBox is the value of the Schmertmann method box (0, 1 or 2): unless it
// is 1 the Schmertmann end bearing of a step is computed afresh.
void RunDeRuiter(Project& p, Single topCutoff, const LayerValues* layers, int schmertmannBox,
                 const StepSoil* soil = nullptr, TraceRecorder* rec = nullptr);

void DeRuiterStepEndBearing(Project& p, int i, Single topCutoff, int schmertmannBox,
                            const StepSoil* soil = nullptr, TraceRecorder* rec = nullptr);
Single DeRuiterStepFriction(const Project& p, int i, const LayerValues* layers, TraceRecorder* rec = nullptr);

} // namespace quarvex
