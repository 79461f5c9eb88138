#include "../TestFiles.h"
#include "FormatTestText.h"
#include "input/Reader.h"
#include "input/formats/Readers.h"
#include "input/formats/TextScan.h"

#include <gtest/gtest.h>

using namespace quarvex;
using namespace quarvex::testing;

TEST(ChooseReader, ByContentWhateverTheExtension)
{
    const std::string gef = *formats::ReadWholeFile(FormatFixture("cpt_voids_kpa.gef"));
    const std::string ags = *formats::ReadWholeFile(FormatFixture("site_two_locations.ags"));
    const std::string table = *formats::ReadWholeFile(FormatFixture("cpt_voids_kpa.csv"));
    const std::string plain = *formats::ReadWholeFile(FormatFixture("cpt_voids_kpa_plain.txt"));
    struct Case {
        const char* name;
        std::string content;
        const char* fileName;
        const char* key;
    } cases[] = {
        {"GEF named .txt", gef, "sounding.txt", "gef"},
        {"GEF after a BOM and a blank line", "\xEF\xBB\xBF\r\n" + gef, "S04.GEF", "gef"},
        {"AGS4 named .csv", ags, "site.csv", "ags"},
        {"heading row named .dat", table, "export.dat", "table"},
        {"plain file named .gef", plain, "plain.gef", "plain"},
        {"plain file whose title ends in a heading", "title\nDepth(m),qc(MPa),fs(MPa)\n1,2,0.1\n", "p.txt",
         "plain"},
        {"a heading naming no resistance", "depth [m],u2 [MPa]\n1,0.1\n", "p.txt", "plain"},
        {"AGS3, not AGS4", "\"**PROJ\"\n\"*PROJ_ID\"\n", "old.ags", "plain"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // What no other reader recognises is the plain format's, whose title
        // lines and units the user gives.
        const SoundingReader* r = ChooseReader(std::string_view(c.content).substr(0, kSniffBytes));
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->Key(), c.key);
        TempFile f(c.content, c.fileName);
        EXPECT_EQ(ChooseReaderForFile(f.path()), r);
        const ReadOutcome out = ReadSoundingFile(f.path());
        if (std::string_view(c.key) == "plain") {
            Project p;
            p.DataFileName = f.path();
            p.NumTitleLines = ReadOptions{}.TitleLines;
            const Message plainRead = LoadConeFile(p);
            EXPECT_EQ(out.Ok(), p.ReadError == False);
            EXPECT_EQ(out.Error, out.Ok() ? "" : plainRead.text);
        } else {
            EXPECT_TRUE(out.Ok()) << out.Error;
        }
    }
}

TEST(ReadSoundingFile, ForcedFormatsAndMissingFiles)
{
    // A plain file with titles before its heading row reads as a table when asked.
    TempFile titled("Quay 4, S-04\nDepth(m),qc(MPa),fs(MPa)\n1,2,0.1\n", "p.txt");
    const ReadOutcome table = ReadSoundingFile(titled.path(), "TABLE");
    ASSERT_TRUE(table.Ok()) << table.Error;
    EXPECT_EQ(table.Soundings.at(0).Depth, std::vector<float>{1.0F});

    ExpectRefused(ReadSoundingFile(titled.path(), "gef"),
                  {titled.path(), "line 1", "does not begin with '#'"});
    ExpectRefused(ReadSoundingFile(titled.path(), "xlsx"),
                  {"unknown file format 'xlsx'", "auto, gef, ags, table, plain"});
    // A self-describing file forced to the plain format gets the plain reader's refusal.
    ExpectRefused(ReadSoundingFile(FormatFixture("cpt_voids_kpa.gef"), "plain", {2, kUnitsSI}),
                  {"Could not read data from file. Please Check line Number 3"});
    for (const char* format : {"auto", "gef", "ags", "table"})
        ExpectRefused(ReadSoundingFile(titled.dir().string() + "/missing.gef", format),
                      {"missing.gef: the file cannot be opened"});
}

// A file in any of these formats gives the very Singles the plain reader gives
// for its hand conversion into m-MPa (void rows dropped, depth made positive,
// kPa moved three decimal places), so the design downstream cannot tell them apart.
TEST(ReadSoundingFile, SameReadingsAsThePlainHandConversion)
{
    Project p;
    p.DataFileName = FormatFixture("cpt_voids_kpa_plain.txt");
    p.NumTitleLines = 2;
    LoadConeFile(p);
    ASSERT_EQ(p.ReadError, False);
    ASSERT_EQ(p.NumReadings, 10);
    std::vector<Reading> plain;
    for (int k = 1; k <= p.NumReadings; ++k)
        plain.push_back({p.DepthData[k], p.TipData[k], p.SleeveData[k]});

    for (const char* file : {"cpt_voids_kpa.gef", "cpt_voids_kpa.ags", "cpt_voids_kpa.csv"}) {
        SCOPED_TRACE(file);
        const ReadOutcome out = ReadSoundingFile(FormatFixture(file));
        ASSERT_TRUE(out.Ok()) << out.Error;
        ASSERT_EQ(out.Soundings.size(), 1U);
        EXPECT_EQ(out.Soundings[0].UnitSystem, kUnitsSI);
        EXPECT_EQ(Readings(out.Soundings[0]), plain);
    }
}

// The plain reader is the open-file screen's reading behind the reader seam: the
// same Singles, the same title lines, the same refusal texts, word for word.
TEST(PlainReader, GivesThePlainReadsNumbersAndMessages)
{
    struct Case {
        const char* name;
        std::string content;
        Integer titleLines;
        Integer units;
    } cases[] = {
        {"hand conversion in m-MPa", *formats::ReadWholeFile(FormatFixture("cpt_voids_kpa_plain.txt")), 2,
         kUnitsSI},
        {"millivolts, an empty title line", "run 7\r\n\r\n0.5,12,0.8\r\n1.0,14,0.9\r\n", 2, kUnitsMillivolts},
        {"comma and blank: format error", "t\n1, 2, 3\n", 1, kUnitsEnglish},
        {"headings: numeric error", "depth,qc,fs\n1,2,3\n", 0, kUnitsEnglish},
        {"a word in the tip column", "t\n1,2,3\n2,x,3\n", 1, kUnitsEnglish},
        {"shorter than its title lines", "t\n", 10, kUnitsEnglish},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFile f(c.content);
        Project p;
        p.DataFileName = f.path();
        p.NumTitleLines = c.titleLines;
        const Message plainRead = LoadConeFile(p);
        const ReadOutcome out = ReadSoundingFile(f.path(), "plain", {c.titleLines, c.units});
        if (p.ReadError != False) {
            EXPECT_EQ(out.Error, plainRead.text);
            EXPECT_TRUE(out.Soundings.empty());
            continue;
        }
        ASSERT_TRUE(out.Ok()) << out.Error;
        ASSERT_EQ(out.Soundings.size(), 1U);
        const Sounding& s = out.Soundings[0];
        std::vector<Reading> plain;
        for (int k = 1; k <= p.NumReadings; ++k)
            plain.push_back({p.DepthData[k], p.TipData[k], p.SleeveData[k]});
        EXPECT_EQ(Readings(s), plain);
        EXPECT_EQ(s.UnitSystem, c.units);
        EXPECT_EQ(s.TitleLines, p.FileHeader);
        EXPECT_EQ(s.Info.Format, "Plain");
    }
    ExpectRefused(ReadSoundingFile("/nonexistent/none.txt", "plain"), {"Could not read data from file"});
}
