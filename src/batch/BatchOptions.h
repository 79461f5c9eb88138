#pragma once
// Command-line options of quarvex-batch: each stands for a choice a person makes
// on one of the screens, kept as the text typed there.

#include "screenlogic/DesignLoadEntry.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quarvex::batch {

struct Options {
    bool help = false;
    std::string input;

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
};

// Parses argv; on a usage error returns nothing and sets `error`.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

// The methods a design load is decided for, in the method table's order.
std::vector<MethodId> DesignMethodIds();

// The --help text.
std::string HelpText();

} // namespace quarvex::batch
