#pragma once
// The soil layer entry (top and bottom of each layer, one layer after the other)
// as a plain state machine. The layer screen mirrors this state in its controls
// and passes every user action here; the design run and the batch command drive
// it the same way.

#include "project/Message.h"
#include "project/Project.h"

#include <array>
#include <optional>
#include <string>

namespace quarvex {

inline constexpr const char* kMsgLayerMissing = " Missing data entry ...";
inline constexpr const char* kMsgLayerTooThin =
    " Height of the layer is too small to contain cone readings.. Please ReEnter";
inline constexpr const char* kMsgLayerTooThinDone =
    " Height of the layer is too small to contain cone readings.. Use Back Key";
inline constexpr const char* kMsgLayerTooDeep = " Bottom elevation can not exceed maximum depth";

inline constexpr int kMaxLayerChoice = 12;

class SoilLayerEntry {
public:
    enum Button { Back = 0, Next = 1, Done = 2, Cancel = 3 };
    enum class Outcome { Open, Done, Cancelled };

    explicit SoilLayerEntry(Project& p);

    // The screen has just loaded: only Cancel, no boxes.
    void Load();

    // A count chosen in the layer count list (1..12).
    void SelectNumLayers(int count);

    // The user edits box j (0 top, 1 bottom); ignored unless the box is shown and
    // enabled. The program's own settings of the boxes run the same change handling.
    void TypeText(int j, const std::string& text);

    // The buttons; ignored when disabled. The message, if any, is the one to show.
    void PressBack();
    std::optional<Message> PressNext();
    std::optional<Message> PressDone();
    void PressCancel();

    // State for the screen.
    const std::string& Mask() const { return mask_; }
    bool ButtonEnabled(int b) const { return mask_.size() > static_cast<std::size_t>(b) && mask_[b] == '1'; }
    bool BoxesVisible() const { return visible_; }
    const std::string& BoxText(int j) const { return text_[j]; }
    bool BoxEnabled(int j) const { return enabled_[j]; }
    std::string LabelText(int j) const;
    std::string UnitText() const;
    int CurrentLayer() const { return current_; }
    // The box that should get the focus after the last action, or -1.
    int FocusBox() const { return focus_; }
    Outcome State() const { return outcome_; }
    // After "Done" the design button's caption returns to "Analysis".
    bool Completed() const { return outcome_ == Outcome::Done; }

private:
    void NavigateButtons(const std::string& buttonString);
    void SetText(int j, const std::string& text);
    void OnChange(int j);
    // Reads both boxes into the current layer; the message when one is empty.
    std::optional<Message> StoreCurrentLayer();
    bool LayerHighEnough() const;

    Project& p_;
    int current_ = 0;
    std::string mask_ = "0000";
    std::array<std::string, 2> text_{};
    std::array<bool, 2> enabled_{true, true};
    bool visible_ = false;
    int focus_ = -1;
    Outcome outcome_ = Outcome::Open;
    int changeDepth_ = 0;
};

} // namespace quarvex
