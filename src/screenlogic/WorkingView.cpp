#include "screenlogic/WorkingView.h"

#include "project/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quarvex {

namespace {

// One group of the window: a method's part, its entries in recorded order.
struct Group {
    std::string method;
    std::string part;
    std::vector<const TraceEntry*> entries;
};

std::vector<Group> Groups(const std::vector<TraceEntry>& entries, const std::vector<std::string>& methods)
{
    std::vector<std::string> order{kTraceSteps};
    for (const std::string& m : methods) {
        if (std::find(order.begin(), order.end(), m) == order.end())
            order.push_back(m);
    }
    std::vector<Group> groups;
    for (const std::string& m : order) {
        for (const TraceEntry& e : entries) {
            if (e.method != m)
                continue;
            auto g = std::find_if(groups.begin(), groups.end(),
                                  [&e](const Group& x) { return x.method == e.method && x.part == e.part; });
            if (g == groups.end()) {
                groups.push_back({e.method, e.part, {}});
                g = groups.end() - 1;
            }
            g->entries.push_back(&e);
        }
    }
    return groups;
}

std::string Heading(const Project& p, int step)
{
    return "Working at depth " + GeneralForm(p.StepDepth[step]) + " ft (step " + IntegerText(step) + ")";
}

std::string ValueWithUnit(const TraceEntry& e)
{
    std::string s = WorkingValueText(e);
    if (!e.unit.empty())
        s += " " + e.unit;
    return s;
}

std::string Escaped(const std::string& s)
{
    std::string out;
    for (char c : s) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

std::vector<int> WorkingSteps(const Project& p)
{
    std::vector<int> steps;
    const int n = std::min<int>(p.NumSteps, p.StepDepth.size());
    for (int i = 1; i <= n; ++i) {
        if (p.PileTopDepth < p.StepDepth[i] && p.StepDepth[i] <= p.PileTipDepth)
            steps.push_back(i);
    }
    return steps;
}

int WorkingStepAt(const Project& p, double coordinate)
{
    const double depth = p.DepthAxisMode == -1 && p.GroundElevation != kNoElevation
                             ? p.GroundElevation - coordinate
                             : coordinate;
    int best = 0;
    double gap = 0;
    for (int i : WorkingSteps(p)) {
        const double g = std::abs(static_cast<double>(p.StepDepth[i]) - depth);
        if (best == 0 || g < gap) {
            best = i;
            gap = g;
        }
    }
    return best;
}

std::string WorkingStepCaption(const Project& p, int step)
{
    return GeneralForm(p.StepDepth[step]) + " ft (step " + IntegerText(step) + ")";
}

std::string WorkingValueText(const TraceEntry& e)
{
    switch (e.kind) {
    case TraceKind::Count:
        return IntegerText(static_cast<long long>(e.value));
    case TraceKind::Single:
        return GeneralForm(static_cast<float>(e.value));
    case TraceKind::Double:
        break;
    }
    return FixedForm(e.value, 6);
}

std::string WorkingPlainText(const Project& p, int step, const std::vector<TraceEntry>& entries,
                             const std::vector<std::string>& methods)
{
    std::string out = Heading(p, step) + "\n";
    std::string method;
    for (const Group& g : Groups(entries, methods)) {
        if (g.method != method) {
            method = g.method;
            out += "\n" + method + "\n";
        }
        out += "  " + g.part + "\n";
        for (const TraceEntry* e : g.entries) {
            out += "    " + e->name + ": " + ValueWithUnit(*e);
            if (e->governs)
                out += std::string("  ") + kWorkingGovernsMark;
            out += "\n";
        }
    }
    return out;
}

std::string WorkingHtml(const Project& p, int step, const std::vector<TraceEntry>& entries,
                        const std::vector<std::string>& methods)
{
    std::string out = "<h3>" + Escaped(Heading(p, step)) + "</h3>";
    std::string method;
    bool open = false;
    for (const Group& g : Groups(entries, methods)) {
        if (g.method != method) {
            if (open)
                out += "</table>";
            method = g.method;
            out += "<h4>" + Escaped(method) + "</h4><table cellspacing=\"0\" cellpadding=\"2\">";
            open = true;
        }
        out += "<tr><td colspan=\"3\"><i>" + Escaped(g.part) + "</i></td></tr>";
        for (const TraceEntry* e : g.entries) {
            const std::string value = Escaped(ValueWithUnit(*e));
            out += "<tr><td>&nbsp;&nbsp;&nbsp;" + Escaped(e->name) + "</td><td align=\"right\">" +
                   (e->governs ? "<b>" + value + "</b>" : value) + "</td><td>" +
                   (e->governs ? std::string("<b>") + Escaped(kWorkingGovernsMark) + "</b>" : std::string()) +
                   "</td></tr>";
        }
    }
    if (open)
        out += "</table>";
    return out;
}

} // namespace quarvex
