#include "design/ListingText.h"
#include "design/OutputFile.h"

#include "DesignFixtures.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <limits>
#include <random>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

std::string Golden(const std::string& name)
{
    return ReadWholeFile(std::string(QUARVEX_TEST_DATA_DIR) + "/design/" + name);
}

// Five steps with simple values and a pile over steps 2..4.
Project SmallProject()
{
    Project p = StepTable({{58.2185F, 0.34775F, 83.68842F, 16.30795F, 0.003633575F},
                           {58.2185F, 0.34775F, 83.68842F, 16.30795F, 0.003633575F},
                           {118.6815F, 0.88715F, 97.71F, 2.29F, 0},
                           {12, 0.5F, 0, 0, 100},
                           {-0.25F, 0, 12345678, 0.5F, 100}});
    p.ProjectDate = "12-10-2026";
    p.ProjectNumber = "P-17";
    p.Company = "Acme Soils";
    p.ProjectTitle = "Harbour wall";
    p.CPTStation = "12+50";
    p.StationOffset = "3 m L";
    p.GroundElevation = 12.5F;
    p.StructNo = "S-4";
    p.Latitude = "29.95";
    p.Longitude = "-90.07";
    p.Comments = "first line\r\nsecond line\r\n";
    p.PileTopDepth = 0.492F; // step 2 lies exactly at the top: not listed
    p.PileTipDepth = 1.148F; // step 4 exactly at the tip: listed
    return p;
}

} // namespace

TEST(ZoneLine, ItemsStartAtTheZones)
{
    // Columns 1, 15, 29, 43; each number has its sign place and trailing blank.
    const std::string line = ZoneLine().Number(12.5F).Number(0.164F).Number(-0.5F).Number(12).str();
    EXPECT_EQ(line, " 12.5 " + std::string(8, ' ') + " .164 " + std::string(8, ' ') + "-.5 " +
                        std::string(10, ' ') + " 12 ");
    EXPECT_EQ(line.find(".164"), 15U);
    EXPECT_EQ(line.find("-.5"), 28U);
    EXPECT_EQ(line.find("12 "), 43U);
    EXPECT_EQ(ZoneLine().Text("D").Text("EndBearing").str(), "D             EndBearing");
    // An item filling its zone: the next starts at once, parted by the trailing blank.
    EXPECT_EQ(ZoneLine().Number(-1.234568e-7F).Number(1).str(), "-1.234568E-07  1 ");
    EXPECT_EQ(ZoneLine().Number(12345678).Number(-0.25F).str(), " 1.234568E+07 -.25 ");
}

TEST(OutputFile, HeaderListingsAndSectionsMatchTheHandCheckedFile)
{
    TempFile dir("", "unused");
    Project p = SmallProject();
    p.OutputFileName = (dir.dir() / "small.dat").string();
    Array1<Single> eb(5), fr(5), ul(5);
    for (int i = 1; i <= 5; ++i) {
        eb[i] = 10.0F * i;
        fr[i] = 0.5F * i;
        ul[i] = eb[i] + fr[i];
    }
    OutputWriter out;
    ASSERT_FALSE(out.WriteOutputHeader(p).has_value());
    out.WriteMethodSection("LCPC Method", eb, fr, ul);
    out.WriteMethodSection("Average", eb, fr, ul);
    const Message done = out.CloseOutputFile();
    EXPECT_EQ(done.text, "Data was exported to file: " + p.OutputFileName);
    EXPECT_EQ(done.caption, " Data Export to Text File");
    EXPECT_EQ(done.icon, MsgIcon::Information);
    EXPECT_EQ(ReadWholeFile(p.OutputFileName), Golden("small_output.dat"));
}

TEST(OutputFile, NoElevationNoStepsInRangeAndEightBitText)
{
    TempFile dir("", "unused");
    Project p = SmallProject();
    p.GroundElevation = kNoElevation;
    p.Comments = "";
    p.Company = "Soci\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"; // UTF-8 text becomes Windows-1252
    p.StructNo = "\xE9t\xE9";                         // already 8-bit, kept
    p.PileTopDepth = 5;
    p.PileTipDepth = 9;
    p.OutputFileName = (dir.dir() / "empty.dat").string();
    Array1<Single> zero(5);
    OutputWriter out;
    ASSERT_FALSE(out.WriteOutputHeader(p).has_value());
    out.WriteMethodSection("Schmertmann Method", zero, zero, zero);
    out.CloseOutputFile();
    EXPECT_EQ(ReadWholeFile(p.OutputFileName), Golden("no_range_output.dat"));
}

TEST(OutputFile, LastStepNeverInACapacityTable)
{
    Project p = SmallProject();
    p.PileTopDepth = 0;
    p.PileTipDepth = 100;
    Array1<Single> v(5);
    const std::string section = MethodSectionText(p, "Average", v, v, v);
    EXPECT_NE(section.find("\r\n 1.148 "), std::string::npos);
    EXPECT_EQ(section.find("\r\n 1.476 "), std::string::npos);
    EXPECT_NE(OutputHeaderText(p).find("\r\n 1.476 "), std::string::npos);
}

TEST(OutputFile, SecondRunReplacesTheFile)
{
    TempFile dir("", "unused");
    Project p = SmallProject();
    p.OutputFileName = (dir.dir() / "again.dat").string();
    Array1<Single> v(5);
    for (int run = 0; run < 2; ++run) {
        OutputWriter out;
        ASSERT_FALSE(out.WriteOutputHeader(p).has_value());
        out.WriteMethodSection("Average", v, v, v);
        out.CloseOutputFile();
    }
    EXPECT_EQ(ReadWholeFile(p.OutputFileName),
              OutputHeaderText(p) + MethodSectionText(p, "Average", v, v, v));
}

TEST(OutputFile, RefusalMessagesDependOnTheExactDefaultName)
{
    TempFile dir("", "unused");
    const std::filesystem::path missing = dir.dir() / "no-such-folder";
    struct Case {
        std::string name;
        const char* message;
    } cases[] = {
        {"", kMsgOtherFileFailed},
        {(missing / "x.dat").string(), kMsgOtherFileFailed},
        {dir.dir().string(), kMsgOtherFileFailed},
    };
    for (const Case& c : cases) {
        Project p = SmallProject();
        p.OutputFileName = c.name;
        OutputWriter out;
        const auto m = out.WriteOutputHeader(p);
        ASSERT_TRUE(m.has_value()) << c.name;
        EXPECT_EQ(m->text, c.message);
        EXPECT_EQ(m->icon, MsgIcon::None);
        EXPECT_EQ(m->caption, "Quarvex");
        EXPECT_FALSE(out.IsOpen());
    }

    // The default name in a folder where it cannot be created, and the same name
    // in other case, from inside that folder.
    const auto here = std::filesystem::current_path();
    std::filesystem::create_directories(dir.dir() / "ro" / "Output.dat");
    std::filesystem::create_directories(dir.dir() / "ro" / "output.dat");
    std::filesystem::current_path(dir.dir() / "ro");
    for (auto [name, text] :
         {std::pair{"Output.dat", kMsgDefaultFileFailed}, std::pair{"output.dat", kMsgOtherFileFailed}}) {
        Project p = SmallProject();
        p.OutputFileName = name;
        OutputWriter out;
        const auto m = out.WriteOutputHeader(p);
        ASSERT_TRUE(m.has_value());
        EXPECT_EQ(m->text, text);
    }
    std::filesystem::current_path(here);
}

TEST(OutputFile, AWriteThatFailsIsNeverReportedAsExported)
{
    ASSERT_TRUE(std::filesystem::exists("/dev/full"));
    Project p = SmallProject();
    p.OutputFileName = "/dev/full";
    OutputWriter out;
    const auto m = out.WriteOutputHeader(p);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->text, kMsgOtherFileFailed);
}

// A file that stops growing after the header (a full disk): the run must not
// report the data as exported. Run in a child process under a file size limit.
TEST(OutputFile, WriteFailureAfterTheHeaderIsReported)
{
    TempFile dir("", "unused");
    Project p = UniformTable(50, {});
    p.PileTopDepth = 0;
    p.PileTipDepth = 100;
    p.OutputFileName = (dir.dir() / "limited.dat").string();
    const std::size_t headerSize = OutputHeaderText(p).size();
    Array1<Single> v(50);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{static_cast<rlim_t>(headerSize + 100), static_cast<rlim_t>(headerSize + 100)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        OutputWriter out;
        if (out.WriteOutputHeader(p).has_value())
            ::_exit(2);
        out.WriteMethodSection("LCPC Method", v, v, v);
        out.WriteMethodSection("Average", v, v, v);
        const Message m = out.CloseOutputFile();
        const bool ok = m.text == "Could not write to file: " + p.OutputFileName &&
                        m.icon == MsgIcon::Critical && out.Failed();
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// The writer's own number formatting must give ListingForm's text exactly:
// random bit patterns, exact ties at the seventh digit, and the edges of the
// plain and exponent forms.
TEST(ListingText, SameTextAsListingForm)
{
    std::vector<float> values = {0.0F,         -0.0F,          0.5F,
                                 -0.25F,       0.164F,         12.5F,
                                 12345678,     9999999.5F,     999999.94F,
                                 1e-4F,        9.9999997e-5F,  1e-10F,
                                 1e15F,        3.4e38F,        1e-45F,
                                 1234.5625F,   0.00012345675F, std::numeric_limits<float>::infinity(),
                                 std::nanf("")};
    for (int k = 1; k < 4096; ++k) {
        values.push_back(static_cast<float>(k) / 16);            // ties such as 1234.5625
        values.push_back(std::ldexp(static_cast<float>(k), 12)); // large whole numbers
        values.push_back(std::ldexp(static_cast<float>(k), -20));
    }
    std::mt19937 rng(2024);
    for (int k = 0; k < 300000; ++k) {
        const std::uint32_t bits = rng();
        float v;
        std::memcpy(&v, &bits, sizeof v);
        values.push_back(v);
        values.push_back(std::uniform_real_distribution<float>(-1000, 1000)(rng));
    }
    for (float v : values) {
        std::string fast;
        AppendListingForm(fast, v);
        ASSERT_EQ(fast, ListingForm(v)) << std::hexfloat << v;
    }
}

// A listing line is put together in place, numbers at zone boundaries, for
// speed; it must be the line ZoneLine gives item by item, whatever the length
// of the text before the numbers and of the numbers themselves (one that fills
// its zone, one in exponent form, zeros, NaN).
TEST(ListingText, ZonedNumbersAreTheLineZoneLineGives)
{
    std::mt19937 rng(7);
    const float special[] = {0.0F,        -0.0F,         1234567.0F, -1234567.0F, 1.2345678e12F,
                             -9.8765e-9F, std::nanf(""), 100.0F,     0.5F};
    const std::string leads[] = {"",
                                 " 1.5 ",
                                 " 259.2856 ",
                                 " 1234.567 ",
                                 std::string(13, 'x'),
                                 std::string(14, 'y'),
                                 std::string(15, 'z'),
                                 std::string(40, 'w')};
    for (int k = 0; k < 20000; ++k) {
        float values[3];
        for (float& v : values) {
            const auto pick = rng() % 4;
            std::uint32_t bits = rng();
            std::memcpy(&v, &bits, sizeof v);
            if (pick == 0)
                v = special[rng() % std::size(special)];
            else if (pick == 1)
                v = std::uniform_real_distribution<float>(-2000, 2000)(rng);
        }
        const std::string& lead = leads[static_cast<std::size_t>(k) % std::size(leads)];
        const int count = 1 + k % 3;
        ZoneLine expected;
        expected.Text(lead);
        for (int j = 0; j < count; ++j)
            expected.Number(values[j]);
        char line[64 + 3 * (kListingZone + kListingFormMax)];
        std::memcpy(line, lead.data(), lead.size());
        const char* end = WriteZonedNumbers(line, line + lead.size(), values, count);
        ASSERT_EQ(std::string(static_cast<const char*>(line), end), expected.str()) << k;
    }
}
