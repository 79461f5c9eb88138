#include "design/OutputFile.h"

#include "design/ListingText.h"
#include "design/Zones.h"
#include "project/FileReplace.h"
#include "project/NumberText.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace quarvex {

namespace {

constexpr std::size_t kZoneWidth = kListingZone;
constexpr const char* kCrLf = "\r\n";
constexpr const char* kDashes = " -------------------------------------- ";

// Windows-1252 for the code points 0x80..0x9F it assigns; everything else there
// is the same as Latin-1.
int Cp1252Byte(std::uint32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    static const std::uint16_t table[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    for (int k = 0; k < 32; ++k) {
        if (table[k] != 0 && table[k] == cp)
            return 0x80 + k;
    }
    return -1;
}

// Decodes UTF-8; false when the text is not well-formed UTF-8.
bool DecodeUtf8(const std::string& s, std::string& out)
{
    out.clear();
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::uint32_t cp;
        int extra;
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0 && c >= 0xC2) {
            cp = c & 0x1F;
            extra = 1;
        } else if ((c & 0xF0) == 0xE0) {
            cp = c & 0x0F;
            extra = 2;
        } else if ((c & 0xF8) == 0xF0 && c <= 0xF4) {
            cp = c & 0x07;
            extra = 3;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= s.size())
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        i += static_cast<std::size_t>(extra) + 1;
        const int b = Cp1252Byte(cp);
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return true;
}

} // namespace

std::string ToAnsi(const std::string& text)
{
    std::string out;
    if (DecodeUtf8(text, out))
        return out;
    return text;
}

void ZoneLine::NextZone()
{
    if (first_) {
        first_ = false;
        return;
    }
    // Blanks up to the start of the next zone; an item that filled its zone
    // completely is followed directly by the next (its own trailing blank parts them).
    const std::size_t col = out_->size() - start_;
    const std::size_t next = (col + kZoneWidth - 1) / kZoneWidth * kZoneWidth;
    out_->append(next - col, ' ');
}

ZoneLine& ZoneLine::Number(Single v)
{
    NextZone();
    AppendListingForm(*out_, v);
    return *this;
}

ZoneLine& ZoneLine::Text(const std::string& s)
{
    NextZone();
    *out_ += s;
    return *this;
}

namespace {

// Lines whose first item, the step depth, is already in its listing form. The
// output file has tens of thousands of these, so each is put together in
// place in a block of lines, and the block is appended to the text at once.
class DepthLines {
public:
    explicit DepthLines(std::string& t) : t_(t) {}
    DepthLines(const DepthLines&) = delete;
    DepthLines& operator=(const DepthLines&) = delete;
    ~DepthLines() { Flush(); }

    template <std::size_t N> void Add(const std::string& depth, const Single (&values)[N])
    {
        static_assert(N <= 3);
        constexpr std::size_t kLongestDepth = 64;
        if (depth.size() > kLongestDepth) {
            Flush();
            ZoneLine line(t_);
            line.Text(depth);
            for (Single v : values)
                line.Number(v);
            t_ += kCrLf;
            return;
        }
        constexpr std::size_t kRoom = kLongestDepth + N * (kZoneWidth + kListingFormMax) + 2;
        if (used_ + kRoom > sizeof block_)
            Flush();
        char* const line = block_ + used_;
        std::copy_n(depth.data(), depth.size(), line);
        char* w = WriteZonedNumbers(line, line + depth.size(), values, static_cast<int>(N));
        *w++ = '\r';
        *w++ = '\n';
        used_ = static_cast<std::size_t>(w - block_);
    }

private:
    void Flush()
    {
        t_.append(block_, used_);
        used_ = 0;
    }

    std::string& t_;
    char block_[16384];
    std::size_t used_ = 0;
};

// The listing form of every step depth, written six times per run.
std::vector<std::string> DepthTexts(const Project& p)
{
    std::vector<std::string> texts(static_cast<std::size_t>(std::max<int>(p.NumSteps, 0)));
    for (int i = 1; i <= p.NumSteps; ++i)
        AppendListingForm(texts[static_cast<std::size_t>(i - 1)], p.StepDepth[i]);
    return texts;
}

void TextLine(std::string& t, std::initializer_list<const char*> items)
{
    ZoneLine line(t);
    for (const char* s : items)
        line.Text(s);
    t += kCrLf;
}

} // namespace

std::string OutputHeaderText(const Project& p, const std::vector<std::string>& depths)
{
    std::string t;
    t.reserve(static_cast<std::size_t>(p.NumSteps) * 100 + 1024);
    t += "Date: " + ToAnsi(p.ProjectDate) + kCrLf;
    t += "Project Number: " + ToAnsi(p.ProjectNumber) + "\tCompany: " + ToAnsi(p.Company) + kCrLf;
    t += "Project Title: " + ToAnsi(p.ProjectTitle) + kCrLf;
    t += "CTP Station: " + ToAnsi(p.CPTStation) + "\tOffset: " + ToAnsi(p.StationOffset) + kCrLf;
    t += "Ground Elevation: " + GeneralForm(p.GroundElevation) + "\tStruct Number: " + ToAnsi(p.StructNo) +
         kCrLf;
    t += "GRS Data      Latitute:\t" + ToAnsi(p.Latitude) + "Longitude: " + ToAnsi(p.Longitude) + kCrLf;
    t += "Comments: " + ToAnsi(p.Comments) + kCrLf;
    t += "Cone Penetration Readings ";
    t += kCrLf;
    t += kDashes;
    t += kCrLf;
    t += "Depth\tQ_Tip\tQ_Sleeve";
    t += kCrLf;
    t += kCrLf;
    {
        DepthLines lines(t);
        for (int i = 1; i <= p.NumSteps; ++i)
            lines.Add(depths[static_cast<std::size_t>(i - 1)], {p.StepTip[i], p.StepSleeve[i]});
    }
    t += kCrLf;
    t += " Classification Data ";
    t += kCrLf;
    t += kDashes;
    t += kCrLf;
    TextLine(t, {"Depth", "%Sand", "%Silt", "%Clay"});
    t += kCrLf;
    {
        DepthLines lines(t);
        for (int i = 1; i <= p.NumSteps; ++i)
            lines.Add(depths[static_cast<std::size_t>(i - 1)], {p.PctSand[i], p.PctSilt[i], p.PctClay[i]});
    }
    return t;
}

std::string OutputHeaderText(const Project& p)
{
    return OutputHeaderText(p, DepthTexts(p));
}

void AppendMethodSectionText(std::string& t, const Project& p, const std::string& title,
                             const Array1<Single>& endBearing, const Array1<Single>& friction,
                             const Array1<Single>& ultimate, const std::vector<std::string>& depths)
{
    const ZoneRange range = ZoneBetween(p.StepDepth, p.NumSteps - 1, p.PileTopDepth, p.PileTipDepth);
    t += kCrLf;
    t += ToAnsi(title) + kCrLf;
    t += kCrLf;
    TextLine(t, {"D", "EndBearing", "Friction", "Ultimate"});
    t += kCrLf;
    DepthLines lines(t);
    for (int i = range.begin; i < range.end; ++i)
        lines.Add(depths[static_cast<std::size_t>(i - 1)], {endBearing[i], friction[i], ultimate[i]});
}

std::string MethodSectionText(const Project& p, const std::string& title, const Array1<Single>& endBearing,
                              const Array1<Single>& friction, const Array1<Single>& ultimate,
                              const std::vector<std::string>& depths)
{
    std::string t;
    t.reserve(static_cast<std::size_t>(std::max<int>(p.NumSteps, 0)) * 60 + 128);
    AppendMethodSectionText(t, p, title, endBearing, friction, ultimate, depths);
    return t;
}

std::string MethodSectionText(const Project& p, const std::string& title, const Array1<Single>& endBearing,
                              const Array1<Single>& friction, const Array1<Single>& ultimate)
{
    return MethodSectionText(p, title, endBearing, friction, ultimate, DepthTexts(p));
}

void WriteMethodSections(OutputWriter& out, const Project& p, const MethodTable& methods)
{
    for (const MethodEntry& m : methods) {
        const ConstMethodArrays a = m.Results(p);
        out.WriteMethodSection(m.sectionTitle, *a.endBearing, *a.friction, *a.ultimate);
    }
}

OutputWriter::~OutputWriter()
{
    Abandon();
}

void OutputWriter::Put(const std::string& s)
{
    if (file_ == nullptr || failed_)
        return;
    if (std::fwrite(s.data(), 1, s.size(), file_) != s.size())
        failed_ = true;
}

std::optional<Message> OutputWriter::WriteOutputHeader(const Project& p)
{
    Abandon();
    fileName_ = p.OutputFileName;
    project_ = &p;
    failed_ = false;
    auto refuse = [this]() {
        Abandon();
        return PlainMessage(fileName_ == kDefaultOutputFileName ? kMsgDefaultFileFailed
                                                                : kMsgOtherFileFailed);
    };
    if (fileName_.empty())
        return refuse();
    const auto plan = PlanReplacement(fileName_);
    if (!plan)
        return refuse();
    file_ = std::fopen(plan->writeName.c_str(), "wb");
    if (file_ == nullptr)
        return refuse();
    plan_ = *plan;
    depths_ = DepthTexts(p);
    // Room for the usual four tables, so that they are not moved as they grow.
    tables_.reserve(4 * (static_cast<std::size_t>(std::max<int>(p.NumSteps, 0)) * 60 + 128));
    Put(OutputHeaderText(p, depths_));
    if (failed_ || std::fflush(file_) != 0)
        return refuse();
    return std::nullopt;
}

void OutputWriter::WriteMethodSection(const std::string& title, const Array1<Single>& endBearing,
                                      const Array1<Single>& friction, const Array1<Single>& ultimate)
{
    if (project_ == nullptr)
        return;
    AppendMethodSectionText(tables_, *project_, title, endBearing, friction, ultimate, depths_);
}

Message OutputWriter::CloseOutputFile()
{
    Put(tables_);
    tables_.clear();
    bool ok = file_ != nullptr && !failed_;
    if (file_ != nullptr) {
        if (std::fflush(file_) != 0 || std::ferror(file_) != 0)
            ok = false;
        if (std::fclose(file_) != 0)
            ok = false;
        file_ = nullptr;
        if (ok && plan_) {
            ok = CompleteReplacement(*plan_);
            plan_.reset();
        }
    }
    DropPartFile();
    project_ = nullptr;
    depths_.clear();
    if (!ok) {
        failed_ = true;
        return CriticalMessage(kMsgWriteFailed + fileName_);
    }
    return InfoMessage("Data was exported to file: " + fileName_, kExportCaption);
}

void OutputWriter::Abandon()
{
    tables_.clear();
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    DropPartFile();
    project_ = nullptr;
}

void OutputWriter::DropPartFile()
{
    if (plan_)
        DropReplacement(*plan_);
    plan_.reset();
}

} // namespace quarvex
