#include "screenlogic/PlotLogic.h"

#include "project/NumberText.h"

#include <algorithm>
#include <cmath>

namespace quarvex::plots {

std::string TipTitle()
{
    return std::string(" Tip Resistance (ton/ft") + kSquared + ") ";
}

std::string SleeveTitle()
{
    return std::string(" Sleeve Resistance (ton/ft") + kSquared + ") ";
}

std::string DepthTitle(Integer depthAxisMode)
{
    return depthAxisMode == 1 ? "Depth (ft)" : "Elevation (ft)";
}

std::string PlotCaption(const Project& p)
{
    return "CPT Data -  File:  " + p.DataFileName;
}

Message ElevationMissingMessage()
{
    return InfoMessage(" Elevation data was not entered in Project Information Form ", " Data Plot Message");
}

Message ZoomFirstMessage()
{
    return InfoMessage("Perform a 'Zoom' on one of the graphs before you 'Zoom All' .. ");
}

Message DepthLimitNotNumericMessage()
{
    return CriticalMessage("The depth limit must be a number of feet (a depth, or an elevation when plotting "
                           "against elevation). Type a number or choose one from the list.");
}

Message NoReadingsMessage()
{
    return CriticalMessage(
        "There are no readings to plot. Please open a data file with at least one reading.");
}

void SettleAxisMode(Project& p)
{
    const bool elevation = p.DepthAxisMode == -1 && p.GroundElevation != kNoElevation;
    if (!elevation)
        p.DepthAxisMode = 1;
}

std::vector<std::pair<std::string, std::string>> ProjectBoxTexts(const Project& p)
{
    return {
        {"TxtProjNum", p.ProjectNumber},
        {"TxtTitle", p.ProjectTitle},
        {"TxtStation", p.CPTStation},
        {"TxtOffset", p.StationOffset},
        {"TxtElevation", p.GroundElevation != kNoElevation ? ShortestForm(p.GroundElevation) : std::string()},
        {"TxtStructNo", p.StructNo},
        {"TxtDate", p.ProjectDate},
        {"TxtLatit", p.Latitude},
        {"TxtLongit", p.Longitude},
        {"TxtCompany", p.Company},
        {"TxtCPTNo", p.CPTNo},
    };
}

std::vector<std::string> DepthLimitChoices(const Project& p)
{
    std::vector<std::string> out;
    if (p.NumReadings < 1)
        return out;
    const Single last = p.DepthData[p.NumReadings];
    if (!std::isfinite(last))
        return out;
    // Whole feet, kept in floating point: a depth of any size (1e30 ft in a
    // damaged file) has a whole-number step, where an integer type would
    // overflow. Six times a float's value is exact in a double.
    const double step = std::floor(last / 6);
    for (int k = 0; k <= 6; ++k)
        out.push_back(FixedForm(step * k + 0.0, 0)); // + 0.0: no "-0"
    if (6 * step < static_cast<double>(last))
        out.push_back(GeneralForm(last));
    return out;
}

AxisEnds ConeDepthAxis(const Project& p, Long plotCount)
{
    if (plotCount < 1 || p.NumReadings < 1)
        return {0, 1};
    const int last = std::min<int>(plotCount, p.NumReadings);
    if (last == 1) {
        // No reading above the last to end on: run one foot past the single one.
        if (p.DepthAxisMode == 1)
            return {0, p.DepthData[1] + 1.0};
        return {p.ElevData[1], p.ElevData[1] - 1.0};
    }
    if (p.DepthAxisMode == 1)
        return {0, p.DepthData[last - 1]};
    return {p.ElevData[1], p.ElevData[last - 1]};
}

double ConeCoordinate(const Project& p, int j)
{
    return p.DepthAxisMode == 1 ? p.DepthData[j] : p.ElevData[j];
}

int ValueStepFor(Single maxValue)
{
    const double s = std::floor(maxValue / 6);
    if (!(s > 1) || s > 1e9)
        return 0;
    return static_cast<int>(s);
}

AxisEnds SoilDepthAxis(const Project& p)
{
    if (p.NumSteps < 2)
        return {0, 1};
    if (p.DepthAxisMode == 1)
        return {0, p.StepDepth[p.NumSteps - 1]};
    return {p.StepElev[1], p.StepElev[p.NumSteps - 1]};
}

double StepCoordinate(const Project& p, int i)
{
    return p.DepthAxisMode == 1 ? p.StepDepth[i] : p.StepElev[i];
}

std::vector<int> DrawnReadings(const Array1<Single>& values, int count)
{
    std::vector<int> drawn;
    if (count <= kDrawnReadingsMax) {
        drawn.resize(static_cast<std::size_t>(std::max(count, 0)));
        for (int j = 1; j <= count; ++j)
            drawn[static_cast<std::size_t>(j - 1)] = j;
        return drawn;
    }
    drawn.reserve(4 * kDrawnRuns);
    for (int run = 0; run < kDrawnRuns; ++run) {
        const int first = 1 + static_cast<int>(static_cast<long long>(count) * run / kDrawnRuns);
        const int last = static_cast<int>(static_cast<long long>(count) * (run + 1) / kDrawnRuns);
        int lo = first;
        int hi = first;
        for (int j = first + 1; j <= last; ++j) {
            if (values[j] < values[lo])
                lo = j;
            if (values[j] > values[hi])
                hi = j;
        }
        for (int j : {first, std::min(lo, hi), std::max(lo, hi), last})
            if (drawn.empty() || j > drawn.back())
                drawn.push_back(j);
    }
    return drawn;
}

Long FindPlotCount(const Project& p, Single v, Long plotCount)
{
    for (int j = 1; j <= p.NumReadings; ++j) {
        const bool reached = p.DepthAxisMode == 1 ? v <= p.DepthData[j] : v >= p.ElevData[j];
        if (reached)
            return static_cast<Long>(j);
    }
    return plotCount;
}

DepthLimitOutcome ApplyDepthLimit(const Project& p, const std::string& comboText, Long plotCount)
{
    DepthLimitOutcome out;
    out.text = comboText;
    out.plotCount = plotCount;
    if (p.NumReadings < 1)
        return out;
    if (TrimSpaces(comboText).empty())
        out.text = GeneralForm(p.DepthData[p.NumReadings]);
    const std::optional<float> v = ToSingle(out.text);
    if (!v) {
        out.message = DepthLimitNotNumericMessage();
        return out;
    }
    out.accepted = true;
    out.plotCount = FindPlotCount(p, *v, plotCount);
    return out;
}

double ZoomMax(const Project& p, ZoomColumn column, Long plotCount, double bottom)
{
    const auto& data = column == ZoomColumn::Tip      ? p.TipData
                       : column == ZoomColumn::Sleeve ? p.SleeveData
                                                      : p.RatioData;
    const double margin = column == ZoomColumn::Tip ? 10.5 : 0.5;
    const int n = p.NumReadings;
    if (n < 1)
        return std::floor(margin);
    // The window's bottom is read off the vertical axis; in elevation mode it is
    // an elevation, and the scan walks down the depths.
    double b = bottom;
    if (p.DepthAxisMode == -1 && p.GroundElevation != kNoElevation)
        b = static_cast<double>(p.GroundElevation) - bottom;
    const int limit = std::clamp<int>(plotCount, 1, n);
    int k = n >= 10 ? 10 : 1;
    Single m = data[k];
    while (p.DepthData[k] < b && k < limit) {
        ++k;
        if (data[k] > m)
            m = data[k];
    }
    // Rounding to the nearest whole number could end the axis below the
    // largest value and cut its peak off; the axis then reaches the next one.
    double top = std::floor(m + margin);
    if (top < m)
        top += 1;
    return top;
}

std::optional<Message> ToggleDepthElevation(Project& p)
{
    if (p.GroundElevation == kNoElevation)
        return ElevationMissingMessage();
    p.DepthAxisMode = static_cast<Integer>(-p.DepthAxisMode);
    return std::nullopt;
}

std::vector<double> SpreadHeaderRow(const std::vector<HeaderItem>& row, const std::vector<double>& widths,
                                    double gap)
{
    std::vector<double> xs;
    double end = -1e300;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const double x = std::max(row[i].x, end + gap);
        xs.push_back(x);
        end = x + (i < widths.size() ? widths[i] : 0);
    }
    return xs;
}

namespace {

std::string ElevationText(const Project& p)
{
    return GeneralForm(p.GroundElevation);
}

} // namespace

std::vector<HeaderItem> ConeHeaderItems(const Project& p, double m, double w)
{
    std::vector<HeaderItem> items = {
        {1, 5 * m, false, "Project Number: "},
        {1, 5 * m + 1444, true, p.ProjectNumber},
        {1, m + 3610, true, "Title: " + p.ProjectTitle},
        {1, w - 3176.8, false, "Date: " + p.ProjectDate},
        {2, 5 * m, false, "CPT No: " + p.CPTNo},
        {2, 5 * m + 2000, false, "Struct No: " + p.StructNo},
        {2, m + 4500, false, "Station: " + p.CPTStation + "     Offset: " + p.StationOffset},
        {2, w - 3176.8, false, "Elevation (ft): "},
    };
    if (p.GroundElevation != kNoElevation)
        items.push_back({2, w - 1300, true, ElevationText(p)});
    return items;
}

std::vector<HeaderItem> SoilHeaderItems(const Project& p, double m, double w)
{
    std::vector<HeaderItem> items = {
        {1, 5 * m, false, "Project Number: "},
        {1, 5 * m + 1444, true, p.ProjectNumber},
        {1, w / 3, true, "Title: " + p.ProjectTitle},
        {1, w - 2888, false, "Date: " + p.ProjectDate},
        {2, 5 * m, false, "CPT No: " + p.CPTNo},
        {2, 5 * m + 2000, false, "Parish: " + p.StructNo},
        {2, 5 * m + 4000, false, "Station: " + p.CPTStation + "     Offset: " + p.StationOffset},
        {2, w - 2888, false, "Elevation (ft): "},
    };
    if (p.GroundElevation != kNoElevation)
        items.push_back({2, w - 1805, true, ElevationText(p)});
    return items;
}

} // namespace quarvex::plots
