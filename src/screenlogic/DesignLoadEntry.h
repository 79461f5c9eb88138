#pragma once
// The "Design load" inputs (load, basis, a factor per method, load factor) as
// plain code: their defaults, the checks run before a design, and the batch
// command's forms of the same inputs. The screen mirrors the texts in its boxes
// and shows the message returned; the batch command prints it.

#include "design/DesignBasis.h"
#include "project/Message.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quarvex {

// What the "Design load" group holds, as typed.
struct DesignLoadTexts {
    std::string load; // tons; empty: no design load, the run stops at the ultimate capacities
    Basis basis = Basis::Allowable;
    std::vector<std::string> factors; // one per method, in the caller's method order
    std::string loadFactor;           // gamma; read under LRFD only

    bool operator==(const DesignLoadTexts&) const = default;
};

// The group as it opens: no load, ASD, the default factors, gamma 1.
DesignLoadTexts DefaultDesignLoadTexts(std::size_t methodCount);

// "Restore defaults": every factor to the default of the selected basis and
// gamma to 1; the load and the basis stay as they are.
void RestoreDefaultFactors(DesignLoadTexts& texts);

// Choosing the other basis restores its default factors: an FS of 2.5 kept as a
// phi would only be refused, and a phi kept as an FS would be unsafe.
void SelectBasis(DesignLoadTexts& texts, Basis basis);

// The box a check refers to.
enum class DesignLoadBox { None, Load, Factor, LoadFactor };

struct DesignLoadCheck {
    bool ok = true;
    Message message;
    DesignLoadBox focus = DesignLoadBox::None;
    int factorIndex = -1; // the method's index when focus is Factor
    // The basis to design with; none when the load box is empty.
    std::optional<DesignBasis> basis;
};

inline constexpr const char* kMsgDesignLoad = "Design load: please enter the load on the pile as a positive "
                                              "number of tons, or leave the box empty";
inline constexpr const char* kMsgLoadFactor = "Load factor (gamma): please enter a positive number";

// The factor messages name the method whose box is refused.
std::string SafetyFactorMessage(std::string_view method);             // not a positive number
std::string SafetyFactorBelowOneMessage(std::string_view method);     // FS < 1
std::string ResistanceFactorMessage(std::string_view method);         // not a positive number
std::string ResistanceFactorAboveOneMessage(std::string_view method); // phi > 1

// Runs the checks in box order (load, the factors in method order, gamma under
// LRFD) and stops at the first that fails, with a critical message. An empty
// load box is no design load: it passes and the factors are not read. A factor
// list shorter than the method list is refused at the first missing factor.
DesignLoadCheck CheckDesignLoad(const DesignLoadTexts& texts, std::span<const MethodId> methods);

// The batch command's "asd" or "lrfd" (any case); nothing otherwise.
std::optional<Basis> ParseBasis(std::string_view text);

// A batch factor option: one value for every method, or one value per method
// separated by commas, in method order. Returns the texts (checked later with
// the screen's checks); on a count that fits neither, nothing and `error`.
std::optional<std::vector<std::string>> SplitFactorList(std::string_view option, std::string_view text,
                                                        std::span<const MethodId> methods,
                                                        std::string& error);

// The batch command's design-load options, as given (absent when not given).
struct BatchDesignLoadOptions {
    std::optional<std::string> load;  // --load
    std::optional<std::string> basis; // --basis asd|lrfd
    std::optional<std::string> fs;    // --fs
    std::optional<std::string> phi;   // --phi
    std::optional<std::string> gamma; // --gamma
};

// The texts the options stand for, to be checked by CheckDesignLoad. Without
// --basis the basis is LRFD when --phi or --gamma is given, ASD otherwise. Usage
// errors (nothing returned, `error` set): a factor option without --load, an
// unknown basis, --fs under LRFD, --phi or --gamma under ASD, a factor list of
// the wrong length. Without any option: the defaults, no load.
std::optional<DesignLoadTexts> BatchDesignLoadTexts(const BatchDesignLoadOptions& options,
                                                    std::span<const MethodId> methods, std::string& error);

} // namespace quarvex
