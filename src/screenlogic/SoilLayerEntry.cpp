#include "screenlogic/SoilLayerEntry.h"

#include "project/NumberText.h"
#include "screenlogic/NumberEntry.h"

namespace quarvex {

namespace {

// A depth put into a box by the program reads back to the same Single, so the
// first layer starts exactly at the analysis start and the last ends at the tip.
std::string DepthText(Single v)
{
    return ShortestForm(v);
}

} // namespace

SoilLayerEntry::SoilLayerEntry(Project& p) : p_(p) {}

void SoilLayerEntry::Load()
{
    NavigateButtons("0001");
    visible_ = false;
    current_ = 0;
    outcome_ = Outcome::Open;
}

void SoilLayerEntry::NavigateButtons(const std::string& buttonString)
{
    std::string s(TrimSpaces(buttonString));
    mask_ = s.substr(0, 4);
    while (mask_.size() < 4)
        mask_ += '0';
}

std::string SoilLayerEntry::LabelText(int j) const
{
    const std::string n = IntegerText(current_);
    return j == 0 ? "Top Elevation of Layer " + n : "Bottom Elev. of Layer " + n;
}

std::string SoilLayerEntry::UnitText() const
{
    return p_.UnitSystem == kUnitsEnglish ? "ft" : "m";
}

void SoilLayerEntry::SelectNumLayers(int count)
{
    if (outcome_ != Outcome::Open || count < 1 || count > kMaxLayerChoice)
        return;
    current_ = 0;
    p_.NumLayers = static_cast<Integer>(count);
    enabled_ = {true, true};
    visible_ = true;
    current_ = 1;
    for (int j = 0; j < 2; ++j) {
        SetText(j, "");
        OnChange(j); // also when the box was already empty
    }
}

void SoilLayerEntry::TypeText(int j, const std::string& text)
{
    if (outcome_ != Outcome::Open || j < 0 || j > 1 || !visible_ || !enabled_[j])
        return;
    SetText(j, text);
}

// Setting a different text fires the change handling, as a text box does.
void SoilLayerEntry::SetText(int j, const std::string& text)
{
    if (text_[j] == text)
        return;
    text_[j] = text;
    // The handling settles within two rounds; the bound only guards against a
    // depth whose text would not read back as a number.
    if (changeDepth_ > 4)
        return;
    ++changeDepth_;
    OnChange(j);
    --changeDepth_;
}

void SoilLayerEntry::OnChange(int j)
{
    // A text that more typing can still make a number ("-", ".", "1e") stays;
    // "Next" and "Done" refuse it if it is left so.
    if (!CanBecomeNumeric(text_[j]))
        SetText(j, "");

    if (p_.NumLayers == 1) {
        NavigateButtons("0011");
        SetText(0, DepthText(p_.PileTopDepth));
        SetText(1, DepthText(p_.PileTipDepth));
        enabled_[0] = false;
        enabled_[1] = false;
    } else if (current_ == 1) {
        NavigateButtons("0101");
        SetText(0, DepthText(p_.PileTopDepth));
        enabled_[0] = false;
    } else if (current_ > 1 && current_ < p_.NumLayers) {
        NavigateButtons("1101");
    } else {
        SetText(1, DepthText(p_.PileTipDepth));
        enabled_[1] = false;
        NavigateButtons("1011");
    }
}

std::optional<Message> SoilLayerEntry::StoreCurrentLayer()
{
    const auto top = ToSingle(text_[0]);
    if (!top)
        return CriticalMessage(kMsgLayerMissing);
    p_.LayerTop[current_] = *top;
    const auto bottom = ToSingle(text_[1]);
    if (!bottom)
        return CriticalMessage(kMsgLayerMissing);
    p_.LayerBottom[current_] = *bottom;
    return std::nullopt;
}

bool SoilLayerEntry::LayerHighEnough() const
{
    const Single lowest = p_.LayerTop[current_] + 2 * p_.StepSize;
    return lowest < p_.LayerBottom[current_];
}

void SoilLayerEntry::PressBack()
{
    if (outcome_ != Outcome::Open || !ButtonEnabled(Back) || current_ <= 1)
        return;
    focus_ = -1;
    NavigateButtons("1101");
    current_ -= 1;
    SetText(0, DepthText(p_.LayerTop[current_]));
    SetText(1, DepthText(p_.LayerBottom[current_]));
    enabled_[1] = true;
    focus_ = 1;
}

std::optional<Message> SoilLayerEntry::PressNext()
{
    if (outcome_ != Outcome::Open || !ButtonEnabled(Next) || current_ < 1)
        return std::nullopt;
    focus_ = -1;
    if (auto missing = StoreCurrentLayer())
        return missing;

    std::optional<Message> message;
    if (LayerHighEnough()) {
        if (!(p_.LayerBottom[current_] > p_.PileTipDepth)) {
            current_ += 1;
            SetText(0, DepthText(p_.LayerBottom[current_ - 1]));
        } else {
            message = CriticalMessage(kMsgLayerTooDeep);
            NavigateButtons("1101");
        }
    } else {
        message = CriticalMessage(kMsgLayerTooThin);
        NavigateButtons("1101");
    }
    SetText(1, "");
    if (current_ < p_.NumLayers)
        focus_ = 1;
    return message;
}

std::optional<Message> SoilLayerEntry::PressDone()
{
    if (outcome_ != Outcome::Open || !ButtonEnabled(Done) || current_ < 1)
        return std::nullopt;
    focus_ = -1;
    if (auto missing = StoreCurrentLayer())
        return missing;
    if (LayerHighEnough()) {
        p_.AutoLayers = False;
        outcome_ = Outcome::Done;
        return std::nullopt;
    }
    return CriticalMessage(kMsgLayerTooThinDone);
}

void SoilLayerEntry::PressCancel()
{
    if (outcome_ != Outcome::Open || !ButtonEnabled(Cancel))
        return;
    p_.AutoLayers = True;
    outcome_ = Outcome::Cancelled;
}

} // namespace quarvex
