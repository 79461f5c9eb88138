// quarvex-batch: the design of one pile from one CPT data file, without screens.
// It walks the screens' road with the options standing for the choices made on
// them, and writes the same output file.

#include "batch/BatchOptions.h"
#include "batch/BatchRead.h"
#include "classification/Classification.h"
#include "design/DesignBasis.h"
#include "design/DesignReport.h"
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
#include "screenlogic/DesignLoadEntry.h"
#include "screenlogic/DesignView.h"
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

// The design decision takes the summary's steps (AnalysisSteps), so that its
// pile tip is the step whose capacities are printed.
DesignDecision Decide(const Project& p, const DesignBasis& basis)
{
    std::vector<const Array1<Single>*> ultimates;
    for (const MethodEntry& m : DefaultMethods())
        ultimates.push_back(m.Results(p).ultimate);
    return DecideDesign(basis, ultimates, p.StepDepth, AnalysisSteps(p));
}

// The design capacities as further columns of the CSV rows: the heading row,
// then one row per step.
std::string WithDesignColumns(const std::string& csv, const DesignDecision& d)
{
    std::string t;
    int row = 0;
    std::size_t start = 0;
    for (std::size_t end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2, ++row) {
        t.append(csv, start, end - start);
        for (const std::string& cell : row == 0 ? DesignCsvColumns(d) : DesignCsvValues(d, row))
            t += "," + cell;
        t += "\r\n";
    }
    t.append(csv, start, std::string::npos);
    return t;
}

// The capacities at the deepest step listed in the tables, for the screen.
void PrintSummary(const Project& p, const std::string& exportText, const std::vector<std::string>& design)
{
    const StepRange steps = AnalysisSteps(p);
    const int tipStep = steps.empty() ? 0 : steps.last;
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
    for (const std::string& line : design)
        std::printf("%s\n", line.c_str());
    std::printf("%s\n", exportText.c_str());
}

// True when the two names lead to the same file (existing or not).
bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec))
        return true;
    // A relative name of a file not yet made is resolved against the current
    // folder only when made absolute first ("./a.dat" and "a.dat" otherwise differ).
    const auto ca = std::filesystem::weakly_canonical(std::filesystem::absolute(a, ec), ec);
    if (ec)
        return false;
    const auto cb = std::filesystem::weakly_canonical(std::filesystem::absolute(b, ec), ec);
    return !ec && ca == cb;
}

int Run(const Options& o)
{
    Project p;
    CreateHistoryLists(p);
    Pipeline pipeline(p);

    // Open-file screen: title lines, units, "Open Data File".
    if (const auto refused = ReadDataFile(pipeline, o))
        return Refuse(*refused);

    // "Plot Cone Data": SI readings are converted before the project information.
    pipeline.ConvertSI();

    // Project information, OK. The screen comes pre-filled with what the data
    // file carries; what the command line gives replaces it.
    const auto typed = [&o](const char* option, std::string& field, const std::string& text) {
        if (o.given.count(option) != 0)
            field = text;
    };
    typed("--project-number", p.ProjectNumber, o.projectNumber);
    typed("--company", p.Company, o.company);
    typed("--title", p.ProjectTitle, o.title);
    typed("--station", p.CPTStation, o.station);
    typed("--offset", p.StationOffset, o.offset);
    if (o.elevation && o.elevation->empty()) {
        p.GroundElevation = kNoElevation;
    } else if (o.elevation) {
        const auto elevation = ToSingle(*o.elevation);
        if (!elevation)
            return Refuse(" Data Entry Error .. Please check your data ");
        p.GroundElevation = *elevation;
    }
    typed("--struct-no", p.StructNo, o.structNo);
    typed("--latitude", p.Latitude, o.latitude);
    typed("--longitude", p.Longitude, o.longitude);
    typed("--date", p.ProjectDate, o.date);
    typed("--cpt-no", p.CPTNo, o.cptNo);
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
    std::optional<DesignBasis> designBasis;
    if (o.designLoad) {
        const DesignLoadCheck loadCheck = CheckDesignLoad(*o.designLoad, DesignMethodIds());
        if (!loadCheck.ok)
            return Refuse(loadCheck.message.text);
        // On the screen an empty box means no load; a --load given empty is a
        // load that is no number.
        if (!loadCheck.basis)
            return Refuse(kMsgDesignLoad);
        designBasis = loadCheck.basis;
    }

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

    // Whether or not the load is reached, the run is complete: the lines say
    // which methods fail.
    std::optional<DesignDecision> decision;
    if (designBasis)
        decision = Decide(p, *designBasis);

    int status = kExitOk;
    if (!result.exported)
        status = Refuse(result.message ? result.message->text
                                       : std::string("Could not write to file: ") + p.OutputFileName);
    if (o.csv) {
        std::string csv = CsvText(p, DefaultMethods());
        if (decision)
            csv = WithDesignColumns(csv, *decision);
        if (!WriteFileReplacing(*o.csv, csv))
            status = Refuse("Could not write to file: " + *o.csv);
    }
    if (o.report && decision && !WriteFileReplacing(*o.report, DesignReportText(p, *decision)))
        status = Refuse("Could not write to file: " + *o.report);
    if (result.exported)
        PrintSummary(p, result.message ? result.message->text : std::string(),
                     decision ? DesignSummaryLines(*decision) : std::vector<std::string>());
    if (o.csv && status == kExitOk)
        std::printf("Step values were written to file: %s\n", o.csv->c_str());
    if (o.report && status == kExitOk)
        std::printf("The design report was written to file: %s\n", o.report->c_str());
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
    if (options->report) {
        const std::string& report = *options->report;
        const char* clash = SameFile(report, options->input) ? "the report would replace the data file"
                            : SameFile(report, output)       ? "--report and --output name the same file"
                            : options->csv && SameFile(report, *options->csv)
                                ? "--report and --csv name the same file"
                                : nullptr;
        if (clash) {
            std::cerr << "quarvex-batch: " << clash << "\nTry 'quarvex-batch --help' for more information.\n";
            return kExitUsage;
        }
    }
    try {
        return Run(*options);
    } catch (const std::exception&) {
        return Refuse(quarvex::kMsgAnalysisError);
    }
}
