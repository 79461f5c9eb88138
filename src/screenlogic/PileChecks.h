#pragma once
// The pile design screen's cut depths and the checks of its "Analysis" command,
// as plain code: the screen shows the message and carries out the focus and
// clearing decisions returned here.

#include "project/Message.h"
#include "project/Project.h"

#include <string>
#include <string_view>

namespace quarvex {

// A step depth cut to the first `keep` characters of its general text form and
// read back: 0.164 with 3 characters gives 0.1, 65.43601 with 6 gives 65.436.
Single CutDepth(Single depth, int keep);
// The default analysis start: StepDepth(1) cut to 3 characters.
Single ConeTopDepth(const Project& p);
// The default pile tip: StepDepth(NumSteps) cut to 6 characters.
Single ConeMaxDepth(const Project& p);

// What a depth box holds after its text changed: the text when it is numeric,
// otherwise nothing (the box is erased as it is typed).
std::string FilterNumericText(std::string_view text);
// The depth a depth box stands for: its number, or the default when it is empty.
Single DepthBoxValue(std::string_view text, Single emptyValue);

// The design screen's boxes that a check may focus or clear.
enum class DesignBox { None, Size, Top, Tip };

// What the design screen holds when "Analysis" is pressed.
struct AnalysisInputs {
    std::string sizeText;   // CombSection, inches
    bool topSelect = false; // OptTopSelect (otherwise OptTopDefault)
    std::string topText;    // TxtTopElev
    bool tipSelect = false; // OptDepth (otherwise OptMaxDepth)
    std::string tipText;    // TxtTipElev
};

struct AnalysisCheck {
    bool ok = true;
    Message message;
    DesignBox focus = DesignBox::None;
    DesignBox clear = DesignBox::None;
};

inline constexpr const char* kMsgEnterDiameter = "Please enter pile diameter";
inline constexpr const char* kMsgDiameterPositive = "Pile diameter should be a positive number of inches";
// The largest size accepted. No driven precast pile comes near it, and it bounds
// the work of the zones below the tip (they reach four diameters down), so that
// no input keeps a run busy for seconds.
inline constexpr float kMaxPileSizeInches = 120;
inline constexpr const char* kMsgDiameterTooLarge =
    "Pile diameter should not be more than 120 inches (no driven precast pile is larger)";
inline constexpr const char* kMsgMissingTop = "Missing Data .. Enter Top Elevation of Pile ";
inline constexpr const char* kMsgTopAboveCone = "Pile top elevation can not be higher than cone top reading";
inline constexpr const char* kMsgTopTooShort =
    " This entry makes pile length less than five times its diameter";
inline constexpr const char* kMsgMissingTip = " Missing Data .. Enter Elevation of Pile Tip";
inline constexpr const char* kMsgTipTooShort = " Pile length should be more than five times its diameter";
inline constexpr const char* kMsgTipBelowCone = " Pile tip elevation can not be lower than max. cone depth ";

// Runs the checks in their order and stops at the first that fails. Sets
// PileSizeText and PileSize once the size has passed; PileTopDepth and
// PileTipDepth are those the depth boxes set while they were typed. A size that
// is not a positive number is refused rather than silently keeping the previous
// size under the new label.
AnalysisCheck CheckAnalysisInputs(Project& p, const AnalysisInputs& in, Single coneTopDepth,
                                  Single coneMaxDepth);

} // namespace quarvex
