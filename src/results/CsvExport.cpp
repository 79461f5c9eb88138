#include "results/CsvExport.h"

#include "project/FileReplace.h"
#include "project/NumberText.h"

#include <cstdio>

namespace quarvex {

std::string CsvText(const Project& p, const MethodTable& methods, bool corrected)
{
    std::string t = "Depth,PctSand,PctSilt,PctClay";
    std::vector<const Array1<Single>*> columns = {&p.StepDepth, &p.PctSand, &p.PctSilt, &p.PctClay};
    const std::string prefix = corrected ? "Corr" : "";
    for (const MethodEntry& m : methods) {
        const ConstMethodArrays a = corrected ? m.Corrected(p) : m.Results(p);
        for (const char* part : {"EndBearing", "Friction", "Ultimate"})
            t += "," + prefix + m.key + part;
        columns.insert(columns.end(), {a.endBearing, a.friction, a.ultimate});
    }
    t += "\r\n";
    for (int i = 1; i <= p.NumSteps; ++i) {
        bool first = true;
        for (const Array1<Single>* c : columns) {
            if (!first)
                t += ',';
            first = false;
            // A corrected copy shorter than the results (none made yet) reads 0.
            t += GeneralForm(i <= c->size() ? (*c)[i] : 0.0F);
        }
        t += "\r\n";
    }
    return t;
}

bool CorrectionsInForce(const Project& p, const MethodTable& methods)
{
    if (p.CorrectionState < 1 || methods.empty())
        return false;
    const ConstMethodArrays d = methods.front().Results(p);
    const ConstMethodArrays c = methods.front().Corrected(p);
    return !c.endBearing->empty() && c.endBearing->size() >= d.endBearing->size();
}

bool WriteFileReplacing(const std::string& path, const std::string& text)
{
    const auto plan = PlanReplacement(path);
    if (!plan)
        return false;
    std::FILE* f = std::fopen(plan->writeName.c_str(), "wb");
    if (f == nullptr)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    const bool closed = std::fclose(f) == 0;
    if (written && closed)
        return CompleteReplacement(*plan);
    DropReplacement(*plan);
    return false;
}

} // namespace quarvex
