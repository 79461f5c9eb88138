#include "batch/Site.h"

#include "design/DesignBasis.h"
#include "design/Methods.h"
#include "project/NumberText.h"
#include "results/CsvExport.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <thread>

#include <unistd.h>

namespace quarvex::batch {

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string Trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The cells of one CSV record starting at `pos` (quoted cells may hold commas,
// doubled quotes and line breaks); `pos` moves past the record's line end.
std::vector<std::string> CsvRecord(const std::string& text, std::size_t& pos, bool& badQuote)
{
    std::vector<std::string> cells(1);
    bool quoted = false;
    while (pos < text.size()) {
        const char c = text[pos++];
        if (quoted) {
            if (c == '"' && pos < text.size() && text[pos] == '"') {
                cells.back() += '"';
                ++pos;
            } else if (c == '"') {
                quoted = false;
            } else {
                cells.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            cells.emplace_back();
        } else if (c == '\n') {
            break;
        } else if (c != '\r') {
            cells.back() += c;
        }
    }
    badQuote = quoted;
    return cells;
}

// A cell of the CSV files written: quoted when it holds a comma or a quote. A
// message's line breaks become blanks, so that each sounding is one line.
std::string CsvCell(std::string s)
{
    std::string flat;
    for (std::size_t k = 0; k < s.size(); ++k) {
        if (s[k] == '\r' || s[k] == '\n') {
            if (s[k] == '\r' && k + 1 < s.size() && s[k + 1] == '\n')
                ++k;
            flat += ' ';
        } else {
            flat += s[k];
        }
    }
    if (flat.find_first_of(",\"") == std::string::npos)
        return flat;
    std::string q = "\"";
    for (char c : flat)
        q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

std::string ReadText(const std::string& path, bool& ok)
{
    std::ifstream in(path, std::ios::binary);
    ok = static_cast<bool>(in);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Number(double v)
{
    return GeneralForm(static_cast<float>(v));
}

// Folds one sounding's capacities into the site's statistics. Called in the
// list's order only, so that the sums are the same whatever the jobs.
void Fold(const DesignedCapacities& d, SiteResult& site)
{
    const std::size_t methods = d.methods.size();
    if (site.tip.size() < methods)
        site.tip.resize(methods);
    for (std::size_t m = 0; m < methods; ++m) {
        const MethodCapacities& c = d.methods[m];
        const float values[3] = {c.endBearing, c.friction, c.ultimate};
        for (int k = 0; k < 3; ++k)
            if (std::isfinite(values[k]))
                site.tip[m][static_cast<std::size_t>(k)].Add(values[k]);
    }

    auto group = std::find_if(site.profile.begin(), site.profile.end(),
                              [&](const ProfileGroup& g) { return g.stepSize == d.stepSize; });
    if (group == site.profile.end()) {
        site.profile.push_back(ProfileGroup{d.stepSize, {}});
        group = std::prev(site.profile.end());
    }
    const std::size_t steps = d.depths.size();
    const std::size_t needed = static_cast<std::size_t>(d.firstStep) + steps;
    if (group->steps.size() < needed)
        group->steps.resize(needed, std::vector<SampleStats>(methods));
    for (std::size_t m = 0; m < methods; ++m) {
        const std::vector<float>& u = d.methods[m].ultimates;
        for (std::size_t k = 0; k < u.size() && k < steps; ++k)
            if (std::isfinite(u[k]))
                group->steps[static_cast<std::size_t>(d.firstStep) + k][m].Add(u[k]);
    }
}

SiteRow RowOf(const SiteSounding& s, RunResult run)
{
    SiteRow row;
    row.sounding = s;
    row.ok = run.status == kExitOk && run.designed.has_value();
    std::string message = run.err;
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    if (row.ok && run.designed->tipStep == 0)
        message = "No step lies in the analysis range.";
    row.message = message;
    row.run = std::move(run);
    return row;
}

std::string StemOf(const std::string& file)
{
    return fs::path(file).stem().string();
}

} // namespace

std::optional<std::vector<SiteSounding>> ParseManifest(const std::string& text, const std::string& folder,
                                                       std::string& error)
{
    std::size_t pos = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0; // a spreadsheet's byte order mark
    int line = 0;
    std::map<std::string, std::size_t> column;
    std::vector<SiteSounding> list;
    const auto fail = [&](const std::string& what) {
        error = "manifest line " + IntegerText(line) + ": " + what;
        return std::nullopt;
    };
    while (pos < text.size()) {
        ++line;
        bool badQuote = false;
        std::vector<std::string> cells = CsvRecord(text, pos, badQuote);
        if (badQuote)
            return fail("a quote is not closed");
        for (std::string& c : cells)
            c = Trimmed(c);
        if (cells.size() == 1 && cells[0].empty())
            continue; // an empty line
        if (column.empty()) {
            for (std::size_t k = 0; k < cells.size(); ++k) {
                const std::string name = Lower(cells[k]);
                if (name != "file" && name != "units" && name != "title_lines" && name != "elevation" &&
                    name != "name")
                    return fail(
                        "unknown column '" + cells[k] +
                        "' (the columns are file, units, title_lines and optionally elevation, name)");
                if (!column.emplace(name, k).second)
                    return fail("column '" + cells[k] + "' appears twice");
            }
            for (const char* needed : {"file", "units", "title_lines"})
                if (column.count(needed) == 0)
                    return fail(std::string("the heading row has no column '") + needed + "'");
            continue;
        }
        if (cells.size() > column.size())
            return fail("more cells than headings");
        cells.resize(column.size());
        const auto cell = [&](const char* name) -> std::string {
            const auto it = column.find(name);
            return it == column.end() ? std::string() : cells[it->second];
        };
        SiteSounding s;
        s.file = cell("file");
        if (s.file.empty())
            return fail("no file named");
        if (fs::path(s.file).is_relative())
            s.file = (fs::path(folder) / s.file).string();
        if (const std::string units = cell("units"); !units.empty()) {
            s.units = UnitsCode(units);
            if (!s.units)
                return fail("units must be ft-tsf, m-MPa or m-mV, not '" + units + "'");
        }
        if (const std::string titles = cell("title_lines"); !titles.empty()) {
            s.titleLines = TitleLinesCount(titles);
            if (!s.titleLines)
                return fail("title_lines must be a whole number from 0 to 15, not '" + titles + "'");
        }
        if (column.count("elevation") != 0 && !cell("elevation").empty())
            s.elevation = cell("elevation");
        s.name = cell("name").empty() ? StemOf(s.file) : cell("name");
        list.push_back(std::move(s));
    }
    if (column.empty()) {
        error = "the manifest is empty (it needs a heading row: file,units,title_lines)";
        return std::nullopt;
    }
    return list;
}

std::optional<std::vector<SiteSounding>> ListSiteSoundings(const Options& o, std::string& error)
{
    std::vector<SiteSounding> list;
    if (o.siteRun.manifest) {
        bool ok = false;
        const std::string text = ReadText(*o.siteRun.manifest, ok);
        if (!ok || fs::is_directory(*o.siteRun.manifest)) {
            error = "cannot read the manifest '" + *o.siteRun.manifest + "'";
            return std::nullopt;
        }
        auto rows = ParseManifest(text, fs::path(*o.siteRun.manifest).parent_path().string(), error);
        if (!rows) {
            error = *o.siteRun.manifest + ": " + error;
            return std::nullopt;
        }
        list = std::move(*rows);
    }
    for (const std::string& input : o.siteRun.inputs) {
        std::error_code ec;
        std::vector<std::string> files;
        if (fs::is_directory(input, ec)) {
            for (const fs::directory_entry& e : fs::directory_iterator(input, ec)) {
                const std::string name = e.path().filename().string();
                if (!name.empty() && name[0] != '.' && e.is_regular_file(ec))
                    files.push_back(e.path().string());
            }
            if (ec) {
                error = "cannot read the folder '" + input + "'";
                return std::nullopt;
            }
            std::sort(files.begin(), files.end());
        } else {
            files.push_back(input); // a file that cannot be read fails in its row
        }
        for (const std::string& f : files)
            list.push_back(SiteSounding{f, StemOf(f), std::nullopt, std::nullopt, std::nullopt});
    }
    if (list.empty()) {
        error = "no soundings to run";
        return std::nullopt;
    }
    return list;
}

Options SoundingOptions(const Options& site, const SiteSounding& s)
{
    Options o = site;
    o.site = false;
    o.siteRun = SiteOptions();
    o.input = s.file;
    if (s.units)
        o.units = *s.units;
    if (s.titleLines)
        o.titleLines = *s.titleLines;
    if (s.elevation) {
        o.elevation = s.elevation;
        o.given.insert("--elevation");
    }
    o.output = (fs::path(site.siteRun.outputDir.value_or(".")) / (StemOf(s.file) + ".dat")).string();
    return o;
}

SiteResult RunSite(const Options& o, const std::vector<SiteSounding>& soundings, int jobs,
                   const std::function<void(int done)>& progress)
{
    const std::size_t total = soundings.size();
    SiteResult site;
    site.rows.resize(total);

    // Two soundings whose files share a name would write one output file; the
    // first in the list keeps it. A sounding whose output would replace its
    // own data file is refused as a single run refuses it.
    std::vector<std::optional<std::string>> refusal(total);
    std::map<std::string, std::size_t> taken;
    for (std::size_t k = 0; k < total; ++k) {
        const Options single = SoundingOptions(o, soundings[k]);
        const auto [it, fresh] = taken.emplace(*single.output, k);
        if (!fresh)
            refusal[k] = "its output file " + *single.output + " is that of sounding " +
                         IntegerText(static_cast<long long>(it->second) + 1) + " (" +
                         soundings[it->second].file + ")";
        else if (SameFile(*single.output, single.input))
            refusal[k] = "the output would replace the data file";
    }

    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::optional<RunResult>> finished(total);
    std::size_t folded = 0; // rows before this one are in the statistics
    std::size_t done = 0;
    std::atomic<std::size_t> next{0};

    const auto work = [&] {
        for (std::size_t k; (k = next.fetch_add(1)) < total;) {
            RunResult r;
            if (refusal[k]) {
                r.status = kExitRefused;
                r.err = *refusal[k] + "\n";
            } else {
                r = RunDesign(SoundingOptions(o, soundings[k]), true);
            }
            const std::lock_guard<std::mutex> lock(mutex);
            finished[k] = std::move(r);
            ++done;
            // Fold every row that now follows the folded ones without a gap; the
            // depth profile is dropped once it is in the statistics.
            for (; folded < total && finished[folded]; ++folded) {
                RunResult& f = *finished[folded];
                if (f.status == kExitOk && f.designed && f.designed->tipStep != 0)
                    Fold(*f.designed, site);
                if (f.designed) {
                    f.designed->depths = {};
                    for (MethodCapacities& m : f.designed->methods)
                        m.ultimates = {};
                }
                site.rows[folded] = RowOf(soundings[folded], std::move(f));
                finished[folded].reset();
            }
            changed.notify_all();
        }
    };

    const std::size_t workers = std::max<std::size_t>(1, std::min<std::size_t>(jobs < 1 ? 1 : jobs, total));
    std::vector<std::thread> pool;
    pool.reserve(workers);
    for (std::size_t w = 0; w < workers; ++w)
        pool.emplace_back(work);
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (folded < total) {
            changed.wait_for(lock, std::chrono::milliseconds(250));
            if (progress) {
                const int now = static_cast<int>(done);
                lock.unlock();
                progress(now);
                lock.lock();
            }
        }
    }
    for (std::thread& t : pool)
        t.join();
    return site;
}

CorrelationFactors SiteFactors(const Options& o)
{
    CorrelationFactors f = RecommendedCorrelationFactors();
    const auto given = [](const std::vector<double>& v, std::array<double, 7>& to) {
        if (v.size() == 1)
            to.fill(v[0]);
        else if (v.size() == to.size())
            std::copy(v.begin(), v.end(), to.begin());
    };
    given(o.siteRun.xi3, f.xi3);
    given(o.siteRun.xi4, f.xi4);
    return f;
}

std::string SiteCsvText(const SiteResult& r, const CorrelationFactors& factors, bool withLoad)
{
    const MethodTable& methods = DefaultMethods();
    std::string t = "Name,File,Readings,FirstDepth,LastDepth,Status,Message,TipDepth";
    for (const MethodEntry& m : methods)
        t += "," + m.key + "EndBearing," + m.key + "Friction," + m.key + "Ultimate";
    if (withLoad)
        for (const MethodEntry& m : methods)
            t += "," + m.key + "Design," + m.key + "Pass";
    t += "\r\n";

    const std::size_t capacityCells = methods.size() * 3;
    const std::size_t loadCells = withLoad ? methods.size() * 2 : 0;
    for (const SiteRow& row : r.rows) {
        t += CsvCell(row.sounding.name) + "," + CsvCell(row.sounding.file) + ",";
        if (row.run.read)
            t += IntegerText(row.run.readings) + "," + GeneralForm(row.run.firstDepth) + "," +
                 GeneralForm(row.run.lastDepth);
        else
            t += ",,";
        t += std::string(",") + (row.ok ? "ok" : "failed") + "," + CsvCell(row.message) + ",";
        const DesignedCapacities* d = row.ok && row.run.designed->tipStep != 0 ? &*row.run.designed : nullptr;
        if (d != nullptr) {
            t += GeneralForm(d->tipDepth);
            for (const MethodCapacities& m : d->methods)
                t += "," + GeneralForm(m.endBearing) + "," + GeneralForm(m.friction) + "," +
                     GeneralForm(m.ultimate);
            for (std::size_t k = 0; k < d->designAtTip.size() && withLoad; ++k)
                t += "," + GeneralForm(d->designAtTip[k]) + "," + (d->passes[k] ? "pass" : "fail");
            for (std::size_t k = d->designAtTip.size(); k < methods.size() && withLoad; ++k)
                t += ",,";
        } else {
            t += std::string(capacityCells + loadCells, ',');
        }
        t += "\r\n";
    }

    // The statistics of the capacities at each sounding's pile tip.
    const char* names[] = {"n", "mean", "minimum", "standard deviation", "xi3", "xi4", "characteristic"};
    for (int line = 0; line < 7; ++line) {
        t += std::string(names[line]) + ",,,,,site,,";
        for (std::size_t m = 0; m < methods.size(); ++m) {
            for (std::size_t q = 0; q < 3; ++q) {
                t += ",";
                if (m >= r.tip.size())
                    continue;
                const auto c = CharacteristicValue(r.tip[m][q], factors);
                if (!c) {
                    if (line == 0)
                        t += "0";
                    continue;
                }
                switch (line) {
                case 0:
                    t += IntegerText(c->n);
                    break;
                case 1:
                    t += Number(c->mean);
                    break;
                case 2:
                    t += Number(c->minimum);
                    break;
                case 3:
                    t += c->standardDeviation ? Number(*c->standardDeviation) : std::string();
                    break;
                case 4:
                    t += Number(c->xi3);
                    break;
                case 5:
                    t += Number(c->xi4);
                    break;
                default:
                    t += Number(c->value);
                    break;
                }
            }
        }
        t += std::string(loadCells, ',') + "\r\n";
    }
    return t;
}

std::string SiteProfileText(const SiteResult& r, const CorrelationFactors& factors)
{
    const MethodTable& methods = DefaultMethods();
    std::string t = "Depth";
    for (const MethodEntry& m : methods)
        t += "," + m.key + "N," + m.key + "Mean," + m.key + "Minimum," + m.key + "StdDev," + m.key + "Xi3," +
             m.key + "Xi4," + m.key + "Characteristic";
    t += "\r\n";
    if (r.profile.empty())
        return t;

    // The rows are the step depths of the finest step table among the
    // soundings; a sounding of a coarser table counts at the depths its steps
    // cover (the step whose interval holds the depth).
    float fine = r.profile.front().stepSize;
    double reach = 0;
    for (const ProfileGroup& g : r.profile) {
        fine = std::min(fine, g.stepSize);
        reach = std::max(reach, static_cast<double>(g.stepSize) * static_cast<double>(g.steps.size()));
    }
    if (!(fine > 0))
        return t;
    float depth = fine / 2; // the step table's own sequence of depths
    for (std::size_t k = 1; depth < reach; ++k, depth = depth + fine) {
        std::vector<SampleStats> at(methods.size());
        for (const ProfileGroup& g : r.profile) {
            const std::size_t i = g.stepSize == fine
                                      ? k
                                      : static_cast<std::size_t>(std::floor(
                                            static_cast<double>(depth) / static_cast<double>(g.stepSize))) +
                                            1;
            if (i < g.steps.size())
                for (std::size_t m = 0; m < methods.size() && m < g.steps[i].size(); ++m)
                    at[m].Merge(g.steps[i][m]);
        }
        if (std::none_of(at.begin(), at.end(), [](const SampleStats& s) { return s.Count() > 0; }))
            continue;
        t += GeneralForm(depth);
        for (const SampleStats& s : at) {
            const auto c = CharacteristicValue(s, factors);
            if (!c) {
                t += ",0,,,,,,";
                continue;
            }
            t += "," + IntegerText(c->n) + "," + Number(c->mean) + "," + Number(c->minimum) + "," +
                 (c->standardDeviation ? Number(*c->standardDeviation) : std::string()) + "," +
                 Number(c->xi3) + "," + Number(c->xi4) + "," + Number(c->value);
        }
        t += "\r\n";
    }
    return t;
}

std::string ProgressText(int done, int total, double seconds)
{
    std::string t = "site: " + IntegerText(done) + "/" + IntegerText(total) + " soundings";
    if (seconds > 0 && done > 0) {
        const double rate = done / seconds;
        t += ", " + FixedForm(rate, 1) + " per second";
        const long long left = std::llround((total - done) / rate);
        t += ", " + IntegerText(left / 60) + ":" + (left % 60 < 10 ? "0" : "") + IntegerText(left % 60) +
             " left";
    }
    return t;
}

int SiteCommand(const Options& o)
{
    std::string error;
    const auto soundings = ListSiteSoundings(o, error);
    if (!soundings) {
        std::fputs(
            ("quarvex-batch: " + error + "\nTry 'quarvex-batch --help' for more information.\n").c_str(),
            stderr);
        return kExitUsage;
    }
    const std::string dir = *o.siteRun.outputDir;
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir, ec)) {
        std::fputs(("Could not create the output folder: " + dir + "\n").c_str(), stderr);
        return kExitRefused;
    }

    int jobs = o.siteRun.jobs;
    if (jobs < 1)
        jobs = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));

    // The progress line shows once a run has lasted a second; on a terminal
    // it is rewritten in place, elsewhere a line is added every ten seconds.
    const bool terminal = ::isatty(STDERR_FILENO) != 0;
    const auto start = std::chrono::steady_clock::now();
    double lastShown = 0;
    bool shown = false;
    const int total = static_cast<int>(soundings->size());
    const auto progress = [&](int done) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (seconds < 1 || (!terminal && seconds - lastShown < 10) ||
            (terminal && seconds - lastShown < 0.25))
            return;
        lastShown = seconds;
        shown = true;
        const std::string line = ProgressText(done, total, seconds);
        std::fputs(terminal ? ("\r" + line + "\x1b[K").c_str() : (line + "\n").c_str(), stderr);
    };
    std::function<void(int)> report;
    if (!o.siteRun.quiet)
        report = progress;
    const SiteResult site = RunSite(o, *soundings, jobs, report);
    if (shown && terminal) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::fputs(("\r" + ProgressText(total, total, seconds) + "\x1b[K\n").c_str(), stderr);
    }

    const CorrelationFactors factors = SiteFactors(o);
    const std::string csvPath = (fs::path(dir) / kSiteCsvName).string();
    const std::string profilePath = (fs::path(dir) / kSiteProfileName).string();
    int status = kExitOk;
    if (!WriteFileReplacing(csvPath, SiteCsvText(site, factors, o.designLoad.has_value()))) {
        std::fputs(("Could not write to file: " + csvPath + "\n").c_str(), stderr);
        status = kExitRefused;
    }
    if (!WriteFileReplacing(profilePath, SiteProfileText(site, factors))) {
        std::fputs(("Could not write to file: " + profilePath + "\n").c_str(), stderr);
        status = kExitRefused;
    }
    const auto ok = std::count_if(site.rows.begin(), site.rows.end(), [](const SiteRow& r) { return r.ok; });
    std::string out = "Site: " + IntegerText(total) + " soundings, " + IntegerText(ok) + " designed, " +
                      IntegerText(total - ok) + " failed\n";
    if (status == kExitOk)
        out += "The site summary was written to file: " + csvPath +
               "\nThe depth profile was written to file: " + profilePath + "\n";
    std::fputs(out.c_str(), stdout);
    return status;
}

} // namespace quarvex::batch
