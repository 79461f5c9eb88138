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
        const char* key; // nullptr: none of these readers
    } cases[] = {
        {"GEF named .txt", gef, "sounding.txt", "gef"},
        {"GEF after a BOM and a blank line", "\xEF\xBB\xBF\r\n" + gef, "S04.GEF", "gef"},
        {"AGS4 named .csv", ags, "site.csv", "ags"},
        {"heading row named .dat", table, "export.dat", "table"},
        {"plain file named .gef", plain, "plain.gef", nullptr},
        {"plain file whose title ends in a heading", "title\nDepth(m),qc(MPa),fs(MPa)\n1,2,0.1\n", "p.txt",
         nullptr},
        {"a heading naming no resistance", "depth [m],u2 [MPa]\n1,0.1\n", "p.txt", nullptr},
        {"AGS3, not AGS4", "\"**PROJ\"\n\"*PROJ_ID\"\n", "old.ags", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SoundingReader* r = ChooseReader(std::string_view(c.content).substr(0, kSniffBytes));
        if (c.key == nullptr) {
            EXPECT_EQ(r, nullptr) << r->Name();
        } else {
            ASSERT_NE(r, nullptr);
            EXPECT_EQ(r->Key(), c.key);
        }
        TempFile f(c.content, c.fileName);
        const ReadOutcome out = ReadSoundingFile(f.path());
        if (c.key == nullptr) {
            ExpectRefused(out, {f.path(), "not a format Quarvex recognises"});
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
                  {"unknown file format 'xlsx'", "auto, gef, ags, table"});
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
