// The bytes quarvex-batch writes for the field soundings, recorded before the
// core was reshaped: the output file, the CSV, standard output and error and
// the exit status of several pile set-ups on every sounding. Any change of a
// single byte fails here. To record anew after a deliberate change of output,
// run this test with QUARVEX_UPDATE_GOLDEN=1 and commit the digests file.
#include "DesignFixtures.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <sys/wait.h>

using namespace quarvex::testing;

namespace {

const std::filesystem::path kDigests =
    std::filesystem::path(QUARVEX_TEST_DATA_DIR) / "golden" / "field-digests.txt";

std::string Fnv1a(const std::string& bytes)
{
    std::uint64_t h = 14695981039346656037ULL;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    static const char* hex = "0123456789abcdef";
    std::string s(16, '0');
    for (int k = 15; k >= 0; --k, h >>= 4)
        s[static_cast<std::size_t>(k)] = hex[h & 15];
    return s;
}

std::string Quote(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct Sounding {
    std::string path;
    const char* titleLines;
    const char* units;
    const char* midDepthFt; // a layer boundary inside the sounding
};

std::vector<Sounding> Soundings()
{
    const std::string field = QUARVEX_FIELD_DIR;
    const std::string design = std::string(QUARVEX_TEST_DATA_DIR) + "/design/";
    return {
        {field + "/01_nl_voorne-putten_CPTU17-8_m-MPa_spaces.txt", "10", "m-MPa", "30"},
        {field + "/01b_nl_voorne-putten_CPTU17-8_m-MPa_comma.txt", "3", "m-MPa", "30"},
        {field + "/02_nl_bro_CPT000000063044_m-MPa_comma.txt", "10", "m-MPa", "55"},
        {field + "/03_nl_bro_CPT000000217393_m-MPa_tab.txt", "10", "m-MPa", "40"},
        {field + "/04_nl_bro_CPT000000179095_short_m-MPa_spaces.txt", "5", "m-MPa", "12"},
        {field + "/05_nl_amsterdam_A01-1_5mm_truncated_m-MPa_spaces.txt", "8", "m-MPa", "30"},
        {field + "/06_nl-offshore_borssele_CPT_WFS1_1_m-MPa_spaces.txt", "10", "m-MPa", "45"},
        {field + "/07_nl-offshore_borssele_BH-WFS1-2A_downhole_m-MPa_comma.txt", "10", "m-MPa", "120"},
        {field + "/08_no_tiller-flotten_TILC57_m-MPa_tab.txt", "9", "m-MPa", "40"},
        {field + "/08b_no_tiller-flotten_TILC57_m-MPa_spaces.txt", "6", "m-MPa", "40"},
        {field + "/09_no_oysand_OYSC33_m-MPa_spaces.txt", "9", "m-MPa", "45"},
        {field + "/10_no_halsen_HALS01_10mm_m-MPa_comma.txt", "9", "m-MPa", "35"},
        {field + "/11_us_alameda_ALC017_ft-tsf_spaces.txt", "9", "ft-tsf", "80"},
        {field + "/11b_us_alameda_ALC017_ft-tsf_comma.txt", "3", "ft-tsf", "80"},
        {field + "/12_us_alameda_ALC008_ft-tsf_tab.txt", "12", "ft-tsf", "50"},
        {design + "sounding_ft_tsf.txt", "2", "ft-tsf", "30"},
        {design + "sounding_m_mv.txt", "2", "m-mV", "10"},
    };
}

struct SetUp {
    const char* name;
    std::vector<std::string> args;
};

std::vector<SetUp> SetUps(const Sounding& s)
{
    return {
        {"square14-auto", {"--size", "14"}},
        {"round24-manual-tip2",
         {"--shape", "round", "--size", "24", "--layers", std::string("manual:") + s.midDepthFt,
          "--tip-option", "2", "--elevation", "12.5", "--project-number", "G-1"}},
        {"square18-manual-tip3",
         {"--size", "18", "--layers", "manual", "--tip-option", "3", "--tip-value", "20"}},
        {"round12-auto-tip3",
         {"--shape", "round", "--size", "12.75", "--tip-option", "3", "--tip-value", "0"}},
    };
}

// One line per run: sounding, set-up, and the digests of what it produced.
std::string RunAll()
{
    TempFile dir("", "unused");
    std::string lines;
    for (const Sounding& s : Soundings()) {
        for (const SetUp& u : SetUps(s)) {
            std::vector<std::string> args = {s.path,     "--title-lines", s.titleLines, "--units", s.units,
                                             "--output", "g.dat",         "--csv",      "g.csv"};
            args.insert(args.end(), u.args.begin(), u.args.end());
            std::string cmd =
                "cd " + Quote(dir.dir().string()) + " && rm -f g.dat g.csv && " + Quote(QUARVEX_BATCH_EXE);
            for (const auto& a : args)
                cmd += " " + Quote(a);
            cmd += " >out.txt 2>err.txt";
            const int raw = std::system(cmd.c_str());
            const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
            auto digest = [&](const char* name) { return Fnv1a(ReadWholeFile((dir.dir() / name).string())); };
            lines += std::filesystem::path(s.path).filename().string() + " " + u.name +
                     " status=" + std::to_string(status) + " dat=" + digest("g.dat") +
                     " csv=" + digest("g.csv") + " out=" + digest("out.txt") + " err=" + digest("err.txt") +
                     "\n";
        }
    }
    return lines;
}

} // namespace

TEST(Golden, FieldSoundingsGiveTheRecordedBytes)
{
    const std::string now = RunAll();
    if (std::getenv("QUARVEX_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(kDigests, std::ios::binary) << now;
        GTEST_FAIL() << "recorded " << kDigests << "; run again without QUARVEX_UPDATE_GOLDEN";
    }
    const std::string recorded = ReadWholeFile(kDigests.string());
    ASSERT_FALSE(recorded.empty()) << kDigests;
    EXPECT_EQ(now, recorded);
}
