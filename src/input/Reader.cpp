#include "input/Reader.h"

#include "project/NumberText.h"

#include <array>
#include <fstream>
#include <string>
#include <vector>

namespace quarvex {

namespace {

constexpr const char* kNumericError = "Data should be numeric, please check line number ";
constexpr const char* kFormatError = "Wrong format data. Please Check line Number ";
constexpr const char* kGenericError = "Could not read data from file. Please Check line Number ";
constexpr const char* kOpenError = "Could not read data from file";

// Reads text lines ending in CR LF or LF (the last may lack its end), counting
// every line of the file so that messages can name the true line number.
class LineSource {
public:
    explicit LineSource(const std::string& path) : in_(path, std::ios::binary) {}
    bool IsOpen() const { return in_.is_open(); }
    bool Next(std::string& line)
    {
        if (!std::getline(in_, line))
            return false;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ++number_;
        return true;
    }
    int Number() const { return number_; }

private:
    std::ifstream in_;
    int number_ = 0;
};

std::string Trimmed(std::string_view s)
{
    return std::string(TrimSpaces(s));
}

// Splits at every occurrence of sep (plain comparison, no limit). An empty text
// gives no pieces; an empty separator gives the whole text as one piece.
std::vector<std::string> Split(const std::string& text, const std::string& sep)
{
    std::vector<std::string> pieces;
    if (text.empty())
        return pieces;
    if (sep.empty()) {
        pieces.push_back(text);
        return pieces;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(sep, start);
        if (at == std::string::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, at - start));
        start = at + sep.size();
    }
}

Message Failure(const char* text, int lineNumber)
{
    return PlainMessage(std::string(text) + std::to_string(lineNumber));
}

} // namespace

std::optional<Integer> CountColumns(Project& p)
{
    LineSource src(p.DataFileName);
    if (!src.IsOpen())
        return std::nullopt;
    std::string line;
    for (int i = 0; i < p.NumTitleLines; ++i)
        if (!src.Next(line))
            return std::nullopt;
    if (!src.Next(line))
        return std::nullopt;

    line = Trimmed(line);
    const std::size_t n = line.size();
    int count = 0;
    std::size_t pos = 1;
    while (pos <= n) {
        bool cut = false;
        if (pos <= line.size()) {
            const char c = line[pos - 1];
            if (c == ',') {
                p.Separator = ",";
                cut = true;
            } else if (c == ' ') {
                p.Separator = " ";
                cut = true;
            } else if (c == '\t' && !TrimSpaces(std::string_view(line).substr(0, pos - 1)).empty()) {
                p.Separator = "\t";
                cut = true;
            }
        }
        if (cut) {
            // The rest is trimmed after every separator, so runs of blanks and a
            // blank after a comma count once.
            ++count;
            line = Trimmed(std::string_view(line).substr(pos));
            pos = 1;
        }
        ++pos;
    }
    return static_cast<Integer>(count + 1);
}

Message ReadConeData(Project& p)
{
    LineSource src(p.DataFileName);
    if (!src.IsOpen()) {
        p.ReadError = True;
        return PlainMessage(kOpenError);
    }

    // The new data set is gathered aside and replaces the old one only when the
    // whole file has been read, so a failed read never leaves a mix of two files.
    std::string header;
    std::string line;
    for (int i = 0; i < p.NumTitleLines; ++i) {
        if (!src.Next(line)) {
            p.ReadError = True;
            return Failure(kGenericError, p.NumTitleLines + 1);
        }
        if (!line.empty())
            header += line + "\r\n";
    }

    std::vector<std::array<float, 3>> readings;
    readings.reserve(kMaxReadings);
    auto fail = [&](const char* text) {
        p.ReadError = True;
        return Failure(text, src.Number());
    };

    while (src.Next(line)) {
        const auto first = Split(Trimmed(line), p.Separator);
        if (first.empty())
            continue;
        // Separators are normalised to single blanks; each piece is trimmed so
        // that "12.5, 34.1, 0.21" reads like "12.5,34.1,0.21".
        std::string rebuilt;
        for (const auto& piece : first) {
            const auto t = TrimSpaces(piece);
            if (t.empty())
                continue;
            rebuilt.append(t);
            rebuilt += ' ';
        }
        const auto pieces = Split(Trimmed(rebuilt), " ");
        if (static_cast<int>(pieces.size()) != p.NumColumns)
            return fail(kFormatError);
        if (pieces.size() < 3)
            return fail(kGenericError);
        if (!IsNumeric(pieces[0]) && !IsNumeric(pieces[1]) && !IsNumeric(pieces[2]))
            return fail(kNumericError);
        const auto depth = ToSingle(pieces[0]);
        const auto tip = ToSingle(pieces[1]);
        const auto sleeve = ToSingle(pieces[2]);
        if (!depth || !tip || !sleeve)
            return fail(kGenericError);
        if (static_cast<int>(readings.size()) == kMaxReadings)
            return fail(kGenericError);
        readings.push_back({*depth, *tip, *sleeve});
    }

    if (readings.empty()) {
        // A file of title lines and blank lines holds no sounding; reporting it as
        // read would let the plots run on nothing.
        p.ReadError = True;
        return Failure(kGenericError, p.NumTitleLines + 1);
    }

    for (int k = 1; k <= static_cast<int>(readings.size()); ++k) {
        p.DepthData[k] = readings[k - 1][0];
        p.TipData[k] = readings[k - 1][1];
        p.SleeveData[k] = readings[k - 1][2];
    }
    p.NumReadings = static_cast<Integer>(readings.size());
    p.FileHeader = header;
    p.ReadError = False;
    return InfoMessage("Cone Data File: " + p.DataFileName + "\r\n" + " was successfully opened. " + "\r\n" +
                           " Total Number of Lines = " + std::to_string(p.NumReadings),
                       " Data Import from Text File");
}

Message LoadConeFile(Project& p)
{
    const auto columns = CountColumns(p);
    if (!columns) {
        p.ReadError = True;
        LineSource probe(p.DataFileName);
        if (!probe.IsOpen())
            return PlainMessage(kOpenError);
        return Failure(kGenericError, p.NumTitleLines + 1);
    }
    p.NumColumns = *columns;
    return ReadConeData(p);
}

} // namespace quarvex
