#include "pipeline/SoundingRead.h"

#include "input/formats/Readers.h"
#include "project/NumberText.h"
#include "project/Units.h"

#include <algorithm>

namespace quarvex {

namespace {

std::string UnitNames(Integer unitSystem)
{
    return unitSystem == kUnitsEnglish ? "ft, tsf" : "m, MPa";
}

std::string DepthUnit(Integer unitSystem)
{
    return unitSystem == kUnitsEnglish ? "ft" : "m";
}

} // namespace

bool SoundingFile::Plain() const
{
    return Reader != nullptr && Reader->Key() == "plain";
}

SoundingFile ReadSounding(const std::string& path, std::string_view format)
{
    SoundingFile f;
    f.Path = path;
    f.Reader = format == "auto" ? ChooseReaderForFile(path) : FindReader(format);
    if (f.Reader == nullptr)
        f.Reader = FindReader("plain");
    if (!f.Plain())
        f.Outcome = f.Reader->Read(path, ReadOptions{});
    return f;
}

const Sounding* FindSounding(const SoundingFile& file, const std::string& name)
{
    for (const Sounding& s : file.Outcome.Soundings)
        if (s.Info.Name == name)
            return &s;
    return nullptr;
}

std::string SoundingNames(const SoundingFile& file)
{
    std::string names;
    for (const Sounding& s : file.Outcome.Soundings)
        names += (names.empty() ? "" : ", ") + s.Info.Name;
    return names;
}

Message SoundingReport(const std::string& path, const Sounding& s)
{
    std::string text = s.Info.Format + " file: " + path + "\r\n was successfully opened.\r\n";
    text += " Sounding: " + (s.Info.Name.empty() ? std::string("(unnamed)") : s.Info.Name) + "\r\n";
    text += " Readings: " + IntegerText(static_cast<long long>(s.Depth.size()));
    if (s.DroppedReadings > 0)
        text += " (" + IntegerText(s.DroppedReadings) + " void left out)";
    text += "\r\n";
    if (!s.Depth.empty()) {
        const auto [lo, hi] = std::minmax_element(s.Depth.begin(), s.Depth.end());
        text += " Depth: " + FixedForm(*lo, 2) + " to " + FixedForm(*hi, 2) + " " + DepthUnit(s.UnitSystem) +
                "\r\n";
    }
    text += " Units: " + UnitNames(s.UnitSystem) + " (from the file)";
    return InfoMessage(text, " Data Import from Text File");
}

std::string SoundingFormatNote(const Sounding& s)
{
    return s.Info.Format + " file: title lines and units do not apply; the file gives its units (" +
           UnitNames(s.UnitSystem) + ").";
}

} // namespace quarvex
