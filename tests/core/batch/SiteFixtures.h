#pragma once
// The site the site tests run: field soundings of the repository and made-up
// ones written into a temporary folder (one of them unreadable), listed in a
// manifest, with the single runs' options of each.
#include "BatchCommand.h"
#include "TestFiles.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace quarvex::testing {

// A made-up plain sounding in ft and tsf: two title lines, then `readings`
// readings 0.2 ft apart; `strength` scales the tip resistance, so that the
// soundings of a site differ.
inline std::string MadeUpSounding(int readings, double strength)
{
    std::string t = "Made-up sounding\r\nfor the site tests\r\n";
    char line[96];
    for (int k = 1; k <= readings; ++k) {
        const double depth = k * 0.2;
        const double tip = strength * (8 + depth * 0.9 + 6 * ((k * 37) % 23) / 23.0);
        const double sleeve = 0.2 + ((k * 53) % 29) / 60.0;
        std::snprintf(line, sizeof line, "%.2f, %.3f, %.4f\r\n", depth, tip, sleeve);
        t += line;
    }
    return t;
}

struct SiteEntry {
    std::string file;       // as the manifest names it
    std::string path;       // where it is
    std::string units;      // --units
    std::string titleLines; // --title-lines
    std::string name;       // the manifest's name cell (may be empty)
    std::string elevation;  // the manifest's elevation cell (may be empty)
};

// Writes the made-up soundings and the manifest into `dir`; the entries in the
// manifest's order.
inline std::vector<SiteEntry> WriteSite(const std::filesystem::path& dir)
{
    const std::string field = QUARVEX_FIELD_DIR;
    const std::string design = std::string(QUARVEX_TEST_DATA_DIR) + "/design/";
    std::filesystem::create_directories(dir / "made-up");
    WriteWholeFile((dir / "made-up" / "firm.txt").string(), MadeUpSounding(300, 1.4));
    WriteWholeFile((dir / "made-up" / "soft.txt").string(), MadeUpSounding(180, 0.6));
    WriteWholeFile((dir / "made-up" / "deep.txt").string(), MadeUpSounding(520, 1.0));
    WriteWholeFile(
        (dir / "made-up" / "broken.txt").string(),
        "Made-up sounding\r\nwith a reading that is no number\r\n0.2, 10, 0.5\r\n0.4, ten, 0.5\r\n");
    std::vector<SiteEntry> site = {
        {field + "/01_nl_voorne-putten_CPTU17-8_m-MPa_spaces.txt", "", "m-MPa", "10", "Voorne-Putten", ""},
        {field + "/02_nl_bro_CPT000000063044_m-MPa_comma.txt", "", "m-MPa", "10", "", "3.5"},
        {"made-up/firm.txt", "", "ft-tsf", "2", "firm, made up", ""},
        {field + "/04_nl_bro_CPT000000179095_short_m-MPa_spaces.txt", "", "m-MPa", "5", "", ""},
        {"made-up/broken.txt", "", "ft-tsf", "2", "", ""},
        {field + "/09_no_oysand_OYSC33_m-MPa_spaces.txt", "", "m-MPa", "9", "", ""},
        {field + "/11_us_alameda_ALC017_ft-tsf_spaces.txt", "", "ft-tsf", "9", "", ""},
        {"made-up/soft.txt", "", "ft-tsf", "2", "", ""},
        {field + "/12_us_alameda_ALC008_ft-tsf_tab.txt", "", "ft-tsf", "12", "", ""},
        {design + "sounding_ft_tsf.txt", "", "ft-tsf", "2", "", ""},
        {design + "sounding_m_mv.txt", "", "m-mV", "2", "", ""},
        {"made-up/deep.txt", "", "ft-tsf", "2", "", ""},
    };
    std::string manifest = "file,units,title_lines,elevation,name\r\n";
    for (SiteEntry& e : site) {
        e.path = e.file[0] == '/' ? e.file : (dir / e.file).string();
        const std::string name = e.name.find(',') != std::string::npos ? "\"" + e.name + "\"" : e.name;
        manifest += e.file + "," + e.units + "," + e.titleLines + "," + e.elevation + "," + name + "\r\n";
    }
    WriteWholeFile((dir / "manifest.csv").string(), manifest);
    return site;
}

// The cells of one line of a CSV file written by the program (quoted cells
// may hold commas).
inline std::vector<std::string> CsvCells(const std::string& line)
{
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (std::size_t k = 0; k < line.size(); ++k) {
        const char c = line[k];
        if (quoted && c == '"' && k + 1 < line.size() && line[k + 1] == '"')
            cells.back() += line[++k];
        else if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            cells.emplace_back();
        else
            cells.back() += c;
    }
    return cells;
}

// The lines of a CR LF text, without their ends.
inline std::vector<std::string> CrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

} // namespace quarvex::testing
