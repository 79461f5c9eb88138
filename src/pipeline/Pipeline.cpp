#include "pipeline/Pipeline.h"

#include "classification/Classification.h"
#include "design/TipOptions.h"
#include "input/Reader.h"
#include "project/Units.h"
#include "screenlogic/SoilLayerEntry.h"

namespace quarvex {

Message Pipeline::Read(const std::string& path, int titleLines, Integer unitSystem)
{
    ResetOpenFileDefaults(p_);
    p_.NumTitleLines = static_cast<Integer>(titleLines);
    p_.UnitSystem = unitSystem;
    p_.DataFileName = path;
    p_.DataFileNum = NextFreeFileNumber(p_);
    const Message report = LoadConeFile(p_);
    if (p_.ReadError == False)
        InitHeader(p_);
    return report;
}

void Pipeline::ConvertSI()
{
    if (p_.UnitSystem == kUnitsSI)
        ConvertReadingsSI(p_);
}

std::optional<Message> Pipeline::ConvertMillivoltReadings(const std::string& tipText,
                                                          const std::string& sleeveText)
{
    const FactorCheck factors = CheckConeFactors(FilterFactorText(tipText), FilterFactorText(sleeveText));
    if (!factors.ok)
        return factors.message;
    ConvertMillivolts(p_, factors.tipFactor, factors.sleeveFactor);
    return std::nullopt;
}

ConeMaxima Pipeline::Clean()
{
    return CleanReadings(p_);
}

std::optional<Message> Pipeline::BuildSteps()
{
    return BuildStepTable(p_);
}

void Pipeline::LoadDesignScreen(Integer pileShape, const std::string& outputFileName)
{
    p_.PileType = 9;
    p_.PileShape = pileShape;
    p_.PileSize = 14.0F / 12;
    coneTop_ = ConeTopDepth(p_);
    coneMax_ = ConeMaxDepth(p_);
    p_.PileTopDepth = coneTop_;
    p_.PileTipDepth = coneMax_;
    p_.OutputFileName = outputFileName;
    p_.OutputFileNum = NextFreeFileNumber(p_);
}

AnalysisCheck Pipeline::Check(const AnalysisInputs& in)
{
    return CheckAnalysisInputs(p_, in, coneTop_, coneMax_);
}

DesignRunResult Pipeline::Design(const DesignRunInputs& in, DesignQuestions& questions)
{
    return RunDesign(p_, in, questions, methods_);
}

std::optional<std::string> EnterLayerBottoms(Project& p, const std::vector<std::string>& bottoms)
{
    SoilLayerEntry entry(p);
    entry.Load();
    entry.SelectNumLayers(static_cast<int>(bottoms.size()) + 1);
    for (const std::string& bottom : bottoms) {
        entry.TypeText(1, bottom);
        if (auto m = entry.PressNext())
            return m->text;
    }
    if (auto m = entry.PressDone())
        return m->text;
    if (!entry.Completed())
        return std::string(kMsgAnalysisError);
    return std::nullopt;
}

} // namespace quarvex
