#include "TestFiles.h"
#include "input/Reader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
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
