#include "input/Cleaning.h"

namespace quarvex {

ConeMaxima CleanReadings(Project& p)
{
    ConeMaxima m;
    const bool hasElevation = p.GroundElevation != kNoElevation;
    for (int j = 1; j <= p.NumReadings; ++j) {
        if (hasElevation)
            p.ElevData[j] = p.GroundElevation - p.DepthData[j];
        if (p.TipData[j] <= 0)
            p.TipData[j] = 1.0F;
        if (p.SleeveData[j] < 0)
            p.SleeveData[j] = 0;
        Single ratio = p.SleeveData[j] * 100 / p.TipData[j];
        if (ratio > 20)
            ratio = 20;
        p.RatioData[j] = ratio;
        if (p.TipData[j] > m.MaxTip)
            m.MaxTip = p.TipData[j];
        if (p.SleeveData[j] > m.MaxSleeve)
            m.MaxSleeve = p.SleeveData[j];
        if (p.RatioData[j] > m.MaxRatio)
            m.MaxRatio = p.RatioData[j];
    }
    return m;
}

} // namespace quarvex
