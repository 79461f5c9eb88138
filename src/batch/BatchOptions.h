#pragma once
// Command-line options of quarvex-batch: each stands for a choice a person makes
// on one of the screens, kept as the text typed there.

#include <optional>
#include <string>
#include <vector>

namespace quarvex::batch {

struct Options {
    bool help = false;
    std::string input;

    // Open-file screen and millivolt factors.
    int units = 1; // UnitSystem code: 0 m-mV, 1 ft-tsf, 2 m-MPa
    int titleLines = 10;
    std::optional<std::string> tipFactor;
    std::optional<std::string> sleeveFactor;

    // Project information, as typed.
    std::string projectNumber, company, title, station, offset, structNo, latitude, longitude, date, cptNo;
    std::optional<std::string> elevation;
    std::optional<std::string> comments;

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
};

// Parses argv; on a usage error returns nothing and sets `error`.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

// The --help text.
std::string HelpText();

} // namespace quarvex::batch
