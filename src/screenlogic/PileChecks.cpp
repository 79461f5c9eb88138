#include "screenlogic/PileChecks.h"

#include "project/NumberText.h"

#include <cmath>

namespace quarvex {

namespace {

// The longest leading part of the text that reads as a number, read as a Single
// (0 when none does), in the manner of reading a number out of a cut text.
Single LeadingNumber(const std::string& text)
{
    for (std::size_t n = text.size(); n > 0; --n) {
        if (auto v = ToSingle(std::string_view(text).substr(0, n)))
            return *v;
    }
    return 0;
}

} // namespace

Single CutDepth(Single depth, int keep)
{
    std::string text = GeneralForm(depth);
    if (static_cast<int>(text.size()) > keep)
        text.resize(static_cast<std::size_t>(keep));
    return LeadingNumber(text);
}

Single ConeTopDepth(const Project& p)
{
    return p.NumSteps >= 1 ? CutDepth(p.StepDepth[1], 3) : 0.0F;
}

Single ConeMaxDepth(const Project& p)
{
    return p.NumSteps >= 1 ? CutDepth(p.StepDepth[p.NumSteps], 6) : 0.0F;
}

std::string FilterNumericText(std::string_view text)
{
    return IsNumeric(text) ? std::string(text) : std::string();
}

Single DepthBoxValue(std::string_view text, Single emptyValue)
{
    if (auto v = ToSingle(text))
        return *v;
    return emptyValue;
}

AnalysisCheck CheckAnalysisInputs(Project& p, const AnalysisInputs& in, Single coneTopDepth,
                                  Single coneMaxDepth)
{
    auto refuse = [](Message m, DesignBox focus, DesignBox clear) {
        return AnalysisCheck{false, std::move(m), focus, clear};
    };

    // 1. The size box.
    if (in.sizeText.empty())
        return refuse(PlainMessage(kMsgEnterDiameter), DesignBox::None, DesignBox::None);

    // A size that is no positive number would leave the previous size in force
    // while the results carry the new text: refuse it.
    const auto inches = ToSingle(in.sizeText);
    if (!inches || !(*inches > 0.0F) || !std::isfinite(*inches / 12))
        return refuse(CriticalMessage(kMsgDiameterPositive), DesignBox::Size, DesignBox::None);
    if (*inches > kMaxPileSizeInches)
        return refuse(CriticalMessage(kMsgDiameterTooLarge), DesignBox::Size, DesignBox::None);

    // 2. Size text and size.
    p.PileSizeText = in.sizeText;
    p.PileSize = *inches / 12;

    const Single five = 5 * p.PileSize;

    if (in.topSelect) {
        const auto top = ToSingle(in.topText);
        if (!top) // 3
            return refuse(CriticalMessage(kMsgMissingTop), DesignBox::Top, DesignBox::None);
        if (*top < coneTopDepth) // 4
            return refuse(CriticalMessage(kMsgTopAboveCone), DesignBox::Top, DesignBox::Top);
        const Single shortest = p.PileTipDepth - five;
        if (shortest <= *top) // 5
            return refuse(CriticalMessage(kMsgTopTooShort), DesignBox::Top, DesignBox::Top);
    }
    if (in.tipSelect) {
        const auto tip = ToSingle(in.tipText);
        if (!tip) // 6
            return refuse(CriticalMessage(kMsgMissingTip), DesignBox::Tip, DesignBox::None);
        const Single longest = p.PileTopDepth + five;
        if (longest >= *tip) // 7
            return refuse(CriticalMessage(kMsgTipTooShort), DesignBox::Tip, DesignBox::Tip);
        if (*tip > coneMaxDepth) // 8
            return refuse(CriticalMessage(kMsgTipBelowCone), DesignBox::Tip, DesignBox::Tip);
    }
    return AnalysisCheck{};
}

} // namespace quarvex
