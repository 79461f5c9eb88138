#include "project/Units.h"

#include "project/NumberText.h"

namespace quarvex {

namespace {

// Every conversion works in double precision from the stored Singles and stores
// the result back as a Single.
Single DivideD(Single v, double by)
{
    return static_cast<Single>(static_cast<double>(v) / by);
}
Single TimesD(Single v, double by)
{
    return static_cast<Single>(static_cast<double>(v) * by);
}

} // namespace

void ConvertStepsSI(Project& p)
{
    for (int k = 1; k <= p.NumSteps && k <= p.StepDepth.size(); ++k) {
        p.StepDepth[k] = DivideD(p.StepDepth[k], 0.3048);
        p.StepTip[k] = TimesD(p.StepTip[k], 10.44);
        p.StepSleeve[k] = TimesD(p.StepSleeve[k], 10.44);
    }
}

void ConvertReadingsSI(Project& p)
{
    if (p.ReadingsConverted) {
        p.UnitSystem = kUnitsEnglish;
        return;
    }
    p.ReadingsConverted = true;
    for (int k = 1; k <= p.NumReadings; ++k) {
        p.DepthData[k] = DivideD(p.DepthData[k], 0.3048);
        p.TipData[k] = TimesD(p.TipData[k], 10.44);
        p.SleeveData[k] = TimesD(p.SleeveData[k], 10.44);
    }
    ConvertStepsSI(p);
    p.UnitSystem = kUnitsEnglish;
}

void ConvertMillivolts(Project& p, Single tipFactor, Single sleeveFactor)
{
    if (p.ReadingsConverted) {
        p.UnitSystem = kUnitsEnglish;
        return;
    }
    p.ReadingsConverted = true;
    for (int k = 1; k <= p.NumReadings; ++k) {
        p.DepthData[k] = TimesD(p.DepthData[k], 3.28084);
        p.TipData[k] = static_cast<Single>(static_cast<double>(p.TipData[k]) * tipFactor / 0.09576);
        p.SleeveData[k] = static_cast<Single>(static_cast<double>(p.SleeveData[k]) * sleeveFactor / 0.09576);
    }
    p.UnitSystem = kUnitsEnglish;
}

std::string FilterFactorText(const std::string& text)
{
    return IsNumeric(text) ? text : std::string();
}

FactorCheck CheckConeFactors(const std::string& tipText, const std::string& sleeveText)
{
    FactorCheck result;
    const std::string* texts[2] = {&tipText, &sleeveText};
    Single values[2] = {0, 0};
    for (int box = 0; box < 2; ++box) {
        if (!IsNumeric(*texts[box])) {
            result.focusBox = box;
            result.message = CriticalMessage(" Missing Data entry .. Please enter ");
            return result;
        }
        const auto v = ToSingle(*texts[box]);
        if (!v) {
            result.focusBox = box;
            result.message = CriticalMessage(" Factor is too large .. Please enter a smaller number ");
            return result;
        }
        values[box] = *v;
    }
    result.ok = true;
    result.tipFactor = values[0];
    result.sleeveFactor = values[1];
    return result;
}

} // namespace quarvex
