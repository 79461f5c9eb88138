#include "PlotFixtures.h"

#include "pipeline/Pipeline.h"
#include "project/Units.h"

namespace quarvex::testing {

Project LoadSample(const std::string& fileName, int titleLines, bool si)
{
    Project p;
    CreateHistoryLists(p);
    Pipeline pipeline(p);
    pipeline.Read(std::string(QUARVEX_FIELD_DIR) + "/" + fileName, titleLines, si ? kUnitsSI : kUnitsEnglish);
    if (p.ReadError == True) {
        p.NumReadings = 0;
        return p;
    }
    pipeline.ConvertSI();
    return p;
}

} // namespace quarvex::testing
