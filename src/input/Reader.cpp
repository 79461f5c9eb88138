#include "input/Reader.h"

#include "project/NumberText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
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
//
// The text is followed by kPadding zero bytes, so that a scan may load eight
// bytes at once anywhere up to the end of the text. The byte after a line is
// always its CR, its LF or, after a last line without an end, a zero.
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
        text_ = std::make_unique_for_overwrite<char[]>(room + kPadding);
        for (;;) {
            if (size_ == room) {
                auto wider = std::make_unique_for_overwrite<char[]>(room * 2 + kPadding);
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
        std::memset(text_.get() + size_, 0, kPadding);
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
    static constexpr std::size_t kPadding = 16;
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

// A number is read eight bytes at a time, in words whose first byte is the
// lowest, whatever the machine.
std::uint64_t Load8(const char* at)
{
    std::uint64_t w;
    std::memcpy(&w, at, sizeof w);
    if constexpr (std::endian::native == std::endian::big)
        w = __builtin_bswap64(w);
    return w;
}

constexpr std::uint64_t EveryByte(unsigned char c)
{
    return 0x0101010101010101ULL * c;
}

// The high bit of each byte of t (text with '0' taken out by exclusive or) that
// is not a digit: a digit leaves 0 to 9, to which 0x76 adds no high bit; any
// other byte has it from the sum or of its own. The sums stay within their bytes.
std::uint64_t NonDigits(std::uint64_t t)
{
    constexpr std::uint64_t kLowBits = EveryByte(0x7F);
    return (((t & kLowBits) + EveryByte(0x76)) | t) & EveryByte(0x80);
}

// The whole number of the digit values in the bytes of v, the first digit in the
// lowest byte; zero bytes below the digits read as leading zeros. Pairs, fours
// and then all eight are combined by multiplications.
std::uint64_t DigitsValue(std::uint64_t v)
{
    v = v * 10 + (v >> 8);
    constexpr std::uint64_t kPairs = 0x000000FF000000FFULL;
    return ((v & kPairs) * (100 + (1000000ULL << 32)) + ((v >> 16) & kPairs) * (1 + (10000ULL << 32))) >> 32;
}

constexpr double kExactPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7};

// The usual number of a data line, read from one word: after an optional sign,
// 1 to 7 bytes of digits with at most one point among them (and at least one
// digit). Returns where it ends, with its value as a Single, the very one
// ScanShortDecimal gives: the digits make an exact whole number, divided once by
// an exact power of ten, as ScanShortDecimal forms the value. nullptr when the
// number is longer or has no digit. What follows is not looked at: where an
// exponent or text follows, the piece does not end there and the caller reads
// it again with ScanShortDecimal.
//
// No digit or point lies past the end of the line (the byte there is a CR, an
// LF or a zero), so the word stays within the line and the padding after it.
const char* ShortNumber(const char* c, float& out)
{
    const bool negative = *c == '-';
    c += (*c == '-' || *c == '+') ? 1 : 0;
    const std::uint64_t t = Load8(c) ^ EveryByte('0');
    const std::uint64_t others = NonDigits(t);
    const auto whole = static_cast<unsigned>(std::countr_zero(others)) / 8; // 8: no end in the word
    const bool point = c[whole] == '.';
    // Up to the first non-digit after the point, if there is one.
    const unsigned length =
        point ? static_cast<unsigned>(std::countr_zero(others & (others - 1))) / 8 : whole;
    const unsigned digits = length - (point ? 1 : 0);
    if (length > 7 || digits == 0)
        return nullptr;
    // The number to the top of the word, zero bytes below it; then the digits
    // below the point one byte up over it (with no point, byte 0 is a zero and
    // nothing moves).
    std::uint64_t v = t << (8 * (8 - length));
    const std::uint64_t pointByte = std::uint64_t{1} << (8 * (point ? 8 - length + whole : 0));
    v += 255 * (v & (pointByte - 1)) - (v & (255 * pointByte));
    const double d = static_cast<double>(DigitsValue(v)) / kExactPow10[digits - whole];
    out = static_cast<float>(negative ? -d : d);
    return c + length;
}

// A separator that could continue a number (ScanShortDecimal would take it in)
// or be the byte after a line (CR, LF, the zero padding) would break the scans
// below; a file with such a separator is read piece by piece alone.
bool QuickSeparator(char sep)
{
    const bool digit = sep >= '0' && sep <= '9';
    return !digit && std::string_view(".+-eE\r\n").find(sep) == std::string_view::npos && sep != '\0';
}

// The usual data line in one pass: true with its first three values when the
// general reading below would give the same pieces and read them as numbers.
// The pieces are then the runs of characters that are neither the separator nor
// a blank; that holds except where two blanks stand inside a piece of the
// separator's splitting (they make an empty piece there), so such a line, like
// any line not read cleanly, is left to the general reading (false).
//
// The line must come from LineSource, whose byte after a line ends every scan
// here, and the separator must be a QuickSeparator.
bool QuickReading(std::string_view line, char sep, int columns, std::array<float, 3>& values)
{
    const char* c = line.data();
    const char* const end = c + line.size();
    int count = 0;
    for (;;) {
        // The gap before a piece. A file written in fixed widths has the same
        // gaps line after line, so a loop over their bytes is well predicted,
        // and its end is known before the bytes are.
        const char* const gap = c;
        bool separated = count == 0; // a separator (or the start) in the gap
        while (*c == ' ' || *c == sep) {
            separated = separated || *c == sep;
            ++c;
        }
        if (c == end)
            break;
        // A gap without a separator is all blanks.
        if (!separated && c - gap >= 2)
            return false;
        if (count < 3) {
            // The number is read as the piece is scanned. It must fill the piece,
            // so that it is the value ToSingle gives for the piece.
            float& value = values[static_cast<std::size_t>(count)];
            const char* const piece = c;
            c = ShortNumber(piece, value);
            // A longer number, an exponent or text after the digits: the digit
            // scan decides.
            if (c == nullptr || (c != end && *c != sep && *c != ' ')) {
                double d;
                c = ScanShortDecimal(piece, end, d);
                if (c == nullptr)
                    return false;
                value = static_cast<float>(d);
                if (!std::isfinite(value))
                    return false;
            }
        } else {
            while (c != end && *c != sep && *c != ' ')
                ++c;
        }
        ++count;
        if (c == end)
            break;
        if (*c != sep && *c != ' ')
            return false;
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
    const bool quick = p.Separator.size() == 1 && QuickSeparator(p.Separator[0]);
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
