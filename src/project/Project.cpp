#include "project/Project.h"

namespace quarvex {

void CreateHistoryLists(Project& p)
{
    for (auto& list : p.HistList)
        list.RemoveAll();
    p.HistoryListsCreated = true;
}

void ReleaseHistoryLists(Project& p)
{
    for (auto& list : p.HistList)
        list.RemoveAll();
    p.HistoryListsCreated = false;
}

void InitHeader(Project& p)
{
    p.ProjectNumber.clear();
    p.Company.clear();
    p.ProjectTitle.clear();
    p.CPTStation.clear();
    p.StationOffset.clear();
    p.GroundElevation = kNoElevation;
    p.StructNo.clear();
    p.Latitude.clear();
    p.Longitude.clear();
    p.ProjectDate.clear();
    p.CPTNo.clear();
    p.Comments.clear();
}

void ResetOpenFileDefaults(Project& p)
{
    p.NumTitleLines = 10;
    p.UnitSystem = kUnitsEnglish;
    p.DepthAxisMode = 1;
}

void GrowReadings(Project& p, int count)
{
    for (ReadingArray* a : {&p.DepthData, &p.TipData, &p.SleeveData, &p.RatioData, &p.ElevData})
        a->Grow(count);
}

Integer NextFreeFileNumber(Project& p)
{
    // Files are opened and closed within one operation here, so the number is only
    // bookkeeping; it cycles through the range the old file-number scheme allowed.
    // It is the project's own count, so that projects on other threads share nothing.
    p.FileNumbersHandedOut = static_cast<Integer>(p.FileNumbersHandedOut % 511 + 1);
    return p.FileNumbersHandedOut;
}

} // namespace quarvex
