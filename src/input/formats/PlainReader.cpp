#include "input/formats/PlainReader.h"

#include "input/Reader.h"

namespace quarvex::formats {

ReadOutcome PlainReader::Read(const std::string& path, const ReadOptions& options) const
{
    // A project of its own, so that a refused file leaves the caller's readings
    // alone and the numbers are the very Singles the open-file screen reads.
    Project scratch;
    scratch.DataFileName = path;
    scratch.NumTitleLines = options.TitleLines;
    scratch.UnitSystem = options.UnitSystem;
    const Message report = LoadConeFile(scratch);
    if (scratch.ReadError != False)
        return {{}, report.text};

    Sounding s;
    s.UnitSystem = options.UnitSystem;
    const auto n = static_cast<std::size_t>(scratch.NumReadings);
    s.Depth.assign(scratch.DepthData.begin(), scratch.DepthData.begin() + n);
    s.Tip.assign(scratch.TipData.begin(), scratch.TipData.begin() + n);
    s.Sleeve.assign(scratch.SleeveData.begin(), scratch.SleeveData.begin() + n);
    s.TitleLines = scratch.FileHeader;
    s.Info.Format = std::string(Name());
    ReadOutcome out;
    out.Soundings.push_back(std::move(s));
    return out;
}

} // namespace quarvex::formats
