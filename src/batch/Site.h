#pragma once
// A site run: one pile set-up over many soundings on a fixed pool of worker
// threads, each sounding's output file as a single run writes it, a summary
// row per sounding and the characteristic capacities over the site.

#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "results/Characteristic.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quarvex::batch {

inline constexpr const char* kSiteCsvName = "site.csv";
inline constexpr const char* kSiteProfileName = "site-profile.csv";

// One sounding of the site: a manifest row, or a data file given (alone or in
// a folder). Units and title lines not given are the command line's.
struct SiteSounding {
    std::string file;
    std::string name; // as site.csv names it: the manifest's, else the file name without extension
    std::optional<int> units;
    std::optional<int> titleLines;
    std::optional<std::string> elevation;
};

// The soundings of the run: the manifest's rows in order, then the arguments
// (a folder stands for its files, hidden ones left out, in name order).
// Nothing, with `error` set, when the manifest cannot be read or is malformed.
std::optional<std::vector<SiteSounding>> ListSiteSoundings(const Options& o, std::string& error);

// Parses a manifest's text; relative file names are taken from `folder`.
std::optional<std::vector<SiteSounding>> ParseManifest(const std::string& text, const std::string& folder,
                                                       std::string& error);

// The options of a single run that designs this sounding and writes its output
// file into the output folder.
Options SoundingOptions(const Options& site, const SiteSounding& s);

// One sounding's row of site.csv.
struct SiteRow {
    SiteSounding sounding;
    bool ok = false;
    std::string message; // the refusal, or a note on a completed run
    RunResult run;       // without the depth profile, which has gone into the site's
};

// The statistics of one quantity: [method][0 end bearing, 1 friction, 2 ultimate].
using TipStats = std::vector<std::array<SampleStats, 3>>;

// The ultimate capacities of the soundings of one step size, by step index
// (1-based: [0] is unused) and method.
struct ProfileGroup {
    float stepSize = 0;
    std::vector<std::vector<SampleStats>> steps;
};

struct SiteResult {
    std::vector<SiteRow> rows;
    TipStats tip;
    std::vector<ProfileGroup> profile;
};

// Runs every sounding on `jobs` workers. `progress` (if any) is called on the
// calling thread now and then with the number of soundings done. The result
// does not depend on the number of jobs.
SiteResult RunSite(const Options& o, const std::vector<SiteSounding>& soundings, int jobs,
                   const std::function<void(int done)>& progress = {});

// The correlation factors in force: the recommended ones, or those given.
CorrelationFactors SiteFactors(const Options& o);

// site.csv: a heading row, one row per sounding in the list's order, then the
// statistics and characteristic values of the capacities at the tips.
std::string SiteCsvText(const SiteResult& r, const CorrelationFactors& factors, bool withLoad);
// site-profile.csv: per depth and method the statistics of the ultimate
// capacity over the soundings that reach that depth, and its characteristic value.
std::string SiteProfileText(const SiteResult& r, const CorrelationFactors& factors);

// The progress line: soundings done of all, the rate and the time left.
std::string ProgressText(int done, int total, double seconds);

// The whole command: lists, runs, reports progress on standard error (unless
// --quiet), writes the summaries; the exit status.
int SiteCommand(const Options& o);

} // namespace quarvex::batch
