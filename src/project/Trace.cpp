#include "project/Trace.h"

#include "project/NumberText.h"

#include <algorithm>
#include <charconv>

namespace quarvex {

TraceRecorder::TraceRecorder(const std::vector<int>& steps) : all_(false)
{
    for (int s : steps) {
        if (s < 0)
            continue;
        if (static_cast<std::size_t>(s) >= wanted_.size())
            wanted_.resize(static_cast<std::size_t>(s) + 1, 0);
        wanted_[static_cast<std::size_t>(s)] = 1;
    }
}

std::vector<TraceEntry> TraceRecorder::ForStep(int step) const
{
    std::vector<TraceEntry> out;
    for (const TraceEntry& e : entries_) {
        if (e.step == step)
            out.push_back(e);
    }
    return out;
}

void StepTrace::Put(std::string_view name, double v, TraceKind kind, const char* unit, bool governs) const
{
    TraceEntry e;
    e.step = step_;
    e.method = method_;
    e.part = part_ != nullptr ? part_ : "";
    e.name = std::string(name);
    e.value = v;
    e.kind = kind;
    e.unit = unit;
    e.governs = governs;
    rec_->Add(std::move(e));
}

std::string TraceValueText(const TraceEntry& e)
{
    switch (e.kind) {
    case TraceKind::Single:
        return ShortestForm(static_cast<float>(e.value));
    case TraceKind::Count:
        return IntegerText(static_cast<long long>(e.value));
    case TraceKind::Double:
        break;
    }
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, e.value);
    return std::string(buf, r.ptr);
}

} // namespace quarvex
