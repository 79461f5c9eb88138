#include "project/Project.h"

#include <atomic>

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

Integer NextFreeFileNumber()
{
    // Files are opened and closed within one operation here, so the number is only
    // bookkeeping; it cycles through the range the old file-number scheme allowed.
    static std::atomic<int> next{0};
    return static_cast<Integer>(next.fetch_add(1) % 511 + 1);
}

} // namespace quarvex
