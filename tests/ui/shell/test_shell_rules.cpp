// The decisions of the shell screens that need no window: the viewer's text,
// the project information fields and history lists, the open-file procedure.

#include "core/TestFiles.h"
#include "input/formats/Readers.h"
#include "project/Units.h"
#include "screenlogic/ProjectInfo.h"
#include "screenlogic/ViewerText.h"
#include "ui/FakeDialogs.h"
#include "ui/shell/OpenFileFlow.h"
#include "ui/shell/ProjectText.h"
#include "ui/shell/QtDialogs.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace quarvex {
namespace {

using testing::TempFile;
using testing::Titles;

// ---------------------------------------------------------------- viewer text

TEST(ViewerText, ShowsAllButTheLastByteAndMarksLongFiles)
{
    struct Case {
        std::size_t bytes;
        std::size_t shown;
        bool marker;
    };
    const Case cases[] = {
        {1, 0, false},        {100, 99, false},     {56000, 55999, false},
        {56001, 56000, true}, {56002, 56000, true}, {120000, 56000, true},
    };
    for (const Case& c : cases) {
        std::string content(c.bytes, 'x');
        for (std::size_t i = 0; i < c.bytes; ++i)
            content[i] = static_cast<char>('a' + i % 26);
        TempFile file(content);
        const auto text = ViewerText(file.path());
        ASSERT_TRUE(text.has_value()) << c.bytes;
        std::string expected = content.substr(0, c.shown);
        if (c.marker)
            expected += " [ + more data in file ] ";
        EXPECT_EQ(*text, expected) << c.bytes << " bytes";
    }
}

TEST(ViewerText, EmptyOrMissingFileCannotBeShown)
{
    TempFile empty("");
    EXPECT_FALSE(ViewerText(empty.path()).has_value());
    EXPECT_FALSE(ViewerText(empty.path() + ".missing").has_value());
    EXPECT_EQ(ViewerError(),
              (Message{"Could not read data from file", "Open File Error", MsgIcon::Critical}));
}

// ---------------------------------------------------------------- project information

TitleTexts Texts(std::initializer_list<std::pair<int, std::string>> values)
{
    TitleTexts t;
    for (const auto& [field, text] : values)
        t[field] = text;
    return t;
}

TEST(ProjectInfo, OkWithEverythingEmpty)
{
    Project p;
    CreateHistoryLists(p);
    p.GroundElevation = 3.0F;
    const TitlesStore r = StoreTitleFields(p, TitleTexts{}, "");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(p.GroundElevation, kNoElevation);
    EXPECT_EQ(p.HistList[0].Count(), 1);
    EXPECT_TRUE(p.HistList[0].Exists(""));
    EXPECT_EQ(p.HistList[0].Item(""), "||");
    for (int list = 1; list <= 8; ++list)
        EXPECT_EQ(p.HistList[list].Count(), 0) << "HistList" << list;
}

TEST(ProjectInfo, OkStoresEveryFieldAndGrowsTheHistory)
{
    Project p;
    CreateHistoryLists(p);
    const TitleTexts t = Texts({{kFieldProjectNumber, "P-17"},
                                {kFieldCompany, "Acme"},
                                {kFieldProjectTitle, "Bridge"},
                                {kFieldStation, "Sta 4"},
                                {kFieldOffset, "12 L"},
                                {kFieldElevation, "12.5"},
                                {kFieldStructNo, "S-9"},
                                {kFieldLatitude, "30.4"},
                                {kFieldLongitude, "-91.1"},
                                {kFieldDate, "03-14-2026"},
                                {kFieldCptNo, "C-2"}});
    ASSERT_TRUE(StoreTitleFields(p, t, "line 1\r\nline 2").ok);
    EXPECT_EQ(p.ProjectNumber, "P-17");
    EXPECT_EQ(p.Company, "Acme");
    EXPECT_EQ(p.ProjectTitle, "Bridge");
    EXPECT_EQ(p.CPTStation, "Sta 4");
    EXPECT_EQ(p.StationOffset, "12 L");
    EXPECT_EQ(p.GroundElevation, 12.5F);
    EXPECT_EQ(p.StructNo, "S-9");
    EXPECT_EQ(p.Latitude, "30.4");
    EXPECT_EQ(p.Longitude, "-91.1");
    EXPECT_EQ(p.ProjectDate, "03-14-2026");
    EXPECT_EQ(p.CPTNo, "C-2");
    EXPECT_EQ(p.Comments, "line 1\r\nline 2");
    EXPECT_EQ(p.HistList[0].Item("P-17"), "P-17|Acme|Bridge");
    const std::vector<std::string> expectedKeys[] = {{"Sta 4"}, {"12 L"},  {"12.5"}, {"S-9"},
                                                     {"30.4"},  {"-91.1"}, {"C-2"}};
    for (int list = 1; list <= 7; ++list)
        EXPECT_EQ(p.HistList[list].Keys(), expectedKeys[list - 1]) << "HistList" << list;
    // The date has no history of its own.
    EXPECT_EQ(p.HistList[8].Count(), 0);

    // The same again adds no duplicate keys.
    ASSERT_TRUE(StoreTitleFields(p, t, "").ok);
    for (int list = 0; list <= 7; ++list)
        EXPECT_EQ(p.HistList[list].Count(), 1) << "HistList" << list;
}

TEST(ProjectInfo, SameProjectNumberReplacesCompanyAndTitle)
{
    Project p;
    CreateHistoryLists(p);
    ASSERT_TRUE(StoreTitleFields(p, Texts({{0, "P-1"}, {1, "Old Co"}, {2, "Old job"}}), "").ok);
    ASSERT_TRUE(StoreTitleFields(p, Texts({{0, "P-2"}, {1, "Other"}, {2, ""}}), "").ok);
    ASSERT_TRUE(StoreTitleFields(p, Texts({{0, "P-1"}, {1, "New Co"}, {2, "New job"}}), "").ok);
    const TitleFields f = LoadTitleFields(p, "01-02-2026");
    EXPECT_EQ(f.lists[kFieldProjectNumber], (std::vector<std::string>{"P-1", "P-2"}));
    EXPECT_EQ(f.lists[kFieldCompany], (std::vector<std::string>{"New Co", "Other"}));
    // Empty parts are not offered.
    EXPECT_EQ(f.lists[kFieldProjectTitle], (std::vector<std::string>{"New job"}));
}

TEST(ProjectInfo, RefusedElevationStopsAfterTheFirstFiveFields)
{
    Project p;
    CreateHistoryLists(p);
    p.GroundElevation = 7.0F;
    p.StructNo = "before";
    TitleTexts t = Texts({{0, "P"}, {3, "Sta"}, {5, "abc"}, {6, "S-1"}, {10, "C-1"}});
    const TitlesStore r = StoreTitleFields(p, t, "typed");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.focusField, kFieldElevation);
    EXPECT_EQ(r.message, (Message{" Data Entry Error .. Please check your data ", " Data Entry Message",
                                  MsgIcon::Critical}));
    EXPECT_EQ(p.ProjectNumber, "P");
    EXPECT_EQ(p.CPTStation, "Sta");
    EXPECT_TRUE(p.HistList[1].Exists("Sta"));
    EXPECT_TRUE(p.HistList[3].Exists("abc"));
    EXPECT_EQ(p.GroundElevation, 7.0F);
    EXPECT_EQ(p.StructNo, "before");
    EXPECT_EQ(p.Comments, "");
    EXPECT_EQ(p.HistList[4].Count(), 0);

    // Corrected, OK succeeds and both texts are offered next time.
    t[kFieldElevation] = "-3.25";
    ASSERT_TRUE(StoreTitleFields(p, t, "typed").ok);
    EXPECT_EQ(p.GroundElevation, -3.25F);
    EXPECT_EQ(p.StructNo, "S-1");
    EXPECT_EQ(LoadTitleFields(p, "").lists[kFieldElevation], (std::vector<std::string>{"abc", "-3.25"}));
}

TEST(ProjectInfo, LoadTakesProjectValuesFileTitlesAndToday)
{
    Project p;
    CreateHistoryLists(p);
    p.ProjectNumber = "P-9";
    p.ProjectDate = "12-31-2025";
    p.Comments = "stored comments are not loaded back";
    p.FileHeader = "title 1\r\ntitle 2\r\n";
    p.GroundElevation = 0.1F;
    p.HistList[7].Add("C-1", "");
    p.HistList[7].Add("C-2", "");
    const TitleFields f = LoadTitleFields(p, "03-04-2026");
    EXPECT_EQ(f.texts[kFieldProjectNumber], "P-9");
    EXPECT_EQ(f.texts[kFieldDate], "12-31-2025");
    EXPECT_EQ(f.texts[kFieldCompany], "");
    EXPECT_EQ(std::stof(f.texts[kFieldElevation]), 0.1F);
    EXPECT_EQ(f.comments, "title 1\r\ntitle 2\r\n");
    EXPECT_EQ(f.lists[kFieldDate], (std::vector<std::string>{"03-04-2026"}));
    EXPECT_EQ(f.lists[kFieldCptNo], (std::vector<std::string>{"C-1", "C-2"}));

    p.GroundElevation = kNoElevation;
    EXPECT_EQ(LoadTitleFields(p, "").texts[kFieldElevation], "");
    EXPECT_EQ(DateText(2026, 3, 4), "03-04-2026");
    EXPECT_EQ(DateText(1999, 12, 31), "12-31-1999");
}

// ---------------------------------------------------------------- open-file procedure

std::string GoodFile(int titleLines, int readings)
{
    std::string s = Titles(titleLines);
    for (int k = 1; k <= readings; ++k)
        s += std::to_string(k) + ".5,10,0.2\r\n";
    return s;
}

class OpenFileFlowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateHistoryLists(p);
        ResetOpenFileDefaults(p);
    }
    void FillHeader()
    {
        p.ProjectNumber = "P-1";
        p.GroundElevation = 4.0F;
    }
    Project p;
    FakeDialogs dialogs;
    OpenFileFlow flow{p, dialogs};
};

TEST_F(OpenFileFlowTest, DialogOffersTheDataFileFilters)
{
    flow.SetStartDir(QStringLiteral("/somewhere/samples"));
    flow.OpenDataFile(nullptr);
    ASSERT_EQ(dialogs.openRequests.size(), 1U);
    const OpenFileRequest& r = dialogs.openRequests[0];
    // All files first and selected; the plain format's, then GEF, AGS4 and text exports.
    EXPECT_EQ(r.filters,
              (QStringList{"All Files (*.*)", "ASCII Files (*.dat; *.txt; *.prn)", "GEF Files (*.gef)",
                           "AGS4 Files (*.ags)", "Text Files (*.csv; *.tsv; *.txt)"}));
    EXPECT_EQ(r.startDir, QStringLiteral("/somewhere/samples"));
    // Qt's dialogs match "*" for every file and need blanks between patterns.
    EXPECT_EQ(QtFileFilter(r.filters[0]), QStringLiteral("All Files (*)"));
    EXPECT_EQ(QtFileFilter(r.filters[1]), QStringLiteral("ASCII Files (*.dat *.txt *.prn)"));
    EXPECT_EQ(QtFileFilter(r.filters[4]), QStringLiteral("Text Files (*.csv *.tsv *.txt)"));
}

TEST_F(OpenFileFlowTest, CancelledOpenChangesNothingButClearsTheProjectInformation)
{
    FillHeader();
    p.DataFileName = "earlier.txt";
    EXPECT_EQ(flow.OpenDataFile(nullptr), OpenOutcome::Cancelled);
    EXPECT_EQ(p.DataFileName, "earlier.txt");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(p.ProjectNumber, "");
    EXPECT_EQ(p.GroundElevation, kNoElevation);
    EXPECT_FALSE(flow.PlotEnabled());
}

TEST_F(OpenFileFlowTest, SuccessfulReadReportsAndEnablesPlot)
{
    TempFile file(GoodFile(10, 3));
    dialogs.openResults.push_back(QString::fromStdString(file.path()));
    FillHeader();
    EXPECT_EQ(flow.OpenDataFile(nullptr), OpenOutcome::ReadOk);
    EXPECT_EQ(flow.OpenMode(), kOpenModeRead);
    EXPECT_EQ(p.DataFileName, file.path());
    EXPECT_EQ(p.NumReadings, 3);
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0].caption, " Data Import from Text File");
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Information);
    EXPECT_TRUE(flow.PlotEnabled());
    EXPECT_EQ(p.ProjectNumber, "");
}

TEST_F(OpenFileFlowTest, FailedReadShowsTheReadersMessageAndDisablesPlot)
{
    TempFile good(GoodFile(10, 3));
    TempFile bad(GoodFile(10, 2) + "3.5,abc,0.2\r\n", "bad.txt");
    TempFile shortFile(Titles(4), "short.txt");
    dialogs.openResults = {QString::fromStdString(good.path()), QString::fromStdString(bad.path()),
                           QString::fromStdString(shortFile.path())};
    ASSERT_EQ(flow.OpenDataFile(nullptr), OpenOutcome::ReadOk);
    ASSERT_TRUE(flow.PlotEnabled());

    // The readings of the failed file must never be plotted under its name.
    EXPECT_EQ(flow.OpenDataFile(nullptr), OpenOutcome::ReadFailed);
    EXPECT_FALSE(flow.PlotEnabled());
    ASSERT_EQ(dialogs.messages.size(), 2U);
    EXPECT_EQ(dialogs.messages[1].text, "Could not read data from file. Please Check line Number 13");

    // A file shorter than its title lines: not silent either.
    EXPECT_EQ(flow.OpenDataFile(nullptr), OpenOutcome::ReadFailed);
    ASSERT_EQ(dialogs.messages.size(), 3U);
    EXPECT_FALSE(dialogs.messages[2].text.empty());
    EXPECT_FALSE(flow.PlotEnabled());
}

TEST_F(OpenFileFlowTest, ToolbarFileReadsWithoutClearingUntilAButtonWasUsed)
{
    TempFile file(GoodFile(10, 2));
    dialogs.openResults = {QString::fromStdString(file.path()), QString::fromStdString(file.path())};
    FillHeader();
    EXPECT_EQ(flow.OpenMode(), kOpenModeNone);
    EXPECT_EQ(flow.OpenFileMenu(nullptr), OpenOutcome::ReadOk);
    EXPECT_EQ(p.ProjectNumber, "P-1");
    EXPECT_TRUE(flow.PlotEnabled());

    // After "View Data File" the toolbar views too.
    dialogs.openResults.push_back(QString::fromStdString(file.path()));
    EXPECT_EQ(flow.ViewDataFile(nullptr), OpenOutcome::ChosenToView);
    EXPECT_EQ(flow.OpenFileMenu(nullptr), OpenOutcome::ChosenToView);
    EXPECT_EQ(dialogs.messages.size(), 1U);
}

TEST_F(OpenFileFlowTest, ViewingAnotherFileMakesItCurrentButKeepsItsNameOffThePlot)
{
    TempFile read(GoodFile(10, 2));
    TempFile other("something else\r\n", "other.txt");
    dialogs.openResults = {QString::fromStdString(read.path()), QString::fromStdString(other.path())};
    ASSERT_EQ(flow.OpenDataFile(nullptr), OpenOutcome::ReadOk);
    const int readings = p.NumReadings;

    EXPECT_EQ(flow.ViewDataFile(nullptr), OpenOutcome::ChosenToView);
    EXPECT_EQ(p.DataFileName, other.path());
    EXPECT_EQ(p.NumReadings, readings);
    EXPECT_TRUE(flow.PlotEnabled());

    // The graphs carry the name of the file whose readings they show.
    flow.UseReadFileForPlot();
    EXPECT_EQ(p.DataFileName, read.path());
}

TEST_F(OpenFileFlowTest, DroppedFileIsReadLikeOpenDataFile)
{
    TempFile file(GoodFile(10, 4));
    FillHeader();
    EXPECT_EQ(flow.OpenDroppedFile(nullptr, QString::fromStdString(file.path())), OpenOutcome::ReadOk);
    EXPECT_TRUE(dialogs.openRequests.empty());
    EXPECT_EQ(p.NumReadings, 4);
    EXPECT_EQ(p.ProjectNumber, "");
    EXPECT_EQ(flow.OpenMode(), kOpenModeRead);
}

TEST_F(OpenFileFlowTest, TitleLineCountIsTheOneSetWhenReading)
{
    TempFile file(GoodFile(3, 5));
    dialogs.openResults = {QString::fromStdString(file.path())};
    p.NumTitleLines = 3;
    ASSERT_EQ(flow.OpenDataFile(nullptr), OpenOutcome::ReadOk);
    EXPECT_EQ(p.NumReadings, 5);
    EXPECT_EQ(p.FileHeader, "title 1\r\ntitle 2\r\ntitle 3\r\n");
}

// ---------------------------------------------------------------- self-describing files

std::string Fixture(const char* name)
{
    return std::string(QUARVEX_TEST_DATA_DIR "/formats/") + name;
}

TEST_F(OpenFileFlowTest, GefFileIsReadByContentWithItsUnitsAndProjectInformation)
{
    // Not named .gef: the content decides. The screen's choices are for plain files.
    std::ifstream in(Fixture("cpt_voids_kpa.gef"), std::ios::binary);
    TempFile gef(std::string(std::istreambuf_iterator<char>(in), {}), "S-04.txt");
    dialogs.openResults = {QString::fromStdString(gef.path())};
    FillHeader();
    p.NumTitleLines = 3;
    p.UnitSystem = kUnitsMillivolts;
    ASSERT_EQ(flow.OpenDataFile(nullptr), OpenOutcome::ReadOk);
    EXPECT_TRUE(flow.PlotEnabled());
    EXPECT_EQ(p.ReadError, False);
    EXPECT_EQ(p.UnitSystem, kUnitsSI);
    ASSERT_EQ(p.NumReadings, 10); // 12 rows, one void qc and one void fs
    EXPECT_EQ(p.DepthData[1], 0.02F);
    EXPECT_EQ(p.TipData[1], 0.512F);
    EXPECT_FLOAT_EQ(p.SleeveData[1], 0.0123F); // kPa in the file
    EXPECT_EQ(p.DepthData[10], 0.24F);

    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0].text, "GEF file: " + gef.path() +
                                            "\r\n was successfully opened.\r\n Sounding: S-04\r\n"
                                            " Readings: 10 (2 void left out)\r\n Depth: 0.02 to 0.24 m\r\n"
                                            " Units: m, MPa (from the file)");
    EXPECT_EQ(dialogs.messages[0].caption, " Data Import from Text File");
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Information);
    EXPECT_NE(flow.FormatNote().find("GEF file: title lines and units do not apply"), std::string::npos);

    // "Open Data File" keeps what the file carries for the project information screen.
    EXPECT_TRUE(flow.InformationFromFile());
    EXPECT_EQ(p.CPTNo, "S-04");
    EXPECT_EQ(p.ProjectNumber, "2024-017");
    EXPECT_EQ(p.ProjectTitle, "Harbour quay, berth 4");
    EXPECT_EQ(p.Company, "Example Sonderingen B.V.");
    EXPECT_EQ(p.ProjectDate, "04-09-2024");
    EXPECT_FLOAT_EQ(p.GroundElevation, static_cast<float>(-0.09 / 0.3048));
    EXPECT_EQ(p.Latitude, "424838.97");
    EXPECT_EQ(p.Longitude, "79578.38");
}

TEST_F(OpenFileFlowTest, UnitChoiceWaitsForTheNextPlainFileWhileAFilesUnitsHold)
{
    TempFile plain(GoodFile(10, 3));
    dialogs.openResults = {QString::fromStdString(Fixture("cpt_voids_kpa.gef")),
                           QString::fromStdString(plain.path()), QString::fromStdString(plain.path())};
    flow.ChooseUnits(kUnitsEnglish);
    ASSERT_EQ(flow.OpenDataFile(nullptr), OpenOutcome::ReadOk);
    ASSERT_EQ(p.UnitSystem, kUnitsSI);
    // Clicking a unit option does not relabel the GEF readings ...
    flow.ChooseUnits(kUnitsMillivolts);
    EXPECT_EQ(p.UnitSystem, kUnitsSI);

    // ... a plain file is then read in the units chosen, and nothing of the
    // GEF file's information or note is left.
    ASSERT_EQ(flow.OpenDataFile(nullptr), OpenOutcome::ReadOk);
    EXPECT_EQ(p.UnitSystem, kUnitsMillivolts);
    EXPECT_EQ(p.NumReadings, 3);
    EXPECT_EQ(p.CPTNo, "");
    EXPECT_EQ(p.GroundElevation, kNoElevation);
    EXPECT_FALSE(flow.InformationFromFile());
    EXPECT_TRUE(flow.FormatNote().empty());
    EXPECT_EQ(dialogs.messages.back().text.rfind("Cone Data File: ", 0), 0U);

    // Back to the choices following the project at once.
    flow.ChooseUnits(kUnitsSI);
    EXPECT_EQ(p.UnitSystem, kUnitsSI);
}

TEST_F(OpenFileFlowTest, SeveralSoundingsAreOfferedAndTheChosenOneIsRead)
{
    TempFile plain(GoodFile(10, 3));
    TempFile other("something else\r\n", "other.txt");
    const std::string ags = Fixture("site_two_locations.ags");
    dialogs.openResults = {QString::fromStdString(plain.path()), QString::fromStdString(ags),
                           QString::fromStdString(other.path())};
    ASSERT_EQ(flow.OpenDataFile(nullptr), OpenOutcome::ReadOk);
    FillHeader();

    // Nothing is taken until the user chooses: the plain readings stay, unplotted.
    EXPECT_EQ(flow.OpenDataFile(nullptr), OpenOutcome::Offered);
    EXPECT_EQ(flow.SoundingChoices(), (std::vector<std::string>{"CPT01", "CPT02"}));
    EXPECT_EQ(dialogs.messages.size(), 1U);
    EXPECT_FALSE(flow.PlotEnabled());
    EXPECT_EQ(p.NumReadings, 3);
    EXPECT_EQ(p.UnitSystem, kUnitsEnglish);
    EXPECT_EQ(p.ProjectNumber, "");
    EXPECT_EQ(flow.FormatNote(), "AGS4 file with 2 soundings: choose one from the list.");

    // Viewing another file in between does not lose the file the choice is from.
    ASSERT_EQ(flow.ViewDataFile(nullptr), OpenOutcome::ChosenToView);
    EXPECT_EQ(flow.ChooseSounding(nullptr, 1), OpenOutcome::ReadOk);
    EXPECT_EQ(p.DataFileName, ags);
    EXPECT_EQ(p.NumReadings, 2);
    EXPECT_EQ(p.CPTNo, "CPT02");
    EXPECT_EQ(p.ProjectNumber, "P-1187");
    EXPECT_FLOAT_EQ(p.GroundElevation, static_cast<float>(-1.10 / 0.3048));
    EXPECT_TRUE(flow.PlotEnabled());
    ASSERT_EQ(dialogs.messages.size(), 2U);
    EXPECT_NE(dialogs.messages[1].text.find(" Sounding: CPT02\r\n Readings: 2\r\n Depth: 0.10 to 0.12 m"),
              std::string::npos)
        << dialogs.messages[1].text;

    // The list stays: another choice replaces the readings; its pushes are joined.
    EXPECT_EQ(flow.SoundingChoices().size(), 2U);
    EXPECT_EQ(flow.ChooseSounding(nullptr, 0), OpenOutcome::ReadOk);
    EXPECT_EQ(p.CPTNo, "CPT01");
    ASSERT_EQ(p.NumReadings, 5);
    EXPECT_EQ(p.DepthData[1], 0.0F);
    EXPECT_EQ(p.DepthData[5], 6.02F);
    EXPECT_EQ(flow.ChooseSounding(nullptr, 2), OpenOutcome::Cancelled);
    EXPECT_EQ(p.CPTNo, "CPT01");
}

TEST_F(OpenFileFlowTest, BadFileShowsTheReadersMessageAndKeepsTheReadingsHeld)
{
    TempFile noColumns("#GEFID= 1, 1, 0\r\n#COLUMN= 2\r\n#EOH=\r\n1.0 2.0\r\n", "broken.gef");
    TempFile badAgs("\"GROUP\",\"PROJ\"\r\n\"HEADING\",\"PROJ_ID\"\r\n", "broken.ags");
    dialogs.openResults = {QString::fromStdString(Fixture("cpt_voids_kpa.gef")),
                           QString::fromStdString(noColumns.path()), QString::fromStdString(badAgs.path())};
    ASSERT_EQ(flow.OpenDataFile(nullptr), OpenOutcome::ReadOk);
    const std::vector<float> held(p.DepthData.begin(), p.DepthData.begin() + p.NumReadings);

    for (const TempFile* bad : {&noColumns, &badAgs}) {
        const std::string error = ReadSoundingFile(bad->path()).Error;
        ASSERT_FALSE(error.empty());
        EXPECT_EQ(flow.OpenDataFile(nullptr), OpenOutcome::ReadFailed);
        EXPECT_EQ(dialogs.messages.back(), PlainMessage(error));
        EXPECT_NE(error.find(bad->path()), std::string::npos) << error;
        EXPECT_FALSE(flow.PlotEnabled());
        EXPECT_EQ(p.ReadError, True);
        EXPECT_EQ(std::vector<float>(p.DepthData.begin(), p.DepthData.begin() + p.NumReadings), held);
        EXPECT_EQ(p.UnitSystem, kUnitsSI);
        EXPECT_EQ(p.CPTNo, "");
    }
}

TEST_F(OpenFileFlowTest, DroppedGefFileKeepsItsProjectInformation)
{
    FillHeader();
    ASSERT_EQ(flow.OpenDroppedFile(nullptr, QString::fromStdString(Fixture("cpt_voids_kpa.gef"))),
              OpenOutcome::ReadOk);
    EXPECT_TRUE(dialogs.openRequests.empty());
    EXPECT_EQ(p.ProjectNumber, "2024-017");
    EXPECT_EQ(p.NumReadings, 10);
}

// Data-file bytes shown on the screens and handed back unchanged.
TEST(ProjectText, ShownOneWayAndKeptByteForByte)
{
    struct Case {
        std::string bytes;
        QString shown;
    } cases[] = {
        {"plain", QStringLiteral("plain")},
        {"T\xC3\xA9"
         "che",
         QString::fromUtf8("T\u00e9che")}, // well-formed UTF-8
        {"T\xE9"
         "che",
         QString::fromUtf8("T\u00e9che")}, // 8-bit Windows-1252
        {"\x80 \x93x\x94", QString::fromUtf8("\u20ac \u201cx\u201d")},
        {"\x81", QString(QChar(0x81))}, // unassigned in Windows-1252
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShowProjectText(c.bytes), c.shown) << c.bytes;
        // Left as shown, the text keeps its bytes; edited, it is UTF-8.
        EXPECT_EQ(ProjectTextBytes(c.shown, {"other", c.bytes}), c.bytes) << c.bytes;
        EXPECT_EQ(ProjectTextBytes(c.shown + QStringLiteral("!"), {c.bytes}), (c.shown + "!").toStdString());
    }
}

} // namespace
} // namespace quarvex
