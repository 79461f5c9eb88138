#pragma once
// What every data file reader hands back, whatever the format: the readings in
// the file's own units with their unit system, and the project information the
// file carries, so that the open-file screen and the batch command only check it.

#include "project/Project.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvex {

struct SoundingInfo {
    std::string Name;          // CPT or test id (GEF #TESTID, AGS4 LOCA_ID)
    std::string ProjectNumber; //
    std::string ProjectTitle;  //
    std::string Company;       //
    std::string Date;          // as the file gives it; GEF dates become yyyy-mm-dd
    std::string X;             // coordinates as text: their datum is the file's business
    std::string Y;             //
    std::optional<double> GroundLevelM;
    std::string Format; // the Name() of the reader that read it: "GEF", "AGS4", "Table", "Plain"
};

struct Sounding {
    // kUnitsSI (m, MPa) or kUnitsEnglish (ft, tsf) from a self-describing file;
    // the plain format's is the user's choice, millivolts included.
    Integer UnitSystem = kUnitsSI;
    std::vector<Single> Depth;
    std::vector<Single> Tip;
    std::vector<Single> Sleeve;
    SoundingInfo Info;
    // Readings left out because the file marks a value as void or missing, so a
    // report can say the count instead of the user finding gaps in a plot.
    std::int32_t DroppedReadings = 0;
    // The plain format's non-empty title lines, each ending in CR LF, kept as the
    // open-file screen keeps them; other formats have none.
    std::optional<std::string> TitleLines;
};

struct ReadOutcome {
    std::vector<Sounding> Soundings; // in file order; empty on failure
    std::string Error;               // empty on success: names the file, the line and what is wrong
    bool Ok() const { return Error.empty(); }
};

// Choices the user makes for formats that do not describe themselves (the plain
// format); self-describing formats ignore them.
struct ReadOptions {
    Integer TitleLines = 10;
    Integer UnitSystem = kUnitsEnglish;
};

// One file format. Readers hold no state: one instance serves every thread.
class SoundingReader {
public:
    virtual ~SoundingReader() = default;
    // Shown to the user and stored in SoundingInfo::Format ("GEF").
    virtual std::string_view Name() const = 0;
    // What a user types to force the format ("gef", as in --format gef).
    virtual std::string_view Key() const = 0;
    // Whether the opening bytes of a file (the BOM included, if any) are this format's.
    virtual bool Recognises(std::string_view firstBytes) const = 0;
    virtual ReadOutcome Read(const std::string& path, const ReadOptions& options) const = 0;
};

} // namespace quarvex
