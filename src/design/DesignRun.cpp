#include "design/DesignRun.h"

#include "design/DeRuiter.h"
#include "design/DesignCommon.h"
#include "design/Lcpc.h"
#include "design/OutputFile.h"
#include "design/Schmertmann.h"
#include "design/TipOptions.h"
#include "project/NumberText.h"

#include <cmath>
#include <new>

namespace quarvex {

void RunMethodsAndAverage(Project& p, OutputWriter& out, Single topCutoff, int schmertmannBox)
{
    std::optional<LayerValues> layers;
    if (p.AutoLayers == False)
        layers = ComputeLayerValues(p);
    const LayerValues* perLayer = layers ? &*layers : nullptr;

    const StepSoil soil = ComputeStepSoil(p);
    RunLcpc(p, out, topCutoff, perLayer, &soil);
    RunSchmertmann(p, out, topCutoff, perLayer);
    RunDeRuiter(p, out, topCutoff, perLayer, schmertmannBox, &soil);

    for (int i = 1; i <= p.NumSteps; ++i) {
        p.AvgEndBearing[i] = (p.SchmEndBearing[i] + p.LcpcEndBearing[i] + p.DeRuiterEndBearing[i]) / 3;
        p.AvgFriction[i] = (p.SchmFriction[i] + p.LcpcFriction[i] + p.DeRuiterFriction[i]) / 3;
        p.AvgUltimate[i] = (p.SchmUltimate[i] + p.LcpcUltimate[i] + p.DeRuiterUltimate[i]) / 3;
    }
    RequireFinite(p.AvgEndBearing, p.AvgFriction, p.AvgUltimate, p.NumSteps);
    out.WriteMethodSection("Average", p.AvgEndBearing, p.AvgFriction, p.AvgUltimate);
}

DesignRunResult RunDesign(Project& p, const DesignRunInputs& in, DesignQuestions& questions)
{
    DesignRunResult result;
    auto fail = [&result]() {
        result.outcome = DesignOutcome::Failed;
        result.message = CriticalMessage(kMsgAnalysisError);
        result.exported = false;
        return result;
    };

    p.AutoLayers = True;
    if (in.manualLayers && !questions.EnterSoilLayers(p)) {
        result.outcome = DesignOutcome::StoppedAtLayers;
        return result;
    }

    // A step table the zones cannot work on (none, or depths out of order) and a
    // pile without a size are failures of the run, not crashes.
    if (p.NumSteps < 1 || p.StepDepth.size() < p.NumSteps || p.StepTip.size() < p.NumSteps ||
        p.StepSleeve.size() < p.NumSteps || p.PctSand.size() < p.NumSteps || p.PctSilt.size() < p.NumSteps ||
        p.PctClay.size() < p.NumSteps || !DepthsSorted(p.StepDepth, p.NumSteps) || !(p.PileSize > 0) ||
        !std::isfinite(p.PileSize))
        return fail();

    OutputWriter out;
    try {
        ComputePileGeometry(p);
        if (TipOptionsNeeded(p)) {
            questions.ChooseTipOption(p);
            if (p.TipOption == kTipOptionBack) {
                result.outcome = DesignOutcome::StoppedAtTipOptions;
                return result;
            }
        }
        ExtendTipProfile(p);

        if (auto refused = out.WriteOutputHeader(p)) {
            result.outcome = DesignOutcome::OutputRefused;
            result.message = *refused;
            return result;
        }

        const Single topCutoff = ToSingle(in.topText).value_or(0.0F);
        RunMethodsAndAverage(p, out, topCutoff, in.schmertmannBox);
    } catch (const DesignError&) {
        out.Abandon();
        return fail();
    } catch (const std::bad_alloc&) {
        out.Abandon();
        return fail();
    }

    result.outcome = DesignOutcome::Completed;
    result.message = out.CloseOutputFile();
    result.exported = !out.Failed();
    return result;
}

} // namespace quarvex
