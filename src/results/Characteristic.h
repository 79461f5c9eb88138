#pragma once
// Characteristic capacities over the soundings of a site by the correlation
// factors of Eurocode 7 (EN 1997-1, Annex A, Table A.10):
//   R_c,k = min(mean / xi3, minimum / xi4),
// xi3 and xi4 chosen by the number of soundings n. National annexes give their
// own factors; the table here holds the recommended ones and can be replaced.

#include <array>
#include <cstddef>
#include <optional>

namespace quarvex {

// The table's columns are for n = 1, 2, 3, 4, 5, 7 and 10 or more soundings.
inline constexpr std::array<int, 7> kCorrelationColumns = {1, 2, 3, 4, 5, 7, 10};

struct CorrelationFactors {
    std::array<double, 7> xi3; // on the mean
    std::array<double, 7> xi4; // on the minimum
};

// The recommended values of Table A.10.
CorrelationFactors RecommendedCorrelationFactors();

// The column for n soundings: a count between two columns takes the smaller
// count's column (its factors are the larger, the safe side). n >= 1.
std::size_t CorrelationColumn(int n);

// The values of one quantity at one place over the soundings, added in a fixed
// order (so that the same soundings give the same bits whatever order they were
// computed in). Mean and spread are kept as running sums of deviations, which
// stay accurate where plain sums of squares cancel.
class SampleStats {
public:
    void Add(double v);
    // This set followed by `other` (the merged statistics of both sets).
    void Merge(const SampleStats& other);

    int Count() const { return n_; }
    double Mean() const { return mean_; }
    double Minimum() const { return min_; }
    // The sample standard deviation (divisor n - 1); nothing for fewer than two
    // values.
    std::optional<double> StandardDeviation() const;

private:
    int n_ = 0;
    double mean_ = 0;
    double m2_ = 0; // sum of squared deviations from the mean
    double min_ = 0;
};

struct Characteristic {
    int n = 0;
    double mean = 0;
    double minimum = 0;
    std::optional<double> standardDeviation;
    double xi3 = 0;
    double xi4 = 0;
    double value = 0; // R_c,k
};

// The characteristic value of the statistics; nothing when they hold no value.
std::optional<Characteristic> CharacteristicValue(const SampleStats& stats,
                                                  const CorrelationFactors& factors);

} // namespace quarvex
