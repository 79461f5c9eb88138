#include "classification/Classification.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quarvex {

namespace {

constexpr double kTsfToKgfCm2 = 0.976486;

Single StepSizeFor(const Project& p)
{
    return p.UnitSystem == kUnitsEnglish ? 0.328F : 0.1F;
}

struct Raw {
    Single sand, silt, clay;
};

// Zhang and Tumay's probabilistic region estimate, on tip and sleeve in kgf/cm2.
Raw RawProbabilities(Single q, Single ratio, double* muOut)
{
    const double R = ratio;
    const double L = std::log(static_cast<double>(q)) / std::log(10.0);
    const double X1 = 0.1539 * R + 0.887 * L - 3.35;
    const double X2 = -0.2957 * R + 0.4617 * L - 0.37;
    const double U = -0.269 * X1 + 0.759 * X2 - 2.96;
    const double V = -0.759 * X1 - 0.269 * X2 + 2.477;
    const double A = (3.795 * X2 - 11.345 * X1 + 15.202) * U;
    const double B = (-3.795 * X1 - 11.345 * X2 + 5.085) * V;
    const double S = U * U + V * V;
    // S = 0 needs U = V = 0, a single point no real reading reaches; it is read
    // as the middle of the chart rather than dividing by zero.
    const double mu = S == 0 ? 0.0 : -(A / S) - (B / S);
    if (muOut)
        *muOut = mu;

    Raw r{};
    if (mu >= -0.14 && mu <= 2.91) {
        r.sand = static_cast<Single>(0.00132408 + 0.0741935 * mu + 0.0900763 * mu * mu);
        r.silt =
            static_cast<Single>(0.147853 + 0.896769 * mu - 0.499014 * mu * mu + 0.0611049 * mu * mu * mu);
        r.clay =
            static_cast<Single>(0.848617 - 0.841851 * mu + 0.275413 * mu * mu - 0.0296526 * mu * mu * mu);
        if (r.sand < 0.0035F)
            r.sand = 0.0035F;
        if (r.silt < 0.0184F)
            r.silt = 0.0184F;
        if (r.clay < 0)
            r.clay = 0;
    } else if (mu < -0.14) {
        r = {0.0035F, 0.0184F, 0.9781F};
    } else {
        r = {0.9771F, 0.0229F, 0.0F};
    }
    return r;
}

void ClassifyStep(Single& tip, Single& sleeve, Single& ratio, Single& pctSand, Single& pctSilt,
                  Single& pctClay, double* muOut)
{
    Single q = tip;
    Single f = sleeve;
    if (q <= 0) {
        tip = q = 1.0F;
    }
    if (f < 0) {
        sleeve = f = 0;
    }
    ratio = f / q * 100;
    const Raw r = RawProbabilities(q, ratio, muOut);
    const double T = static_cast<double>(r.silt) + r.sand + r.clay;
    pctSand = static_cast<Single>(r.sand * 100 / T);
    pctSilt = static_cast<Single>(r.silt * 100 / T);
    pctClay = static_cast<Single>(r.clay * 100 / T);
}

} // namespace

std::optional<Message> CheckSoundingForSteps(const Project& p)
{
    if (p.NumReadings < 1)
        return CriticalMessage(" No cone readings to classify .. Please open a data file ");
    const Single size = StepSizeFor(p);
    const Single last = p.DepthData[p.NumReadings];
    const Single steps = std::floor(last / size);
    if (!(steps >= 2)) {
        return CriticalMessage(" The sounding is too short to classify: its last reading must lie at least "
                               "two steps (" +
                               std::string(p.UnitSystem == kUnitsEnglish ? "0.656 ft" : "0.2 m") +
                               ") deep .. Please check data file and units ");
    }
    if (steps > 32767) {
        return CriticalMessage(" The sounding is too deep to classify: its last reading lies beyond 10747 ft "
                               ".. Please check data file and units ");
    }
    return std::nullopt;
}

void SetupSteps(Project& p)
{
    p.StepSize = StepSizeFor(p);
    const Single steps = p.NumReadings > 0 ? std::floor(p.DepthData[p.NumReadings] / p.StepSize) : 0.0F;
    // Out-of-range soundings are refused by CheckSoundingForSteps; here they only
    // must not overflow the count.
    p.NumSteps = (steps >= 0 && steps <= 32767) ? static_cast<Integer>(steps) : Integer{0};
    for (auto* a : {&p.StepDepth, &p.StepTip, &p.StepSleeve, &p.StepElev, &p.StepRatio, &p.PctSand,
                    &p.PctSilt, &p.PctClay})
        a->Redim(p.NumSteps);
}

void AverageSteps(Project& p, TraceRecorder* rec)
{
    const int N = p.NumSteps;
    const Single size = p.StepSize;
    if (N < 2)
        return;

    // Window i (i >= 2) is (bound[i - 1], bound[i]]; the bounds are accumulated by
    // repeated single-precision addition. Each reading is put in its window by a
    // search, and the sums are kept per window in reading order, so they
    // are the same Singles a scan of every reading for every window would give.
    std::vector<Single> bound(static_cast<std::size_t>(N) + 1);
    bound[1] = size;
    for (int i = 2; i <= N; ++i)
        bound[i] = bound[i - 1] + size;

    std::vector<Single> sumTip(static_cast<std::size_t>(N) + 1, 0.0F);
    std::vector<Single> sumSleeve(static_cast<std::size_t>(N) + 1, 0.0F);
    std::vector<int> count(static_cast<std::size_t>(N) + 1, 0);
    const auto first = bound.begin() + 1;
    const auto last = bound.end();
    // Readings mostly come in depth order, so the window of the reading before,
    // or the next one, usually holds the reading; the search is for the others.
    int hint = 1;
    auto closes = [&](int k, Single d) { return !(bound[k] < d) && (k == 1 || bound[k - 1] < d); };
    for (int j = 1; j <= p.NumReadings; ++j) {
        const Single d = p.DepthData[j];
        // The first bound >= d closes the window that holds d.
        int i;
        if (closes(hint, d)) {
            i = hint;
        } else if (hint < N && closes(hint + 1, d)) {
            i = hint + 1;
        } else {
            const auto it = std::lower_bound(first, last, d);
            if (it == last)
                continue;
            i = static_cast<int>(it - bound.begin());
        }
        hint = i;
        if (i < 2 || !(bound[i - 1] < d))
            continue;
        sumTip[i] += p.TipData[j];
        sumSleeve[i] += p.SleeveData[j];
        ++count[i];
    }

    p.StepDepth[1] = size / 2;
    for (int i = 2; i <= N; ++i) {
        p.StepDepth[i] = p.StepDepth[i - 1] + size;
        if (count[i] > 0) {
            p.StepTip[i] = sumTip[i] / static_cast<Single>(count[i]);
            p.StepSleeve[i] = sumSleeve[i] / static_cast<Single>(count[i]);
        } else {
            p.StepTip[i] = p.StepTip[i - 1];
            p.StepSleeve[i] = p.StepSleeve[i - 1];
        }
    }
    p.StepTip[1] = p.StepTip[2];
    p.StepSleeve[1] = p.StepSleeve[2];

    if (rec == nullptr)
        return;
    for (int i = 1; i <= N; ++i) {
        const StepTrace t(rec, i, kTraceSteps, "Readings");
        if (!t)
            continue;
        t("step depth", p.StepDepth[i], "ft");
        if (i == 1) {
            t.Count("takes the readings of step", 2);
        } else {
            t("window top (exclusive)", bound[i - 1], "ft");
            t("window bottom", bound[i], "ft");
            t.Count("readings averaged", count[i], "readings");
            if (count[i] == 0)
                t.Count("no reading: takes the values of step", i - 1);
        }
        t("step tip", p.StepTip[i], "tsf");
        t("step sleeve", p.StepSleeve[i], "tsf");
    }
}

void ClassifySoil(Project& p, TraceRecorder* rec)
{
    const int N = p.NumSteps;
    for (int i = 1; i <= N; ++i) {
        p.StepTip[i] = static_cast<Single>(p.StepTip[i] * kTsfToKgfCm2);
        p.StepSleeve[i] = static_cast<Single>(p.StepSleeve[i] * kTsfToKgfCm2);
    }
    for (int i = 1; i <= N; ++i) {
        const StepTrace t(rec, i, kTraceSteps, "Classification");
        double mu = 0;
        ClassifyStep(p.StepTip[i], p.StepSleeve[i], p.StepRatio[i], p.PctSand[i], p.PctSilt[i], p.PctClay[i],
                     t ? &mu : nullptr);
        if (t) {
            t("tip (guarded)", p.StepTip[i], "kgf/cm2");
            t("sleeve (guarded)", p.StepSleeve[i], "kgf/cm2");
            t("friction ratio", p.StepRatio[i], "%");
            t.Exact("classification index mu", mu, "");
            t("sand", p.PctSand[i], "%");
            t("silt", p.PctSilt[i], "%");
            t("clay", p.PctClay[i], "%");
        }
    }
    for (int i = 1; i <= N; ++i) {
        p.StepTip[i] = static_cast<Single>(p.StepTip[i] / kTsfToKgfCm2);
        p.StepSleeve[i] = static_cast<Single>(p.StepSleeve[i] / kTsfToKgfCm2);
    }
    if (rec == nullptr)
        return;
    for (int i = 1; i <= N; ++i) {
        const StepTrace t(rec, i, kTraceSteps, "Step values used by the methods");
        t("step tip", p.StepTip[i], "tsf");
        t("step sleeve", p.StepSleeve[i], "tsf");
    }
}

void FillStepElev(Project& p)
{
    for (int i = 1; i <= p.NumSteps; ++i)
        p.StepElev[i] =
            p.GroundElevation == kNoElevation ? p.StepDepth[i] : p.GroundElevation - p.StepDepth[i];
}

std::optional<Message> BuildStepTable(Project& p, TraceRecorder* rec)
{
    if (auto refusal = CheckSoundingForSteps(p))
        return refusal;
    SetupSteps(p);
    AverageSteps(p, rec);
    ClassifySoil(p, rec);
    FillStepElev(p);
    return std::nullopt;
}

SoilProbabilities ClassifyOne(Single tipTsf, Single sleeveTsf)
{
    Single tip = static_cast<Single>(tipTsf * kTsfToKgfCm2);
    Single sleeve = static_cast<Single>(sleeveTsf * kTsfToKgfCm2);
    SoilProbabilities out;
    ClassifyStep(tip, sleeve, out.ratio, out.sand, out.silt, out.clay, &out.mu);
    return out;
}

} // namespace quarvex
