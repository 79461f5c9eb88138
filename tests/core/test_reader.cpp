#include "TestFiles.h"
#include "input/Reader.h"
#include "project/NumberText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <sys/stat.h>

using namespace quarvex;
using quarvex::testing::TempFile;
using quarvex::testing::Titles;

namespace {

struct ReadOutcome {
    Message message;
    Project project;
};

// Reads content as the open-file screen would, on a project that may already
// hold an earlier data set.
Message Read(Project& p, const std::string& path, int titleLines)
{
    p.DataFileName = path;
    p.NumTitleLines = static_cast<Integer>(titleLines);
    return LoadConeFile(p);
}

} // namespace

TEST(Reader, AcceptedLayouts)
{
    struct Case {
        const char* name;
        std::string data; // after 2 title lines
        int columns;
        const char* separator;
        int readings;
    } cases[] = {
        {"commas", "1,10,0.1\r\n2,20,0.2\r\n3,30,0.3\r\n", 3, ",", 3},
        {"runs of spaces", "  1   10  0.1\r\n2 20     0.2\r\n   3 30 0.3   \r\n", 3, " ", 3},
        {"tabs", "1\t10\t0.1\r\n2\t20\t0.2\r\n", 3, "\t", 2},
        {"comma and blank", "12.5, 34.1, 0.21\r\n13.5,  35.1,   0.22\r\n", 3, ",", 2},
        {"four columns", "1,10,0.1,5\r\n2,20,0.2,6\r\n", 4, ",", 2},
        {"blank lines skipped", "1,10,0.1\r\n\r\n   \r\n2,20,0.2\r\n\r\n", 3, ",", 2},
        {"LF line ends, no final end", "1 10 0.1\n2 20 0.2", 3, " ", 2},
        {"exponents", "5.0000E-03 1.2E+00 3E-2\r\n1.0E-02 1.3 0.04\r\n", 3, " ", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFile f(Titles(2) + c.data);
        Project p;
        const Message m = Read(p, f.path(), 2);
        EXPECT_EQ(p.ReadError, False) << m.text;
        EXPECT_EQ(p.NumColumns, c.columns);
        EXPECT_EQ(p.Separator, c.separator);
        EXPECT_EQ(p.NumReadings, c.readings);
        EXPECT_EQ(m.icon, MsgIcon::Information);
    }
}

TEST(Reader, StoresReadingsAsSinglesAndReportsSuccess)
{
    TempFile f("Site A\r\n\r\nColumns\r\n12.5, 34.1, 0.21\r\n13.0,40,0.5\r\n");
    Project p;
    const Message m = Read(p, f.path(), 3);
    ASSERT_EQ(p.NumReadings, 2);
    EXPECT_EQ(p.DepthData[1], 12.5F);
    EXPECT_EQ(p.TipData[1], 34.1F);
    EXPECT_EQ(p.SleeveData[1], 0.21F);
    EXPECT_EQ(p.TipData[2], 40.0F);
    // Empty title lines are not kept.
    EXPECT_EQ(p.FileHeader, "Site A\r\nColumns\r\n");
    EXPECT_EQ(m.text,
              "Cone Data File: " + f.path() + "\r\n was successfully opened. \r\n Total Number of Lines = 2");
    EXPECT_EQ(m.caption, " Data Import from Text File");
    EXPECT_EQ(m.icon, MsgIcon::Information);
}

TEST(Reader, FailuresNameTheTrueLineNumber)
{
    const std::string numeric = "Data should be numeric, please check line number ";
    const std::string format = "Wrong format data. Please Check line Number ";
    const std::string generic = "Could not read data from file. Please Check line Number ";
    struct Case {
        const char* name;
        std::string data; // after 3 title lines
        std::string message;
    } cases[] = {
        {"column headings in the first data line", "Depth,Tip,Sleeve\r\n1,2,3\r\n", numeric + "4"},
        {"word in the tip column", "1,10,0.1\r\n2,soft,0.2\r\n", generic + "5"},
        {"two columns only", "1,10\r\n2,20\r\n", generic + "4"},
        {"fewer columns later", "1,10,0.1,5\r\n2,20,0.2,6\r\n3,30,0.3\r\n", format + "6"},
        // Blank lines count: the engineer must find the line in an editor.
        {"blank lines before the bad line", "1,10,0.1\r\n\r\n\r\n2,20\r\n", format + "7"},
        {"single column", "12.5\r\n13.5\r\n", generic + "4"},
        {"value too large for a Single", "1,10,0.1\r\n2,1e39,0.2\r\n", generic + "5"},
        {"only blank lines after the titles", "\r\n \r\n", generic + "4"},
        {"no line after the titles", "", generic + "4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFile f(Titles(3) + c.data);
        Project p;
        const Message m = Read(p, f.path(), 3);
        EXPECT_EQ(p.ReadError, True);
        EXPECT_EQ(m.text, c.message);
        EXPECT_EQ(m.caption, "Quarvex");
        EXPECT_EQ(m.icon, MsgIcon::None);
    }
}

TEST(Reader, MissingFileIsReported)
{
    Project p;
    const Message m = Read(p, "/nonexistent/folder/none.txt", 10);
    EXPECT_EQ(m.text, "Could not read data from file");
    EXPECT_EQ(p.ReadError, True);
}

TEST(Reader, FailedReadLeavesThePreviousDataSetWhole)
{
    TempFile good(Titles(1) + "1,10,0.1\r\n2,20,0.2\r\n3,30,0.3\r\n");
    Project p;
    Read(p, good.path(), 1);
    ASSERT_EQ(p.NumReadings, 3);
    const std::string header = p.FileHeader;

    // A longer file that fails late would have overwritten the first readings
    // (and here made the arrays grow).
    std::string data;
    for (int k = 1; k <= 4000; ++k)
        data += std::to_string(k) + ",99,0.9\r\n";
    data += "4001,x,0.9\r\n";
    TempFile tooLong(Titles(1) + data);
    const Message m = Read(p, tooLong.path(), 1);
    EXPECT_EQ(m.text, "Could not read data from file. Please Check line Number 4002");
    EXPECT_EQ(p.ReadError, True);
    EXPECT_EQ(p.NumReadings, 3);
    EXPECT_EQ(p.FileHeader, header);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(p.DepthData[k], static_cast<float>(k));
        EXPECT_EQ(p.TipData[k], 10.0F * k);
    }
    EXPECT_EQ(p.DepthData[4], 0.0F);
}

// The reading arrays grow with the file: the old limit of 4000 and a count
// beyond what an Integer holds are read whole, then a short file after them.
TEST(Reader, ReadsFilesOfAnyLength)
{
    Project p;
    for (const int n : {4000, 4001, 40000, 2}) {
        SCOPED_TRACE(n);
        std::string data;
        for (int k = 1; k <= n; ++k)
            data += std::to_string(k) + " 50 " + (k == n ? "0.75" : "0.5") + "\n";
        TempFile f(Titles(3) + data);
        const Message m = Read(p, f.path(), 3);
        ASSERT_EQ(p.ReadError, False) << m.text;
        EXPECT_EQ(p.NumReadings, n);
        EXPECT_NE(m.text.find(" Total Number of Lines = " + std::to_string(n)), std::string::npos) << m.text;
        EXPECT_EQ(p.DepthData[n], static_cast<float>(n));
        EXPECT_EQ(p.SleeveData[n], 0.75F);
        EXPECT_EQ(p.TipData[1], 50.0F);
        // Cleaning writes the ratio and elevation of every reading.
        EXPECT_GE(p.RatioData.size(), n);
        EXPECT_GE(p.ElevData.size(), n);
    }
}

// A data line is first read in one pass, piece and number together; every line
// must come out as the piece-by-piece reading gives it: the same values, or the
// same refusal on the same line. These lines sit at the edges of the one-pass
// reading (two blanks inside a comma piece make an empty piece, tabs belong to
// a comma piece, numbers of more than 15 digits, text after a number).
TEST(Reader, OddLinesReadAsPieceByPiece)
{
    const std::string format = "Wrong format data. Please Check line Number 4";
    const std::string generic = "Could not read data from file. Please Check line Number 4";
    const std::string numeric = "Data should be numeric, please check line number 4";
    struct Case {
        const char* line; // the second data line, after "1,10,0.1" or "1 10 0.1"
        char separator;
        std::vector<const char*> values; // the texts the values must equal; none for a refusal
        std::string message;
    } cases[] = {
        {"2  3,20,0.2", ',', {}, format},
        {"2  3,20", ',', {}, format},
        {"2 3,20", ',', {"2", "3", "20"}, ""},
        {"2 ,  20 ,0.2  ", ',', {"2", "20", "0.2"}, ""},
        {"  2,20,0.2", ',', {"2", "20", "0.2"}, ""},
        {"2,\t20,0.2", ',', {"2", "20", "0.2"}, ""},
        {"2,20\t,0.2", ',', {"2", "20", "0.2"}, ""},
        {"2,2\t0,0.2", ',', {}, generic},
        {"2,,20,0.2", ',', {"2", "20", "0.2"}, ""},
        {"2.00000000000000000001,12345678901234567890,0.1000000000000000055511151231257827",
         ',',
         {"2.00000000000000000001", "12345678901234567890", "0.1000000000000000055511151231257827"},
         ""},
        {"0.000000000000000000000000000001234,1e-30,1E+30", ',', {"1.234e-30", "1e-30", "1e30"}, ""},
        {"123456789012345,1234567890123456,0.5", ',', {"123456789012345", "1234567890123456", "0.5"}, ""},
        {"2,1.5e,0.2", ',', {}, generic},
        {"2,1.5e+,0.2", ',', {}, generic},
        {"2,12.5x,0.2", ',', {}, generic},
        {"2,3e39,0.2", ',', {}, generic},
        {"+2,-.5,5.", ',', {"2", "-0.5", "5"}, ""},
        {"-0,+0,0.0e5", ',', {"-0", "0", "0"}, ""},
        {"x,y,z", ',', {}, numeric},
        {"1e5  2E-3 \t 3", ' ', {}, format},
        {"1e5  2E-3   3", ' ', {"1e5", "2E-3", "3"}, ""},
        {"2 20 0.2 7", ' ', {}, format},
        {"2\r20 0.2", ' ', {}, format},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const std::string first = c.separator == ',' ? "1,10,0.1" : "1 10 0.1";
        TempFile f(Titles(2) + first + "\r\n" + c.line + "\r\n");
        Project p;
        const Message m = Read(p, f.path(), 2);
        if (c.values.empty()) {
            EXPECT_EQ(p.ReadError, True);
            EXPECT_EQ(m.text, c.message);
            continue;
        }
        ASSERT_EQ(p.ReadError, False) << m.text;
        ASSERT_EQ(p.NumReadings, 2);
        const float* read[] = {&p.DepthData[2], &p.TipData[2], &p.SleeveData[2]};
        for (int k = 0; k < 3; ++k) {
            const auto expected =
                static_cast<float>(std::strtod(c.values[static_cast<std::size_t>(k)], nullptr));
            EXPECT_EQ(std::memcmp(read[k], &expected, sizeof expected), 0) << k;
        }
    }
}

// A file that tells no size (a pipe) is read in growing pieces; a sounding
// larger than the first piece must come through whole.
TEST(Reader, ReadsASoundingFromAPipe)
{
    TempFile dir("");
    const std::string fifo = (dir.dir() / "sounding.fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string data = Titles(2);
    const int n = 9000; // about 150 kB, over twice the first piece
    for (int k = 1; k <= n; ++k)
        data += std::to_string(k) + ".25, 50.5, 0.75\r\n";
    std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << data; });
    Project p;
    const Message m = Read(p, fifo, 2);
    writer.join();
    ASSERT_EQ(p.ReadError, False) << m.text;
    EXPECT_EQ(p.NumReadings, n);
    EXPECT_EQ(p.DepthData[n], n + 0.25F);
    EXPECT_EQ(p.SleeveData[n], 0.75F);
}

TEST(Reader, ShorterSecondFileLeavesOldTailUnused)
{
    TempFile first(Titles(0) + "1,1,1\n2,2,2\n3,3,3\n");
    TempFile second(Titles(0) + "5,5,5\n");
    Project p;
    Read(p, first.path(), 0);
    Read(p, second.path(), 0);
    EXPECT_EQ(p.NumReadings, 1);
    EXPECT_EQ(p.DepthData[1], 5.0F);
}

TEST(Reader, CountColumnsRules)
{
    struct Case {
        const char* line;
        int columns;
        const char* separator;
    } cases[] = {
        {"1,2,3", 3, ","},    {"1, 2, 3", 3, ","},   {"1   2   3", 3, " "}, {"1,2,3,4", 4, ","},
        {"1\t2\t3", 3, "\t"}, {"  1 2 3  ", 3, " "}, {"1,2 3", 3, " "}, // the last separator seen wins
        {"", 1, "keep"},
    };
    for (const auto& c : cases) {
        TempFile f(Titles(1) + c.line + "\r\n");
        Project p;
        p.Separator = "keep";
        p.DataFileName = f.path();
        p.NumTitleLines = 1;
        EXPECT_EQ(CountColumns(p), c.columns) << c.line;
        EXPECT_EQ(p.Separator, c.separator) << c.line;
    }
}

// The column count and separator come from the first data line by a scan whose
// quirks (a cut skips the character after it, a leading tab is no separator,
// the last separator met wins) decide how odd files read; the fast scan keeps
// every one of them.
TEST(Reader, CountsColumnsOfOddFirstLinesAsBefore)
{
    struct Case {
        std::string line;
        int columns;
        const char* separator; // "" when no separator was met (the old one stays)
    } cases[] = {
        {"1,2,3", 3, ","},    {"1,,2", 2, ","},      {"1,,,2", 3, ","},       {",1,2", 3, ","},
        {"1 , 2 ,3", 4, " "}, {"1\t2 3", 3, " "},    {"1 2\t3", 3, "\t"},     {"\t1\t2", 2, "\t"},
        {"1\t\t2", 2, "\t"},  {"1,\t2", 2, ","},     {"   1    2  ", 2, " "}, {"12345", 1, ""},
        {"", 1, ""},          {"a,b c\td", 4, "\t"}, {"1, ,2", 2, ","},       {"1 ,\t, 2", 4, " "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("line [" + c.line + "]");
        TempFile f(Titles(1) + c.line + "\r\n");
        Project p;
        p.DataFileName = f.path();
        p.NumTitleLines = 1;
        p.Separator = "";
        const auto columns = CountColumns(p);
        ASSERT_TRUE(columns.has_value());
        EXPECT_EQ(*columns, c.columns);
        EXPECT_EQ(p.Separator, c.separator);
    }
}

// A count beyond what a column number can hold must not wrap into a small,
// plausible one: the line is refused as a format error.
TEST(Reader, RefusesAFirstLineWithMoreColumnsThanAnIntegerHolds)
{
    struct Case {
        std::string line;
        int columns; // 0: refused
    } cases[] = {
        {"", 32767},
        {"", 32768},
        // One reading, a run of 131 073 commas (a cut skips the next one) and two
        // more: 65 539 columns, which wrapped to 3 at 16 bits.
        {"1" + std::string(131073, ',') + "2,3", 0},
    };
    for (auto& c : cases) {
        if (c.line.empty()) {
            c.line = "1";
            for (int k = 1; k < c.columns; ++k)
                c.line += ",1";
            if (c.columns > 32767)
                c.columns = 0;
        }
        SCOPED_TRACE(c.line.size());
        TempFile f(Titles(2) + c.line + "\r\n1,2,3\r\n");
        Project p;
        const Message m = Read(p, f.path(), 2);
        EXPECT_EQ(p.ReadError, True);
        EXPECT_EQ(p.NumReadings, 0);
        if (c.columns > 0) {
            EXPECT_EQ(p.NumColumns, c.columns);
            EXPECT_EQ(m.text, "Wrong format data. Please Check line Number 4");
        } else {
            EXPECT_EQ(m.text, "Wrong format data. Please Check line Number 3");
        }
    }
}

namespace {

bool SameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A number text with a sign or none, 0 to 10 digits on either side of a point
// or no point, leading zeros and now and then an exponent, so that its length
// falls on both sides of every limit of the readings.
std::string RandomNumberText(std::mt19937& rng)
{
    auto pick = [&](unsigned n) { return static_cast<int>(rng() % n); };
    auto digits = [&](int n) {
        std::string d;
        for (int k = 0; k < n; ++k)
            d += static_cast<char>('0' + (k == 0 && pick(3) == 0 ? 0 : pick(10)));
        return d;
    };
    std::string text = pick(6) == 0 ? "-" : (pick(12) == 0 ? "+" : "");
    int whole = pick(11);
    const int fraction = pick(11);
    if (whole == 0 && fraction == 0)
        whole = 1;
    text += digits(whole);
    if (fraction > 0 || whole == 0 || pick(8) == 0)
        text += "." + digits(fraction);
    if (pick(10) == 0) {
        text += pick(2) == 0 ? "e" : "E";
        text += pick(3) == 0 ? "-" : (pick(3) == 0 ? "+" : "");
        text += std::to_string(pick(39));
    }
    return text;
}

// A data file (after its one title line) and the three texts of each reading.
struct NumberFile {
    std::string data;
    std::vector<std::string> texts;

    void Add(const std::string (&t)[3], const std::string& line)
    {
        data += line;
        texts.insert(texts.end(), t, t + 3);
    }
};

} // namespace

// Every number of a data line must read to the very Single its text gives on
// its own (ToSingle), or be refused as its text is, whichever way the line is
// read: short numbers from one word, longer ones and exponents digit by digit,
// odd lines piece by piece. The table sits at the limits of the one-word reading
// (up to 7 bytes of digits and point after the sign), at the end of a line and
// at the end of the file, where the word reaches past the text; generated
// numbers in three layouts fill in between.
TEST(Reader, ReadsEveryNumberAsItsTextAlone)
{
    const std::vector<std::string> edges = {
        "0", "7", "-0", "+0", "-0.0", "0.", ".0", "5.", ".5", "-.5", "+.5", "-5.", "00", "0000000",
        "00000001",
        // 1 to 9 digits with no point, and 7 bytes of digits and point either side of the limit.
        "1", "12", "123", "1234", "12345", "123456", "1234567", "12345678", "123456789", "-1234567",
        "+1234567", "-12345678", "9999999", "99999999", "1234567.", "123456.7", "12345.67", "1.23456",
        "1.234567", "1.2345678", ".123456", ".1234567", ".12345678", "-.1234567", "1234.567", "12.34567",
        "0.000001", "0.0000001", "0.1", "0.2", "0.3", "-0.005", "260.000", "16777217", "16777216.5",
        // 15 and 16 digits: the longest the digit scan reads, the shortest it does not.
        "123456789012345", "1234567890123456", "12345678.1234567", "1234567.12345678", "12345678.12345678",
        ".123456789012345", "0.1000000000000000055511151231257827",
        // Exponents.
        "1e5", "1E5", "1.5e-3", "-2.5E+02", "5.0000E-03", "7e0", "0e999", "1e-400", "3.4028234e38", "1e-45",
        "123e-2", "1.e1", ".5e1"};
    const std::vector<std::string> refused = {
        "1e39", "-1e39", "1e400", "1.5e",  "1.5e+", "1..5", "1.2.3", ".",     "-",   "+",   "--1", "+-1",
        "1-",   "0x10",  "e5",    "12.5x", "inf",   "nan",  "1.5f",  "1e5.5", "1:5", "1/2", "12:", "-/5"};

    // Each number in each column, in three layouts, then at the end of a file
    // with and without a final line end.
    std::vector<NumberFile> files(3);
    const std::string first[3] = {"1", "2", "3"};
    files[0].Add(first, "1,2,3\r\n");
    files[1].Add(first, "1 2 3\n");
    files[2].Add(first, "1\t2\t3\t4\r\n");
    for (const auto& t : edges) {
        ASSERT_TRUE(ToSingle(t).has_value()) << t;
        const std::string lines[][3] = {{t, "1.5", "2"}, {"3", t, "4"}, {"5", "6", t}};
        for (const auto& l : lines) {
            files[0].Add(l, l[0] + "," + l[1] + "," + l[2] + "\r\n");
            files[1].Add(l, "  " + l[0] + "     " + l[1] + " " + l[2] + "\n");
            files[2].Add(l, l[0] + "\t " + l[1] + "\t" + l[2] + "\t9\r\n");
        }
    }
    for (const auto& t : edges) {
        for (const char* ending : {"", "\r", "\n", " "}) {
            NumberFile f;
            f.Add({"1", "2", t}, "1,2," + t + ending);
            files.push_back(f);
        }
    }

    // Generated numbers, with gaps of every length up to past a word.
    std::mt19937 rng(20240611);
    auto pick = [&](unsigned n) { return static_cast<int>(rng() % n); };
    auto blanks = [&](unsigned most) { return std::string(static_cast<std::size_t>(pick(most + 1)), ' '); };
    for (int layout = 0; layout < 3; ++layout) {
        NumberFile f;
        f.Add(first, layout == 0 ? "1,2,3\n" : (layout == 1 ? "1 2 3\n" : "1\t2\t3\t4\n"));
        for (int line = 0; line < 400; ++line) {
            std::string t[3];
            for (auto& text : t) {
                do
                    text = RandomNumberText(rng);
                while (!ToSingle(text));
            }
            const std::string end = line == 399 ? "" : (pick(2) == 0 ? "\r\n" : "\n");
            if (layout == 0)
                f.Add(t,
                      blanks(9) + t[0] + blanks(2) + "," + blanks(10) + t[1] + "," + t[2] + blanks(3) + end);
            else if (layout == 1)
                f.Add(t, blanks(3) + t[0] + " " + blanks(12) + t[1] + " " + t[2] + end);
            else
                f.Add(t, t[0] + blanks(2) + "\t" + t[1] + "\t" + blanks(9) + t[2] + "\t" +
                             RandomNumberText(rng) + "x" + end);
        }
        files.push_back(f);
    }

    for (std::size_t k = 0; k < files.size(); ++k) {
        const NumberFile& f = files[k];
        SCOPED_TRACE("file " + std::to_string(k) + ": " + f.data.substr(0, 60));
        TempFile file(Titles(1) + f.data);
        Project p;
        const Message m = Read(p, file.path(), 1);
        ASSERT_EQ(p.ReadError, False) << m.text;
        const std::size_t readings = f.texts.size() / 3;
        ASSERT_EQ(p.NumReadings, static_cast<Long>(readings));
        for (std::size_t r = 0; r < readings; ++r) {
            const int at = static_cast<int>(r) + 1;
            const float read[] = {p.DepthData[at], p.TipData[at], p.SleeveData[at]};
            for (std::size_t c = 0; c < 3; ++c) {
                const std::string& text = f.texts[3 * r + c];
                EXPECT_TRUE(SameBits(read[c], *ToSingle(text))) << "line " << r + 2 << " [" << text << "]";
            }
        }
    }

    // A refused number fails its line as the piece-by-piece reading does, in the
    // middle of a line and at the end of the file.
    const std::string generic = "Could not read data from file. Please Check line Number 3";
    for (const auto& t : refused) {
        ASSERT_FALSE(ToSingle(t).has_value()) << t;
        for (const std::string& line : {"4," + t + ",6\r\n7,8,9\r\n", "4,5," + t}) {
            SCOPED_TRACE(line);
            TempFile file(Titles(1) + "1,2,3\r\n" + line);
            Project p;
            const Message m = Read(p, file.path(), 1);
            EXPECT_EQ(p.ReadError, True);
            EXPECT_EQ(m.text, generic);
        }
    }
}
