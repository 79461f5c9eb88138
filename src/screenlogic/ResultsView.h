#pragma once
// The results screen's decisions, apart from the drawing: which capacity series
// and legend rows are shown for given check states, the captions, the points of
// each series (zero capacities left out), the axis titles and ends, the soil
// graph and the printed header.

#include "design/Methods.h"
#include "project/Message.h"
#include "project/Project.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quarvex::results {

inline constexpr int kMethods = 4;
inline constexpr int kSeries = 8;
inline constexpr int kCaptions = 12;

// Legend texts of the chart series.
extern const std::array<const char*, kSeries> kLegendTexts;
// Captions of the screen's own legend rows as the screen opens (0..7), and the
// four fixed method captions (8..11).
extern const std::array<const char*, kCaptions> kInitialCaptions;
// Method names the option buttons put before the capacity title.
extern const std::array<const char*, kMethods> kCaptionWords;

inline constexpr const char* kEndBearingTitleAtLoad = "End Bearing ";
inline constexpr const char* kEndBearingTitle = " End Bearing";
inline constexpr const char* kFrictionTitle = " Frictional Capacity";

// "CPT Data -  File:  " followed by the data file's name.
std::string WindowCaption(const Project& p);
// "Pile Shape: Square" / "Pile Shape: Round"; nothing for another shape code.
std::optional<std::string> ShapeCaption(Integer pileShape);
std::string DiameterCaption(const Project& p);

// The results open in the axis mode last chosen on the plots; elevation without
// a ground elevation (or any other mode) falls back to depth.
void SettleAxisMode(Project& p);

// Elevation of every step (or its depth when no elevation was entered).
void FillStepElevations(Project& p);

// One point of a capacity series: (depth coordinate, value), or nothing for a
// capacity of exactly 0, which is not drawn.
using SeriesPoint = std::optional<std::pair<double, double>>;

// The point data of one capacity series: end bearing or friction (or ultimate)
// of a method, design or corrected values, against depth or elevation.
std::vector<SeriesPoint> CapacityPoints(const Project& p, int method, bool ultimate, bool friction);
// The same over another table of methods; `method` indexes the table.
std::vector<SeriesPoint> CapacityPoints(const Project& p, const MethodTable& methods, int method,
                                        bool ultimate, bool friction);

struct CapacityAxis {
    std::string depthTitle;
    std::string valueTitle;
    double top = 0;
    double bottom = 0;
};
CapacityAxis CapacityAxisFor(const Project& p);

// The check boxes and rows of the results screen, and what each redraw and
// click does to them.
class ResultsState {
public:
    ResultsState();

    // What one redraw loads: the series whose points are reloaded.
    struct Redraw {
        std::array<bool, kSeries> load{};
    };

    // PlotCapacity: `selected[k]` is true when the design screen's box of method
    // k holds exactly 1 (ticked, not greyed).
    Redraw PlotCapacity(const std::array<bool, kMethods>& selected);

    // The option buttons (0 end bearing, 1 friction): captions and mode.
    void ChooseCapacity(int n);
    // A method box or the ultimate box clicked by the user: visibility only.
    void SetMethodChecked(int k, bool checked);
    void SetUltimateChecked(bool checked);

    bool MethodChecked(int k) const { return methodChecked_[static_cast<std::size_t>(k)]; }
    bool MethodEnabled(int k) const { return methodEnabled_[static_cast<std::size_t>(k)]; }
    bool UltimateChecked() const { return ultimate_; }
    bool SeriesVisible(int s) const { return visible_[static_cast<std::size_t>(s)]; }
    // Legend row i is shown exactly when series i is.
    bool RowVisible(int i) const { return SeriesVisible(i); }
    const std::string& Caption(int i) const { return captions_[static_cast<std::size_t>(i)]; }
    const std::string& CapacityTitle() const { return capacityTitle_; }
    int CapacityMode() const { return capacityMode_; }

private:
    std::array<bool, kMethods> methodChecked_{};
    std::array<bool, kMethods> methodEnabled_{};
    bool ultimate_ = true;
    std::array<bool, kSeries> visible_{};
    std::array<std::string, kCaptions> captions_{};
    std::string capacityTitle_;
    int capacityMode_ = 0;
};

// What hovering the capacity graph at a depth (or elevation) coordinate shows:
// the coordinate, then for every visible curve with a point within half a step
// of it, the curve's caption and its capacity in tons.
std::string CapacityHoverText(const Project& p, const ResultsState& state, double coordinate, bool friction);

// The toggle between depth and elevation; the message instead when no ground
// elevation was entered.
std::optional<Message> ToggleAxis(Project& p);

// The soil graph: points from the deepest step upwards (depth, sand, silt, clay).
struct SoilPoint {
    double depth = 0;
    double sand = 0;
    double silt = 0;
    double clay = 0;
};
std::vector<SoilPoint> SoilPoints(const Project& p);
// The bottom of the soil graph's depth axis.
double SoilDepthBottom(const Project& p);

// One text of the printed header, positions in twips.
struct PrintItem {
    double x = 0;
    double y = 0;
    bool bold = false;
    std::string text;
};
// The printed header for margin unit m and usable page width w (twips).
std::vector<PrintItem> PrintHeaderItems(const Project& p, const std::string& capacityTitle, double m,
                                        double w);

} // namespace quarvex::results
