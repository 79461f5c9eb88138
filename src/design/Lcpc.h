#pragma once
// LCPC method (Bustamante and Gianeselli) for driven concrete piles.

#include "design/DesignCommon.h"

namespace quarvex {

// Fills LcpcEndBearing, LcpcFriction, LcpcUltimate over the analysis range and
// nothing else (the output file is written from the results). `layers` holds the per-layer means when
// AutoLayers is False.
void RunLcpc(Project& p, Single topCutoff, const LayerValues* layers, const StepSoil* soil = nullptr,
             TraceRecorder* rec = nullptr);

void LcpcStepEndBearing(Project& p, int i, Single topCutoff, const StepSoil* soil = nullptr,
                        TraceRecorder* rec = nullptr);
Single LcpcStepFriction(const Project& p, int i, const LayerValues* layers, TraceRecorder* rec = nullptr);

// Friction curve number for a tip resistance in ksf: clay 1..2, sand 1..3.
int LcpcClayCurve(Single qksf);
int LcpcSandCurve(Single qksf);
// Curve value in MPa for a tip resistance in MPa.
Single LcpcClayFriction(int curve, Single qMPa);
Single LcpcSandFriction(int curve, Single qMPa);

} // namespace quarvex
