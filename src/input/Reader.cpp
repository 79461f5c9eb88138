#include "input/Reader.h"

#include "project/NumberText.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

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
    explicit LineSource(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}
    ~LineSource()
    {
        if (file_)
            std::fclose(file_);
        std::free(buffer_);
    }
    LineSource(const LineSource&) = delete;
    LineSource& operator=(const LineSource&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    // The next line without its end; valid until the following call.
    bool Next(std::string_view& line)
    {
        if (!file_)
            return false;
        const ssize_t n = ::getline(&buffer_, &capacity_, file_);
        if (n < 0)
            return false;
        std::size_t len = static_cast<std::size_t>(n);
        if (len > 0 && buffer_[len - 1] == '\n')
            --len;
        if (len > 0 && buffer_[len - 1] == '\r')
            --len;
        line = std::string_view(buffer_, len);
        ++number_;
        return true;
    }
    bool Next(std::string& line)
    {
        std::string_view view;
        if (!Next(view))
            return false;
        line.assign(view);
        return true;
    }
    int Number() const { return number_; }

private:
    std::FILE* file_ = nullptr;
    char* buffer_ = nullptr;
    std::size_t capacity_ = 0;
    int number_ = 0;
};

// Splits at every occurrence of sep (plain comparison, no limit), appending to
// out. An empty text gives no pieces; an empty separator gives the whole text.
void SplitInto(std::string_view text, std::string_view sep, std::vector<std::string_view>& out)
{
    if (text.empty())
        return;
    if (sep.empty()) {
        out.push_back(text);
        return;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(sep, start);
        if (at == std::string_view::npos) {
            out.push_back(text.substr(start));
            return;
        }
        out.push_back(text.substr(start, at - start));
        start = at + sep.size();
    }
}

Message Failure(const char* text, int lineNumber)
{
    return PlainMessage(std::string(text) + IntegerText(lineNumber));
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

    // One pass over the line. After each separator the rest is trimmed of blanks
    // (so runs of blanks and a blank after a comma count once) and its first
    // character is not looked at; a tab opening the line is no separator; the
    // last separator met is the file's.
    std::string_view rest = TrimSpaces(line);
    long count = 0;
    char separator = 0;
    std::size_t i = 0;
    while (i < rest.size()) {
        const char c = rest[i];
        if (c == ',' || c == ' ' || (c == '\t' && i > 0)) {
            separator = c;
            ++count;
            rest = TrimSpaces(rest.substr(i + 1));
            i = 1;
        } else {
            ++i;
        }
    }
    if (separator != 0)
        p.Separator = std::string(1, separator);
    // A count no column number can hold gives 0 columns, so that the line is
    // refused as a format error instead of wrapping to a small, plausible count.
    if (count + 1 > std::numeric_limits<Integer>::max())
        return Integer{0};
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

    std::string_view view;
    std::vector<std::string_view> first;
    std::vector<std::string_view> pieces;
    while (src.Next(view)) {
        first.clear();
        SplitInto(TrimSpaces(view), p.Separator, first);
        if (first.empty())
            continue;
        // Separators are normalised to single blanks and each piece is trimmed, so
        // that "12.5, 34.1, 0.21" reads like "12.5,34.1,0.21". Joining the pieces
        // with blanks and splitting again at blanks is the same as splitting each
        // trimmed piece at blanks in turn.
        pieces.clear();
        for (const auto piece : first) {
            const auto t = TrimSpaces(piece);
            if (!t.empty())
                SplitInto(t, " ", pieces);
        }
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
        readings.push_back({*depth, *tip, *sleeve});
    }

    if (readings.empty()) {
        // A file of title lines and blank lines holds no sounding; reporting it as
        // read would let the plots run on nothing.
        p.ReadError = True;
        return Failure(kGenericError, p.NumTitleLines + 1);
    }

    GrowReadings(p, static_cast<int>(readings.size()));
    for (int k = 1; k <= static_cast<int>(readings.size()); ++k) {
        p.DepthData[k] = readings[k - 1][0];
        p.TipData[k] = readings[k - 1][1];
        p.SleeveData[k] = readings[k - 1][2];
    }
    p.NumReadings = static_cast<Long>(readings.size());
    p.ReadingsConverted = false;
    p.FileHeader = header;
    p.ReadError = False;
    return InfoMessage("Cone Data File: " + p.DataFileName + "\r\n" + " was successfully opened. " + "\r\n" +
                           " Total Number of Lines = " + IntegerText(p.NumReadings),
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
