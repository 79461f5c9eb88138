#pragma once
// The design run of the "Analysis" command, written once for the screens and the
// batch command. The two questions it may ask go through DesignQuestions: the
// screens answer them with their modal windows, the batch command from its options.

#include "design/Methods.h"
#include "project/Message.h"
#include "project/Project.h"

#include <optional>
#include <string>

namespace quarvex {

class DesignQuestions {
public:
    virtual ~DesignQuestions() = default;

    // Manual layers: the soil layer entry, until it closes. Returns true when the
    // run may go on, that is when the design button reads "Analysis" again (the
    // entry was completed with "Done", or had been completed in an earlier run).
    // The entry itself sets AutoLayers, NumLayers, LayerTop and LayerBottom.
    virtual bool EnterSoilLayers(Project& p) = 0;

    // The pile tip lies within four diameters of the last step: the tip options,
    // until they close. Sets TipOption (3 when left with "Back" or when the
    // options failed to load) and TipOption3Value.
    virtual void ChooseTipOption(Project& p) = 0;
};

// What the design screen holds when the run starts.
struct DesignRunInputs {
    bool manualLayers = false; // OptManLayers selected
    std::string topText;       // TxtTopElev: its number cuts readings above the pile top; empty: 0
    int schmertmannBox = 1;    // value of the Schmertmann method box (0, 1 or 2)
};

enum class DesignOutcome {
    Completed,           // results computed, file written (or the message says it could not be)
    StoppedAtLayers,     // layer entry left unfinished: nothing happens
    StoppedAtTipOptions, // tip options left with Back: nothing happens
    OutputRefused,       // the output file could not be created: message
    Failed,              // the computation failed: message
};

struct DesignRunResult {
    DesignOutcome outcome = DesignOutcome::Failed;
    // Completed: the export report (or the write failure), shown over the results
    // screen. OutputRefused and Failed: the message to show. Otherwise none.
    std::optional<Message> message;
    bool exported = false; // the output file was written completely

    bool ShowResults() const { return outcome == DesignOutcome::Completed; }
};

// The run: layer mode, geometry, tip options, extended profile, output header,
// LCPC, Schmertmann, de Ruiter and Beringen, the average, the output file closed.
// Expects the checks of the "Analysis" command to have passed.
DesignRunResult RunDesign(Project& p, const DesignRunInputs& in, DesignQuestions& questions);
// The same with another table of methods (a test's, or one with more methods).
DesignRunResult RunDesign(Project& p, const DesignRunInputs& in, DesignQuestions& questions,
                          const MethodTable& methods);

// The methods and the average, with the geometry and extended profile already
// in place (the part of the run that asks nothing); computes the result arrays
// and nothing else. Throws DesignError when a computation fails.
// With a recorder, the working of the steps it asks for is recorded as well.
void RunMethodsAndAverage(Project& p, const MethodTable& methods, Single topCutoff, int schmertmannBox,
                          TraceRecorder* trace = nullptr);

} // namespace quarvex
