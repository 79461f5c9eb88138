#pragma once
// Small text tools the format readers share: whole-file reading, lines with their
// numbers, units, exact unit scaling and the wording of messages.

#include "input/Sounding.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvex::formats {

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Text without a leading UTF-8 byte order mark.
std::string_view StripBom(std::string_view text);

struct TextLine {
    std::string_view Text; // without its CR LF or LF and without trailing blanks
    int Number = 0;        // 1-based line number in the file
};

// Splits at LF, dropping a CR before it; the last line may lack its end.
std::vector<TextLine> SplitLines(std::string_view text);

// Fields of a line separated by `separator`, each trimmed of blanks; a field in
// double quotes may hold the separator, and "" inside it stands for one quote.
// Nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitDelimited(std::string_view line, char separator);

// Removes blanks and tabs at both ends.
std::string_view TrimBlanks(std::string_view s);

std::string Lowercase(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);

// Whole decimal number (optional sign) of a header field.
std::optional<int> ToWholeNumber(std::string_view text);

std::string DecimalText(long long n);

// "<path>, line <n>: <what>" and "<path>: <what>".
std::string LineError(const std::string& path, int line, std::string_view what);
std::string FileError(const std::string& path, std::string_view what);

// The units the readers convert from. Everything else is refused by name.
enum class Unit { Metre, Foot, MPa, KPa, Tsf, Unknown };
Unit ParseUnit(std::string_view text);
bool IsLength(Unit u);
bool IsStress(Unit u);

// A value in MPa, m, ft or tsf as a Single. kPa are scaled by moving the decimal
// point in the text, so that "12.3" kPa gives exactly the Single that "0.0123"
// MPa gives: a file and its hand conversion then read alike.
std::optional<Single> ValueIn(std::string_view text, Unit unit);
// A value already read, as a Single; nothing when it does not fit.
std::optional<Single> ValueIn(double value);

// Refuses depths that decrease; lines[k] is the file line of reading k.
std::string CheckDepthOrder(const std::vector<Single>& depth, const std::vector<int>& lines,
                            const std::string& path);

} // namespace quarvex::formats

namespace quarvex::formats {

// A format read from the whole text of the file. Read() loads the file, drops a
// BOM, and stamps the reader's Name() on every sounding; tests and callers that
// hold the text already (a drop from another program) call ReadText directly.
class TextFormatReader : public SoundingReader {
public:
    ReadOutcome Read(const std::string& path, const ReadOptions& options) const final;
    // path only names the file in messages.
    ReadOutcome ReadText(std::string_view content, const std::string& path) const;

protected:
    virtual ReadOutcome Parse(std::string_view text, const std::string& path) const = 0;
};

} // namespace quarvex::formats
