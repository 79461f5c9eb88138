// quarvex-batch on GEF, AGS4 and plain files: the format by content or by
// --format, the sounding of a file with several, and the design that a file
// and its hand conversion share.
#include "../BatchCommand.h"
#include "../TestFiles.h"
#include "FormatTestText.h"
#include "input/formats/TextScan.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <sys/wait.h>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

using BatchRun = CommandRun;

BatchRun RunBatch(const std::filesystem::path& dir, const std::vector<std::string>& args)
{
    return RunCommand(dir, args);
}

std::string FileText(const std::filesystem::path& path)
{
    return formats::ReadWholeFile(path.string()).value_or("");
}

// The output file from the first method's table on: what the design computed,
// without the header's project information and comments.
std::string MethodSections(const std::string& output)
{
    const auto at = output.find("LCPC Method");
    return at == std::string::npos ? std::string() : output.substr(at);
}

const std::string kAgs = FormatFixture("site_two_locations.ags");

} // namespace

// The design cannot tell a GEF file from its hand conversion into the plain
// m-MPa format; only the header's project information differs, and it is the
// GEF file's.
TEST(BatchFormats, GefAndItsHandConversionGiveTheSameCapacityTables)
{
    TempFile dir("", "unused");
    const BatchRun gef = RunBatch(dir.dir(), {FormatFixture("lock_gate_dkm07.gef"), "--size", "14",
                                              "--output", "gef.dat", "--csv", "gef.csv"});
    ASSERT_EQ(gef.status, 0) << gef.err;
    const BatchRun plain =
        RunBatch(dir.dir(), {FormatFixture("lock_gate_dkm07_plain.txt"), "--units", "m-MPa", "--title-lines",
                             "2", "--size", "14", "--output", "plain.dat", "--csv", "plain.csv"});
    ASSERT_EQ(plain.status, 0) << plain.err;

    const std::string gefOut = FileText(dir.dir() / "gef.dat");
    const std::string plainOut = FileText(dir.dir() / "plain.dat");
    const std::string tables = MethodSections(gefOut);
    ASSERT_NE(tables.find("Average"), std::string::npos) << gefOut;
    EXPECT_EQ(tables, MethodSections(plainOut));
    EXPECT_EQ(FileText(dir.dir() / "gef.csv"), FileText(dir.dir() / "plain.csv"));

    EXPECT_NE(gefOut.find("Project Number: 2024-031\tCompany: Example Sonderingen B.V."), std::string::npos);
    EXPECT_NE(gefOut.find("Date: 06-18-2024"), std::string::npos);
    EXPECT_NE(gefOut.find("Comments: GEF sounding DKM-07"), std::string::npos);
    EXPECT_EQ(plainOut.find("2024-031"), std::string::npos);

    // Given on the command line, project information replaces the file's;
    // --units and --title-lines do not apply to a GEF file.
    const BatchRun typed = RunBatch(dir.dir(), {FormatFixture("lock_gate_dkm07.gef"), "--size", "14",
                                                "--output", "typed.dat", "--company", "Typed Ltd", "--date",
                                                "", "--units", "ft-tsf", "--title-lines", "0"});
    ASSERT_EQ(typed.status, 0) << typed.err;
    const std::string typedOut = FileText(dir.dir() / "typed.dat");
    EXPECT_NE(typedOut.find("Project Number: 2024-031\tCompany: Typed Ltd\r\n"), std::string::npos);
    EXPECT_NE(typedOut.find("Date: \r\n"), std::string::npos);
    EXPECT_EQ(MethodSections(typedOut), tables);
}

TEST(BatchFormats, SeveralSoundingsNeedTheirId)
{
    TempFile dir("", "unused");
    for (const std::vector<std::string>& extra :
         {std::vector<std::string>{}, std::vector<std::string>{"--sounding", "CPT03"},
          std::vector<std::string>{"--sounding", "cpt01"}}) {
        std::vector<std::string> args = {kAgs, "--size", "14"};
        args.insert(args.end(), extra.begin(), extra.end());
        const BatchRun r = RunBatch(dir.dir(), args);
        SCOPED_TRACE(extra.empty() ? "(no --sounding)" : extra.back());
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(kAgs), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("CPT01, CPT02"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(std::filesystem::exists(dir.dir() / "Output.dat"));
    }

    // CPT02 is a few readings only: that it is the one read shows in the refusal.
    const BatchRun shallow = RunBatch(dir.dir(), {kAgs, "--size", "14", "--sounding", "CPT02"});
    EXPECT_EQ(shallow.status, 1);
    EXPECT_NE(shallow.err.find("The sounding is too short to classify"), std::string::npos) << shallow.err;

    const BatchRun one = RunBatch(dir.dir(), {kAgs, "--size", "14", "--sounding", "CPT01"});
    ASSERT_EQ(one.status, 0) << one.err;
    const std::string out = FileText(dir.dir() / "Output.dat");
    EXPECT_NE(out.find("Comments: AGS4 sounding CPT01"), std::string::npos) << out.substr(0, 400);
    // LOCA_GL 3.85 m in ft.
    EXPECT_NE(out.find("Ground Elevation: 12.63123\t"), std::string::npos);
    EXPECT_NE(out.find("Project Number: P-1187"), std::string::npos);
    EXPECT_NE(MethodSections(out).find("Average"), std::string::npos);
}

// A forced format is that reader's, whatever the file holds: its refusal is the
// reader's message with exit status 1; an unknown format is a usage error.
TEST(BatchFormats, ForcedFormats)
{
    TempFile dir("", "unused");
    const std::string gef = FormatFixture("lock_gate_dkm07.gef");
    const struct {
        std::string file;
        const char* format;
        const char* message;
    } refused[] = {
        {kAgs, "gef", "line 1: header line does not begin with '#'"},
        {gef, "ags", "line 1: row begins with '#GEFID= 1'"},
        {gef, "table", "a reading comes before any heading row"},
        {gef, "plain", "Could not read data from file. Please Check line Number 11"},
        {FormatFixture("lock_gate_dkm07_plain.txt"), "GEF", "does not begin with '#'"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.format);
        const BatchRun r = RunBatch(dir.dir(), {c.file, "--format", c.format, "--size", "14"});
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }

    const BatchRun unknown = RunBatch(dir.dir(), {gef, "--format", "xlsx", "--size", "14"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("--format must be auto, gef, ags, table or plain, not 'xlsx'"),
              std::string::npos);

    // Forced to what the content says, the file reads as by detection.
    const BatchRun forced =
        RunBatch(dir.dir(), {gef, "--format", "gef", "--size", "14", "--output", "f.dat"});
    ASSERT_EQ(forced.status, 0) << forced.err;
    const BatchRun detected = RunBatch(dir.dir(), {gef, "--size", "14", "--output", "d.dat"});
    ASSERT_EQ(detected.status, 0) << detected.err;
    EXPECT_EQ(FileText(dir.dir() / "f.dat"), FileText(dir.dir() / "d.dat"));
}
