#pragma once
// The tip options (how the tip resistance continues below the last step) as plain
// code: the largest tail reading, the caption of option 3, and the checks of
// "Continue".

#include "project/Message.h"
#include "project/Project.h"

#include <optional>
#include <string>

namespace quarvex {

inline constexpr const char* kMsgAnalysisError =
    " An error encountered during analysis.. Please check data file and units ";
inline constexpr const char* kMsgTipValueMissing = " Enter value for the tip resistance for option 3 ";
inline constexpr const char* kMsgTipValueTooHigh =
    " The entered value is higher than maximum cone tip reading";
inline constexpr const char* kMsgTipValueNegative = "Please enter a tip resistance of zero or more";

inline constexpr Integer kTipOptionBack = 3;

// The largest StepTip, rounded down, over the steps deeper than TailLimit;
// nothing when it does not fit an Integer (the screen then fails to load).
std::optional<Integer> ComputeTailMaxTip(const Project& p);

// "Option 3: Enter a tip value till the max tip reading of  12  TSF".
std::string TipOption3Caption(Integer tailMaxTip);

struct TipChoice {
    bool ok = false;
    Integer tipOption = 0;   // 0, 1, 2 when ok
    Single option3Value = 0; // when tipOption is 2
    Message message;         // when refused
    bool clearEntry = false; // empty the entry box and give it the focus
    bool focusEntry = false;
};

// "Continue" with option index 0..2 selected and the entry box text. A negative
// tip resistance is refused: it would make the end bearing below the sounding
// negative.
TipChoice CheckTipChoice(int option, const std::string& entryText, Integer tailMaxTip);

} // namespace quarvex
