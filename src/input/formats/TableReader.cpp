#include "input/formats/TableReader.h"

#include "project/NumberText.h"

#include <array>

namespace quarvex::formats {

namespace {

enum Role { kDepth, kTip, kSleeve, kOther };
constexpr const char* kRoleName[] = {"depth", "cone resistance", "sleeve friction"};

// Names after lowercasing, with '_' read as a blank and runs of blanks as one.
constexpr std::array kDepthNames = {"depth",
                                    "diepte",
                                    "penetration length",
                                    "penetration depth",
                                    "sondeertrajectlengte",
                                    "corrected depth",
                                    "gecorrigeerde diepte"};
constexpr std::array kTipNames = {
    "qc", "cone resistance", "cone tip resistance", "tip resistance", "conusweerstand", "puntweerstand"};
constexpr std::array kSleeveNames = {"fs",
                                     "sleeve friction",
                                     "local friction",
                                     "sleeve resistance",
                                     "plaatselijke wrijving",
                                     "lokale wrijving",
                                     "wrijving"};

struct Heading {
    std::string Text; // as written, for messages
    std::string Name; // normalised
    std::string UnitText;
    Role Kind = kOther;
};

std::string Normalise(std::string_view s)
{
    std::string out;
    for (char c : Lowercase(TrimBlanks(s))) {
        if (c == '_' || c == '\t')
            c = ' ';
        if (c == ' ' && (out.empty() || out.back() == ' '))
            continue;
        out += c;
    }
    while (!out.empty() && (out.back() == ' ' || out.back() == ':' || out.back() == ','))
        out.pop_back();
    return out;
}

template <std::size_t N> bool In(const std::array<const char*, N>& names, std::string_view name)
{
    for (const char* n : names)
        if (name == n)
            return true;
    return false;
}

Heading ReadHeading(std::string_view text)
{
    Heading h;
    h.Text = std::string(TrimBlanks(text));
    std::string_view name = h.Text;
    // The unit closes the heading in brackets: "qc [MPa]", "fs (kPa)".
    if (!name.empty() && (name.back() == ']' || name.back() == ')')) {
        const char open = name.back() == ']' ? '[' : '(';
        const std::size_t p = name.rfind(open);
        if (p != std::string_view::npos) {
            h.UnitText = std::string(TrimBlanks(name.substr(p + 1, name.size() - p - 2)));
            name = name.substr(0, p);
        }
    }
    h.Name = Normalise(name);
    h.Kind = In(kDepthNames, h.Name)    ? kDepth
             : In(kTipNames, h.Name)    ? kTip
             : In(kSleeveNames, h.Name) ? kSleeve
                                        : kOther;
    return h;
}

bool IsUnitToken(std::string_view t)
{
    return t.size() >= 2 && ((t.front() == '[' && t.back() == ']') || (t.front() == '(' && t.back() == ')'));
}

char SeparatorOf(std::string_view heading)
{
    for (char c : {'\t', ';', ','})
        if (heading.find(c) != std::string_view::npos)
            return c;
    return ' ';
}

std::vector<std::string> SplitAtBlanks(std::string_view s)
{
    std::vector<std::string> parts;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
            ++i;
        const std::size_t b = i;
        while (i < s.size() && s[i] != ' ' && s[i] != '\t')
            ++i;
        if (i > b)
            parts.emplace_back(s.substr(b, i - b));
    }
    return parts;
}

std::optional<std::vector<std::string>> Fields(std::string_view line, char separator)
{
    if (separator == ' ')
        return SplitAtBlanks(line);
    return SplitDelimited(line, separator);
}

// The headings of a heading row. Blank-separated headings may name a column in
// several words ("cone resistance [MPa]"): known names and a unit in brackets
// standing apart are joined back to their column.
std::vector<Heading> ReadHeadings(std::string_view line, char separator)
{
    std::vector<Heading> headings;
    const auto fields = Fields(line, separator);
    if (!fields)
        return headings;
    if (separator != ' ') {
        for (const std::string& f : *fields)
            headings.push_back(ReadHeading(f));
        if (headings.size() > 1 && headings.back().Text.empty())
            headings.pop_back(); // a separator closing the line
        return headings;
    }
    const std::vector<std::string>& tokens = *fields;
    for (std::size_t i = 0; i < tokens.size();) {
        std::size_t take = 1;
        for (std::size_t n = std::min<std::size_t>(3, tokens.size() - i); n > 1; --n) {
            std::string joined;
            for (std::size_t k = 0; k < n; ++k)
                joined += (k ? " " : "") + tokens[i + k];
            if (ReadHeading(joined).Kind != kOther) {
                take = n;
                break;
            }
        }
        std::string text;
        for (std::size_t k = 0; k < take; ++k)
            text += (k ? " " : "") + tokens[i + k];
        i += take;
        if (i < tokens.size() && IsUnitToken(tokens[i]))
            text += " " + tokens[i++];
        headings.push_back(ReadHeading(text));
    }
    return headings;
}

int CountRoles(const std::vector<Heading>& headings)
{
    bool seen[3] = {};
    for (const Heading& h : headings)
        if (h.Kind != kOther)
            seen[h.Kind] = true;
    return seen[0] + seen[1] + seen[2];
}

bool LooksLikeData(std::string_view line)
{
    const auto fields = Fields(line, SeparatorOf(line));
    return fields && !fields->empty() && IsNumeric((*fields)[0]);
}

// Semicolon and Tab exports from a decimal-comma desktop write "1,25"; such a
// file says so by its separator, not by the locale of whoever reads it.
std::optional<Single> TableValue(std::string_view text, Unit unit, char separator)
{
    if (auto v = ValueIn(text, unit))
        return v;
    if ((separator == ';' || separator == '\t') && text.find('.') == std::string_view::npos &&
        text.find(',') == text.rfind(',') && text.find(',') != std::string_view::npos) {
        std::string dotted(text);
        dotted[dotted.find(',')] = '.';
        return ValueIn(dotted, unit);
    }
    return std::nullopt;
}

} // namespace

bool TableReader::Recognises(std::string_view firstBytes) const
{
    for (const TextLine& line : SplitLines(StripBom(firstBytes))) {
        if (TrimBlanks(line.Text).empty())
            continue;
        const auto headings = ReadHeadings(line.Text, SeparatorOf(line.Text));
        bool depth = false;
        bool resistance = false;
        for (const Heading& h : headings) {
            depth = depth || h.Kind == kDepth;
            resistance = resistance || h.Kind == kTip || h.Kind == kSleeve;
        }
        return depth && resistance;
    }
    return false;
}

ReadOutcome TableReader::Parse(std::string_view text, const std::string& path) const
{
    const std::vector<TextLine> lines = SplitLines(text);
    std::size_t first = 0;
    std::vector<Heading> headings;
    int headingLine = 0;
    for (; first < lines.size(); ++first) {
        const TextLine& line = lines[first];
        if (TrimBlanks(line.Text).empty())
            continue;
        if (LooksLikeData(line.Text))
            return {{},
                    LineError(path, line.Number,
                              "a reading comes before any heading row naming depth, qc and fs")};
        headings = ReadHeadings(line.Text, SeparatorOf(line.Text));
        if (CountRoles(headings) >= 2) {
            headingLine = line.Number;
            break;
        }
    }
    if (headingLine == 0)
        return {{}, FileError(path, "no heading row naming depth, qc and fs")};
    const char separator = SeparatorOf(lines[first].Text);

    int column[3] = {-1, -1, -1};
    for (std::size_t k = 0; k < headings.size(); ++k) {
        const Heading& h = headings[k];
        if (h.Kind == kOther)
            continue;
        if (column[h.Kind] >= 0)
            return {{},
                    LineError(path, headingLine,
                              "two " + std::string(kRoleName[h.Kind]) + " columns, '" +
                                  headings[column[h.Kind]].Text + "' and '" + h.Text +
                                  "': which one to read is not clear")};
        column[h.Kind] = static_cast<int>(k);
    }
    for (int r = 0; r < 3; ++r)
        if (column[r] < 0)
            return {{},
                    LineError(path, headingLine,
                              std::string("the heading row names no ") + kRoleName[r] + " column (" +
                                  (r == kDepth ? "depth, diepte, penetration length, ..."
                                   : r == kTip ? "qc, cone resistance, conusweerstand, ..."
                                               : "fs, sleeve friction, local friction, wrijving, ...") +
                                  ")")};
    // Some exports give the units in a row of their own under the names.
    std::size_t dataFrom = first + 1;
    if (headings[column[kDepth]].UnitText.empty() && headings[column[kTip]].UnitText.empty() &&
        headings[column[kSleeve]].UnitText.empty()) {
        std::size_t next = first + 1;
        while (next < lines.size() && TrimBlanks(lines[next].Text).empty())
            ++next;
        if (next < lines.size() && !LooksLikeData(lines[next].Text)) {
            auto unitRow = Fields(lines[next].Text, separator);
            if (unitRow && unitRow->size() == headings.size() + 1 && unitRow->back().empty())
                unitRow->pop_back();
            if (!unitRow || unitRow->size() != headings.size())
                return {{},
                        LineError(path, lines[next].Number,
                                  "the row under the headings is neither readings nor one unit per column")};
            for (std::size_t k = 0; k < headings.size(); ++k) {
                std::string_view u = TrimBlanks((*unitRow)[k]);
                if (IsUnitToken(u))
                    u = TrimBlanks(u.substr(1, u.size() - 2));
                headings[k].UnitText = std::string(u);
            }
            dataFrom = next + 1;
        }
    }
    Unit units[3] = {};
    for (int r = 0; r < 3; ++r) {
        const Heading& h = headings[column[r]];
        if (h.UnitText.empty())
            return {{},
                    LineError(path, headingLine,
                              "column '" + h.Text + "' gives no unit; write it in the heading, as in '" +
                                  h.Text + " [" + (r == kDepth ? "m" : "MPa") + "]'")};
        units[r] = ParseUnit(h.UnitText);
        if (r == kDepth ? !IsLength(units[r]) : !IsStress(units[r]))
            return {{},
                    LineError(path, headingLine,
                              "unit '" + h.UnitText + "' of column '" + h.Text + "' is not understood; " +
                                  (r == kDepth ? "Quarvex reads m or ft" : "Quarvex reads MPa, kPa or tsf"))};
    }
    const bool english = units[kDepth] == Unit::Foot;
    for (int r : {kTip, kSleeve})
        if ((units[r] == Unit::Tsf) != english)
            return {{},
                    LineError(path, headingLine,
                              "units do not belong together: depth in " + headings[column[kDepth]].UnitText +
                                  " with " + kRoleName[r] + " in " + headings[column[r]].UnitText +
                                  "; Quarvex reads m with MPa or kPa, or ft with tsf")};

    Sounding s;
    s.UnitSystem = english ? kUnitsEnglish : kUnitsSI;
    std::vector<int> readingLines;
    for (std::size_t i = dataFrom; i < lines.size(); ++i) {
        const TextLine& line = lines[i];
        if (TrimBlanks(line.Text).empty())
            continue;
        auto fields = Fields(line.Text, separator);
        if (!fields)
            return {{}, LineError(path, line.Number, "a quoted field is not closed")};
        if (fields->size() == headings.size() + 1 && fields->back().empty())
            fields->pop_back(); // a separator closing the line
        if (fields->size() != headings.size())
            return {{},
                    LineError(path, line.Number,
                              DecimalText(static_cast<long long>(fields->size())) +
                                  " values where the heading row has " +
                                  DecimalText(static_cast<long long>(headings.size())) + " columns")};
        Single reading[3] = {};
        bool missing = false;
        for (int r = 0; r < 3; ++r) {
            const std::string& v = (*fields)[column[r]];
            if (v.empty()) {
                missing = true;
                continue;
            }
            const auto value = TableValue(v, units[r], separator);
            if (!value)
                return {{},
                        LineError(path, line.Number,
                                  "value '" + v + "' in column '" + headings[column[r]].Text +
                                      "' is not a number")};
            reading[r] = *value;
        }
        if (missing) {
            ++s.DroppedReadings;
            continue;
        }
        s.Depth.push_back(reading[kDepth]);
        s.Tip.push_back(reading[kTip]);
        s.Sleeve.push_back(reading[kSleeve]);
        readingLines.push_back(line.Number);
    }
    if (std::string e = CheckDepthOrder(s.Depth, readingLines, path); !e.empty())
        return {{}, e};
    ReadOutcome out;
    if (!s.Depth.empty())
        out.Soundings.push_back(std::move(s));
    return out;
}

} // namespace quarvex::formats
