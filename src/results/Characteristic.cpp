#include "results/Characteristic.h"

#include <algorithm>
#include <cmath>

namespace quarvex {

CorrelationFactors RecommendedCorrelationFactors()
{
    return {{1.40, 1.35, 1.33, 1.31, 1.29, 1.27, 1.25}, {1.40, 1.27, 1.23, 1.20, 1.15, 1.12, 1.08}};
}

std::size_t CorrelationColumn(int n)
{
    std::size_t column = 0;
    for (std::size_t k = 0; k < kCorrelationColumns.size(); ++k)
        if (kCorrelationColumns[k] <= n)
            column = k;
    return column;
}

void SampleStats::Add(double v)
{
    ++n_;
    const double delta = v - mean_;
    mean_ += delta / n_;
    m2_ += delta * (v - mean_);
    min_ = n_ == 1 ? v : std::min(min_, v);
}

void SampleStats::Merge(const SampleStats& other)
{
    if (other.n_ == 0)
        return;
    if (n_ == 0) {
        *this = other;
        return;
    }
    const double n = static_cast<double>(n_) + other.n_;
    const double delta = other.mean_ - mean_;
    mean_ += delta * other.n_ / n;
    m2_ += other.m2_ + delta * delta * n_ * other.n_ / n;
    min_ = std::min(min_, other.min_);
    n_ += other.n_;
}

std::optional<double> SampleStats::StandardDeviation() const
{
    if (n_ < 2)
        return std::nullopt;
    return std::sqrt(std::max(0.0, m2_) / (n_ - 1));
}

std::optional<Characteristic> CharacteristicValue(const SampleStats& stats, const CorrelationFactors& factors)
{
    if (stats.Count() < 1)
        return std::nullopt;
    Characteristic c;
    c.n = stats.Count();
    c.mean = stats.Mean();
    c.minimum = stats.Minimum();
    c.standardDeviation = stats.StandardDeviation();
    const std::size_t column = CorrelationColumn(c.n);
    c.xi3 = factors.xi3[column];
    c.xi4 = factors.xi4[column];
    c.value = std::min(c.mean / c.xi3, c.minimum / c.xi4);
    return c;
}

} // namespace quarvex
