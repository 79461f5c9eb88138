#pragma once
// Correction factors: corrected copies of the twelve capacity arrays, scaled by
// one factor pair for the whole depth or by one pair per depth range, and the
// correction screen's decisions (option buttons, row count, cell checks, the
// range table carried from one opening to the next in HistList8).

#include "design/Methods.h"
#include "project/Message.h"
#include "project/Project.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quarvex {

inline constexpr Integer kNoCorrection = 0;
inline constexpr Integer kWholeDepthCorrection = 1;
inline constexpr Integer kRangeCorrection = 2;

inline constexpr const char* kMsgInputNumeric = "Please input numeric";
inline constexpr const char* kMsgRowCountNumeric = "Please input Numeric";
inline constexpr const char* kMsgNegativeFactor = "Negative numbers are not allowed for correction factor";

inline constexpr int kMaxCorrectionRows = 10;

// One row of the range table, as numbers.
struct CorrectionRange {
    Single from = 0;
    Single to = 0;
    Single endBearingFactor = 1;
    Single frictionFactor = 1;
};

// Rebuilds the twelve corrected arrays from the design results. With
// CorrectionState 2 the ranges are applied in order (a later row overrides an
// earlier one where they overlap; EndBearingFactor and FrictionFactor end up as
// the last row's pair, and HistList8 receives every row it does not hold yet);
// otherwise EndBearingFactor and FrictionFactor scale the whole depth. A step in
// no range keeps its design values.
void ApplyCorrections(Project& p, const std::vector<CorrectionRange>& ranges);
void ApplyCorrections(Project& p, const std::vector<CorrectionRange>& ranges, const MethodTable& table);

// The HistList8 item of a row: from|to|end bearing factor|friction factor.
std::string RangeHistoryItem(const CorrectionRange& r);

// The state behind the correction screen. The screen mirrors it in its
// controls and passes every user action here.
class CorrectionForm {
public:
    enum class Outcome { Open, Submitted, Cancelled };
    // Cells of one data row, columns 1..4 (from, to, end bearing, friction).
    using Row = std::array<std::string, 4>;

    explicit CorrectionForm(Project& p);

    // Builds the form from CorrectionState, the factors and HistList8, then
    // empties HistList8.
    void Load();

    // The option buttons: 0 whole depth ("End Bearing"), 1 per range ("Soil Layers").
    void ClickOption(int n);
    // A row count chosen in the list; the message when it is refused.
    std::optional<Message> ChooseRowCount(const std::string& text);

    void SetEndText(const std::string& text) { endText_ = text; }
    void SetFriText(const std::string& text) { friText_ = text; }
    // A cell edit (row 1.., column 1..4); ignored unless the table is enabled.
    bool SetCell(int row, int column, const std::string& text);

    // Checks the entries in order; on success applies the corrections and the
    // form is done. The message of the first failed check otherwise.
    std::optional<Message> Submit();
    void Cancel();

    // --- state for the screen ---------------------------------------------
    int Option() const { return option_; }
    const std::string& EndText() const { return endText_; }
    const std::string& FriText() const { return friText_; }
    bool FactorsEnabled() const { return factorsEnabled_; }
    bool TableEnabled() const { return tableEnabled_; }
    // What the row count list shows ("" when nothing is chosen).
    const std::string& ComboText() const { return comboText_; }
    // Number of data rows; always the size of Rows().
    int RowCount() const { return static_cast<int>(rows_.size()); }
    int NextRow() const { return RowCount() + 1; }
    const std::vector<Row>& Rows() const { return rows_; }
    const std::string& Cell(int row, int column) const { return rows_[row - 1][column - 1]; }
    Outcome State() const { return outcome_; }

private:
    std::optional<Message> CheckFactor(const std::string& text, Single& target) const;

    Project& p_;
    int option_ = 0;
    std::string endText_ = "1";
    std::string friText_ = "1";
    bool factorsEnabled_ = true;
    bool tableEnabled_ = false;
    std::string comboText_;
    std::vector<Row> rows_ = {Row{}};
    Outcome outcome_ = Outcome::Open;
};

} // namespace quarvex
