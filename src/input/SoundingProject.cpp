#include "input/SoundingProject.h"

#include <cstddef>

namespace quarvex {

namespace {

bool AllDigits(const std::string& s, std::size_t from, std::size_t count)
{
    for (std::size_t i = from; i < from + count; ++i)
        if (s[i] < '0' || s[i] > '9')
            return false;
    return true;
}

} // namespace

std::string SoundingHeader(const Sounding& s)
{
    if (s.TitleLines)
        return *s.TitleLines;
    std::string line = (s.Info.Format.empty() ? std::string("CPT") : s.Info.Format) + " sounding";
    if (!s.Info.Name.empty())
        line += " " + s.Info.Name;
    return line + "\r\n";
}

std::string ProjectDateText(const std::string& fileDate)
{
    const std::string& d = fileDate;
    if (d.size() == 10 && d[4] == '-' && d[7] == '-' && AllDigits(d, 0, 4) && AllDigits(d, 5, 2) &&
        AllDigits(d, 8, 2))
        return d.substr(5, 2) + "-" + d.substr(8, 2) + "-" + d.substr(0, 4);
    return d;
}

void ApplySounding(Project& p, const Sounding& s)
{
    const int n = static_cast<int>(s.Depth.size());
    GrowReadings(p, n);
    for (int k = 1; k <= n; ++k) {
        p.DepthData[k] = s.Depth[static_cast<std::size_t>(k - 1)];
        p.TipData[k] = s.Tip[static_cast<std::size_t>(k - 1)];
        p.SleeveData[k] = s.Sleeve[static_cast<std::size_t>(k - 1)];
    }
    p.NumReadings = n;
    p.UnitSystem = s.UnitSystem;
    p.ReadingsConverted = false;
    p.FileHeader = SoundingHeader(s);
    p.ReadError = False;

    InitHeader(p);
    const SoundingInfo& info = s.Info;
    p.CPTNo = info.Name;
    p.ProjectNumber = info.ProjectNumber;
    p.ProjectTitle = info.ProjectTitle;
    p.Company = info.Company;
    p.ProjectDate = ProjectDateText(info.Date);
    // The project screen's latitude and longitude boxes take the file's
    // northing and easting as they stand; their datum is the file's business.
    p.Latitude = info.Y;
    p.Longitude = info.X;
    if (info.GroundLevelM)
        p.GroundElevation = static_cast<Single>(*info.GroundLevelM / 0.3048);
}

} // namespace quarvex
