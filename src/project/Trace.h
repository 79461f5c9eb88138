#pragma once
// The working of a design run: the intermediate quantities each method used at
// the steps asked for. The methods record their own variables as they compute,
// so what is shown cannot disagree with the results; without a recorder they
// record nothing and cost one pointer test per step.

#include "project/Project.h"

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace quarvex {

// The method column of the trace: the methods' names as summaries print them.
inline constexpr const char* kTraceSteps = "Steps";
inline constexpr const char* kLcpcName = "LCPC";
inline constexpr const char* kSchmertmannName = "Schmertmann";
inline constexpr const char* kDeRuiterName = "de Ruiter and Beringen";

enum class TraceKind {
    Single, // a Single of the computation, written so that it reads back to the same bits
    Double, // a higher-precision intermediate (the classification index)
    Count,  // a whole number: counts, curve and zone numbers
};

struct TraceEntry {
    int step = 0;
    std::string method; // "Steps", "LCPC", "Schmertmann", "de Ruiter and Beringen"
    std::string part;   // a group: "Readings", "End bearing", "Zone 3", "Layer 2", ...
    std::string name;
    double value = 0;
    TraceKind kind = TraceKind::Single;
    std::string unit;
    bool governs = false; // the value that decided a minimum or a limit
};

class TraceRecorder {
public:
    // Records every step.
    TraceRecorder() = default;
    // Records only these steps.
    explicit TraceRecorder(const std::vector<int>& steps);

    bool Wants(int step) const
    {
        if (all_)
            return true;
        return step >= 0 && static_cast<std::size_t>(step) < wanted_.size() && wanted_[step] != 0;
    }
    void Add(TraceEntry e) { entries_.push_back(std::move(e)); }
    // Keeps a text for as long as the recorder lives and returns it.
    const char* Keep(std::string text)
    {
        kept_.push_back(std::move(text));
        return kept_.back().c_str();
    }
    const std::vector<TraceEntry>& Entries() const { return entries_; }
    // The entries of one step, in the order they were recorded.
    std::vector<TraceEntry> ForStep(int step) const;

private:
    bool all_ = true;
    std::vector<char> wanted_;
    std::vector<TraceEntry> entries_;
    std::deque<std::string> kept_; // never moves its elements
};

// What one method records at one step: inactive (and free) when there is no
// recorder or the step was not asked for.
class StepTrace {
public:
    StepTrace(TraceRecorder* rec, int step, const char* method, const char* part)
        : rec_(rec != nullptr && rec->Wants(step) ? rec : nullptr), step_(step), method_(method), part_(part)
    {
    }
    explicit operator bool() const { return rec_ != nullptr; }
    void Part(const char* part) { part_ = part; }
    // A part named at run time; kept by the recorder (nothing without one).
    void Part(std::string part)
    {
        if (rec_ != nullptr)
            part_ = rec_->Keep(std::move(part));
    }

    void operator()(std::string_view name, Single v, const char* unit, bool governs = false) const
    {
        if (rec_ != nullptr) [[unlikely]]
            Put(name, v, TraceKind::Single, unit, governs);
    }
    void Exact(std::string_view name, double v, const char* unit) const
    {
        if (rec_ != nullptr) [[unlikely]]
            Put(name, v, TraceKind::Double, unit, false);
    }
    void Count(std::string_view name, long long v, const char* unit = "", bool governs = false) const
    {
        if (rec_ != nullptr) [[unlikely]]
            Put(name, static_cast<double>(v), TraceKind::Count, unit, governs);
    }

private:
    void Put(std::string_view name, double v, TraceKind kind, const char* unit, bool governs) const;

    TraceRecorder* rec_;
    int step_;
    const char* method_;
    const char* part_;
};

// The value as the trace writes it: a Single in the shortest text that reads
// back to the same bits, a count in digits, a double in its shortest form.
std::string TraceValueText(const TraceEntry& e);

} // namespace quarvex
