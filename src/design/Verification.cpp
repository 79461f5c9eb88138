#include "design/Verification.h"

#include "classification/Classification.h"
#include "design/DeRuiter.h"
#include "design/DesignCommon.h"
#include "design/DesignRun.h"
#include "design/Lcpc.h"
#include "design/Methods.h"
#include "design/Schmertmann.h"
#include "project/NumberText.h"

#include <cmath>
#include <functional>
#include <limits>

namespace quarvex {

namespace {

constexpr int kSteps = 100;
constexpr int kTipStep = 50;

struct Soil {
    Single sand, silt, clay; // percent
};
constexpr Soil kClay{0, 0, 100};
constexpr Soil kSand{100, 0, 0};

// A uniform profile of 0.328 ft steps under a 14 inch square pile whose tip is at
// step 50: every zone of every method holds the same tip and sleeve, so the
// methods reduce to their published factors and limits.
Project Uniform(Single tip, Single sleeve, Soil soil)
{
    Project p;
    p.UnitSystem = kUnitsEnglish;
    p.StepSize = 0.328F;
    p.NumSteps = kSteps;
    for (Array1<Single>* a : {&p.StepDepth, &p.StepTip, &p.StepSleeve, &p.StepElev, &p.StepRatio, &p.PctSand,
                              &p.PctSilt, &p.PctClay})
        a->Redim(kSteps);
    for (int i = 1; i <= kSteps; ++i) {
        p.StepDepth[i] = i == 1 ? p.StepSize / 2 : p.StepDepth[i - 1] + p.StepSize;
        p.StepTip[i] = tip;
        p.StepSleeve[i] = sleeve;
        p.PctSand[i] = soil.sand;
        p.PctSilt[i] = soil.silt;
        p.PctClay[i] = soil.clay;
    }
    p.GroundElevation = kNoElevation;
    p.AutoLayers = True;
    p.PileType = 9;
    p.PileShape = 0;
    p.PileSize = 14.0F / 12;
    p.PileTopDepth = 0;
    p.PileTipDepth = p.StepDepth[kTipStep];
    ComputePileGeometry(p);
    p.TipOption = 0;
    ExtendTipProfile(p);
    RunMethodsAndAverage(p, DefaultMethods(), 0.0F, 1);
    return p;
}

struct Builder {
    std::vector<VerificationCase> cases;

    void Add(const char* id, const char* what, const char* source, double expected, const char* unit,
             const std::function<double()>& compute, double tolerance = 1e-5)
    {
        VerificationCase c;
        c.id = id;
        c.what = what;
        c.source = source;
        c.expected = expected;
        c.tolerance = tolerance;
        c.unit = unit;
        try {
            c.computed = compute();
        } catch (const std::exception&) {
            c.computed = std::numeric_limits<double>::quiet_NaN();
        }
        cases.push_back(std::move(c));
    }
};

constexpr const char* kZhangTumay = "Zhang and Tumay (1999) probabilistic classification: hand calculation";
constexpr const char* kLcpcSource = "Bustamante and Gianeselli (1982)";

} // namespace

bool VerificationCase::Passed() const
{
    if (!std::isfinite(computed))
        return false;
    return std::abs(computed - expected) <= tolerance * std::max(1.0, std::abs(expected));
}

std::vector<VerificationCase> RunVerification()
{
    Builder b;
    const int i = kTipStep;

    // Soil classification of one step (tip and sleeve in tsf).
    b.Add("C1", "clay beyond the chart (qc 2 tsf, fs 0.5 tsf): clay", kZhangTumay, 97.81, "%",
          [] { return ClassifyOne(2, 0.5F).clay; });
    b.Add("C2", "sand beyond the chart (qc 300 tsf, fs 0.3 tsf): sand", kZhangTumay, 97.71, "%",
          [] { return ClassifyOne(300, 0.3F).sand; });
    b.Add("C3", "sandy step (qc 50 tsf, fs 0.5 tsf): index mu", kZhangTumay, 2.329380, "",
          [] { return ClassifyOne(50, 0.5F).mu; });
    b.Add("C4", "sandy step (qc 50 tsf, fs 0.5 tsf): sand", kZhangTumay, 68.23013, "%",
          [] { return ClassifyOne(50, 0.5F).sand; });
    b.Add("C5", "silty step (qc 15 tsf, fs 0.4 tsf): silt", kZhangTumay, 56.94840, "%",
          [] { return ClassifyOne(15, 0.4F).silt; });
    b.Add("C6", "silty step (qc 15 tsf, fs 0.4 tsf): clay", kZhangTumay, 30.52135, "%",
          [] { return ClassifyOne(15, 0.4F).clay; });

    // LCPC.
    b.Add("L1", "end bearing, uniform clay qc 20 tsf, 14 in square pile (kc = 0.60)",
          "Bustamante and Gianeselli (1982): kc 0.60 for driven piles in clay and silt; 0.6 x 20 x 1.36111",
          16.33333, "tons", [] { return Uniform(20, 0.2F, kClay).LcpcEndBearing[kTipStep]; });
    b.Add("L2", "end bearing, uniform sand qc 100 tsf (kc = 0.375)",
          "Bustamante and Gianeselli (1982): kc 0.375 for driven piles in sand and gravel; 0.375 x 100 x "
          "1.36111",
          51.04167, "tons", [] { return Uniform(100, 0.5F, kSand).LcpcEndBearing[kTipStep]; });
    b.Add("L3", "friction increment, clay qc 8 tsf (0.766 MPa, alpha 30)",
          "Bustamante and Gianeselli (1982): alpha 30 below 1 MPa in clay; hand calculation", 0.4080694,
          "tons", [i] { return LcpcStepFriction(Uniform(8, 0.2F, kClay), i, nullptr); });
    b.Add("L4", "friction increment, sand qc 100 tsf (9.58 MPa, alpha 100)",
          "Bustamante and Gianeselli (1982): alpha 100 for 5 to 12 MPa in sand; hand calculation", 1.530260,
          "tons", [i] { return LcpcStepFriction(Uniform(100, 0.5F, kSand), i, nullptr); });
    b.Add("L5", "friction increment, sand qc 150 tsf (14.4 MPa, alpha 150)",
          "Bustamante and Gianeselli (1982): alpha 150 above 12 MPa in sand; hand calculation", 1.530260,
          "tons", [i] { return LcpcStepFriction(Uniform(150, 0.5F, kSand), i, nullptr); });
    b.Add("L6", "friction increment, sand qc 30 tsf: the friction curve governs over q / 60",
          "Bustamante and Gianeselli (1982) sand curve 1 as fitted; hand calculation", 0.3915124, "tons",
          [i] { return LcpcStepFriction(Uniform(30, 0.3F, kSand), i, nullptr); });
    b.Add("L7", "clay curve 2 value at 2 MPa",
          "Bustamante and Gianeselli (1982) clay curve 2 as fitted; hand calculation", 0.07407888, "MPa",
          [] { return LcpcClayFriction(2, 2.0F); });

    // Schmertmann.
    b.Add("S1", "minimum path zone value of 100, 60, 140, 80, 120 tsf (downward mean 100, path mean 80)",
          "Schmertmann (1978) minimum path rule: worked by hand", 90, "tsf", [] {
              Array1<Single> v(5);
              const Single values[] = {100, 60, 140, 80, 120};
              for (int k = 1; k <= 5; ++k)
                  v[k] = values[k - 1];
              return MinimumPathZoneValue(v, 1, 6);
          });
    b.Add("S2", "end bearing, uniform qc 100 tsf (qc1 = qc2 = qc)",
          "Schmertmann (1978): qt = (qc1 + qc2) / 2", 136.1111, "tons",
          [] { return Uniform(100, 0.5F, kSand).SchmEndBearing[kTipStep]; });
    b.Add("S3", "end bearing, uniform qc 400 tsf: the 150 tsf limit",
          "Schmertmann (1978): qt at most 150 tsf", 204.1667, "tons",
          [] { return Uniform(400, 1.0F, kSand).SchmEndBearing[kTipStep]; });
    b.Add("S4", "clay factor alpha' at fs 0.5 tsf",
          "Schmertmann (1978) alpha' curve for concrete piles as fitted; hand calculation", 0.7632949, "",
          [] { return ClayReductionFactor(0.5F); });
    b.Add("S5", "sand factor K at 10 pile diameters",
          "Schmertmann (1978) K curve for concrete piles as fitted; hand calculation", 1.150425, "",
          [] { return SandDepthFactor(10); });
    b.Add("S6", "sand factor K at 40 pile diameters and deeper",
          "Schmertmann (1978) K curve: 0.81 from 40 diameters", 0.81, "", [] { return SandDepthFactor(45); });
    b.Add("S7", "friction increment, clay fs 0.5 tsf", "Schmertmann (1978): alpha' x fs; hand calculation",
          0.5841750, "tons", [i] { return SchmStepFriction(Uniform(20, 0.5F, kClay), i, nullptr); });
    b.Add("S8", "friction increment, clay fs 4 tsf: the 1.2 tsf limit",
          "Schmertmann (1978): unit friction at most 1.2 tsf", 1.8368, "tons",
          [i] { return SchmStepFriction(Uniform(60, 4.0F, kClay), i, nullptr); });

    // de Ruiter and Beringen.
    b.Add("D1", "end bearing, uniform clay qc 40 tsf (9 su, su = qc / 20)",
          "de Ruiter and Beringen (1979): Nc 9, Nk 20; 40 / 20 x 9 x 1.36111", 24.5, "tons",
          [] { return Uniform(40, 0.4F, kClay).DeRuiterEndBearing[kTipStep]; });
    b.Add("D2", "friction increment, clay qc 20 tsf (0.5 su)",
          "de Ruiter and Beringen (1979): alpha su; hand calculation", 0.7653333, "tons",
          [i] { return DeRuiterStepFriction(Uniform(20, 0.5F, kClay), i, nullptr); });
    b.Add("D3", "friction increment, clay qc 100 tsf: the 1.2 tsf limit",
          "de Ruiter and Beringen (1979): clay friction at most 1.2 tsf (120 kPa)", 1.8368, "tons",
          [i] { return DeRuiterStepFriction(Uniform(100, 1.0F, kClay), i, nullptr); });
    b.Add("D4", "friction increment, sand qc 150 tsf, fs 1 tsf (qc / 300)",
          "de Ruiter and Beringen (1979): sand friction qc / 300 in compression", 0.7653333, "tons",
          [i] { return DeRuiterStepFriction(Uniform(150, 1.0F, kSand), i, nullptr); });
    b.Add("D5", "friction increment, sand qc 150 tsf, fs 0.3 tsf (the sleeve limits)",
          "de Ruiter and Beringen (1979): sand friction at most the sleeve friction", 0.4592, "tons",
          [i] { return DeRuiterStepFriction(Uniform(150, 0.3F, kSand), i, nullptr); });
    return b.cases;
}

bool AllPassed(const std::vector<VerificationCase>& cases)
{
    for (const VerificationCase& c : cases) {
        if (!c.Passed())
            return false;
    }
    return true;
}

std::string VerificationReport(const std::vector<VerificationCase>& cases)
{
    std::string out = "Quarvex verification: reference values of the methods and the classification\n";
    int passed = 0;
    for (const VerificationCase& c : cases) {
        const bool ok = c.Passed();
        passed += ok ? 1 : 0;
        const std::string unit = c.unit.empty() ? std::string() : " " + c.unit;
        out += std::string(ok ? "PASS " : "FAIL ") + c.id + "  " + c.what + "; expected " +
               GeneralForm(static_cast<float>(c.expected)) + unit + ", computed " +
               GeneralForm(static_cast<float>(c.computed)) + unit + "; source: " + c.source + "\n";
    }
    out += "Verification " + std::string(passed == static_cast<int>(cases.size()) ? "passed" : "FAILED") +
           ": " + IntegerText(passed) + " of " + IntegerText(static_cast<long long>(cases.size())) +
           " cases agree\n";
    return out;
}

} // namespace quarvex
