#include "batch/BatchRun.h"

#include "batch/BatchRead.h"
#include "classification/Classification.h"
#include "design/DesignBasis.h"
#include "design/DesignReport.h"
#include "design/DesignRun.h"
#include "design/OutputFile.h"
#include "design/TipOptions.h"
#include "design/Working.h"
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
#include "screenlogic/WorkingView.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace quarvex::batch {

namespace {

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

// A column of the summary table: printf's "%-Ns" and "%Ns" (a longer text is
// kept whole).
std::string LeftInWidth(const std::string& s, std::size_t width)
{
    return s.size() >= width ? s : s + std::string(width - s.size(), ' ');
}
std::string RightInWidth(const std::string& s, std::size_t width)
{
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

// The capacities at the deepest step listed in the tables, for the screen.
std::string SummaryText(const Project& p, const std::string& exportText,
                        const std::vector<std::string>& design)
{
    const StepRange steps = AnalysisSteps(p);
    const int tipStep = steps.empty() ? 0 : steps.last;
    std::string t = std::string(p.PileShape == 1 ? "Round" : "Square") + " pile, " + p.PileSizeText +
                    " inch, analysis from " + GeneralForm(p.PileTopDepth) + " ft to " +
                    GeneralForm(p.PileTipDepth) + " ft\n";
    if (tipStep == 0) {
        t += "No step lies in the analysis range.\n";
    } else {
        t += "Capacities at the pile tip step, depth " + GeneralForm(p.StepDepth[tipStep]) + " ft (tons):\n";
        t += LeftInWidth("Method", 30) + " " + RightInWidth("End bearing", 14) + " " +
             RightInWidth("Friction", 14) + " " + RightInWidth("Ultimate", 14) + "\n";
        for (const MethodEntry& m : DefaultMethods()) {
            const ConstMethodArrays a = m.Results(p);
            t += LeftInWidth(m.name, 30) + " " + RightInWidth(GeneralForm((*a.endBearing)[tipStep]), 14) +
                 " " + RightInWidth(GeneralForm((*a.friction)[tipStep]), 14) + " " +
                 RightInWidth(GeneralForm((*a.ultimate)[tipStep]), 14) + "\n";
        }
    }
    for (const std::string& line : design)
        t += line + "\n";
    t += exportText + "\n";
    return t;
}

DesignedCapacities Capacities(const Project& p, const std::optional<DesignDecision>& decision,
                              bool keepProfile)
{
    DesignedCapacities c;
    c.stepSize = p.StepSize;
    const StepRange steps = AnalysisSteps(p);
    if (steps.empty())
        return c;
    c.firstStep = steps.first;
    c.tipStep = steps.last;
    c.tipDepth = p.StepDepth[steps.last];
    if (keepProfile)
        for (int i = steps.first; i <= steps.last; ++i)
            c.depths.push_back(p.StepDepth[i]);
    for (const MethodEntry& m : DefaultMethods()) {
        const ConstMethodArrays a = m.Results(p);
        MethodCapacities mc;
        mc.endBearing = (*a.endBearing)[steps.last];
        mc.friction = (*a.friction)[steps.last];
        mc.ultimate = (*a.ultimate)[steps.last];
        if (keepProfile)
            for (int i = steps.first; i <= steps.last; ++i)
                mc.ultimates.push_back((*a.ultimate)[i]);
        c.methods.push_back(std::move(mc));
    }
    if (decision) {
        for (const MethodDecision& m : decision->methods) {
            c.designAtTip.push_back(m.tipCapacity);
            c.passes.push_back(m.passes);
        }
    }
    return c;
}

// The run proper; `r` collects what is printed and what was reached.
// The working of the depths asked for, from the run just made.
template <typename Refuse> void WriteTrace(const Options& o, const Project& p, RunResult& r, Refuse&& refuse)
{
    std::vector<int> steps;
    for (const std::string& d : o.traceDepths) {
        if (d == "all") {
            const std::vector<int> all = WorkingSteps(p);
            steps.insert(steps.end(), all.begin(), all.end());
        } else if (const int step = NearestStep(p, ToDouble(d).value_or(0))) {
            steps.push_back(step);
        }
    }
    const auto trace = TraceDesign(p, steps, DefaultMethods());
    if (!trace) {
        refuse(kMsgAnalysisError);
        return;
    }
    const std::string csv = TraceCsv(p, *trace);
    if (!o.traceFile) {
        r.out += csv;
        return;
    }
    if (!WriteFileReplacing(*o.traceFile, csv)) {
        refuse("Could not write to file: " + *o.traceFile);
        return;
    }
    if (r.status == kExitOk)
        r.out += "The working was written to file: " + *o.traceFile + "\n";
}

void Run(const Options& o, bool keepProfile, RunResult& r)
{
    const auto refuse = [&r](const std::string& text) {
        r.err += text + "\n";
        r.status = kExitRefused;
    };

    // The project is large; a worker's stack is not the place for it.
    const auto owned = std::make_unique<Project>();
    Project& p = *owned;
    CreateHistoryLists(p);
    Pipeline pipeline(p);

    // Open-file screen: title lines, units, "Open Data File".
    if (const auto refused = ReadDataFile(pipeline, o))
        return refuse(*refused);

    // "Plot Cone Data": SI readings are converted before the project information.
    pipeline.ConvertSI();
    r.read = true;
    r.readings = p.NumReadings;
    if (p.NumReadings > 0) {
        r.firstDepth = p.DepthData[1];
        r.lastDepth = p.DepthData[p.NumReadings];
    }

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
            return refuse(" Data Entry Error .. Please check your data ");
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
            return refuse(refused->text);
    }

    // Cone data plot: cleaning. Soil classification plot: the step table.
    pipeline.Clean();
    if (auto refused = pipeline.BuildSteps())
        return refuse(refused->text);

    // Pile design screen as it loads.
    pipeline.LoadDesignScreen(static_cast<Integer>(o.shape), o.output.value_or(kDefaultOutputFileName));
    const Single coneTop = pipeline.ConeTop();
    const Single coneMax = pipeline.ConeMax();

    // The depth boxes as typed: a text that is no number is erased as it is typed.
    AnalysisInputs inputs;
    inputs.sizeText = o.size.value_or(std::string());
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
        return refuse(check.message.text);
    std::optional<DesignBasis> designBasis;
    if (o.designLoad) {
        const DesignLoadCheck loadCheck = CheckDesignLoad(*o.designLoad, DesignMethodIds());
        if (!loadCheck.ok)
            return refuse(loadCheck.message.text);
        // On the screen an empty box means no load; a --load given empty is a
        // load that is no number.
        if (!loadCheck.basis)
            return refuse(kMsgDesignLoad);
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
        return refuse(answers.refusal.empty() ? std::string(kMsgAnalysisError) : answers.refusal);
    case DesignOutcome::OutputRefused:
    case DesignOutcome::Failed:
        return refuse(result.message ? result.message->text : std::string(kMsgAnalysisError));
    case DesignOutcome::Completed:
        break;
    }

    // Whether or not the load is reached, the run is complete: the lines say
    // which methods fail.
    std::optional<DesignDecision> decision;
    if (designBasis)
        decision = Decide(p, *designBasis);

    if (!result.exported)
        refuse(result.message ? result.message->text
                              : std::string("Could not write to file: ") + p.OutputFileName);
    if (o.csv) {
        std::string csv = CsvText(p, DefaultMethods());
        if (decision)
            csv = WithDesignColumns(csv, *decision);
        if (!WriteFileReplacing(*o.csv, csv))
            refuse("Could not write to file: " + *o.csv);
    }
    if (o.report && decision && !WriteFileReplacing(*o.report, DesignReportText(p, *decision)))
        refuse("Could not write to file: " + *o.report);
    if (result.exported) {
        r.out += SummaryText(p, result.message ? result.message->text : std::string(),
                             decision ? DesignSummaryLines(*decision) : std::vector<std::string>());
        r.designed = Capacities(p, decision, keepProfile);
    }
    if (o.csv && r.status == kExitOk)
        r.out += "Step values were written to file: " + *o.csv + "\n";
    if (o.report && r.status == kExitOk)
        r.out += "The design report was written to file: " + *o.report + "\n";
    if (!o.traceDepths.empty() && result.exported)
        WriteTrace(o, p, r, refuse);
}

} // namespace

RunResult RunDesign(const Options& o, bool keepProfile)
{
    RunResult r;
    try {
        Run(o, keepProfile, r);
    } catch (const std::exception&) {
        // What was printed before stays printed; the run ends refused.
        r.err += std::string(kMsgAnalysisError) + "\n";
        r.status = kExitRefused;
        r.designed.reset();
    }
    return r;
}

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

std::optional<std::string> OutputClash(const Options& o)
{
    // Writing over the sounding would lose it; writing both tables to one file
    // would lose one of them.
    const std::string output = o.output.value_or(kDefaultOutputFileName);
    const bool overData = SameFile(output, o.input) || (o.csv && SameFile(*o.csv, o.input));
    if (overData || (o.csv && SameFile(*o.csv, output)))
        return std::string(overData ? "the output would replace the data file"
                                    : "--csv and --output name the same file");
    if (o.report) {
        const std::string& report = *o.report;
        if (SameFile(report, o.input))
            return std::string("the report would replace the data file");
        if (SameFile(report, output))
            return std::string("--report and --output name the same file");
        if (o.csv && SameFile(report, *o.csv))
            return std::string("--report and --csv name the same file");
    }
    if (o.traceFile) {
        const std::string& trace = *o.traceFile;
        if (SameFile(trace, o.input))
            return std::string("the working would replace the data file");
        if (SameFile(trace, output) || (o.csv && SameFile(trace, *o.csv)) ||
            (o.report && SameFile(trace, *o.report)))
            return std::string("--trace-file names the same file as another output");
    }
    return std::nullopt;
}

} // namespace quarvex::batch
