#pragma once
// Soundings for the plot tests: made-up readings with known shapes, and the
// real field soundings read and converted as the program does.

#include "project/Project.h"

#include <string>

namespace quarvex::testing {

// n readings from `first` ft down in `spacing` ft steps; tip rises with depth,
// sleeve is a tenth of the tip. Project information filled, no elevation.
inline Project MakeSounding(int n, float first = 0.25F, float spacing = 0.25F)
{
    Project p;
    CreateHistoryLists(p);
    ResetOpenFileDefaults(p);
    InitHeader(p);
    p.DataFileName = "/data/test sounding.txt";
    p.ProjectNumber = "PN-4711";
    p.ProjectTitle = "Bridge over Bayou Teche";
    p.CPTStation = "12+50";
    p.StationOffset = "25 ft Rt";
    p.StructNo = "S-88";
    p.ProjectDate = "12/10/2026";
    p.CPTNo = "CPT-3";
    p.Company = "Ostrin Lab";
    p.Latitude = "30.1";
    p.Longitude = "-91.9";
    GrowReadings(p, n);
    p.NumReadings = static_cast<Long>(n);
    for (int j = 1; j <= n; ++j) {
        p.DepthData[j] = first + static_cast<float>(j - 1) * spacing;
        p.TipData[j] = 20.0F + static_cast<float>(j % 50);
        p.SleeveData[j] = p.TipData[j] / 10;
    }
    return p;
}

// A real field sounding from the samples, read and (for SI files) converted to
// feet and tsf as "Plot Cone Data" does. Empty NumReadings when it cannot be read.
Project LoadSample(const std::string& fileName, int titleLines, bool si);

} // namespace quarvex::testing
