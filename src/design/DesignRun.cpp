#include "design/DesignRun.h"

#include "design/DeRuiter.h"
#include "design/DesignCommon.h"
#include "design/Lcpc.h"
#include "design/Methods.h"
#include "design/OutputFile.h"
#include "design/Schmertmann.h"
#include "design/TipOptions.h"
#include "project/NumberText.h"

#include <cmath>
#include <new>

namespace quarvex {

void RunMethodsAndAverage(Project& p, const MethodTable& methods, Single topCutoff, int schmertmannBox,
                          TraceRecorder* trace)
{
    p.RunTopCutoff = topCutoff;
    p.RunSchmertmannBox = static_cast<Integer>(schmertmannBox);
    std::optional<LayerValues> layers;
    if (p.AutoLayers == False)
        layers = ComputeLayerValues(p, trace);

    const StepSoil soil = ComputeStepSoil(p);
    MethodRunInputs in;
    in.topCutoff = topCutoff;
    in.layers = layers ? &*layers : nullptr;
    in.soil = &soil;
    in.schmertmannBox = schmertmannBox;
    in.trace = trace;
    RunMethods(p, methods, in);
}

DesignRunResult RunDesign(Project& p, const DesignRunInputs& in, DesignQuestions& questions)
{
    return RunDesign(p, in, questions, DefaultMethods());
}

DesignRunResult RunDesign(Project& p, const DesignRunInputs& in, DesignQuestions& questions,
                          const MethodTable& methods)
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
        RedimResults(p, methods, p.NumSteps);

        if (auto refused = out.WriteOutputHeader(p)) {
            result.outcome = DesignOutcome::OutputRefused;
            result.message = *refused;
            return result;
        }

        // The file was opened first so that a run that cannot write stops before
        // any computation; the tables are written from the finished results.
        const Single topCutoff = ToSingle(in.topText).value_or(0.0F);
        RunMethodsAndAverage(p, methods, topCutoff, in.schmertmannBox);
        WriteMethodSections(out, p, methods);
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
