#include "batch/BatchOptions.h"

#include "design/Methods.h"
#include "input/formats/Readers.h"

#include "screenlogic/DesignView.h"

#include "project/NumberText.h"

#include <functional>
#include <map>

namespace quarvex::batch {

namespace {

bool ParseWhole(const std::string& s, int lo, int hi, int& out)
{
    if (s.empty() || s.size() > 6)
        return false;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    if (v < lo || v > hi)
        return false;
    out = v;
    return true;
}

std::vector<std::string> SplitCommas(const std::string& s)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : s) {
        if (c == ',') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

// A line break typed in the comments box is CR LF; a bare LF from the shell is one.
std::string CrLfLines(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r'))
            out += '\r';
        out += s[i];
    }
    return out;
}

// --xi3 and --xi4: one factor, or the seven columns of the table.
bool ParseFactors(const std::string& name, const std::string& v, std::vector<double>& out, std::string& error)
{
    std::vector<double> factors;
    for (const std::string& part : SplitCommas(v)) {
        const auto f = ToDouble(part);
        if (!f || *f < 1 || *f > 10) {
            factors.clear();
            break;
        }
        factors.push_back(*f);
    }
    if (factors.size() != 1 && factors.size() != 7) {
        error =
            name + " must be one factor or seven (n = 1,2,3,4,5,7,10+), each from 1 to 10, not '" + v + "'";
        return false;
    }
    out = factors;
    return true;
}

// Options that only a site run takes, and the single run's files that a site
// run names itself.
const std::set<std::string>& SiteOnlyOptions()
{
    static const std::set<std::string> names = {"--output-dir", "--manifest", "--jobs",
                                                "--quiet",      "--xi3",      "--xi4"};
    return names;
}
const std::set<std::string>& SingleOnlyOptions()
{
    static const std::set<std::string> names = {"--output", "--csv", "--report", "--trace", "--trace-file"};
    return names;
}

} // namespace

std::optional<int> UnitsCode(const std::string& name)
{
    if (name == "ft-tsf")
        return 1;
    if (name == "m-MPa")
        return 2;
    if (name == "m-mV")
        return 0;
    return std::nullopt;
}

std::optional<int> TitleLinesCount(const std::string& text)
{
    int n = 0;
    if (!ParseWhole(text, 0, 15, n))
        return std::nullopt;
    return n;
}

std::vector<MethodId> DesignMethodIds()
{
    return DesignMethodIdsOf(DefaultMethods());
}

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error)
{
    Options o;
    BatchDesignLoadOptions designLoad;
    using Setter = std::function<bool(const std::string&)>;
    auto text = [](std::string& field) -> Setter {
        return [&field](const std::string& v) {
            field = v;
            return true;
        };
    };
    auto optText = [](std::optional<std::string>& field) -> Setter {
        return [&field](const std::string& v) {
            field = v;
            return true;
        };
    };

    const std::map<std::string, Setter> valued = {
        {"--format",
         [&](const std::string& v) {
             if (v != "auto" && FindReader(v) == nullptr) {
                 error = "--format must be auto, gef, ags, table or plain, not '" + v + "'";
                 return false;
             }
             o.format = v == "auto" ? v : std::string(FindReader(v)->Key());
             return true;
         }},
        {"--sounding", optText(o.sounding)},
        {"--units",
         [&](const std::string& v) {
             const auto code = UnitsCode(v);
             if (!code) {
                 error = "--units must be ft-tsf, m-MPa or m-mV, not '" + v + "'";
                 return false;
             }
             o.units = *code;
             return true;
         }},
        {"--title-lines",
         [&](const std::string& v) {
             if (!ParseWhole(v, 0, 15, o.titleLines)) {
                 error = "--title-lines must be a whole number from 0 to 15, not '" + v + "'";
                 return false;
             }
             return true;
         }},
        {"--tip-factor", optText(o.tipFactor)},
        {"--sleeve-factor", optText(o.sleeveFactor)},
        {"--project-number", text(o.projectNumber)},
        {"--company", text(o.company)},
        {"--title", text(o.title)},
        {"--station", text(o.station)},
        {"--offset", text(o.offset)},
        {"--elevation", optText(o.elevation)},
        {"--struct-no", text(o.structNo)},
        {"--latitude", text(o.latitude)},
        {"--longitude", text(o.longitude)},
        {"--date", text(o.date)},
        {"--cpt-no", text(o.cptNo)},
        {"--comments",
         [&](const std::string& v) {
             o.comments = CrLfLines(v);
             return true;
         }},
        {"--shape",
         [&](const std::string& v) {
             if (v == "square")
                 o.shape = 0;
             else if (v == "round")
                 o.shape = 1;
             else {
                 error = "--shape must be square or round, not '" + v + "'";
                 return false;
             }
             return true;
         }},
        {"--size", optText(o.size)},
        {"--top", optText(o.top)},
        {"--tip", optText(o.tip)},
        {"--layers",
         [&](const std::string& v) {
             o.layerBottoms.clear();
             if (v == "auto") {
                 o.manualLayers = false;
                 return true;
             }
             if (v == "manual") {
                 o.manualLayers = true;
                 return true;
             }
             if (v.rfind("manual:", 0) == 0 && v.size() > 7) {
                 o.manualLayers = true;
                 o.layerBottoms = SplitCommas(v.substr(7));
                 if (o.layerBottoms.size() + 1 > 12) {
                     error = "--layers: at most 12 layers (11 bottoms) can be entered";
                     return false;
                 }
                 return true;
             }
             error = "--layers must be auto, manual or manual:B1,B2,..., not '" + v + "'";
             return false;
         }},
        {"--tip-option",
         [&](const std::string& v) {
             if (!ParseWhole(v, 1, 3, o.tipOption)) {
                 error = "--tip-option must be 1, 2 or 3, not '" + v + "'";
                 return false;
             }
             return true;
         }},
        {"--tip-value", optText(o.tipValue)},
        {"--output", optText(o.output)},
        {"--csv", optText(o.csv)},
        {"--load", optText(designLoad.load)},
        {"--basis", optText(designLoad.basis)},
        {"--fs", optText(designLoad.fs)},
        {"--phi", optText(designLoad.phi)},
        {"--gamma", optText(designLoad.gamma)},
        {"--report", optText(o.report)},
        {"--trace",
         [&](const std::string& v) {
             const auto depth = ToDouble(v);
             if (v != "all" && (!depth || *depth < 0)) {
                 error = "--trace must be a depth in ft (0 or more) or all, not '" + v + "'";
                 return false;
             }
             o.traceDepths.push_back(v);
             return true;
         }},
        {"--trace-file", optText(o.traceFile)},
        {"--output-dir", optText(o.siteRun.outputDir)},
        {"--manifest", optText(o.siteRun.manifest)},
        {"--jobs",
         [&](const std::string& v) {
             if (!ParseWhole(v, 1, 4096, o.siteRun.jobs)) {
                 error = "--jobs must be a whole number from 1 to 4096, not '" + v + "'";
                 return false;
             }
             return true;
         }},
        {"--xi3", [&](const std::string& v) { return ParseFactors("--xi3", v, o.siteRun.xi3, error); }},
        {"--xi4", [&](const std::string& v) { return ParseFactors("--xi4", v, o.siteRun.xi4, error); }},
    };
    // Options without a value.
    const std::map<std::string, std::function<void()>> flags = {
        {"--quiet", [&] { o.siteRun.quiet = true; }},
        {"--verify", [&] { o.verify = true; }},
    };

    // "site" first makes a site run; every other argument keeps its meaning.
    std::size_t firstArg = 0;
    if (!args.empty() && args[0] == "site") {
        o.site = true;
        firstArg = 1;
    }

    bool inputSeen = false;
    bool optionsEnded = false;
    for (std::size_t k = firstArg; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (!optionsEnded && (a == "--help" || a == "-h")) {
            o.help = true;
            continue;
        }
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && a.size() > 1 && a[0] == '-' && a != "-") {
            std::string name = a;
            std::optional<std::string> value;
            if (const auto eq = a.find('='); eq != std::string::npos && a.rfind("--", 0) == 0) {
                name = a.substr(0, eq);
                value = a.substr(eq + 1);
            }
            const auto flag = flags.find(name);
            const auto it = valued.find(name);
            if (it == valued.end() && flag == flags.end()) {
                error = "unknown option '" + name + "'";
                return std::nullopt;
            }
            if (!o.site && SiteOnlyOptions().count(name) != 0) {
                error = "'" + name + "' applies to site runs only (quarvex-batch site ...)";
                return std::nullopt;
            }
            if (o.site && SingleOnlyOptions().count(name) != 0) {
                error =
                    "'" + name + "' does not apply to site runs: each sounding's output goes to --output-dir";
                return std::nullopt;
            }
            if (flag != flags.end()) {
                if (value) {
                    error = "option '" + name + "' takes no value";
                    return std::nullopt;
                }
                flag->second();
                o.given.insert(name);
                continue;
            }
            if (!value) {
                if (k + 1 >= args.size()) {
                    error = "option '" + name + "' needs a value";
                    return std::nullopt;
                }
                value = args[++k];
            }
            if (!it->second(*value))
                return std::nullopt;
            o.given.insert(name);
            continue;
        }
        if (o.site) {
            o.siteRun.inputs.push_back(a);
            continue;
        }
        if (inputSeen) {
            error = "only one data file can be given ('" + o.input + "' and '" + a + "')";
            return std::nullopt;
        }
        o.input = a;
        inputSeen = true;
    }

    if (o.help)
        return o;
    if (o.verify) {
        // The report stands alone: a design option given with it would be ignored.
        if (o.site || inputSeen || o.given.size() != 1) {
            error = "--verify takes no data file and no other option";
            return std::nullopt;
        }
        return o;
    }
    if (o.traceFile && o.traceDepths.empty()) {
        error = "--trace-file needs --trace DEPTH";
        return std::nullopt;
    }
    if (o.site) {
        if (!o.siteRun.outputDir || o.siteRun.outputDir->empty()) {
            error = "a site run needs --output-dir DIR";
            return std::nullopt;
        }
        if (o.siteRun.inputs.empty() && !o.siteRun.manifest) {
            error = "no soundings given: data files, folders or --manifest FILE";
            return std::nullopt;
        }
    } else if (!inputSeen) {
        error = "no data file given";
        return std::nullopt;
    }
    if (!o.size) {
        error = "the pile size is required: --size INCHES";
        return std::nullopt;
    }
    // A site may mix units; the factors then apply to its millivolt soundings.
    if ((o.tipFactor || o.sleeveFactor) && o.units != 0 && !o.site) {
        error = "--tip-factor and --sleeve-factor apply only with --units m-mV";
        return std::nullopt;
    }
    const auto loadTexts = BatchDesignLoadTexts(designLoad, DesignMethodIds(), error);
    if (!loadTexts)
        return std::nullopt;
    if (designLoad.load)
        o.designLoad = *loadTexts;
    else if (o.report) {
        error = "--report needs --load";
        return std::nullopt;
    }
    return o;
}

std::string HelpText()
{
    return R"(Usage: quarvex-batch INPUT [options]
       quarvex-batch site [FILE|FOLDER...] [--manifest FILE] --output-dir DIR [options]
       quarvex-batch --verify

Designs a driven precast concrete pile from one CPT data file without the
screens: reads the file, converts SI or millivolt readings to ft and tsf,
cleans and classifies the readings, runs the LCPC, Schmertmann and de Ruiter
and Beringen methods and their average, and writes the design output file,
byte for byte as the desktop program does. Every option is a choice made on
one of its screens; texts are taken as typed there.

Data file:
  --format auto|plain|gef|ags|table
                              the file's format (default auto: GEF, AGS4 or a
                              heading row by its content, else plain)
  --sounding ID               the sounding to design in a file of several
                              (without it such a file lists their IDs)
  --units ft-tsf|m-MPa|m-mV   plain files: units of the readings (default ft-tsf)
  --title-lines N             plain files: title lines at the top, 0..15 (default 10)
  --tip-factor F              m-mV only: MPa per mV of the tip (default 50)
  --sleeve-factor F           m-mV only: MPa per mV of the sleeve (default 0.5)

Project information (free text, all optional; given, each overrides what a
GEF, AGS4 or heading-row file carries):
  --project-number TEXT  --company TEXT  --title TEXT  --station TEXT
  --offset TEXT  --struct-no TEXT  --latitude TEXT  --longitude TEXT
  --date TEXT  --cpt-no TEXT
  --elevation FT              ground elevation; without it the file's ground
                              level in ft, or none is entered (-99999)
  --comments TEXT             default: the file's non-empty title lines (other
                              formats: a line naming format and sounding)

Pile:
  --shape square|round        (default square)
  --size INCHES               width (square) or diameter (round), required;
                              at most 120
  --top FT                    depth where the analysis starts (default: the
                              first step depth cut to 3 characters)
  --tip FT                    depth of the pile tip (default: the last step
                              depth cut to 6 characters)
  --layers auto|manual[:B1,B2,...]
                              automatic layers (default), or manual layers:
                              'manual' is one layer from the top to the tip;
                              'manual:B1,...,Bk' gives k+1 layers whose
                              interior bottoms are B1..Bk (at most 12 layers)
  --tip-option 1|2|3          how the tip resistance continues below the last
                              step when the tip is within four diameters of it:
                              1 mean of the last four diameters (default),
                              2 the last reading, 3 the value of --tip-value
  --tip-value TSF             tip resistance for option 3 (0 up to the largest
                              tail reading, rounded down)

Output:
  --output FILE               design output file (default Output.dat here)
  --csv FILE                  also write every step's depth, soil percentages
                              and the twelve capacity arrays as CSV
  --trace DEPTH|all           also write the working of the step nearest to
                              DEPTH ft (repeatable; all: every step of the
                              analysis range) as CSV: depth, method, part,
                              name, value, unit; each method's rows end with
                              the step's end bearing, friction increment and
                              cumulative friction, the values of the results
  --trace-file FILE           the working goes to FILE (default: standard
                              output, after the summary)
  --verify                    run the built-in reference cases (published
                              factors and limits, hand calculations) and print
                              one line per case with its source; exit 1 when
                              any fails
  -h, --help                  this text

Design load (optional; without --load the run stops at the capacities):
  --load TONS                 design load Q on the pile (compression); adds per
                              method the required tip depth, the design
                              capacity at the tip, the utilisation and pass or
                              fail to standard output, and the design capacity
                              columns to --csv
  --basis asd|lrfd            asd: allowable capacity = ultimate / FS >= Q;
                              lrfd: phi x ultimate >= gamma x Q (default asd,
                              lrfd when --phi or --gamma is given)
  --fs F | F1,F2,F3,F4        asd: safety factor, one for every method or one
                              each for LCPC,Schmertmann,de Ruiter,Average
                              (default 2.5; at least 1)
  --phi F | F1,F2,F3,F4       lrfd: resistance factor, in the same way
                              (default 0.5; at most 1)
  --gamma G                   lrfd: load factor (default 1)
  --report FILE               also write the design report (Markdown): inputs,
                              design basis and the result per method
  A run that completes exits 0 whether or not the load is reached; the lines
  printed name the methods that fail.

Site runs (quarvex-batch site): the same pile over many soundings at once.
  FILE|FOLDER...              data files, or folders whose files (hidden ones
                              left out) are taken in name order
  --manifest FILE             a CSV with a heading row and the columns
                              file,units,title_lines and optionally
                              elevation,name; an empty cell takes the option's
                              value; relative files are beside the manifest
  --output-dir DIR            required: each sounding's output file goes to
                              DIR/NAME.dat (NAME: the data file's name without
                              its extension), the same bytes as a single run;
                              DIR/site.csv holds a row per sounding (a failure
                              is recorded there and writes no file) and the
                              characteristic capacities at the tips;
                              DIR/site-profile.csv those over depth
  --jobs N                    worker threads (default: one per core)
  --quiet                     no progress line on standard error
  --xi3 F | F1,...,F7         correlation factor on the mean, one for every
                              number of soundings or seven for n = 1, 2, 3, 4,
                              5, 7 and 10 or more (default: the recommended
                              values of EN 1997-1 Table A.10, 1.40 ... 1.25)
  --xi4 F | F1,...,F7         the same on the minimum (default 1.40 ... 1.08)
  Characteristic value R_c,k = min(mean / xi3, minimum / xi4). The pile,
  design-load and project information options apply to every sounding; --units,
  --title-lines and --elevation unless its manifest row gives them; --output,
  --csv and --report do not apply. A site run that completes exits 0, whatever
  became of single soundings.

Standard output shows the capacities at the deepest listed step of the pile
and where the file went. Exit status: 0 success; 1 the file cannot be read,
a check refuses an input, or the output cannot be written (the message the
screen would show goes to standard error); 2 a usage error.
)";
}

} // namespace quarvex::batch
