#include "PlotFixtures.h"

#include "input/Reader.h"
#include "project/Units.h"

namespace quarvex::testing {

Project LoadSample(const std::string& fileName, int titleLines, bool si)
{
    Project p;
    CreateHistoryLists(p);
    ResetOpenFileDefaults(p);
    p.NumTitleLines = static_cast<Integer>(titleLines);
    p.UnitSystem = si ? kUnitsSI : kUnitsEnglish;
    p.DataFileName = std::string(QUARVEX_FIELD_DIR) + "/" + fileName;
    LoadConeFile(p);
    InitHeader(p);
    if (p.ReadError == True) {
        p.NumReadings = 0;
        return p;
    }
    if (si)
        ConvertReadingsSI(p);
    return p;
}

} // namespace quarvex::testing
