#pragma once
// From ultimate capacity to a design decision: a design load, the factors of an
// allowable (ASD) or factored (LRFD) basis per method, the design capacity of
// every step, and per method the shallowest tip that carries the load for good.
//
// Nothing here knows which methods exist: the caller lists them (key, caption,
// factor) in its own order together with their ultimate arrays, and passes the
// corrected arrays when corrections are in force.
//
// Precision: every stored value is a Single. A design capacity is the exact
// quotient ultimate / FS or product phi x ultimate rounded once to the nearest
// Single (the division or product is carried in double, which for two Single
// operands gives the same value as one correctly rounded Single operation); the
// required value gamma x Q and the utilisation required / available likewise.

#include "project/Array1.h"
#include "project/Project.h"

#include <span>
#include <string>
#include <vector>

namespace quarvex {

enum class Basis {
    Allowable, // ASD: allowable capacity = ultimate / FS, checked against Q
    Factored,  // LRFD: factored resistance = phi x ultimate, checked against gamma x Q
};

inline constexpr Single kDefaultSafetyFactor = 2.5F;     // FS, ASD
inline constexpr Single kDefaultResistanceFactor = 0.5F; // phi, LRFD
inline constexpr Single kDefaultLoadFactor = 1.0F;       // gamma, LRFD

// The factor every method starts with under a basis.
Single DefaultFactor(Basis basis);

// A method as the caller's method table names it: key for file columns
// ("Lcpc"), caption for people ("LCPC").
struct MethodId {
    std::string key;
    std::string name;

    bool operator==(const MethodId&) const = default;
};

struct MethodFactor {
    std::string key;
    std::string name;
    Single factor = 0; // FS under ASD, phi under LRFD

    bool operator==(const MethodFactor&) const = default;
};

struct DesignBasis {
    Single load = 0; // Q, tons, compression
    Basis basis = Basis::Allowable;
    Single loadFactor = kDefaultLoadFactor; // gamma; 1 and unused under ASD
    std::vector<MethodFactor> methods;

    bool operator==(const DesignBasis&) const = default;
};

// The value a design capacity must reach: Q (ASD) or gamma x Q (LRFD).
Single RequiredCapacity(const DesignBasis& basis);

// One design capacity from one ultimate capacity.
Single DesignCapacity(Basis basis, Single factor, Single ultimate);

// The design capacity of every step of an ultimate array (same indices; steps
// outside the analysis range hold 0 in the ultimate array and so here).
Array1<Single> DesignCapacities(Basis basis, Single factor, const Array1<Single>& ultimate);

// Steps first..last of the step table, both included; empty when last < first.
struct StepRange {
    int first = 1;
    int last = 0;

    bool empty() const { return last < first; }
};

// The shallowest step of the range from which every deeper step of the range has
// a capacity at or above the required value; 0 when the deepest step of the
// range falls short (so no such step exists) or the range is empty. A capacity
// that is not a number counts as falling short.
int RequiredTipStep(const Array1<Single>& capacity, Single required, StepRange range);

struct MethodDecision {
    MethodFactor method;
    Array1<Single> capacity;  // design capacity per step (tons)
    int requiredStep = 0;     // 0: not reached within the analysis range
    Single requiredDepth = 0; // StepDepth(requiredStep) when reached
    Single tipCapacity = 0;   // design capacity at the pile tip step
    // required / tipCapacity: 0 when nothing is required, +infinity when the tip
    // has no capacity but something is required.
    Single utilisation = 0;
    bool passes = false; // tipCapacity >= required

    bool Reached() const { return requiredStep != 0; }
};

struct DesignDecision {
    DesignBasis basis;
    Single required = 0;
    StepRange range;     // the analysis range actually used (clipped to the arrays)
    int tipStep = 0;     // the pile tip step: the deepest step of the range; 0 when empty
    Single topDepth = 0; // StepDepth(range.first) when the range is not empty
    Single tipDepth = 0; // StepDepth(tipStep) when the range is not empty
    std::vector<MethodDecision> methods;

    bool AllPass() const;
};

// Decides every method of the basis, methods[k] with ultimates[k] (extra
// entries of the longer list are left out). The range is clipped to 1..the
// shortest of the step depths and the ultimate arrays; the pile tip is the
// deepest step of the range.
DesignDecision DecideDesign(const DesignBasis& basis, std::span<const Array1<Single>* const> ultimates,
                            const Array1<Single>& stepDepth, StepRange range);

} // namespace quarvex
