#include "design/DesignCommon.h"

#include "design/Methods.h"
#include "project/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace quarvex {

void ComputePileGeometry(Project& p)
{
    const Single b = p.PileSize;
    if (p.PileShape == 1) {
        p.PileEqDiameter = b;
        p.PilePerimeter = static_cast<Single>(b * 3.14159265);
        p.PileTipArea = static_cast<Single>(b * 3.14159265 * b / 4);
    } else {
        const Single area = 4 * b * b * 7 / 22;
        p.PileEqDiameter = static_cast<Single>(std::sqrt(static_cast<double>(area)));
        p.PilePerimeter = 4 * b;
        p.PileTipArea = b * b;
    }
}

Single TailLimit(const Project& p)
{
    const Single fourD = 4 * p.PileEqDiameter;
    return p.StepDepth[p.NumSteps] - fourD;
}

bool TipOptionsNeeded(const Project& p)
{
    return TailLimit(p) < p.PileTipDepth;
}

Single TailMeanTip(const Project& p)
{
    const int n = p.NumSteps;
    const int first = FirstDeeper(p.StepDepth, n, TailLimit(p));
    Single sum = 0;
    int count = 0;
    for (int i = first; i <= n; ++i) {
        sum = sum + p.StepTip[i];
        ++count;
    }
    if (count == 0)
        throw DesignError("no step in the last four diameters");
    return sum / static_cast<Single>(count);
}

void ExtendTipProfile(Project& p)
{
    const int n = p.NumSteps;
    if (n < 1 || !(p.StepSize > 0))
        throw DesignError("no step table");
    const Single fourD = 4 * p.PileEqDiameter;
    const Single extra = std::floor(fourD / p.StepSize);
    const double total = static_cast<double>(n) + static_cast<double>(extra);
    if (!std::isfinite(extra) || total > std::numeric_limits<Integer>::max())
        throw DesignError("extended profile too long");
    p.NumExtSteps = static_cast<Integer>(total);

    const Single tailMean = TailMeanTip(p);

    p.ExtStepDepth.Redim(p.NumExtSteps);
    p.ExtStepTip.Redim(p.NumExtSteps);
    for (int i = 1; i <= n; ++i) {
        p.ExtStepDepth[i] = p.StepDepth[i];
        p.ExtStepTip[i] = p.StepTip[i];
    }
    for (int i = n + 1; i <= p.NumExtSteps; ++i) {
        p.ExtStepDepth[i] = p.ExtStepDepth[i - 1] + p.StepSize;
        switch (p.TipOption) {
        case 0:
            p.ExtStepTip[i] = tailMean;
            break;
        case 1:
            p.ExtStepTip[i] = p.StepTip[n];
            break;
        case 2:
            p.ExtStepTip[i] = p.TipOption3Value;
            break;
        default:
            break;
        }
    }

    RedimResults(p, DefaultMethods(), n);
}

SoilFractions StepFractions(const Project& p, int i)
{
    SoilFractions f;
    f.sand = p.PctSand[i] / 100;
    f.siltClay = (p.PctClay[i] + p.PctSilt[i]) / 100;
    f.siltSand = (p.PctSilt[i] + p.PctSand[i]) / 100;
    return f;
}

StepSoil ComputeStepSoil(const Project& p)
{
    StepSoil soil;
    soil.sand.Redim(p.NumSteps);
    soil.siltClay.Redim(p.NumSteps);
    for (int i = 1; i <= p.NumSteps; ++i) {
        const SoilFractions f = StepFractions(p, i);
        soil.sand[i] = f.sand;
        soil.siltClay[i] = f.siltClay;
    }
    return soil;
}

void ZoneSoilMeans(const Project& p, const StepSoil* soil, int begin, int end, Single& sand, Single& siltClay)
{
    Single sandSum = 0, siltClaySum = 0;
    if (soil != nullptr) {
        const Single* s = soil->sand.data();
        const Single* c = soil->siltClay.data();
        for (int j = begin; j < end; ++j) {
            sandSum = sandSum + s[j - 1];
            siltClaySum = siltClaySum + c[j - 1];
        }
    } else {
        for (int j = begin; j < end; ++j) {
            const SoilFractions f = StepFractions(p, j);
            sandSum = sandSum + f.sand;
            siltClaySum = siltClaySum + f.siltClay;
        }
    }
    const Single count = static_cast<Single>(end - begin);
    sand = sandSum / count;
    siltClay = siltClaySum / count;
}

void ZoneSums4(const Single* values, const ZoneRange zones[4], int n, Single sums[4])
{
    using Lanes = float __attribute__((vector_size(16)));
    using LaneMask = std::int32_t __attribute__((vector_size(16)));
    LaneMask begin = {0, 0, 0, 0};
    LaneMask end = {0, 0, 0, 0};
    int lo = n > 0 ? zones[0].begin : 1;
    int hi = lo;
    for (int j = 0; j < n && j < 4; ++j) {
        begin[j] = zones[j].begin;
        end[j] = std::max(zones[j].end, zones[j].begin);
        lo = std::min(lo, zones[j].begin);
        hi = std::max(hi, static_cast<int>(end[j]));
    }
    // A lane adds +0 outside its zone, which changes no sum that starts at +0
    // (none of these sums is ever -0).
    const Single* v = values - 1; // element k at v[k]
    const Lanes zeros = {0, 0, 0, 0};
    Lanes acc = zeros;
    for (int k = lo; k < hi; ++k) {
        const LaneMask kk = {k, k, k, k};
        const Lanes vk = {v[k], v[k], v[k], v[k]};
        acc = acc + ((kk >= begin) & (kk < end) ? vk : zeros);
    }
    for (int j = 0; j < n && j < 4; ++j)
        sums[j] = acc[j];
}

void ZoneSoilMeans4(const Project& p, const StepSoil* soil, const ZoneRange zones[4], int n, Single sand[4],
                    Single siltClay[4])
{
    if (soil == nullptr || n < 1 || n > 4) {
        for (int j = 0; j < n; ++j)
            ZoneSoilMeans(p, soil, zones[j].begin, zones[j].end, sand[j], siltClay[j]);
        return;
    }
    Single sandSums[4];
    Single siltClaySums[4];
    ZoneSums4(soil->sand.data(), zones, n, sandSums);
    ZoneSums4(soil->siltClay.data(), zones, n, siltClaySums);
    for (int j = 0; j < n; ++j) {
        const Single count = static_cast<Single>(zones[j].end - zones[j].begin);
        sand[j] = sandSums[j] / count;
        siltClay[j] = siltClaySums[j] / count;
    }
}

LayerValues ComputeLayerValues(const Project& p, TraceRecorder* rec)
{
    const int n = p.NumSteps;
    LayerValues v;
    for (Array1<Single>* a : {&v.tip, &v.sleeve, &v.sand, &v.siltClay, &v.siltSand})
        a->Redim(n);

    for (int k = 1; k <= p.NumLayers && k <= kMaxLayers; ++k) {
        const Single t1 = p.LayerTop[k];
        const Single t2 = p.LayerBottom[k];

        Single tipIntegral = 0, sleeveIntegral = 0;
        Single sandSum = 0, siltClaySum = 0, siltSandSum = 0;
        int count = 0;
        const ZoneRange r = ZoneBetween(p.StepDepth, n - 1, t1, t2);
        for (int i = r.begin; i < r.end; ++i) {
            tipIntegral = tipIntegral + (p.StepTip[i] + p.StepTip[i + 1]) * p.StepSize / 2;
            sleeveIntegral = sleeveIntegral + (p.StepSleeve[i] + p.StepSleeve[i + 1]) * p.StepSize / 2;
            const SoilFractions f = StepFractions(p, i);
            sandSum = sandSum + f.sand;
            siltClaySum = siltClaySum + f.siltClay;
            siltSandSum = siltSandSum + f.siltSand;
            ++count;
        }
        const Single height = t2 - t1;
        if (count == 0 || height == 0)
            throw DesignError("a layer holds no step");
        const Single c = static_cast<Single>(count);
        const Single tipMean = tipIntegral / height;
        const Single sleeveMean = sleeveIntegral / height;
        const Single sandMean = sandSum / c;
        const Single siltClayMean = siltClaySum / c;
        const Single siltSandMean = siltSandSum / c;

        const ZoneRange all = ZoneBetween(p.StepDepth, n, t1, t2);
        for (int i = all.begin; i < all.end; ++i) {
            if (rec != nullptr && rec->Wants(i)) {
                StepTrace t(rec, i, kTraceSteps, "");
                t.Part("Layer " + IntegerText(k));
                t("layer top", t1, "ft");
                t("layer bottom", t2, "ft");
                t.Count("steps averaged", count, "steps");
                t("tip integral", tipIntegral, "tsf x ft");
                t("sleeve integral", sleeveIntegral, "tsf x ft");
                t("mean tip (integral / height)", tipMean, "tsf");
                t("mean sleeve (integral / height)", sleeveMean, "tsf");
                t("mean sand", sandMean, "fraction");
                t("mean silt + clay", siltClayMean, "fraction");
                t("mean silt + sand", siltSandMean, "fraction");
            }
            v.tip[i] = tipMean;
            v.sleeve[i] = sleeveMean;
            v.sand[i] = sandMean;
            v.siltClay[i] = siltClayMean;
            v.siltSand[i] = siltSandMean;
        }
    }
    return v;
}

void RequireFinite(const Array1<Single>& a, const Array1<Single>& b, const Array1<Single>& c, int n)
{
    for (int i = 1; i <= n; ++i) {
        if (!std::isfinite(a[i]) || !std::isfinite(b[i]) || !std::isfinite(c[i]))
            throw DesignError("a capacity overflowed");
    }
}

} // namespace quarvex
