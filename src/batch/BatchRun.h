#pragma once
// One design run of quarvex-batch as a value: the single-file command prints
// what it returns, and a site run calls it once per sounding on its workers.
// Nothing here writes to standard output or error.

#include "batch/BatchOptions.h"

#include <optional>
#include <string>
#include <vector>

namespace quarvex::batch {

constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

// One method's capacities (tons): at the pile tip step, and the ultimate
// capacity over the analysis range for the site's depth profile.
struct MethodCapacities {
    float endBearing = 0;
    float friction = 0;
    float ultimate = 0;
    std::vector<float> ultimates; // steps range.first..range.last
};

// What a completed design leaves for a site summary. `tipStep` is 0 when no
// step lies in the analysis range (the capacities are then empty).
struct DesignedCapacities {
    float stepSize = 0;                    // ft
    int firstStep = 0;                     // step index of ultimates[0]
    int tipStep = 0;                       // the pile tip step (the deepest listed)
    float tipDepth = 0;                    // ft
    std::vector<float> depths;             // step depths of the analysis range
    std::vector<MethodCapacities> methods; // in the method table's order
    // With a design load: per method the design capacity at the tip and
    // whether it carries the load.
    std::vector<float> designAtTip;
    std::vector<bool> passes;
};

struct RunResult {
    int status = kExitOk;
    std::string out; // standard output, as the command prints it
    std::string err; // standard error
    // As far as the run got: the readings read (count and depth range in ft,
    // after conversion to ft) and, when the output file was written, the
    // capacities.
    bool read = false;
    long readings = 0;
    float firstDepth = 0;
    float lastDepth = 0;
    std::optional<DesignedCapacities> designed;
};

// Runs the design of o.input with the options. `keepProfile` keeps every
// method's ultimate capacity over the analysis range in the result.
RunResult RunDesign(const Options& o, bool keepProfile = false);

// True when the two names lead to the same file (existing or not).
bool SameFile(const std::string& a, const std::string& b);

// The usage error of a single run whose output files would clash with each
// other or with the data file; nothing when they do not.
std::optional<std::string> OutputClash(const Options& o);

} // namespace quarvex::batch
