#include "design/Lcpc.h"

#include "project/Trace.h"

namespace quarvex {

namespace {

// One piece of a friction curve: a x q + b - c x q x q on q <= upTo.
struct Piece {
    double upTo;
    double a, b, c;
};

Single CurveValue(const Piece* pieces, int count, double constant, Single q)
{
    if (q >= 0) {
        for (int k = 0; k < count; ++k) {
            if (q <= pieces[k].upTo)
                return static_cast<Single>(pieces[k].a * q + pieces[k].b - pieces[k].c * q * q);
        }
    }
    return static_cast<Single>(constant);
}

const Piece kClay1[] = {
    {1, 0.051, 0, 0.02193}, {2, 0.01709, 0.01639, 0.004}, {8, 0.0015085, 0.0317628, 0.0000864}};
const Piece kClay2[] = {{1, 0.0872384, 0, 0.0338664},
                        {2.5, 0.0381869, 0.0255194, 0.00695358},
                        {8, 0.00331835, 0.0703827, 0.0000908059}};
const Piece kSand1[] = {{3, 0.0149353, 0.00100239, 0.00235171},
                        {12, 0.00325174, 0.0164906, 0.000129462},
                        {40, 0.000128692, 0.035121, 6.93969 / 10000000}};
const Piece kSand2[] = {{3.5, 0.0211038, 0.000895312, 0.0018026},
                        {12, 0.00716948, 0.0303148, 0.000232158},
                        {40, 0.00111949, 0.0721833, 1.6321 / 100000}};
const Piece kSand3[] = {{3.5, 0.0260721, -0.000132688, 0.0019514},
                        {12, 0.0122006, 0.0309655, 0.000446796},
                        {40, 0.00115464, 0.102062, 0.0000133808}};

} // namespace

int LcpcClayCurve(Single qksf)
{
    return qksf <= 25.1F ? 1 : 2;
}

int LcpcSandCurve(Single qksf)
{
    if (qksf <= 73.1F)
        return 1;
    if (qksf <= 156.6F)
        return 2;
    return 3;
}

Single LcpcClayFriction(int curve, Single qMPa)
{
    if (curve == 1)
        return CurveValue(kClay1, 3, 0.0383, qMPa);
    return CurveValue(kClay2, 3, 0.09112, qMPa);
}

Single LcpcSandFriction(int curve, Single qMPa)
{
    if (curve == 1)
        return CurveValue(kSand1, 3, 0.0392, qMPa);
    if (curve == 2)
        return CurveValue(kSand2, 3, 0.0912, qMPa);
    return CurveValue(kSand3, 3, 0.127, qMPa);
}

namespace {

// Where the zones of one step after another are looked up, and the first
// step below the pile top's cut-off, the same for every step.
struct LcpcZones {
    LcpcZones(const Project& p, Single topCutoff)
        : extTop(p.ExtStepDepth, p.NumExtSteps), extBottom(p.ExtStepDepth, p.NumExtSteps),
          stepTop(p.StepDepth, p.NumSteps), stepBottom(p.StepDepth, p.NumSteps),
          cutoff(FirstDeeper(p.ExtStepDepth, p.NumExtSteps, topCutoff))
    {
    }
    DepthCursor extTop, extBottom, stepTop, stepBottom;
    int cutoff;
};

void EndBearing(Project& p, int i, LcpcZones& zones, const StepSoil* soil, TraceRecorder* rec)
{
    const StepTrace t(rec, i, kLcpcName, "End bearing");
    const Single b = p.PileSize;
    const Single lo = static_cast<Single>(p.StepDepth[i] - 1.5 * b);
    const Single hi = static_cast<Single>(p.StepDepth[i] + 1.5 * b);
    t("zone top (tip - 1.5 B)", lo, "ft");
    t("zone bottom (tip + 1.5 B)", hi, "ft");

    // Tip resistances of the zone, from the extended profile, below the pile top.
    ZoneRange zone = ZoneBetween(zones.extTop, zones.extBottom, lo, hi);
    zone.begin = std::max(zone.begin, zones.cutoff);
    if (zone.count() == 0)
        throw DesignError("LCPC zone holds no value");
    Single sum = 0;
    for (int j = zone.begin; j < zone.end; ++j)
        sum = sum + p.ExtStepTip[j];
    const Single qca = sum / static_cast<Single>(zone.count());
    t.Count("values collected", zone.count(), "steps");
    t("qca (zone mean)", qca, "tsf");

    // Equivalent tip resistance: the mean without the outliers.
    const double low = 0.7 * qca;
    const double high = 1.3 * qca;
    Single keptSum = 0;
    int kept = 0;
    // Without a branch on which values are kept (no pattern a processor could
    // learn): a value left out adds +0, which changes no sum that starts at +0.
    for (int j = zone.begin; j < zone.end; ++j) {
        const Single q = p.ExtStepTip[j];
        const bool keep = low < q && q <= high;
        keptSum = keptSum + (keep ? q : 0.0F);
        kept += keep ? 1 : 0;
    }
    const Single qeq = kept > 0 ? keptSum / static_cast<Single>(kept) : qca;
    t.Count("values kept (0.7 qca < qc <= 1.3 qca)", kept, "steps");
    t("qeq (mean of the kept values)", qeq, "tsf");

    // Soil of the zone, from the steps themselves.
    const ZoneRange zoneSteps = ZoneBetween(zones.stepTop, zones.stepBottom, lo, hi);
    if (zoneSteps.count() == 0)
        throw DesignError("LCPC soil zone holds no step");
    Single sand, siltClay;
    ZoneSoilMeans(p, soil, zoneSteps.begin, zoneSteps.end, sand, siltClay);
    t.Count("soil steps in the zone", zoneSteps.count(), "steps");
    ApplyClayOverride(sand, siltClay);
    t("sand (after the clay override)", sand, "fraction");
    t("silt + clay (after the clay override)", siltClay, "fraction");

    const Single kb = static_cast<Single>(0.6 * siltClay + 0.375 * sand);
    const Single qt = kb * qeq;
    t("kb", kb, "");
    t("qt = kb x qeq", qt, "tsf");
    t("tip area", p.PileTipArea, "sq ft");
    p.LcpcEndBearing[i] = qt * p.PileTipArea;
}

} // namespace

void LcpcStepEndBearing(Project& p, int i, Single topCutoff, const StepSoil* soil, TraceRecorder* rec)
{
    LcpcZones zones(p, topCutoff);
    EndBearing(p, i, zones, soil, rec);
}

Single LcpcStepFriction(const Project& p, int i, const LayerValues* layers, TraceRecorder* rec)
{
    const StepTrace t(rec, i, kLcpcName, "Friction");
    Single q, sand, siltClay, siltSand;
    if (p.AutoLayers != False || layers == nullptr) {
        // The last step has no step below it; it pairs with itself.
        const int next = i < p.NumSteps ? i + 1 : i;
        q = (p.StepTip[i] + p.StepTip[next]) / 2;
        const SoilFractions f = StepFractions(p, i);
        sand = f.sand;
        siltClay = f.siltClay;
        siltSand = f.siltSand;
    } else {
        q = layers->tip[i];
        sand = layers->sand[i];
        siltClay = layers->siltClay[i];
        siltSand = layers->siltSand[i];
    }
    t(layers != nullptr && p.AutoLayers == False ? "q (layer mean)" : "q (mean of the step and the next)", q,
      "tsf");
    ApplyClayOverride(sand, siltClay);
    t("sand (after the clay override)", sand, "fraction");
    t("silt + clay (after the clay override)", siltClay, "fraction");
    t("silt + sand", siltSand, "fraction");

    const Single qMPa = static_cast<Single>(q * 95.76 / 1000);
    const Single qksf = 2 * q;
    t("q", qMPa, "MPa");
    t("q", qksf, "ksf");

    const int clayCurve = LcpcClayCurve(qksf);
    const int sandCurve = LcpcSandCurve(qksf);
    const Single clayValue = LcpcClayFriction(clayCurve, qMPa);
    const Single sandValue = LcpcSandFriction(sandCurve, qMPa);
    const Single fcurve = clayValue * siltClay + sandValue * sand;
    t.Count("clay curve", clayCurve);
    t("clay curve value", clayValue, "MPa");
    t.Count("sand curve", sandCurve);
    t("sand curve value", sandValue, "MPa");

    int alpha;
    if (siltSand >= 0.5F) {
        alpha = qMPa < 5 ? 60 : (qMPa < 12 ? 100 : 150);
    } else {
        alpha = qMPa < 1 ? 30 : (qMPa < 5 ? 40 : 60);
    }
    Single f = qMPa / static_cast<Single>(alpha);
    t.Count("alpha", alpha);
    t("q / alpha", f, "MPa", !(f > fcurve));
    t("fcurve (silt + clay x clay value + sand x sand value)", fcurve, "MPa", f > fcurve);
    if (f > fcurve)
        f = fcurve;
    t("f (the smaller of q / alpha and fcurve)", f, "MPa");
    return static_cast<Single>(f * 1000 * 0.01044 * p.PilePerimeter * p.StepSize);
}

void RunLcpc(Project& p, Single topCutoff, const LayerValues* layers, const StepSoil* soil,
             TraceRecorder* rec)
{
    LcpcZones zones(p, topCutoff);
    RunMethodFrame(
        p, p.NumSteps, p.LcpcEndBearing, p.LcpcFriction, p.LcpcUltimate,
        [&](int i) {
            EndBearing(p, i, zones, soil, rec);
            return p.LcpcEndBearing[i];
        },
        [&](int i) { return LcpcStepFriction(p, i, layers, rec); }, rec, kLcpcName);
}

} // namespace quarvex
