#include "design/DesignReport.h"

#include "project/NumberText.h"

#include <charconv>
#include <cmath>

namespace quarvex {

namespace {

// A table cell holds one line, and a "|" of the user's would end the cell.
std::string Cell(std::string_view text)
{
    std::string s;
    for (char c : text) {
        if (c == '|')
            s += "\\|";
        else if (c == '\r' || c == '\n')
            s += ' ';
        else
            s += c;
    }
    return s;
}

bool IsAllowable(const DesignDecision& d)
{
    return d.basis.basis == Basis::Allowable;
}

const char* FactorName(Basis basis)
{
    return basis == Basis::Allowable ? "FS" : "phi";
}

std::string BasisText(Basis basis)
{
    return basis == Basis::Allowable
               ? "ASD: allowable capacity = ultimate capacity / FS, checked against Q"
               : "LRFD: factored resistance = phi x ultimate capacity, checked as phi R >= gamma Q";
}

std::string Capitalised(std::string s)
{
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z')
        s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

std::string RequiredDepthText(const MethodDecision& m)
{
    return m.Reached() ? GeneralForm(m.requiredDepth) : std::string(kNotReached);
}

std::string FailingMethods(const DesignDecision& d)
{
    std::string names;
    for (const MethodDecision& m : d.methods) {
        if (m.passes)
            continue;
        if (!names.empty())
            names += ", ";
        names += m.method.name;
    }
    return names;
}

void Row(std::string& t, std::string_view item, std::string_view value)
{
    t += "| ";
    t += item;
    t += " | ";
    t += value;
    t += " |\n";
}

} // namespace

std::string DesignCapacityName(Basis basis)
{
    return basis == Basis::Allowable ? "allowable capacity" : "factored resistance";
}

std::string UtilisationText(Single utilisation)
{
    if (!std::isfinite(utilisation))
        return "n/a";
    char buf[64];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, static_cast<double>(utilisation), std::chars_format::fixed, 2);
    return std::string(buf, r.ptr);
}

std::string DesignReportText(const Project& p, const DesignDecision& d)
{
    const Basis basis = d.basis.basis;
    const std::string capacity = DesignCapacityName(basis);
    std::string t = "# Pile design report\n\n## Project\n\n| Item | Value |\n|---|---|\n";
    Row(t, "Project number", Cell(p.ProjectNumber));
    Row(t, "Project title", Cell(p.ProjectTitle));
    Row(t, "CPT number", Cell(p.CPTNo));

    t += "\n## Pile\n\n| Item | Value |\n|---|---|\n";
    Row(t, "Shape", p.PileShape == 1 ? "Round" : "Square");
    // The size as typed is what the engineer chose; feet back to inches only
    // when no text was kept.
    const std::string size = !TrimSpaces(p.PileSizeText).empty()
                                 ? Cell(TrimSpaces(p.PileSizeText))
                                 : GeneralForm(static_cast<Single>(p.PileSize * 12));
    Row(t, "Size", size + " in");
    Row(t, "Pile top depth", GeneralForm(p.PileTopDepth) + " ft");
    Row(t, "Pile tip depth", GeneralForm(p.PileTipDepth) + " ft");

    t += "\n## Design basis\n\n| Item | Value |\n|---|---|\n";
    Row(t, "Design load Q", GeneralForm(d.basis.load) + " tons (compression)");
    Row(t, "Basis", BasisText(basis));
    if (basis == Basis::Factored)
        Row(t, "Load factor gamma", ShortestForm(d.basis.loadFactor));
    Row(t, "Required " + capacity, GeneralForm(d.required) + " tons");
    Row(t, "Analysis range",
        d.tipStep == 0 ? std::string("no step lies in the analysis range")
                       : "steps from " + GeneralForm(d.topDepth) + " ft to " + GeneralForm(d.tipDepth) +
                             " ft; pile tip step at " + GeneralForm(d.tipDepth) + " ft");

    t += "\n## Results per method\n\n";
    t += std::string("| Method | ") + FactorName(basis) + " | Required tip depth (ft) | " +
         Capitalised(capacity) + " at tip (tons) | Utilisation | Result |\n";
    t += "|---|---|---|---|---|---|\n";
    for (const MethodDecision& m : d.methods) {
        t += "| " + Cell(m.method.name) + " | " + ShortestForm(m.method.factor) + " | " +
             RequiredDepthText(m) + " | " + GeneralForm(m.tipCapacity) + " | " +
             UtilisationText(m.utilisation) + " | " + (m.passes ? "pass" : "fail") + " |\n";
    }
    t += "\nThe required tip depth is the shallowest step from which the " + capacity +
         " stays at or above the required value at every deeper step of the analysis range. "
         "Utilisation = required / " +
         capacity + " at the pile tip step.\n\n";
    if (d.AllPass())
        t += "Every method carries the design load at the pile tip.\n";
    else
        t += "The design load is not carried at the pile tip by: " + Cell(FailingMethods(d)) + ".\n";
    return t;
}

std::vector<std::string> DesignSummaryLines(const DesignDecision& d)
{
    const Basis basis = d.basis.basis;
    const std::string capacity = DesignCapacityName(basis);
    std::vector<std::string> lines;
    std::string head = "Design load " + GeneralForm(d.basis.load) + " tons, ";
    if (IsAllowable(d))
        head += "ASD (allowable capacity = ultimate / FS)";
    else
        head += "LRFD (factored resistance = phi x ultimate), gamma " + ShortestForm(d.basis.loadFactor);
    head += ", required " + capacity + " " + GeneralForm(d.required) + " tons";
    lines.push_back(std::move(head));
    for (const MethodDecision& m : d.methods) {
        std::string line = m.method.name + ": " + FactorName(basis) + " " + ShortestForm(m.method.factor) +
                           ", required tip depth ";
        line += m.Reached() ? GeneralForm(m.requiredDepth) + " ft" : std::string(kNotReached);
        line += ", " + capacity + " at the tip " + GeneralForm(m.tipCapacity) + " tons, utilisation " +
                UtilisationText(m.utilisation) + ", " + (m.passes ? "pass" : "fail");
        lines.push_back(std::move(line));
    }
    if (d.AllPass())
        lines.emplace_back("Every method carries the design load at the pile tip.");
    else
        lines.push_back("The design load is not carried at the pile tip by: " + FailingMethods(d) + ".");
    return lines;
}

std::vector<std::string> DesignCsvColumns(const DesignDecision& d)
{
    const char* suffix = IsAllowable(d) ? "Allowable" : "Factored";
    std::vector<std::string> columns;
    for (const MethodDecision& m : d.methods)
        columns.push_back(m.method.key + suffix);
    return columns;
}

std::vector<std::string> DesignCsvValues(const DesignDecision& d, int step)
{
    std::vector<std::string> values;
    for (const MethodDecision& m : d.methods) {
        const bool inside = step >= 1 && step <= m.capacity.size();
        values.push_back(GeneralForm(inside ? m.capacity[step] : 0.0F));
    }
    return values;
}

} // namespace quarvex
