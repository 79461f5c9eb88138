#pragma once
// The one project of a run: every value the screens and computations share.
// Member names are the program's documented names so that formulas and screens
// read alike. Numbers start at 0, strings empty, fixed arrays zero-filled and
// dynamic arrays unallocated.

#include "project/Array1.h"
#include "project/StringDict.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace quarvex {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;

inline constexpr Integer True = -1;
inline constexpr Integer False = 0;

// The readings have no upper count. A project starts with room for this many
// (the plain format's old limit), so that code filling a fresh project by hand
// keeps working, and grows when a longer sounding is read.
inline constexpr int kMaxReadings = 4000;
inline constexpr int kMaxLayers = 15;
inline constexpr Single kNoElevation = -99999.0F;

// Unit codes of the readings.
inline constexpr Integer kUnitsMillivolts = 0;
inline constexpr Integer kUnitsEnglish = 1;
inline constexpr Integer kUnitsSI = 2;

// A reading array: elements 1..kMaxReadings, zero, until a longer sounding makes
// it grow. It keeps the name of the fixed array it once was, which the cone
// plot still spells; new code names it ReadingArray.
template <> class FixedArray1<Single, kMaxReadings> : public Array1<Single> {
public:
    FixedArray1() : Array1<Single>(kMaxReadings) {}
};
using ReadingArray = FixedArray1<Single, kMaxReadings>;

// The design arrays and corrected copies of a method beyond the built-in ones.
struct MethodStore {
    Array1<Single> EndBearing, Friction, Ultimate;
    Array1<Single> CorrEndBearing, CorrFriction, CorrUltimate;
};

struct Project {
    // 1. Data file state
    std::string DataFileName;
    Integer DataFileNum = 0;
    Integer NumTitleLines = 0;
    Integer NumColumns = 0;
    std::string Separator;
    std::string FileHeader;
    Integer ReadError = False;
    Integer FileNumbersHandedOut = 0;

    // 2. Readings
    // Elements beyond NumReadings are left over from an earlier, longer file.
    ReadingArray DepthData;
    ReadingArray TipData;
    ReadingArray SleeveData;
    // A Long: a sounding logged every few millimetres holds more readings than
    // an Integer counts.
    Long NumReadings = 0;
    // Friction ratio per reading; capped values hold exactly 20.
    ReadingArray RatioData;
    ReadingArray ElevData;

    // 3. Unit system
    Integer UnitSystem = 0;
    // True once the readings held have been converted to feet and tsf. Choosing
    // the file's own units again on the open-file screen must not convert the
    // same readings a second time.
    bool ReadingsConverted = false;

    // 4. Project information
    std::string ProjectNumber;
    std::string Company;
    std::string ProjectTitle;
    std::string CPTStation;
    std::string StationOffset;
    Single GroundElevation = kNoElevation;
    std::string StructNo;
    std::string Latitude;
    std::string Longitude;
    std::string ProjectDate;
    std::string CPTNo;
    std::string Comments;

    // 5. History lists (HistList0 .. HistList8), created at start-up.
    std::array<StringDict, 9> HistList{};
    bool HistoryListsCreated = false;

    // 6. Plot axis state: 1 = depth, -1 = elevation.
    Integer DepthAxisMode = 0;

    // 7. Manual soil layers
    Integer AutoLayers = False;
    Integer NumLayers = 0;
    FixedArray1<Single, kMaxLayers> LayerTop;
    FixedArray1<Single, kMaxLayers> LayerBottom;

    // 8. Step table
    Single StepSize = 0;
    Integer NumSteps = 0;
    Array1<Single> StepDepth;
    Array1<Single> StepTip;
    Array1<Single> StepSleeve;
    Array1<Single> StepElev;
    Array1<Single> StepRatio;
    Array1<Single> PctSand;
    Array1<Single> PctSilt;
    Array1<Single> PctClay;

    // 9. Pile and design inputs
    Integer PileType = 0;
    Integer PileShape = 0;
    std::string PileSizeText;
    Single PileSize = 0;
    Single PileEqDiameter = 0;
    Single PilePerimeter = 0;
    Single PileTipArea = 0;
    Single PileTopDepth = 0;
    Single PileTipDepth = 0;
    Integer TipOption = 0;
    Single TipOption3Value = 0;
    std::string OutputFileName;
    Integer OutputFileNum = 0;
    Integer NumExtSteps = 0;
    Array1<Single> ExtStepDepth;
    Array1<Single> ExtStepTip;
    // The readings cut above the pile top and the Schmertmann method box of the
    // last run, so that its working can be shown again afterwards.
    Single RunTopCutoff = 0;
    Integer RunSchmertmannBox = 1;
    // The design load of the last "Analysis" (0: none, the run stops at the
    // ultimate capacities) and its basis, read by the results screen: 0 allowable
    // (FS), 1 factored (phi); a factor per method in the method table's order.
    Single DesignLoad = 0;
    Integer DesignBasisKind = 0;
    std::vector<Single> DesignFactors;
    Single DesignLoadFactor = 1;

    // 10. Capacity results (tons)
    Array1<Single> LcpcEndBearing, LcpcFriction, LcpcUltimate;
    Array1<Single> SchmEndBearing, SchmFriction, SchmUltimate;
    Array1<Single> DeRuiterEndBearing, DeRuiterFriction, DeRuiterUltimate;
    Array1<Single> AvgEndBearing, AvgFriction, AvgUltimate;

    // 11. Corrections and results display
    Array1<Single> CorrLcpcEndBearing, CorrLcpcFriction, CorrLcpcUltimate;
    Array1<Single> CorrSchmEndBearing, CorrSchmFriction, CorrSchmUltimate;
    Array1<Single> CorrDeRuiterEndBearing, CorrDeRuiterFriction, CorrDeRuiterUltimate;
    Array1<Single> CorrAvgEndBearing, CorrAvgFriction, CorrAvgUltimate;
    // Methods beyond the built-in ones, by their key.
    std::map<std::string, MethodStore> ExtraMethodResults;
    Integer CorrectionState = 0;
    Single EndBearingFactor = 0;
    Single FrictionFactor = 0;
    Integer CapacityMode = 0;

    StringDict& HistList0() { return HistList[0]; }
    StringDict& HistList8() { return HistList[8]; }
};

// Creates the nine history lists of the run (empty).
void CreateHistoryLists(Project& p);
// Releases them just before the program ends.
void ReleaseHistoryLists(Project& p);
// Clears the project information: every text empty, no ground elevation.
void InitHeader(Project& p);
// The values the open-file screen sets each time it loads.
void ResetOpenFileDefaults(Project& p);

// Makes room for `count` readings in every reading array; values held stay.
void GrowReadings(Project& p, int count);

// A free file handle number, as the file-number bookkeeping of the screens expects.
Integer NextFreeFileNumber(Project& p);

} // namespace quarvex
