#include "screenlogic/DesignView.h"

#include "design/DesignReport.h"
#include "design/OutputFile.h"
#include "project/NumberText.h"
#include "results/CsvExport.h"

#include <algorithm>
#include <cmath>

namespace quarvex {

namespace {

double Coordinate(const Project& p, int step)
{
    if (p.DepthAxisMode != 1 && step <= p.StepElev.size())
        return p.StepElev[step];
    return p.StepDepth[step];
}

} // namespace

std::vector<MethodId> DesignMethodIdsOf(const MethodTable& methods)
{
    std::vector<MethodId> ids;
    for (const MethodEntry& m : methods)
        ids.push_back(MethodId{m.key, m.name});
    return ids;
}

const char* FactorCaption(Basis basis)
{
    return basis == Basis::Allowable ? "FS" : "phi";
}

StepRange AnalysisSteps(const Project& p)
{
    StepRange range{1, 0};
    const int last = std::min<int>(p.NumSteps - 1, p.StepDepth.size());
    for (int i = 1; i <= last; ++i) {
        if (p.StepDepth[i] > p.PileTopDepth && p.StepDepth[i] <= p.PileTipDepth) {
            if (range.empty())
                range.first = i;
            range.last = i;
        }
    }
    return range;
}

void KeepDesignBasis(Project& p, const std::optional<DesignBasis>& basis)
{
    p.DesignLoad = basis ? basis->load : 0;
    p.DesignBasisKind = static_cast<Integer>(basis && basis->basis == Basis::Factored ? 1 : 0);
    p.DesignLoadFactor = basis ? basis->loadFactor : kDefaultLoadFactor;
    p.DesignFactors.clear();
    if (basis)
        for (const MethodFactor& m : basis->methods)
            p.DesignFactors.push_back(m.factor);
}

std::optional<DesignBasis> KeptDesignBasis(const Project& p, const MethodTable& methods)
{
    if (!(p.DesignLoad > 0) || p.DesignFactors.size() != methods.size())
        return std::nullopt;
    DesignBasis b;
    b.load = p.DesignLoad;
    b.basis = p.DesignBasisKind == 1 ? Basis::Factored : Basis::Allowable;
    b.loadFactor = p.DesignLoadFactor;
    for (std::size_t k = 0; k < methods.size(); ++k)
        b.methods.push_back(MethodFactor{methods[k].key, methods[k].name, p.DesignFactors[k]});
    return b;
}

DesignDecision DecideOnResults(const Project& p, const MethodTable& methods, const DesignBasis& basis)
{
    const bool corrected = CorrectionsInForce(p, methods);
    std::vector<const Array1<Single>*> ultimates;
    for (const MethodEntry& m : methods)
        ultimates.push_back(corrected ? m.Corrected(p).ultimate : m.Results(p).ultimate);
    return DecideDesign(basis, ultimates, p.StepDepth, AnalysisSteps(p));
}

std::string DesignBasisLine(const DesignDecision& d)
{
    std::string line = "Design load " + GeneralForm(d.basis.load) + " tons, ";
    if (d.basis.basis == Basis::Allowable)
        line += "ASD (allowable capacity = ultimate / FS)";
    else
        line += "LRFD (factored resistance = phi x ultimate), gamma " + ShortestForm(d.basis.loadFactor);
    line += ", required " + DesignCapacityName(d.basis.basis) + " " + GeneralForm(d.required) + " tons";
    return line;
}

std::vector<std::string> DesignSummaryRows(const DesignDecision& d)
{
    const std::string capacity = DesignCapacityName(d.basis.basis);
    std::vector<std::string> rows;
    for (const MethodDecision& m : d.methods) {
        std::string row = m.method.name + ": " + FactorCaption(d.basis.basis) + " " +
                          ShortestForm(m.method.factor) + ", required tip depth ";
        row += m.Reached() ? GeneralForm(m.requiredDepth) + " ft" : std::string(kNotReached);
        row += ", " + capacity + " at the tip " + GeneralForm(m.tipCapacity) + " tons, utilisation " +
               UtilisationText(m.utilisation) + ", " + (m.passes ? "pass" : "fail");
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<results::SeriesPoint> DesignCapacityPoints(const Project& p, const MethodDecision& m)
{
    const int n = std::max<int>(p.NumSteps, 0);
    std::vector<results::SeriesPoint> points(static_cast<std::size_t>(n));
    for (int i = 1; i <= n && i <= m.capacity.size() && i <= p.StepDepth.size(); ++i) {
        const Single value = m.capacity[i];
        if (value == 0 || !std::isfinite(value))
            continue;
        points[static_cast<std::size_t>(i - 1)] =
            std::make_pair(Coordinate(p, i), static_cast<double>(value));
    }
    return points;
}

std::optional<std::pair<double, double>> RequiredTipPoint(const Project& p, const MethodDecision& m)
{
    if (!m.Reached() || m.requiredStep > m.capacity.size() || m.requiredStep > p.StepDepth.size())
        return std::nullopt;
    return std::make_pair(Coordinate(p, m.requiredStep), static_cast<double>(m.capacity[m.requiredStep]));
}

Message SaveDesignReport(const Project& p, const DesignDecision& d, const std::string& path)
{
    if (!WriteFileReplacing(path, DesignReportText(p, d)))
        return CriticalMessage(kMsgWriteFailed + path);
    return InfoMessage(kMsgDesignReportWritten + path, kExportCaption);
}

} // namespace quarvex
