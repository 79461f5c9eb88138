// A site run in process: four workers give the bytes one gives (the test
// command also runs this under ThreadSanitizer, which checks that the core
// keeps nothing shared between projects), and the manifest's rules.
#include "batch/BatchOptions.h"
#include "batch/Site.h"

#include "SiteFixtures.h"

#include <gtest/gtest.h>

using namespace quarvex;
using namespace quarvex::batch;
using namespace quarvex::testing;
namespace fs = std::filesystem;

namespace {

Options SiteOptionsFor(const fs::path& dir, const std::string& out)
{
    std::string error;
    const auto o = ParseOptions({"site", "--manifest", (dir / "manifest.csv").string(), "--output-dir",
                                 (dir / out).string(), "--size", "14", "--layers", "manual"},
                                error);
    EXPECT_TRUE(o) << error;
    return o.value_or(Options());
}

} // namespace

TEST(SiteThreads, FourWorkersGiveTheBytesOfOne)
{
    TempFile dir("", "unused");
    WriteSite(dir.dir());
    std::string error;
    const Options one = SiteOptionsFor(dir.dir(), "one");
    const Options four = SiteOptionsFor(dir.dir(), "four");
    const auto soundings = ListSiteSoundings(one, error);
    ASSERT_TRUE(soundings) << error;
    ASSERT_EQ(soundings->size(), 12U);
    fs::create_directories(dir.dir() / "one");
    fs::create_directories(dir.dir() / "four");

    std::vector<int> seen;
    const SiteResult a = RunSite(one, *soundings, 1);
    const SiteResult b = RunSite(four, *soundings, 4, [&](int done) { seen.push_back(done); });
    const CorrelationFactors factors = RecommendedCorrelationFactors();
    EXPECT_EQ(SiteCsvText(a, factors, false), SiteCsvText(b, factors, false));
    EXPECT_EQ(SiteProfileText(a, factors), SiteProfileText(b, factors));
    ASSERT_EQ(b.rows.size(), 12U);
    int designed = 0;
    for (std::size_t k = 0; k < b.rows.size(); ++k) {
        const std::string dat = fs::path(b.rows[k].sounding.file).stem().string() + ".dat";
        designed += b.rows[k].ok ? 1 : 0;
        EXPECT_EQ(ReadBytes(dir.dir() / "one" / dat), ReadBytes(dir.dir() / "four" / dat)) << dat;
    }
    EXPECT_EQ(designed, 11);
    // Progress counts never go back and end with every sounding done.
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.back(), 12);
}

TEST(SiteManifest, RowsColumnsAndCells)
{
    struct Case {
        std::string text;
        std::vector<std::string> files, names;
        std::vector<std::optional<int>> units, titleLines;
    } cases[] = {
        // Columns by heading in any order and any case; a spreadsheet's byte
        // order mark; empty cells fall back to the options; empty lines skipped.
        {"\xEF\xBB\xBFName,TITLE_LINES,file,units\r\nA,3,a.txt,m-MPa\r\n\r\n,,/abs/b.gef,\r\n",
         {"base/a.txt", "/abs/b.gef"},
         {"A", "b"},
         {2, std::nullopt},
         {3, std::nullopt}},
        // Quoted cells keep commas and quotes; LF line ends; blanks around cells.
        {"file,units,title_lines,name\n\"x, y.txt\", ft-tsf ,0,\"say \"\"hi\"\"\"\n",
         {"base/x, y.txt"},
         {"say \"hi\""},
         {1},
         {0}},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto rows = ParseManifest(c.text, "base", error);
        ASSERT_TRUE(rows) << error;
        ASSERT_EQ(rows->size(), c.files.size());
        for (std::size_t k = 0; k < rows->size(); ++k) {
            EXPECT_EQ((*rows)[k].file, c.files[k]);
            EXPECT_EQ((*rows)[k].name, c.names[k]);
            EXPECT_EQ((*rows)[k].units, c.units[k]);
            EXPECT_EQ((*rows)[k].titleLines, c.titleLines[k]);
        }
    }
}

TEST(SiteManifest, ASoundingTakesTheOptionsAndItsRow)
{
    std::string error;
    const auto o = ParseOptions({"site", "x.txt", "--output-dir", "out", "--size", "14", "--units", "m-MPa",
                                 "--elevation", "2", "--jobs", "3"},
                                error);
    ASSERT_TRUE(o) << error;
    SiteSounding s{"data/CPT 7.gef", "CPT 7", std::nullopt, 4, std::string("9.5")};
    const Options single = SoundingOptions(*o, s);
    EXPECT_FALSE(single.site);
    EXPECT_EQ(single.input, "data/CPT 7.gef");
    EXPECT_EQ(single.output, (fs::path("out") / "CPT 7.dat").string());
    EXPECT_EQ(single.units, 2);
    EXPECT_EQ(single.titleLines, 4);
    EXPECT_EQ(single.elevation, "9.5");
    EXPECT_EQ(single.size, "14");
}
