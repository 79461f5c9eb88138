#pragma once
// Command-line options of quarvex-batch: each stands for a choice a person makes
// on one of the screens, kept as the text typed there.

#include "screenlogic/DesignLoadEntry.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quarvex::batch {

// A site run ("quarvex-batch site ..."): one pile set-up over many soundings.
struct SiteOptions {
    std::vector<std::string> inputs; // data files or folders, in the order given
    std::optional<std::string> manifest;
    std::optional<std::string> outputDir;
    int jobs = 0; // worker threads; 0: one per core
    bool quiet = false;
    // Correlation factors given: one value for every number of soundings, or
    // seven for n = 1, 2, 3, 4, 5, 7 and 10 or more.
    std::vector<double> xi3, xi4;
};

struct Options {
    bool help = false;
    std::string input;

    bool site = false;
    SiteOptions siteRun;

    // Data file format ("auto": by its content) and, in a file of several, the
    // sounding to design.
    std::string format = "auto";
    std::optional<std::string> sounding;

    // Open-file screen and millivolt factors.
    int units = 1; // UnitSystem code: 0 m-mV, 1 ft-tsf, 2 m-MPa
    int titleLines = 10;
    std::optional<std::string> tipFactor;
    std::optional<std::string> sleeveFactor;

    // Project information, as typed.
    std::string projectNumber, company, title, station, offset, structNo, latitude, longitude, date, cptNo;
    std::optional<std::string> elevation;
    std::optional<std::string> comments;
    // Every option given, so that project information typed on the command line
    // overrides what the data file carries, and only that.
    std::set<std::string> given;

    // Pile design screen.
    int shape = 0; // 0 square, 1 round
    std::optional<std::string> size;
    std::optional<std::string> top;
    std::optional<std::string> tip;
    bool manualLayers = false;
    std::vector<std::string> layerBottoms; // interior bottoms B1..Bk, as typed
    int tipOption = 1;                     // 1..3
    std::optional<std::string> tipValue;

    // Output.
    std::optional<std::string> output;
    std::optional<std::string> csv;

    // Design load: present only with --load, as the "Design load" group would
    // hold it (checked later, like the other inputs).
    std::optional<DesignLoadTexts> designLoad;
    std::optional<std::string> report;

    // The working of chosen depths (ft, as typed; "all": every step of the
    // analysis range) as CSV, to a file or standard output.
    std::vector<std::string> traceDepths;
    std::optional<std::string> traceFile;

    // The built-in verification report instead of a design.
    bool verify = false;
};

// The unit system code of --units' names (ft-tsf, m-MPa, m-mV); nothing for
// another name.
std::optional<int> UnitsCode(const std::string& name);
// A count of title lines, 0..15, as --title-lines takes it.
std::optional<int> TitleLinesCount(const std::string& text);

// Parses argv; on a usage error returns nothing and sets `error`. A first
// argument "site" makes a site run: every further argument that is no option
// is a data file or a folder of them.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

// The methods a design load is decided for, in the method table's order.
std::vector<MethodId> DesignMethodIds();

// The --help text.
std::string HelpText();

} // namespace quarvex::batch
