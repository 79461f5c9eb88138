#include "screenlogic/ResultsView.h"

#include "project/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quarvex::results {

const std::array<const char*, kSeries> kLegendTexts = {
    "LCPC End Bearing",
    "LCPC Ultimate Capacity",
    "Schmertmann End Bearing",
    "Schmertmann Ult. Capacity",
    "de Ruiter and Beringen End Bearing",
    "de Ruiter and Beringen Ultimate Capacity",
    "Average End Bearing",
    "Average Ultimate Capacity",
};

const std::array<const char*, kCaptions> kInitialCaptions = {
    "LCPC End Bearing",
    "LCPC Ultimate Capacity",
    "Schmertmann  End Bearing",
    "Schmertmann Ult. Capacity",
    "de Ruiter and Beringen End Bearing",
    "de Ruiter and Beringen Ult. Capacity",
    "Average End Bearing",
    "Average Ult. Capacity",
    "LCPC ",
    "Schmertmann",
    "De Ruiter and Beringen ",
    "Average",
};

const std::array<const char*, kMethods> kCaptionWords = {"LCPC", "Schmertmann", "de Ruiter and Beringen",
                                                         "Avg"};

namespace {

std::string FixedTwo(double v)
{
    return FixedForm(v, 2);
}

} // namespace

std::string WindowCaption(const Project& p)
{
    return "CPT Data -  File:  " + p.DataFileName;
}

std::optional<std::string> ShapeCaption(Integer pileShape)
{
    if (pileShape == 0)
        return std::string("Pile Shape: Square");
    if (pileShape == 1)
        return std::string("Pile Shape: Round");
    return std::nullopt;
}

std::string DiameterCaption(const Project& p)
{
    return "Pile Diameter: " + p.PileSizeText;
}

void SettleAxisMode(Project& p)
{
    if (p.DepthAxisMode != -1 || p.GroundElevation == kNoElevation)
        p.DepthAxisMode = 1;
}

void FillStepElevations(Project& p)
{
    const int n = std::min<int>(p.NumSteps, p.StepDepth.size());
    if (p.StepElev.size() < n)
        p.StepElev.Redim(n);
    for (int i = 1; i <= n; ++i)
        p.StepElev[i] =
            p.GroundElevation != kNoElevation ? p.GroundElevation - p.StepDepth[i] : p.StepDepth[i];
}

namespace {

using MethodView = ConstMethodArrays;

const Array1<Single>& Pick(const MethodView& v, bool ultimate, bool friction)
{
    if (ultimate)
        return *v.ultimate;
    return friction ? *v.friction : *v.endBearing;
}

} // namespace

std::vector<SeriesPoint> CapacityPoints(const Project& p, int method, bool ultimate, bool friction)
{
    return CapacityPoints(p, DefaultMethods(), method, ultimate, friction);
}

std::vector<SeriesPoint> CapacityPoints(const Project& p, const MethodTable& methods, int method,
                                        bool ultimate, bool friction)
{
    // Any other index is the last entry, the average, as the screen's fourth box.
    const MethodEntry& m = methods[static_cast<std::size_t>(
        method >= 0 && method < static_cast<int>(methods.size()) ? method
                                                                 : static_cast<int>(methods.size()) - 1)];
    const Array1<Single>& design = Pick(m.Results(p), ultimate, friction);
    const Array1<Single>& corrected = Pick(m.Corrected(p), ultimate, friction);
    // Corrected copies are used only when they were made for these results;
    // the results screen discards older ones when it loads.
    const bool useCorrected =
        p.CorrectionState >= 1 && corrected.size() >= design.size() && !corrected.empty();
    const Array1<Single>& values = useCorrected ? corrected : design;

    const int n = std::max<int>(p.NumSteps, 0);
    std::vector<SeriesPoint> points(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        if (i > values.size() || i > p.StepDepth.size())
            continue;
        const Single value = values[i];
        // A capacity of 0 leaves a gap; so does one a huge factor made infinite.
        if (value == 0 || !std::isfinite(value))
            continue;
        double coordinate = p.StepDepth[i];
        if (p.DepthAxisMode != 1)
            coordinate = i <= p.StepElev.size() ? p.StepElev[i] : p.StepDepth[i];
        points[static_cast<std::size_t>(i - 1)] = std::make_pair(coordinate, static_cast<double>(value));
    }
    return points;
}

CapacityAxis CapacityAxisFor(const Project& p)
{
    CapacityAxis a;
    const bool english = p.UnitSystem == kUnitsEnglish;
    const bool depth = p.DepthAxisMode == 1;
    a.depthTitle = std::string(depth ? "Depth" : "Elevation") + (english ? " (ft)" : " (m)");
    a.valueTitle = english ? "Predicted Pile Capacity (tons)" : "Predicted Pile Capacity (Metric tons)";
    // The axis ends at the last step but one; a one-step table ends at its step.
    const int last = std::max(1, p.NumSteps - 1);
    if (depth) {
        a.top = 0;
        a.bottom = last <= p.StepDepth.size() ? p.StepDepth[last] : 1.0;
    } else {
        a.top = p.StepElev.size() >= 1 ? p.StepElev[1] : 0.0;
        a.bottom = last <= p.StepElev.size() ? p.StepElev[last] : a.top - 1.0;
    }
    if (a.top == a.bottom)
        a.bottom = depth ? a.top + 1.0 : a.top - 1.0;
    return a;
}

ResultsState::ResultsState()
{
    methodChecked_.fill(true);
    methodEnabled_.fill(true);
    visible_.fill(true);
    for (int i = 0; i < kCaptions; ++i)
        captions_[static_cast<std::size_t>(i)] = kInitialCaptions[static_cast<std::size_t>(i)];
    capacityTitle_ = kEndBearingTitleAtLoad;
}

ResultsState::Redraw ResultsState::PlotCapacity(const std::array<bool, kMethods>& selected)
{
    Redraw r;
    for (std::size_t k = 0; k < kMethods; ++k) {
        const std::size_t first = 2 * k;
        const std::size_t second = first + 1;
        if (!selected[k]) {
            methodChecked_[k] = false;
            methodEnabled_[k] = false;
            visible_[first] = visible_[second] = false;
            continue;
        }
        // Hidden series are loaded too, so that ticking a box later shows the
        // values of the capacity now chosen and of the corrections in force.
        r.load[first] = r.load[second] = true;
        if (!methodChecked_[k]) {
            visible_[first] = visible_[second] = false;
            continue;
        }
        visible_[first] = true;
        if (ultimate_)
            visible_[second] = true;
    }
    return r;
}

void ResultsState::ChooseCapacity(int n)
{
    capacityMode_ = n == 0 ? 0 : 1;
    capacityTitle_ = n == 0 ? kEndBearingTitle : kFrictionTitle;
    for (std::size_t k = 0; k < kMethods; ++k)
        captions_[2 * k] = std::string(kCaptionWords[k]) + capacityTitle_;
}

void ResultsState::SetMethodChecked(int k, bool checked)
{
    const auto kk = static_cast<std::size_t>(k);
    methodChecked_[kk] = checked;
    if (checked) {
        visible_[2 * kk] = true;
        if (ultimate_)
            visible_[2 * kk + 1] = true;
    } else {
        visible_[2 * kk] = visible_[2 * kk + 1] = false;
    }
}

void ResultsState::SetUltimateChecked(bool checked)
{
    ultimate_ = checked;
    for (std::size_t k = 0; k < kMethods; ++k) {
        if (!checked)
            visible_[2 * k + 1] = false;
        else if (methodChecked_[k])
            visible_[2 * k + 1] = true;
    }
}

std::string CapacityHoverText(const Project& p, const ResultsState& state, double coordinate, bool friction)
{
    const CapacityAxis axis = CapacityAxisFor(p);
    std::string text = axis.depthTitle + ": " + FixedTwo(coordinate);
    const double reach = std::max(0.5 * static_cast<double>(p.StepSize), 1e-6);
    for (int s = 0; s < kSeries; ++s) {
        if (!state.SeriesVisible(s))
            continue;
        const std::vector<SeriesPoint> points = CapacityPoints(p, s / 2, s % 2 == 1, friction);
        const SeriesPoint* best = nullptr;
        for (const SeriesPoint& pt : points)
            if (pt && std::abs(pt->first - coordinate) <= reach &&
                (best == nullptr || std::abs(pt->first - coordinate) < std::abs((*best)->first - coordinate)))
                best = &pt;
        if (best != nullptr)
            text += "\n" + state.Caption(s) + ": " + FixedTwo((*best)->second) + " tons";
    }
    return text;
}

std::optional<Message> ToggleAxis(Project& p)
{
    if (p.GroundElevation == kNoElevation)
        return InfoMessage(" Elevation data was not entered in Project Information Form ",
                           " Data Plot Message");
    p.DepthAxisMode = static_cast<Integer>(p.DepthAxisMode == 1 ? -1 : 1);
    return std::nullopt;
}

std::vector<SoilPoint> SoilPoints(const Project& p)
{
    const int n =
        std::min<int>({p.NumSteps, p.StepDepth.size(), p.PctSand.size(), p.PctSilt.size(), p.PctClay.size()});
    std::vector<SoilPoint> out;
    out.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int step = n; step >= 1; --step)
        out.push_back({p.StepDepth[step], p.PctSand[step], p.PctSilt[step], p.PctClay[step]});
    return out;
}

double SoilDepthBottom(const Project& p)
{
    const int last = std::max(1, p.NumSteps - 1);
    return last <= p.StepDepth.size() ? p.StepDepth[last] : 1.0;
}

namespace {

// Blanks up to the start of the next 14-character print zone.
std::string ToNextZone(std::string text)
{
    const std::size_t zone = 14;
    const std::size_t pad = (zone - text.size() % zone) % zone;
    text.append(pad, ' ');
    return text;
}

} // namespace

std::vector<PrintItem> PrintHeaderItems(const Project& p, const std::string& capacityTitle, double m,
                                        double w)
{
    const double row1 = 4 * m;
    const double row2 = 4 * m + 216.6;
    const double row3 = 4 * m + 433.2;
    const double title = 4 * m + 722;
    std::vector<PrintItem> items = {
        {5 * m, row1, false, "Project Number: "},
        {5 * m + 1444, row1, true, p.ProjectNumber},
        {w / 3, row1, true, "Title: " + p.ProjectTitle},
        {w - 3176.8, row1, false, "Date: "},
        {w - 1444, row1, true, p.ProjectDate},
        {5 * m, row2, false, "Parish: "},
        {5 * m + 1444, row2, true, p.StructNo},
        {w / 3, row2, false, ToNextZone("Station: " + p.CPTStation) + "     Offset: " + p.StationOffset},
        {w - 3176.8, row2, false, "Elevation (ft): "},
    };
    if (p.GroundElevation != kNoElevation)
        items.push_back({w - 1300, row2, true, ShortestForm(p.GroundElevation)});
    items.push_back({5 * m, row3, false, "Pile Shape: "});
    items.push_back({5 * m + 1444, title, true, capacityTitle + " & Ultimate Capacity"});
    if (p.PileShape == 0 || p.PileShape == 1)
        items.push_back({5 * m + 1444, row3, false, p.PileShape == 0 ? "Square" : "Round"});
    items.push_back({w - 3176.8, row3, false, "CPT No: "});
    items.push_back({w - 1300, row3, true, p.CPTNo});
    items.push_back({w / 3, row3, false, "Pile Diameter: " + p.PileSizeText});
    return items;
}

} // namespace quarvex::results
