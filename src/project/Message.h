#pragma once
// What an operation wants the user to see. The core never shows anything; the
// screens pass these to their dialogs and the batch command prints them.

#include <string>

namespace quarvex {

// The application's title, the caption of every message without one of its own.
inline constexpr const char* kAppTitle = "Quarvex";

enum class MsgIcon { None, Critical, Information, Question };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

struct Message {
    std::string text;
    std::string caption = kAppTitle;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    // For Yes/No boxes: true when No is the default button.
    bool defaultNo = false;

    bool operator==(const Message&) const = default;
};

inline Message CriticalMessage(std::string text)
{
    return Message{std::move(text), kAppTitle, MsgIcon::Critical};
}
inline Message InfoMessage(std::string text, std::string caption = kAppTitle)
{
    return Message{std::move(text), std::move(caption), MsgIcon::Information};
}
inline Message PlainMessage(std::string text)
{
    return Message{std::move(text)};
}

// The exit confirmation shown by the design and results screens.
inline Message ExitConfirmation()
{
    return Message{"Are you sure you want to Exit the Program?", "Pile Bearing Capacity Analysis",
                   MsgIcon::Question, MsgButtons::YesNo, true};
}

} // namespace quarvex
