// quarvex-batch: the design of one pile from one CPT data file, without screens.
// It walks the screens' road with the options standing for the choices made on
// them, and writes the same output file.

#include "batch/BatchOptions.h"
#include "classification/Classification.h"
#include "design/DesignRun.h"
#include "design/OutputFile.h"
#include "design/TipOptions.h"
#include "input/Cleaning.h"
#include "input/Reader.h"
#include "pipeline/Pipeline.h"
#include "project/NumberText.h"
#include "project/Project.h"
#include "project/Units.h"
#include "results/CsvExport.h"
#include "screenlogic/PileChecks.h"
#include "screenlogic/SoilLayerEntry.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace quarvex::batch {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

int Refuse(const std::string& text)
{
    std::cerr << text << '\n';
    return kExitRefused;
}

// Answers the design run's questions from the options, as a person would on the
// layer screen and the tip options screen; a refusal there ends the command.
class OptionAnswers : public DesignQuestions {
public:
    explicit OptionAnswers(const Options& o) : o_(o) {}

    bool EnterSoilLayers(Project& p) override
    {
        if (auto refused = EnterLayerBottoms(p, o_.layerBottoms)) {
            refusal = *refused;
            return false;
        }
        return true;
    }

    void ChooseTipOption(Project& p) override
    {
        const auto tailMax = ComputeTailMaxTip(p);
        if (!tailMax) {
            refusal = kMsgAnalysisError;
            p.TipOption = kTipOptionBack;
            return;
        }
        const std::string entry = o_.tipValue ? FilterNumericText(*o_.tipValue) : std::string();
        const TipChoice choice = CheckTipChoice(o_.tipOption - 1, entry, *tailMax);
        if (!choice.ok) {
            refusal = choice.message.text;
            p.TipOption = kTipOptionBack;
            return;
        }
        p.TipOption = choice.tipOption;
        if (choice.tipOption == 2)
            p.TipOption3Value = choice.option3Value;
    }

    std::string refusal;

private:
    const Options& o_;
};

// The capacities at the deepest step listed in the tables, for the screen.
void PrintSummary(const Project& p, const std::string& exportText)
{
    int tipStep = 0;
    for (int i = 1; i <= p.NumSteps - 1; ++i) {
        if (p.StepDepth[i] > p.PileTopDepth && p.StepDepth[i] <= p.PileTipDepth)
            tipStep = i;
    }
    std::printf("%s pile, %s inch, analysis from %s ft to %s ft\n", p.PileShape == 1 ? "Round" : "Square",
                p.PileSizeText.c_str(), GeneralForm(p.PileTopDepth).c_str(),
                GeneralForm(p.PileTipDepth).c_str());
    if (tipStep == 0) {
        std::printf("No step lies in the analysis range.\n");
    } else {
        std::printf("Capacities at the pile tip step, depth %s ft (tons):\n",
                    GeneralForm(p.StepDepth[tipStep]).c_str());
        std::printf("%-30s %14s %14s %14s\n", "Method", "End bearing", "Friction", "Ultimate");
        for (const MethodEntry& m : DefaultMethods()) {
            const ConstMethodArrays a = m.Results(p);
            std::printf(
                "%-30s %14s %14s %14s\n", m.name.c_str(), GeneralForm((*a.endBearing)[tipStep]).c_str(),
                GeneralForm((*a.friction)[tipStep]).c_str(), GeneralForm((*a.ultimate)[tipStep]).c_str());
        }
    }
    std::printf("%s\n", exportText.c_str());
}

// True when the two names lead to the same file (existing or not).
bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec))
        return true;
    const auto ca = std::filesystem::weakly_canonical(a, ec);
    if (ec)
        return false;
    const auto cb = std::filesystem::weakly_canonical(b, ec);
    return !ec && ca == cb;
}

int Run(const Options& o)
{
    Project p;
    CreateHistoryLists(p);
    Pipeline pipeline(p);

    // Open-file screen: title lines, units, "Open Data File".
    const Message read = pipeline.Read(o.input, o.titleLines, static_cast<Integer>(o.units));
    if (p.ReadError != False)
        return Refuse(read.text);

    // "Plot Cone Data": SI readings are converted before the project information.
    pipeline.ConvertSI();

    // Project information, OK.
    p.ProjectNumber = o.projectNumber;
    p.Company = o.company;
    p.ProjectTitle = o.title;
    p.CPTStation = o.station;
    p.StationOffset = o.offset;
    if (!o.elevation || o.elevation->empty()) {
        p.GroundElevation = kNoElevation;
    } else {
        const auto elevation = ToSingle(*o.elevation);
        if (!elevation)
            return Refuse(" Data Entry Error .. Please check your data ");
        p.GroundElevation = *elevation;
    }
    p.StructNo = o.structNo;
    p.Latitude = o.latitude;
    p.Longitude = o.longitude;
    p.ProjectDate = o.date;
    p.CPTNo = o.cptNo;
    p.Comments = o.comments ? *o.comments : p.FileHeader;

    // Millivolt readings: the conversion factors, "Continue".
    if (p.UnitSystem == kUnitsMillivolts) {
        if (auto refused =
                pipeline.ConvertMillivoltReadings(o.tipFactor.value_or(kDefaultTipFactorText),
                                                  o.sleeveFactor.value_or(kDefaultSleeveFactorText)))
            return Refuse(refused->text);
    }

    // Cone data plot: cleaning. Soil classification plot: the step table.
    pipeline.Clean();
    if (auto refused = pipeline.BuildSteps())
        return Refuse(refused->text);

    // Pile design screen as it loads.
    pipeline.LoadDesignScreen(static_cast<Integer>(o.shape), o.output.value_or(kDefaultOutputFileName));
    const Single coneTop = pipeline.ConeTop();
    const Single coneMax = pipeline.ConeMax();

    // The depth boxes as typed: a text that is no number is erased as it is typed.
    AnalysisInputs inputs;
    inputs.sizeText = *o.size;
    if (o.top) {
        inputs.topSelect = true;
        inputs.topText = FilterNumericText(*o.top);
        p.PileTopDepth = DepthBoxValue(inputs.topText, coneTop);
    }
    if (o.tip) {
        inputs.tipSelect = true;
        inputs.tipText = FilterNumericText(*o.tip);
        p.PileTipDepth = DepthBoxValue(inputs.tipText, coneMax);
    }

    // "Analysis".
    const AnalysisCheck check = pipeline.Check(inputs);
    if (!check.ok)
        return Refuse(check.message.text);

    OptionAnswers answers(o);
    DesignRunInputs run;
    run.manualLayers = o.manualLayers;
    run.topText = inputs.topText;
    const DesignRunResult result = pipeline.Design(run, answers);

    switch (result.outcome) {
    case DesignOutcome::StoppedAtLayers:
    case DesignOutcome::StoppedAtTipOptions:
        return Refuse(answers.refusal.empty() ? std::string(kMsgAnalysisError) : answers.refusal);
    case DesignOutcome::OutputRefused:
    case DesignOutcome::Failed:
        return Refuse(result.message ? result.message->text : std::string(kMsgAnalysisError));
    case DesignOutcome::Completed:
        break;
    }

    int status = kExitOk;
    if (!result.exported)
        status = Refuse(result.message ? result.message->text
                                       : std::string("Could not write to file: ") + p.OutputFileName);
    if (o.csv && !WriteFileReplacing(*o.csv, CsvText(p, DefaultMethods())))
        status = Refuse("Could not write to file: " + *o.csv);
    if (result.exported)
        PrintSummary(p, result.message ? result.message->text : std::string());
    if (o.csv && status == kExitOk)
        std::printf("Step values were written to file: %s\n", o.csv->c_str());
    return status;
}

} // namespace

} // namespace quarvex::batch

int main(int argc, char** argv)
{
    using namespace quarvex::batch;
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = ParseOptions(args, error);
    if (!options) {
        std::cerr << "quarvex-batch: " << error << "\nTry 'quarvex-batch --help' for more information.\n";
        return kExitUsage;
    }
    if (options->help) {
        std::cout << HelpText();
        return kExitOk;
    }
    // Writing over the sounding would lose it; writing both tables to one file
    // would lose one of them.
    const std::string output = options->output.value_or(quarvex::kDefaultOutputFileName);
    const bool overData =
        SameFile(output, options->input) || (options->csv && SameFile(*options->csv, options->input));
    if (overData || (options->csv && SameFile(*options->csv, output))) {
        std::cerr << "quarvex-batch: "
                  << (overData ? "the output would replace the data file"
                               : "--csv and --output name the same file")
                  << "\nTry 'quarvex-batch --help' for more information.\n";
        return kExitUsage;
    }
    try {
        return Run(*options);
    } catch (const std::exception&) {
        return Refuse(quarvex::kMsgAnalysisError);
    }
}
