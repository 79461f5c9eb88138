#include "input/Reader.h"

#include "project/NumberText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace quarvex {

namespace {

constexpr const char* kNumericError = "Data should be numeric, please check line number ";
constexpr const char* kFormatError = "Wrong format data. Please Check line Number ";
constexpr const char* kGenericError = "Could not read data from file. Please Check line Number ";
constexpr const char* kOpenError = "Could not read data from file";

// Reads text lines ending in CR LF or LF (the last may lack its end), counting
// every line of the file so that messages can name the true line number. The
// file is taken in whole at opening: a sounding of thousands of short lines is
// then cut into lines in memory instead of one library call per line.
class LineSource {
public:
    explicit LineSource(const std::string& path)
    {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return;
        open_ = true;
        struct stat st {};
        std::size_t room = kChunk;
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
            room = static_cast<std::size_t>(st.st_size) + 1;
        // Read until the end whatever the size said: the file may grow, or be a pipe.
        text_ = std::make_unique_for_overwrite<char[]>(room);
        for (;;) {
            if (size_ == room) {
                auto wider = std::make_unique_for_overwrite<char[]>(room * 2);
                std::memcpy(wider.get(), text_.get(), size_);
                text_ = std::move(wider);
                room *= 2;
            }
            const ssize_t got = ::read(fd, text_.get() + size_, room - size_);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            size_ += static_cast<std::size_t>(got);
        }
        ::close(fd);
    }
    LineSource(const LineSource&) = delete;
    LineSource& operator=(const LineSource&) = delete;

    bool IsOpen() const { return open_; }
    // The next line without its end; valid while the source lives.
    bool Next(std::string_view& line)
    {
        if (at_ >= size_)
            return false;
        const char* begin = text_.get() + at_;
        const std::size_t left = size_ - at_;
        const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', left));
        std::size_t len = lf ? static_cast<std::size_t>(lf - begin) : left;
        at_ += lf ? len + 1 : len;
        if (len > 0 && begin[len - 1] == '\r')
            --len;
        line = std::string_view(begin, len);
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
    // Back to the first line, for a second reading of the same text.
    void Rewind()
    {
        at_ = 0;
        number_ = 0;
    }

private:
    static constexpr std::size_t kChunk = 1 << 16;
    bool open_ = false;
    std::unique_ptr<char[]> text_;
    std::size_t size_ = 0;
    std::size_t at_ = 0;
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
    if (sep.size() == 1) {
        // The usual single-character separator, between short numbers: a plain
        // scan is quicker than a search call per piece.
        const char c = sep[0];
        std::size_t start = 0;
        for (std::size_t k = 0; k < text.size(); ++k) {
            if (text[k] == c) {
                out.push_back(text.substr(start, k - start));
                start = k + 1;
            }
        }
        out.push_back(text.substr(start));
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

// The usual data line in one pass: true with its first three values when the
// general reading below would give the same pieces and read them as numbers.
// The pieces are then the runs of characters that are neither the separator nor
// a blank; that holds except where two blanks stand inside a piece of the
// separator's splitting (they make an empty piece there), so such a line, like
// any line not read cleanly, is left to the general reading (false).
bool QuickReading(std::string_view line, char sep, int columns, std::array<float, 3>& values)
{
    int count = 0;
    bool separated = true; // a separator (or the start) since the last piece
    int blanks = 0;        // blanks since the last piece
    const std::size_t n = line.size();
    std::size_t k = 0;
    while (k < n) {
        const char c = line[k];
        if (c == sep) {
            separated = true;
            ++k;
            continue;
        }
        if (c == ' ') {
            ++blanks;
            ++k;
            continue;
        }
        if (!separated && blanks >= 2)
            return false;
        if (count < 3) {
            // The number is read as the piece is scanned. It must fill the piece,
            // so that it is the value ToSingle gives for the piece.
            double d;
            const char* const at = line.data() + k;
            const char* const stop = ScanShortDecimal(at, line.data() + n, d);
            if (stop == nullptr)
                return false;
            k += static_cast<std::size_t>(stop - at);
            if (k < n && line[k] != sep && line[k] != ' ')
                return false;
            const auto f = static_cast<float>(d);
            if (!std::isfinite(f))
                return false;
            values[static_cast<std::size_t>(count)] = f;
        } else {
            while (k < n && line[k] != sep && line[k] != ' ')
                ++k;
        }
        ++count;
        separated = false;
        blanks = 0;
    }
    return count == columns && count >= 3;
}

Message Failure(const char* text, int lineNumber)
{
    return PlainMessage(std::string(text) + IntegerText(lineNumber));
}

} // namespace

namespace {

std::optional<Integer> CountColumnsIn(LineSource& src, Project& p)
{
    if (!src.IsOpen())
        return std::nullopt;
    std::string_view line;
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

Message ReadConeDataFrom(LineSource& src, Project& p)
{
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
    const bool quick = p.Separator.size() == 1;
    std::array<float, 3> values{};
    while (src.Next(view)) {
        if (quick && QuickReading(view, p.Separator[0], p.NumColumns, values)) {
            readings.push_back(values);
            continue;
        }
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
        const auto depth = ToSingle(pieces[0]);
        const auto tip = ToSingle(pieces[1]);
        const auto sleeve = ToSingle(pieces[2]);
        if (!depth || !tip || !sleeve) {
            // Three numbers read are three numeric pieces, so the test for text in
            // place of numbers is needed only here.
            if (!IsNumeric(pieces[0]) && !IsNumeric(pieces[1]) && !IsNumeric(pieces[2]))
                return fail(kNumericError);
            return fail(kGenericError);
        }
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

} // namespace

std::optional<Integer> CountColumns(Project& p)
{
    LineSource src(p.DataFileName);
    return CountColumnsIn(src, p);
}

Message ReadConeData(Project& p)
{
    LineSource src(p.DataFileName);
    return ReadConeDataFrom(src, p);
}

Message LoadConeFile(Project& p)
{
    // One reading of the file serves both passes.
    LineSource src(p.DataFileName);
    const auto columns = CountColumnsIn(src, p);
    if (!columns) {
        p.ReadError = True;
        if (!src.IsOpen())
            return PlainMessage(kOpenError);
        return Failure(kGenericError, p.NumTitleLines + 1);
    }
    p.NumColumns = *columns;
    src.Rewind();
    return ReadConeDataFrom(src, p);
}

} // namespace quarvex
