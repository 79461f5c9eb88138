#include "input/formats/GefReader.h"

#include "project/NumberText.h"

#include <cmath>
#include <map>

namespace quarvex::formats {

namespace {

// GEF quantity numbers of the columns this program uses.
constexpr int kPenetrationLength = 1;
constexpr int kConeResistance = 2;
constexpr int kLocalFriction = 3;
constexpr int kCorrectedDepth = 11;

struct ColumnInfo {
    std::string UnitText;
    Unit Kind = Unit::Unknown;
    int Quantity = 0;
    int Line = 0;
};

void SplitAt(std::string_view s, char separator, std::vector<std::string_view>& parts)
{
    parts.clear();
    while (true) {
        const std::size_t p = s.find(separator);
        parts.push_back(TrimBlanks(s.substr(0, p)));
        if (p == std::string_view::npos)
            return;
        s.remove_prefix(p + 1);
    }
}

void SplitAtBlanks(std::string_view s, std::vector<std::string_view>& parts)
{
    parts.clear();
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
            ++i;
        const std::size_t b = i;
        while (i < s.size() && s[i] != ' ' && s[i] != '\t')
            ++i;
        if (i > b)
            parts.push_back(s.substr(b, i - b));
    }
}

const char* QuantityName(int q)
{
    switch (q) {
    case kPenetrationLength:
        return "penetration length";
    case kConeResistance:
        return "cone resistance";
    case kLocalFriction:
        return "local friction";
    case kCorrectedDepth:
        return "corrected depth";
    default:
        return "";
    }
}

std::string TwoDigits(std::string_view text)
{
    const auto n = ToWholeNumber(text);
    if (!n || *n < 0 || *n > 99)
        return std::string(text);
    return (*n < 10 ? "0" : "") + DecimalText(*n);
}

// What the header says about the data block and the sounding.
struct Header {
    std::map<int, ColumnInfo> Columns; // by 1-based column number
    std::map<int, double> Voids;
    int DeclaredColumns = 0; // 0 when #COLUMN= is missing
    char ColumnSeparator = ' ';
    char RecordSeparator = 0; // 0: the line end
    std::size_t FirstDataLine = 0;
    SoundingInfo Info;
};

std::string ReadHeader(const std::vector<TextLine>& lines, const std::string& path, Header& h)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TextLine& line = lines[i];
        const std::string_view t = TrimBlanks(line.Text);
        if (t.empty())
            continue;
        if (t.front() != '#')
            return LineError(path, line.Number,
                             "header line does not begin with '#' (a GEF header ends with #EOH=)");
        const std::size_t eq = t.find('=');
        if (eq == std::string_view::npos)
            return LineError(path, line.Number, "header line has no '=' after its keyword");
        const std::string key = Lowercase(TrimBlanks(t.substr(1, eq - 1)));
        const std::string_view value = TrimBlanks(t.substr(eq + 1));
        std::vector<std::string_view> f;
        SplitAt(value, ',', f);
        auto field = [&f](std::size_t k) { return k < f.size() ? f[k] : std::string_view(); };

        if (key == "eoh") {
            h.FirstDataLine = i + 1;
            return {};
        }
        if (key == "column") {
            const auto n = ToWholeNumber(field(0));
            if (!n || *n < 1)
                return LineError(path, line.Number, "#COLUMN= needs the number of columns");
            h.DeclaredColumns = *n;
        } else if (key == "columninfo") {
            const auto n = ToWholeNumber(field(0));
            const auto q = ToWholeNumber(field(3));
            if (f.size() < 4 || !n || *n < 1 || !q)
                return LineError(path, line.Number,
                                 "#COLUMNINFO= needs a column number, a unit, a name and a quantity number");
            h.Columns[*n] = ColumnInfo{std::string(field(1)), ParseUnit(field(1)), *q, line.Number};
        } else if (key == "columnvoid") {
            const auto n = ToWholeNumber(field(0));
            const auto v = ToDouble(field(1));
            if (!n || !v)
                return LineError(path, line.Number, "#COLUMNVOID= needs a column number and a value");
            h.Voids[*n] = *v;
        } else if (key == "columnseparator") {
            if (!value.empty())
                h.ColumnSeparator = value.front();
        } else if (key == "recordseparator") {
            if (!value.empty())
                h.RecordSeparator = value.front();
        } else if (key == "testid") {
            h.Info.Name = std::string(value);
        } else if (key == "projectid") {
            // "type, number[, sub number]", though some writers give the number alone.
            h.Info.ProjectNumber = std::string(f.size() >= 2 ? field(1) : field(0));
        } else if (key == "projectname") {
            h.Info.ProjectTitle = std::string(value);
        } else if (key == "companyid") {
            h.Info.Company = std::string(field(0));
        } else if (key == "startdate") {
            h.Info.Date = f.size() >= 3
                              ? std::string(field(0)) + "-" + TwoDigits(field(1)) + "-" + TwoDigits(field(2))
                              : std::string(value);
        } else if (key == "zid") {
            if (const auto level = ToDouble(field(1)))
                h.Info.GroundLevelM = *level;
        } else if (key == "xyid") {
            h.Info.X = std::string(field(1));
            h.Info.Y = std::string(field(2));
        } else if (key == "reportcode" || key == "procedurecode") {
            // A borehole log shares the header but has no cone columns; say what it is
            // rather than that its columns are missing.
            if (Lowercase(value).find("bore") != std::string::npos)
                return LineError(path, line.Number,
                                 "this GEF file is a borehole log, not a cone penetration test");
        }
    }
    return FileError(path, "the GEF header has no #EOH= line, so the data never start");
}

// The column of each quantity the program needs, refused when missing or given twice.
std::string FindColumn(const Header& h, int quantity, const std::string& path, int& column)
{
    column = 0;
    for (const auto& [n, info] : h.Columns) {
        if (info.Quantity != quantity)
            continue;
        if (column != 0)
            return LineError(path, info.Line,
                             "columns " + DecimalText(column) + " and " + DecimalText(n) +
                                 " both hold quantity " + DecimalText(quantity) + " (" +
                                 QuantityName(quantity) + "); the column layout is not understood");
        column = n;
    }
    return {};
}

} // namespace

bool GefReader::Recognises(std::string_view firstBytes) const
{
    std::string_view t = StripBom(firstBytes);
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t' || t.front() == '\r' || t.front() == '\n'))
        t.remove_prefix(1);
    if (!t.starts_with('#'))
        return false;
    t = TrimBlanks(t.substr(1));
    return Lowercase(t.substr(0, 5)) == "gefid";
}

ReadOutcome GefReader::Parse(std::string_view text, const std::string& path) const
{
    const std::vector<TextLine> lines = SplitLines(text);
    Header h;
    if (std::string e = ReadHeader(lines, path, h); !e.empty())
        return {{}, e};

    int depthCol = 0;
    int tipCol = 0;
    int sleeveCol = 0;
    int lengthCol = 0;
    for (auto [quantity, column] :
         {std::pair{kCorrectedDepth, &depthCol}, std::pair{kPenetrationLength, &lengthCol},
          std::pair{kConeResistance, &tipCol}, std::pair{kLocalFriction, &sleeveCol}})
        if (std::string e = FindColumn(h, quantity, path, *column); !e.empty())
            return {{}, e};
    if (depthCol == 0)
        depthCol = lengthCol;
    if (depthCol == 0 || tipCol == 0 || sleeveCol == 0) {
        std::string missing;
        for (auto [column, what] :
             {std::pair{depthCol, "quantity 1 or 11 (penetration length or corrected depth)"},
              std::pair{tipCol, "quantity 2 (cone resistance)"},
              std::pair{sleeveCol, "quantity 3 (local friction)"}})
            if (column == 0)
                missing += (missing.empty() ? "" : ", ") + std::string(what);
        return {{}, FileError(path, "unknown GEF column layout: no #COLUMNINFO= of " + missing)};
    }
    int needed = 0;
    for (int column : {depthCol, tipCol, sleeveCol}) {
        const ColumnInfo& info = h.Columns.at(column);
        if (h.DeclaredColumns != 0 && column > h.DeclaredColumns)
            return {{},
                    LineError(path, info.Line,
                              "column " + DecimalText(column) + " is beyond the " +
                                  DecimalText(h.DeclaredColumns) + " columns #COLUMN= declares")};
        const bool lengthColumn = column == depthCol;
        if (lengthColumn ? info.Kind != Unit::Metre : (info.Kind != Unit::MPa && info.Kind != Unit::KPa))
            return {{},
                    LineError(path, info.Line,
                              "unit '" + info.UnitText + "' of column " + DecimalText(column) + " (" +
                                  QuantityName(info.Quantity) + ") cannot be converted; Quarvex reads " +
                                  (lengthColumn ? "m" : "MPa or kPa"))};
        needed = std::max(needed, column);
    }

    Sounding s;
    s.UnitSystem = kUnitsSI;
    s.Info = h.Info;
    std::vector<int> readingLines;

    // What each of depth, qc and fs needs, looked up once rather than per value.
    struct Wanted {
        std::size_t Index;
        Unit Kind;
        std::optional<double> Void;
        int Column;
    };
    Wanted wanted[3] = {};
    {
        int k = 0;
        for (int column : {depthCol, tipCol, sleeveCol}) {
            const auto vd = h.Voids.find(column);
            wanted[k++] = {static_cast<std::size_t>(column - 1), h.Columns.at(column).Kind,
                           vd == h.Voids.end() ? std::nullopt : std::optional<double>(vd->second), column};
        }
    }
    const std::size_t want = h.DeclaredColumns != 0 ? static_cast<std::size_t>(h.DeclaredColumns) : 0;
    std::vector<std::string_view> values;
    auto takeRecord = [&](std::string_view record, int lineNumber) -> std::string {
        record = TrimBlanks(record);
        if (record.empty())
            return {};
        if (h.ColumnSeparator == ' ' || h.ColumnSeparator == '\t') {
            SplitAtBlanks(record, values);
        } else {
            SplitAt(record, h.ColumnSeparator, values);
            if (values.size() > 1 && values.back().empty())
                values.pop_back(); // a separator closing the record
        }
        if ((want != 0 && values.size() != want) || values.size() < static_cast<std::size_t>(needed))
            return LineError(path, lineNumber,
                             DecimalText(static_cast<long long>(values.size())) +
                                 " values where the header gives " +
                                 DecimalText(want != 0 ? h.DeclaredColumns : needed) + " columns");
        Single reading[3] = {};
        bool isVoid = false;
        for (int k = 0; k < 3; ++k) {
            const Wanted& w = wanted[k];
            const std::string_view v = values[w.Index];
            const auto raw = ToDouble(v);
            std::optional<Single> value;
            if (raw)
                value = w.Kind == Unit::KPa ? ValueIn(v, w.Kind) : ValueIn(*raw);
            if (!value)
                return LineError(path, lineNumber,
                                 "value '" + std::string(v) + "' in column " + DecimalText(w.Column) + " (" +
                                     QuantityName(h.Columns.at(w.Column).Quantity) + ") is not a number");
            if (w.Void && *w.Void == *raw)
                isVoid = true;
            reading[k] = *value;
        }
        if (isVoid) {
            ++s.DroppedReadings;
            return {};
        }
        // Some writers count the penetration downwards as negative.
        s.Depth.push_back(std::fabs(reading[0]));
        s.Tip.push_back(reading[1]);
        s.Sleeve.push_back(reading[2]);
        readingLines.push_back(lineNumber);
        return {};
    };

    // A record may run over a line end; only then is it copied together.
    std::string pending;
    int pendingLine = 0;
    for (std::size_t i = h.FirstDataLine; i < lines.size(); ++i) {
        const TextLine& line = lines[i];
        if (h.RecordSeparator == 0) {
            if (std::string e = takeRecord(line.Text, line.Number); !e.empty())
                return {{}, e};
            continue;
        }
        std::string_view rest = line.Text;
        for (std::size_t p = rest.find(h.RecordSeparator); p != std::string_view::npos;
             p = rest.find(h.RecordSeparator)) {
            std::string e;
            if (pending.empty()) {
                e = takeRecord(rest.substr(0, p), line.Number);
            } else {
                pending += rest.substr(0, p);
                e = takeRecord(pending, pendingLine);
                pending.clear();
            }
            if (!e.empty())
                return {{}, e};
            rest.remove_prefix(p + 1);
        }
        if (!pending.empty()) {
            pending += rest;
            pending += ' ';
        } else if (!TrimBlanks(rest).empty()) {
            pending.assign(rest);
            pending += ' ';
            pendingLine = line.Number;
        }
    }
    if (std::string e = takeRecord(pending, pendingLine); !e.empty())
        return {{}, e};

    if (s.Depth.empty())
        return {{},
                FileError(path, s.DroppedReadings > 0 ? "every reading has a void depth, qc or fs"
                                                      : "no readings after #EOH=")};
    if (std::string e = CheckDepthOrder(s.Depth, readingLines, path); !e.empty())
        return {{}, e};
    ReadOutcome out;
    out.Soundings.push_back(std::move(s));
    return out;
}

} // namespace quarvex::formats
