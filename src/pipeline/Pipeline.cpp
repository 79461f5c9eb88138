#include "pipeline/Pipeline.h"

#include "classification/Classification.h"
#include "design/OutputFile.h"
#include "design/TipOptions.h"
#include "input/Reader.h"
#include "input/SoundingProject.h"
#include "pipeline/SoundingRead.h"
#include "project/Units.h"
#include "results/CsvExport.h"
#include "screenlogic/SoilLayerEntry.h"

namespace quarvex {

Message Pipeline::Read(const std::string& path, int titleLines, Integer unitSystem)
{
    OpenFileDefaults();
    p_.NumTitleLines = static_cast<Integer>(titleLines);
    p_.UnitSystem = unitSystem;
    ChooseFile(path);
    const Message report = ReadChosenFile();
    if (p_.ReadError == False)
        ClearProjectInformation();
    return report;
}

void Pipeline::OpenFileDefaults()
{
    ResetOpenFileDefaults(p_);
}

void Pipeline::ChooseFile(const std::string& path)
{
    p_.DataFileName = path;
    p_.DataFileNum = NextFreeFileNumber(p_);
}

Message Pipeline::ReadChosenFile()
{
    return LoadConeFile(p_);
}

void Pipeline::ClearProjectInformation()
{
    InitHeader(p_);
}

Message Pipeline::UseSounding(const Sounding& s)
{
    ApplySounding(p_, s);
    return SoundingReport(p_.DataFileName, s);
}

void Pipeline::ConvertSI()
{
    if (p_.UnitSystem == kUnitsSI)
        ConvertReadingsSI(p_);
}

void Pipeline::AcceptProjectInformation()
{
    if (p_.UnitSystem == kUnitsSI)
        ConvertStepsSI(p_);
}

FactorCheck Pipeline::ConvertMillivoltFactors(const std::string& tipText, const std::string& sleeveText)
{
    FactorCheck factors = CheckConeFactors(FilterFactorText(tipText), FilterFactorText(sleeveText));
    if (factors.ok)
        ConvertMillivolts(p_, factors.tipFactor, factors.sleeveFactor);
    return factors;
}

std::optional<Message> Pipeline::ConvertMillivoltReadings(const std::string& tipText,
                                                          const std::string& sleeveText)
{
    const FactorCheck factors = ConvertMillivoltFactors(tipText, sleeveText);
    if (!factors.ok)
        return factors.message;
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

bool Pipeline::CsvCorrected() const
{
    return CorrectionsInForce(p_, methods_);
}

std::string Pipeline::CsvFileName() const
{
    return CsvCorrected() ? kCorrectedCsvFileName : kCsvFileName;
}

Message Pipeline::ExportCsv(const std::string& path) const
{
    if (!WriteFileReplacing(path, CsvText(p_, methods_, CsvCorrected())))
        return CriticalMessage(kMsgWriteFailed + path);
    return InfoMessage(kMsgCsvWritten + path, kExportCaption);
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
