#pragma once
// The correction screen's decisions: option buttons, row count, cell checks, and
// the range table carried from one opening to the next in HistList8.

#include "project/Message.h"
#include "project/Project.h"
#include "results/Corrections.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quarvex {

inline constexpr const char* kMsgInputNumeric = "Please input numeric";
inline constexpr const char* kMsgRowCountNumeric = "Please input Numeric";
inline constexpr const char* kMsgNegativeFactor = "Negative numbers are not allowed for correction factor";

inline constexpr int kMaxCorrectionRows = 10;

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
