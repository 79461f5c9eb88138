#include "design/DesignBasis.h"

#include <algorithm>
#include <limits>

namespace quarvex {

Single DefaultFactor(Basis basis)
{
    return basis == Basis::Allowable ? kDefaultSafetyFactor : kDefaultResistanceFactor;
}

Single RequiredCapacity(const DesignBasis& basis)
{
    if (basis.basis == Basis::Allowable)
        return basis.load;
    return static_cast<Single>(static_cast<double>(basis.loadFactor) * basis.load);
}

Single DesignCapacity(Basis basis, Single factor, Single ultimate)
{
    if (basis == Basis::Allowable)
        return static_cast<Single>(static_cast<double>(ultimate) / factor);
    return static_cast<Single>(static_cast<double>(factor) * ultimate);
}

Array1<Single> DesignCapacities(Basis basis, Single factor, const Array1<Single>& ultimate)
{
    Array1<Single> capacity(ultimate.size());
    for (int i = 1; i <= ultimate.size(); ++i)
        capacity[i] = DesignCapacity(basis, factor, ultimate[i]);
    return capacity;
}

int RequiredTipStep(const Array1<Single>& capacity, Single required, StepRange range)
{
    range.first = std::max(range.first, 1);
    range.last = std::min(range.last, capacity.size());
    // Walking up from the tip finds the deepest shortfall; the step below it is
    // the answer. Scanning down for the first crossing would stop above a weak
    // layer and give a pile that fails in it.
    int step = 0;
    for (int i = range.last; i >= range.first; --i) {
        if (!(capacity[i] >= required))
            break;
        step = i;
    }
    return step;
}

bool DesignDecision::AllPass() const
{
    return std::all_of(methods.begin(), methods.end(), [](const MethodDecision& m) { return m.passes; });
}

DesignDecision DecideDesign(const DesignBasis& basis, std::span<const Array1<Single>* const> ultimates,
                            const Array1<Single>& stepDepth, StepRange range)
{
    DesignDecision d;
    d.basis = basis;
    d.required = RequiredCapacity(basis);

    const std::size_t count = std::min(basis.methods.size(), ultimates.size());
    int upper = stepDepth.size();
    for (std::size_t k = 0; k < count; ++k)
        upper = std::min(upper, ultimates[k]->size());
    d.range = StepRange{std::max(range.first, 1), std::min(range.last, upper)};
    if (!d.range.empty()) {
        d.tipStep = d.range.last;
        d.topDepth = stepDepth[d.range.first];
        d.tipDepth = stepDepth[d.tipStep];
    }

    for (std::size_t k = 0; k < count; ++k) {
        MethodDecision m;
        m.method = basis.methods[k];
        m.capacity = DesignCapacities(basis.basis, m.method.factor, *ultimates[k]);
        m.requiredStep = RequiredTipStep(m.capacity, d.required, d.range);
        if (m.requiredStep != 0)
            m.requiredDepth = stepDepth[m.requiredStep];
        if (d.tipStep != 0)
            m.tipCapacity = m.capacity[d.tipStep];
        if (!(d.required > 0))
            m.utilisation = 0;
        else if (!(m.tipCapacity > 0))
            m.utilisation = std::numeric_limits<Single>::infinity();
        else
            m.utilisation = static_cast<Single>(static_cast<double>(d.required) / m.tipCapacity);
        m.passes = d.tipStep != 0 && m.tipCapacity >= d.required;
        d.methods.push_back(std::move(m));
    }
    return d;
}

} // namespace quarvex
