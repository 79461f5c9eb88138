#include "input/formats/TextScan.h"

#include "project/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace quarvex::formats {

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return std::nullopt;
    std::string content;
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        content.append(buffer, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        return std::nullopt;
    return content;
}

std::string_view StripBom(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    return text;
}

std::vector<TextLine> SplitLines(std::string_view text)
{
    std::vector<TextLine> lines;
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        lines.push_back({line, ++number});
    }
    return lines;
}

std::optional<std::vector<std::string>> SplitDelimited(std::string_view line, char separator)
{
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t') && line[i] != separator)
            ++i;
        std::string field;
        if (i < line.size() && line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                field += line[i++];
            }
            if (!closed)
                return std::nullopt;
            // Anything between the closing quote and the separator is kept, as a
            // hand-edited file may have it.
            const std::size_t next = line.find(separator, i);
            field += TrimBlanks(line.substr(i, next == std::string_view::npos ? line.npos : next - i));
            i = next;
        } else {
            const std::size_t next = line.find(separator, i);
            field = TrimBlanks(line.substr(i, next == std::string_view::npos ? line.npos : next - i));
            i = next;
        }
        fields.push_back(std::move(field));
        if (i == std::string_view::npos)
            return fields;
        ++i;
    }
}

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::string Lowercase(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && Lowercase(a) == Lowercase(b);
}

std::optional<int> ToWholeNumber(std::string_view text)
{
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int n = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || res.ec != std::errc() || res.ptr != text.data() + text.size())
        return std::nullopt;
    return n;
}

std::string DecimalText(long long n)
{
    char buffer[24];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, n);
    return std::string(buffer, res.ptr);
}

std::string LineError(const std::string& path, int line, std::string_view what)
{
    return path + ", line " + DecimalText(line) + ": " + std::string(what);
}

std::string FileError(const std::string& path, std::string_view what)
{
    return path + ": " + std::string(what);
}

Unit ParseUnit(std::string_view text)
{
    const std::string u = Lowercase(TrimBlanks(text));
    if (u == "m")
        return Unit::Metre;
    if (u == "ft")
        return Unit::Foot;
    if (u == "mpa" || u == "mn/m2" || u == "mn/m\xC2\xB2")
        return Unit::MPa;
    if (u == "kpa" || u == "kn/m2" || u == "kn/m\xC2\xB2")
        return Unit::KPa;
    if (u == "tsf")
        return Unit::Tsf;
    return Unit::Unknown;
}

bool IsLength(Unit u)
{
    return u == Unit::Metre || u == Unit::Foot;
}

bool IsStress(Unit u)
{
    return u == Unit::MPa || u == Unit::KPa || u == Unit::Tsf;
}

std::optional<Single> ValueIn(std::string_view text, Unit unit)
{
    text = TrimBlanks(text);
    std::optional<double> d;
    if (unit == Unit::KPa) {
        char shifted[64];
        if (text.find_first_of("eE") == std::string_view::npos && text.size() + 3 <= sizeof shifted) {
            text.copy(shifted, text.size());
            std::string_view("e-3").copy(shifted + text.size(), 3);
            d = ToDouble(std::string_view(shifted, text.size() + 3));
        } else if (auto v = ToDouble(text)) {
            d = *v / 1000.0;
        }
    } else {
        d = ToDouble(text);
    }
    if (!d)
        return std::nullopt;
    return ValueIn(*d);
}

std::optional<Single> ValueIn(double value)
{
    const auto f = static_cast<Single>(value);
    if (!std::isfinite(f))
        return std::nullopt;
    return f;
}

std::string CheckDepthOrder(const std::vector<Single>& depth, const std::vector<int>& lines,
                            const std::string& path)
{
    for (std::size_t k = 1; k < depth.size(); ++k)
        if (depth[k] < depth[k - 1])
            return LineError(path, lines[k],
                             "depth decreases, from " + ShortestForm(depth[k - 1]) + " to " +
                                 ShortestForm(depth[k]) + "; readings must go down the sounding");
    return {};
}

} // namespace quarvex::formats

namespace quarvex::formats {

ReadOutcome TextFormatReader::Read(const std::string& path, const ReadOptions& /*options*/) const
{
    const auto content = ReadWholeFile(path);
    if (!content)
        return {{}, FileError(path, "the file cannot be opened or read")};
    return ReadText(*content, path);
}

ReadOutcome TextFormatReader::ReadText(std::string_view content, const std::string& path) const
{
    ReadOutcome out = Parse(StripBom(content), path);
    if (!out.Ok()) {
        out.Soundings.clear();
        return out;
    }
    if (out.Soundings.empty())
        return {{}, FileError(path, "no readings found")};
    for (Sounding& s : out.Soundings)
        s.Info.Format = std::string(Name());
    return out;
}

} // namespace quarvex::formats
