#include "design/TipOptions.h"

#include "design/DesignCommon.h"
#include "project/NumberText.h"

#include <cmath>
#include <limits>

namespace quarvex {

std::optional<Integer> ComputeTailMaxTip(const Project& p)
{
    if (p.NumSteps < 1)
        return std::nullopt;
    const Single limit = TailLimit(p);
    Integer tailMax = 0;
    const int first = FirstDeeper(p.StepDepth, p.NumSteps, limit);
    for (int i = first; i <= p.NumSteps; ++i) {
        const Single tip = p.StepTip[i];
        if (tip > static_cast<Single>(tailMax)) {
            const Single whole = std::floor(tip);
            if (!(whole <= std::numeric_limits<Integer>::max()))
                return std::nullopt;
            tailMax = static_cast<Integer>(whole);
        }
    }
    return tailMax;
}

std::string TipOption3Caption(Integer tailMaxTip)
{
    return "Option 3: Enter a tip value till the max tip reading of  " + IntegerText(tailMaxTip) + "  TSF";
}

TipChoice CheckTipChoice(int option, const std::string& entryText, Integer tailMaxTip)
{
    TipChoice c;
    if (option == 0 || option == 1) {
        c.ok = true;
        c.tipOption = static_cast<Integer>(option);
        return c;
    }
    const auto value = ToSingle(entryText);
    if (!value) {
        c.message = CriticalMessage(kMsgTipValueMissing);
        return c;
    }
    if (*value > static_cast<Single>(tailMaxTip)) {
        c.message = CriticalMessage(kMsgTipValueTooHigh);
        c.clearEntry = true;
        c.focusEntry = true;
        return c;
    }
    if (*value < 0) {
        c.message = CriticalMessage(kMsgTipValueNegative);
        c.clearEntry = true;
        c.focusEntry = true;
        return c;
    }
    c.ok = true;
    c.tipOption = 2;
    c.option3Value = *value;
    return c;
}

} // namespace quarvex
