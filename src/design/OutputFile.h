#pragma once
// The design output file: header, step readings and classification, then one
// capacity table per method. 8-bit text, CR LF line ends, print zones of 14
// characters, the listing number form for every value.

#include "design/Methods.h"
#include "project/FileReplace.h"
#include "project/Message.h"
#include "project/Project.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace quarvex {

inline constexpr const char* kDefaultOutputFileName = "Output.dat";
inline constexpr const char* kMsgDefaultFileFailed =
    "Can not open default data file, please creat one or select a file for output";
inline constexpr const char* kMsgOtherFileFailed = "Please select a file name for output and try again ";
inline constexpr const char* kMsgWriteFailed = "Could not write to file: ";
inline constexpr const char* kExportCaption = " Data Export to Text File";

// Lines of print zones: each item starts at the next zone (columns 1, 15, 29, 43).
// Writes into its own text, or appends one line to a text being built.
class ZoneLine {
public:
    ZoneLine() : out_(&own_) {}
    explicit ZoneLine(std::string& into) : out_(&into), start_(into.size()) {}
    ZoneLine(const ZoneLine&) = delete;
    ZoneLine& operator=(const ZoneLine&) = delete;

    ZoneLine& Number(Single v);
    ZoneLine& Text(const std::string& s);
    const std::string& str() const { return own_; }

private:
    void NextZone();
    std::string own_;
    std::string* out_;
    std::size_t start_ = 0;
    bool first_ = true;
};

// Project text as 8-bit characters: UTF-8 text becomes Windows-1252 (a character
// it lacks becomes "?"); text that is not UTF-8 is taken as 8-bit already.
std::string ToAnsi(const std::string& text);

class OutputWriter {
public:
    OutputWriter() = default;
    ~OutputWriter();
    OutputWriter(const OutputWriter&) = delete;
    OutputWriter& operator=(const OutputWriter&) = delete;

    // Creates the file OutputFileName and writes everything up to the
    // classification listing. On failure returns the message to show and leaves
    // no file open. The text goes to a part file beside the named one, which
    // replaces it only when CloseOutputFile succeeds: a run that fails or stops
    // leaves the user's earlier file as it was.
    std::optional<Message> WriteOutputHeader(const Project& p);

    // Appends one capacity table: steps 1..NumSteps-1 with PileTopDepth < depth <=
    // PileTipDepth.
    void WriteMethodSection(const std::string& title, const Array1<Single>& endBearing,
                            const Array1<Single>& friction, const Array1<Single>& ultimate);

    // Closes the file; returns where the data went, or that the writing failed.
    Message CloseOutputFile();

    // Closes without a message (a run that stopped after the header).
    void Abandon();

    bool IsOpen() const { return file_ != nullptr; }
    bool Failed() const { return failed_; }
    const std::string& FileName() const { return fileName_; }

private:
    void Put(const std::string& s);

    void DropPartFile();

    std::FILE* file_ = nullptr;
    std::string fileName_;
    // Where the text goes until it is complete, and the file it then replaces.
    std::optional<ReplacementPlan> plan_;
    const Project* project_ = nullptr;
    bool failed_ = false;
    std::vector<std::string> depths_;
    // The capacity tables, written in one piece when the file is closed: a
    // few large writes instead of several smaller ones per table.
    std::string tables_;
};

// Appends the table of every method, in table order, from the finished results.
void WriteMethodSections(OutputWriter& out, const Project& p, const MethodTable& methods);

// The whole header text (lines 1 to 10 and the two listings), for tests and tools.
std::string OutputHeaderText(const Project& p);
// One capacity table as it is appended.
std::string MethodSectionText(const Project& p, const std::string& title, const Array1<Single>& endBearing,
                              const Array1<Single>& friction, const Array1<Single>& ultimate);

// The same, with the listing forms of the step depths already made.
std::string OutputHeaderText(const Project& p, const std::vector<std::string>& depths);
std::string MethodSectionText(const Project& p, const std::string& title, const Array1<Single>& endBearing,
                              const Array1<Single>& friction, const Array1<Single>& ultimate,
                              const std::vector<std::string>& depths);
// Appends that text to `t`.
void AppendMethodSectionText(std::string& t, const Project& p, const std::string& title,
                             const Array1<Single>& endBearing, const Array1<Single>& friction,
                             const Array1<Single>& ultimate, const std::vector<std::string>& depths);

} // namespace quarvex
