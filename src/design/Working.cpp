#include "design/Working.h"

#include "classification/Classification.h"
#include "design/DesignCommon.h"
#include "design/DesignRun.h"
#include "project/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace quarvex {

namespace {

bool SameBits(const Array1<Single>& a, const Array1<Single>& b, int n)
{
    if (n <= 0)
        return true;
    if (a.size() < n || b.size() < n)
        return false;
    return std::memcmp(a.data(), b.data(), sizeof(Single) * static_cast<std::size_t>(n)) == 0;
}

bool SameStepTable(const Project& a, const Project& b)
{
    const int n = a.NumSteps;
    return n == b.NumSteps && a.StepSize == b.StepSize && SameBits(a.StepDepth, b.StepDepth, n) &&
           SameBits(a.StepTip, b.StepTip, n) && SameBits(a.StepSleeve, b.StepSleeve, n) &&
           SameBits(a.StepRatio, b.StepRatio, n) && SameBits(a.PctSand, b.PctSand, n) &&
           SameBits(a.PctSilt, b.PctSilt, n) && SameBits(a.PctClay, b.PctClay, n);
}

// The step table as held, when it cannot be traced back to the readings.
void RecordHeldSteps(const Project& p, const std::vector<int>& steps, TraceRecorder& rec)
{
    for (int i : steps) {
        if (i < 1 || i > p.NumSteps)
            continue;
        const StepTrace t(&rec, i, kTraceSteps, "Step values used by the methods (as held)");
        t("step depth", p.StepDepth[i], "ft");
        t("step tip", p.StepTip[i], "tsf");
        t("step sleeve", p.StepSleeve[i], "tsf");
        t("friction ratio", p.StepRatio[i], "%");
        t("sand", p.PctSand[i], "%");
        t("silt", p.PctSilt[i], "%");
        t("clay", p.PctClay[i], "%");
    }
}

std::string CsvField(const std::string& s)
{
    if (s.find_first_of(",\"\r\n") == std::string::npos)
        return s;
    std::string q = "\"";
    for (char c : s) {
        if (c == '"')
            q += '"';
        q += c;
    }
    return q + "\"";
}

} // namespace

std::string TraceCsv(const Project& p, const TraceRecorder& rec)
{
    std::vector<const TraceEntry*> rows;
    rows.reserve(rec.Entries().size());
    for (const TraceEntry& e : rec.Entries())
        rows.push_back(&e);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const TraceEntry* a, const TraceEntry* b) { return a->step < b->step; });
    std::string out = "depth,method,part,name,value,unit\r\n";
    for (const TraceEntry* e : rows) {
        const bool known = e->step >= 1 && e->step <= p.NumSteps && e->step <= p.StepDepth.size();
        out += known ? GeneralForm(p.StepDepth[e->step]) : std::string();
        out += ',' + CsvField(e->method) + ',' + CsvField(e->part) + ',' + CsvField(e->name) + ',' +
               TraceValueText(*e) + ',' + CsvField(e->unit) + "\r\n";
    }
    return out;
}

std::optional<TraceRecorder> TraceDesign(const Project& p, const std::vector<int>& steps,
                                         const MethodTable& methods)
{
    TraceRecorder rec(steps);
    try {
        Project scratch = p;
        TraceRecorder stepRec(steps);
        if (!BuildStepTable(scratch, &stepRec) && SameStepTable(scratch, p)) {
            for (const TraceEntry& e : stepRec.Entries())
                rec.Add(e);
        } else {
            RecordHeldSteps(p, steps, rec);
        }

        Project copy = p;
        RedimResults(copy, methods, copy.NumSteps);
        RunMethodsAndAverage(copy, methods, p.RunTopCutoff, p.RunSchmertmannBox, &rec);
        for (const MethodEntry& m : methods) {
            const ConstMethodArrays now = m.Results(copy);
            const ConstMethodArrays held = m.Results(p);
            const int n = p.NumSteps;
            if (!SameBits(*now.endBearing, *held.endBearing, n) ||
                !SameBits(*now.friction, *held.friction, n) || !SameBits(*now.ultimate, *held.ultimate, n))
                return std::nullopt;
        }
    } catch (const DesignError&) {
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    return rec;
}

int NearestStep(const Project& p, double depth)
{
    const int n = std::min<int>(p.NumSteps, p.StepDepth.size());
    if (n < 1)
        return 0;
    int best = 1;
    double bestGap = std::abs(static_cast<double>(p.StepDepth[1]) - depth);
    for (int i = 2; i <= n; ++i) {
        const double gap = std::abs(static_cast<double>(p.StepDepth[i]) - depth);
        if (gap < bestGap) {
            best = i;
            bestGap = gap;
        }
    }
    return best;
}

} // namespace quarvex
