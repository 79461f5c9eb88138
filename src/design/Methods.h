#pragma once
// The capacity methods as one table: everything that lists the methods (the run
// and the average, the output file, corrections, the results view, summaries and
// CSV) iterates it, so that a new method is one entry here and its own file.

#include "project/Project.h"

#include <functional>
#include <string>
#include <vector>

namespace quarvex {

struct LayerValues;
struct StepSoil;
class TraceRecorder;

// The three result arrays of one method (design values, or their corrected copies).
struct MethodArrays {
    Array1<Single>* endBearing = nullptr;
    Array1<Single>* friction = nullptr;
    Array1<Single>* ultimate = nullptr;
};
struct ConstMethodArrays {
    const Array1<Single>* endBearing = nullptr;
    const Array1<Single>* friction = nullptr;
    const Array1<Single>* ultimate = nullptr;
};

// What a method's run may use besides the project.
struct MethodRunInputs {
    Single topCutoff = 0;                // readings above the pile top are left out
    const LayerValues* layers = nullptr; // per-layer means in manual layer mode
    const StepSoil* soil = nullptr;      // per-step soil fractions
    int schmertmannBox = 1;              // value of the Schmertmann method box
    TraceRecorder* trace = nullptr;      // records the working of the steps it asks for
};

struct MethodEntry {
    std::string key;          // names the CSV columns: key + "EndBearing", ...
    std::string name;         // as summaries name it: "LCPC", "Average"
    std::string sectionTitle; // its table's title in the output file
    // Fills the three design arrays over the analysis range; throws DesignError
    // when a computation fails. Empty for the average, which is the mean of the
    // methods listed before it.
    std::function<void(Project&, const MethodRunInputs&)> run;
    std::function<MethodArrays(Project&)> results;
    std::function<MethodArrays(Project&)> corrected;

    bool IsAverage() const { return !run; }
    ConstMethodArrays Results(const Project& p) const { return Const(results, p); }
    ConstMethodArrays Corrected(const Project& p) const { return Const(corrected, p); }

private:
    static ConstMethodArrays Const(const std::function<MethodArrays(Project&)>& f, const Project& p)
    {
        // The accessors only pick members; nothing is changed through them here.
        const MethodArrays a = f(const_cast<Project&>(p));
        return {a.endBearing, a.friction, a.ultimate};
    }
};

using MethodTable = std::vector<MethodEntry>;

// LCPC, Schmertmann, de Ruiter and Beringen, and their average, in the order the
// output file lists them. Built once and never changed.
const MethodTable& DefaultMethods();

// Reallocates every method's design arrays to n steps, filled with 0.
void RedimResults(Project& p, const MethodTable& methods, int n);

// Runs every method in table order, then each average over the methods before it.
void RunMethods(Project& p, const MethodTable& methods, const MethodRunInputs& in);

// Storage for methods beyond the built-in ones (their arrays live in the project
// under their key, as the built-in ones live in their named members).
MethodArrays ExtraResults(Project& p, const std::string& key);
MethodArrays ExtraCorrected(Project& p, const std::string& key);

} // namespace quarvex
