#include "screenlogic/CorrectionForm.h"

#include "project/NumberText.h"

#include <algorithm>
#include <cmath>

namespace quarvex {

CorrectionForm::CorrectionForm(Project& p) : p_(p) {}

void CorrectionForm::Load()
{
    rows_.assign(1, Row{});
    comboText_.clear();
    outcome_ = Outcome::Open;

    switch (p_.CorrectionState) {
    case kRangeCorrection: {
        endText_ = "1";
        friText_ = "1";
        const int count = std::min(p_.HistList8().Count(), kMaxCorrectionRows);
        if (count > 0) {
            comboText_ = IntegerText(count);
            rows_.assign(static_cast<std::size_t>(count), Row{});
            for (int r = 1; r <= count; ++r) {
                std::string item = p_.HistList8().Item(IntegerText(r));
                Row& row = rows_[static_cast<std::size_t>(r - 1)];
                for (int c = 0; c < 3; ++c) {
                    const auto bar = item.find('|');
                    if (bar == std::string::npos) {
                        row[static_cast<std::size_t>(c)] = item;
                        item.clear();
                        break;
                    }
                    row[static_cast<std::size_t>(c)] = item.substr(0, bar);
                    item.erase(0, bar + 1);
                }
                if (!item.empty())
                    row[3] = item;
            }
        }
        ClickOption(1);
        break;
    }
    case kWholeDepthCorrection:
        endText_ = ShortestForm(p_.EndBearingFactor);
        friText_ = ShortestForm(p_.FrictionFactor);
        ClickOption(0);
        break;
    default:
        endText_ = "1";
        friText_ = "1";
        ClickOption(0);
        break;
    }
    p_.HistList8().RemoveAll();
}

void CorrectionForm::ClickOption(int n)
{
    if (n == 0) {
        option_ = 0;
        factorsEnabled_ = true;
        tableEnabled_ = false;
        p_.CorrectionState = kWholeDepthCorrection;
    } else {
        option_ = 1;
        factorsEnabled_ = false;
        tableEnabled_ = true;
    }
}

std::optional<Message> CorrectionForm::ChooseRowCount(const std::string& text)
{
    p_.CorrectionState = kRangeCorrection;
    const std::optional<double> v = ToDouble(text);
    if (!v)
        return PlainMessage(kMsgRowCountNumeric);
    // The list offers 1..10; the table never goes below one row or above ten.
    const std::optional<std::int16_t> rounded = ToInteger(std::clamp(*v, 1.0, double(kMaxCorrectionRows)));
    const int target = rounded ? *rounded : 1;
    // Rows kept at the end keep their cells; removed rows lose theirs.
    rows_.resize(static_cast<std::size_t>(target), Row{});
    comboText_ = IntegerText(target);
    return std::nullopt;
}

bool CorrectionForm::SetCell(int row, int column, const std::string& text)
{
    if (!tableEnabled_ || row < 1 || row > RowCount() || column < 1 || column > 4)
        return false;
    rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)] = text;
    return true;
}

std::optional<Message> CorrectionForm::CheckFactor(const std::string& text, Single& target) const
{
    const std::optional<float> v = IsNumeric(text) ? ToSingle(text) : std::nullopt;
    if (!v)
        return PlainMessage(kMsgInputNumeric);
    if (*v < 0)
        return PlainMessage(kMsgNegativeFactor);
    target = *v;
    return std::nullopt;
}

std::optional<Message> CorrectionForm::Submit()
{
    if (auto m = CheckFactor(endText_, p_.EndBearingFactor))
        return m;
    if (auto m = CheckFactor(friText_, p_.FrictionFactor))
        return m;

    std::vector<CorrectionRange> ranges;
    if (option_ == 1 && !comboText_.empty()) {
        for (const Row& row : rows_) {
            std::array<Single, 4> v{};
            for (std::size_t c = 0; c < 4; ++c) {
                if (auto m = CheckFactor(row[c], v[c]))
                    return m;
            }
            ranges.push_back({v[0], v[1], v[2], v[3]});
        }
    }

    ApplyCorrections(p_, ranges);
    outcome_ = Outcome::Submitted;
    return std::nullopt;
}

void CorrectionForm::Cancel()
{
    p_.CorrectionState = kNoCorrection;
    outcome_ = Outcome::Cancelled;
}

} // namespace quarvex
