#pragma once
// The decisions of the cone data and soil classification plot screens, kept
// apart from the windows so that they can be checked directly: the depth-limit
// choices and search, the axis ends, the zoom-all value ranges, the toggle, the
// messages and the printed header. Plain C++; no Qt.

#include "project/Message.h"
#include "project/Project.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quarvex::plots {

// --- texts -------------------------------------------------------------------

// Superscript two in UTF-8.
inline constexpr const char* kSquared = "\xC2\xB2";
std::string TipTitle();    // " Tip Resistance (ton/ft²) "
std::string SleeveTitle(); // " Sleeve Resistance (ton/ft²) "
inline constexpr const char* kRatioTitle = " Sleeve/Tip Ratio (%) ";
inline constexpr const char* kSoilTitle = " Probability of Soil Types";
inline constexpr const char* kSandLegend = "% Sand";
inline constexpr const char* kSiltLegend = "% Silt";
inline constexpr const char* kClayLegend = "% Clay";
// "Depth (ft)" against depth, "Elevation (ft)" against elevation.
std::string DepthTitle(Integer depthAxisMode);
// "CPT Data -  File:  " followed by the data file's name.
std::string PlotCaption(const Project& p);

// The zoom button's caption is its state.
inline constexpr const char* kZoomAllDesign = "Zoom All     ";
inline constexpr const char* kZoomAll = "Zoom All    ";
inline constexpr const char* kZoomOut = "Zoom Out    ";
inline bool CaptionMeansZoomAll(const std::string& caption)
{
    return caption.find("All") != std::string::npos;
}

Message ElevationMissingMessage();
Message ZoomFirstMessage();
Message DepthLimitNotNumericMessage();
Message NoReadingsMessage();

// --- loading -----------------------------------------------------------------

// The plot screens open in the axis mode last chosen. Elevation without a
// ground elevation would plot stale elevations, so such a start falls back to
// depth (as does any mode other than 1 or -1).
void SettleAxisMode(Project& p);

// The project information boxes: object name and text, in screen order.
std::vector<std::pair<std::string, std::string>> ProjectBoxTexts(const Project& p);

// The depth-limit choices: multiples of Int(last depth / 6), then the last
// depth itself when six steps fall short of it.
std::vector<std::string> DepthLimitChoices(const Project& p);

// --- drawing -----------------------------------------------------------------

// The vertical axis: top value (drawn at the top) and bottom value.
struct AxisEnds {
    double top = 0;
    double bottom = 0;
};

// Cone graphs of PlotCount readings: the axis ends at reading PlotCount - 1.
// A single plotted reading gets an axis that reaches one foot past it.
AxisEnds ConeDepthAxis(const Project& p, Long plotCount);
// The depth coordinate of reading j (depth or elevation by the axis mode).
double ConeCoordinate(const Project& p, int j);
// The value-axis step from the largest value: Int(max / 6) when above 1, else
// 0 (the chart chooses).
int ValueStepFor(Single maxValue);

// Step-table graphs: the axis ends at step NumSteps - 1.
AxisEnds SoilDepthAxis(const Project& p);
double StepCoordinate(const Project& p, int i);

// The readings 1..count a cone graph draws, in depth order. A graph has fewer
// pixel rows than a long sounding has readings, and the chart's cost grows with
// every point, so beyond kDrawnReadingsMax readings each of kDrawnRuns equal runs
// is drawn through its first, lowest, highest and last reading: every peak and
// trough stays on the line.
inline constexpr int kDrawnReadingsMax = 12000;
inline constexpr int kDrawnRuns = 3000;
std::vector<int> DrawnReadings(const Array1<Single>& values, int count);

// --- depth limit -------------------------------------------------------------

struct DepthLimitOutcome {
    bool accepted = false;
    // What the combo box should show (the last depth when it was empty).
    std::string text;
    Long plotCount = 0;
    std::optional<Message> message;
};
// The "Depth" command: reads the limit and finds the first reading at or
// beyond it. A limit that is not a number is refused; the count then stays.
DepthLimitOutcome ApplyDepthLimit(const Project& p, const std::string& comboText, Long plotCount);
// The first reading at or below depth v (at or below elevation v); the current
// count when none is.
Long FindPlotCount(const Project& p, Single v, Long plotCount);

// --- zoom all ----------------------------------------------------------------

enum class ZoomColumn { Tip, Sleeve, Ratio };
// The upper end of a graph's value axis for a zoom window whose bottom lies at
// `bottom` (a depth, or an elevation in elevation mode): the largest value from
// reading 10 (reading 1 when there are fewer than ten) down to the first
// reading at or below the bottom or to reading PlotCount: Int(m + 10.5) for
// tips, Int(m + 0.5) for sleeves and ratios, but never below m itself.
double ZoomMax(const Project& p, ZoomColumn column, Long plotCount, double bottom);
inline double ZoomMaxTip(const Project& p, Long plotCount, double bottom)
{
    return ZoomMax(p, ZoomColumn::Tip, plotCount, bottom);
}
inline double ZoomMaxSleeve(const Project& p, Long plotCount, double bottom)
{
    return ZoomMax(p, ZoomColumn::Sleeve, plotCount, bottom);
}
inline double ZoomMaxRatio(const Project& p, Long plotCount, double bottom)
{
    return ZoomMax(p, ZoomColumn::Ratio, plotCount, bottom);
}

// --- toggle ------------------------------------------------------------------

// Switches between depth and elevation; the message instead when no ground
// elevation was entered (nothing changes then).
std::optional<Message> ToggleDepthElevation(Project& p);

// --- printed header ----------------------------------------------------------

struct HeaderItem {
    int row = 1;  // 1 or 2
    double x = 0; // twips from the left of the page
    bool bold = false;
    std::string text;
};
// Items of the two header rows in print order, for margin unit m and usable
// page width w (both in twips).
std::vector<HeaderItem> ConeHeaderItems(const Project& p, double m, double w);
std::vector<HeaderItem> SoilHeaderItems(const Project& p, double m, double w);

// Where the items of one header row are printed: at their own x, or pushed
// right just past the item before when a long text would run into it.
// widths are the printed widths of the texts; all in twips.
std::vector<double> SpreadHeaderRow(const std::vector<HeaderItem>& row, const std::vector<double>& widths,
                                    double gap);

} // namespace quarvex::plots
