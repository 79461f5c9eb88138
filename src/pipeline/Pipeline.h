#pragma once
// The order of the work on one project, written once: read, convert, clean,
// build and classify the step table, check the design inputs, design, write.
// The batch command, the test fixtures and the benchmarks call these steps in
// turn; each step is what one screen does as the user moves on.

#include "design/DesignRun.h"
#include "design/Methods.h"
#include "input/Cleaning.h"
#include "input/Sounding.h"
#include "project/Message.h"
#include "project/Project.h"
#include "project/Units.h"
#include "screenlogic/PileChecks.h"

#include <optional>
#include <string>
#include <vector>

namespace quarvex {

inline constexpr const char* kCsvFileName = "Output.csv";
inline constexpr const char* kCorrectedCsvFileName = "Output-corrected.csv";
inline constexpr const char* kMsgCsvWritten = "Step values were written to file: ";

class Pipeline {
public:
    explicit Pipeline(Project& p, const MethodTable& methods = DefaultMethods()) : p_(p), methods_(methods) {}

    Project& project() { return p_; }
    const MethodTable& methods() const { return methods_; }

    // The open-file screen: its defaults, title lines and units, "Open Data File".
    // The reader's report (or its refusal, with ReadError set).
    Message Read(const std::string& path, int titleLines, Integer unitSystem);

    // Read's parts, for the open-file screen, which sets the title lines and
    // units from its controls and clears the project information whether or
    // not the file could be read.
    void OpenFileDefaults();
    // The chosen file becomes current, also when it is only to be viewed.
    void ChooseFile(const std::string& path);
    Message ReadChosenFile();
    void ClearProjectInformation();
    // A sounding of a self-describing file (see SoundingRead.h) read from the
    // chosen file: its readings, units and project information go into the
    // project. The report to show.
    Message UseSounding(const Sounding& s);

    // "Plot Cone Data": SI readings are converted to feet and tsf.
    void ConvertSI();
    // The project information's OK: a step table still in SI units follows the
    // readings into feet and tsf.
    void AcceptProjectInformation();
    // Millivolt readings with the factor boxes' texts, as typed: the check of
    // "Continue" (a refusal names the box to go back to); converted when it passed.
    FactorCheck ConvertMillivoltFactors(const std::string& tipText, const std::string& sleeveText);
    // The same, reduced to the refusal if any.
    std::optional<Message> ConvertMillivoltReadings(const std::string& tipText,
                                                    const std::string& sleeveText);

    // The cone plot's cleaning, then the soil plot's step table.
    ConeMaxima Clean();
    std::optional<Message> BuildSteps();

    // The pile design screen as it loads: its defaults for the given shape.
    void LoadDesignScreen(Integer pileShape, const std::string& outputFileName);
    Single ConeTop() const { return coneTop_; }
    Single ConeMax() const { return coneMax_; }

    // "Analysis": the checks, then the run. Layers for a manual-layer run go
    // through the questions, as the layer screen would take them.
    AnalysisCheck Check(const AnalysisInputs& in);
    DesignRunResult Design(const DesignRunInputs& in, DesignQuestions& questions);

    // The results as CSV: the corrected capacities exactly when corrections are
    // in force for the results held (their headings then start with "Corr"),
    // otherwise the design values, as the batch command's --csv writes them.
    bool CsvCorrected() const;
    // The name offered for the export; it says which values the file holds.
    std::string CsvFileName() const;
    // Writes the CSV to path (replacing a file only when complete) and returns
    // what to tell the user.
    Message ExportCsv(const std::string& path) const;

private:
    Project& p_;
    const MethodTable& methods_;
    Single coneTop_ = 0;
    Single coneMax_ = 0;
};

// The layer screen driven with the interior layer bottoms as typed: "Next" on
// each, then "Done". Nothing when the entry was completed; the screen's refusal
// otherwise. Sets the manual layers of the project as the screen does.
std::optional<std::string> EnterLayerBottoms(Project& p, const std::vector<std::string>& bottoms);

} // namespace quarvex
