#include "project/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace quarvex;

TEST(NumberText, ListingFormHasSignPlaceSevenDigitsAndTrailingBlank)
{
    struct Case {
        float v;
        const char* text;
    } cases[] = {
        {12.5F, " 12.5 "},
        {0.164F, " .164 "},
        {-0.5F, "-.5 "},
        {-0.25F, "-.25 "},
        {12.0F, " 12 "},
        {0.0F, " 0 "},
        {-0.0F, " 0 "},
        {12345678.0F, " 1.234568E+07 "},
        {1234567.0F, " 1234567 "},
        {1.0F / 3.0F, " .3333333 "},
        {0.1F, " .1 "}, // the float nearest 0.1 prints as .1
        {100.0F / 3.0F, " 33.33333 "},
        {0.00012345F, " .00012345 "},
        {0.000012345F, " 1.2345E-05 "},
        {0.001F, " .001 "},
        {-99999.0F, "-99999 "},
        {65.43601F, " 65.43601 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ListingForm(c.v), c.text) << c.v;
}

TEST(NumberText, GeneralFormKeepsLeadingZeroAndNoBlanks)
{
    EXPECT_EQ(GeneralForm(12.5F), "12.5");
    EXPECT_EQ(GeneralForm(0.5F), "0.5");
    EXPECT_EQ(GeneralForm(-0.5F), "-0.5");
    EXPECT_EQ(GeneralForm(-99999.0F), "-99999");
    EXPECT_EQ(GeneralForm(0.164F), "0.164");
    EXPECT_EQ(GeneralForm(123.4567F), "123.4567");
    EXPECT_EQ(GeneralForm(12345678.0F), "1.234568E+07");
}

TEST(NumberText, ShortestFormReadsBackToTheSameSingle)
{
    for (float v : {12.5F, 0.1F, -3.3F, 1e-7F, 3.4e38F, 65.43601F, 1.0F / 3.0F}) {
        const auto back = ToSingle(ShortestForm(v));
        ASSERT_TRUE(back.has_value()) << ShortestForm(v);
        EXPECT_EQ(*back, v);
    }
    EXPECT_EQ(ShortestForm(12.5F), "12.5");
    EXPECT_EQ(ShortestForm(0.0F), "0");
}

TEST(NumberText, NumericTest)
{
    for (const char* yes : {"1", "-1", "+2.5", ".5", "5.", "1e3", "1.5E-04", " 12 ", "\t7", "5.0000E-03"})
        EXPECT_TRUE(IsNumeric(yes)) << yes;
    for (const char* no : {"", " ", "-", ".", "+.", "e5", "1e", "1e+", "abc", "1.2.3", "12a", "1 2", "nan",
                           "inf", "0x10", "1,5"})
        EXPECT_FALSE(IsNumeric(no)) << no;
}

TEST(NumberText, ToSingleRefusesValuesTooLargeForASingle)
{
    EXPECT_EQ(ToSingle("12.5"), 12.5F);
    EXPECT_EQ(ToSingle("3e38"), 3e38F);
    EXPECT_FALSE(ToSingle("1e39").has_value());
    EXPECT_FALSE(ToSingle("1e300").has_value());
    EXPECT_FALSE(ToSingle("1e999").has_value());
    EXPECT_EQ(ToSingle("1e-50"), 0.0F); // underflow reads as zero, like any tiny number
    EXPECT_FALSE(ToSingle("x").has_value());
}

TEST(NumberText, ToIntegerRoundsHalfToEvenAndChecksRange)
{
    struct Case {
        double v;
        int expected;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4, 2}, {2.6, 3}, {32767.4, 32767}};
    for (const auto& c : cases)
        EXPECT_EQ(ToInteger(c.v), c.expected) << c.v;
    EXPECT_FALSE(ToInteger(32767.5).has_value());
    EXPECT_FALSE(ToInteger(-32769).has_value());
    EXPECT_FALSE(ToInteger(std::numeric_limits<double>::quiet_NaN()).has_value());
}

// Text to number must give the very double the C library gives, on the forms
// loggers write and on edge lengths.
TEST(NumberText, ToDoubleAgreesWithTheCLibrary)
{
    std::vector<std::string> texts = {
        "0", "-0", "0.000", "12.5", "0.1", "0.3", "9007199254740993", "9007199254740992",
        "123456789012345678901", "1e22", "1e23", "1e-22", "1e-23", "5.0000E-03", "-1.2E+00", "+3E-2", ".5",
        "5.", "00012.3400", "1.7976931348623157e308", "4.9e-324", "0.1e1", "123.456e-5",
        // the edges of the quick reading: 15 and 16 digits,
        // exponents of 22 and 23 after the digits' own
        "123456789012345", "1234567890123456", "0.00000000000001", "0.000000000000001", "999999999999999e7",
        "999999999999999e8", "1.5e-21", "1.5e-22", "12345.6789e-18", "12345.6789e-19", "-0.0e0"};
    std::mt19937 rng(7);
    char buf[64];
    for (int k = 0; k < 20000; ++k) {
        const double v = std::uniform_real_distribution<double>(-2000, 2000)(rng);
        const int decimals = static_cast<int>(rng() % 9);
        std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
        texts.emplace_back(buf);
        std::snprintf(buf, sizeof buf, "%.*E", decimals, v * 1e-3);
        texts.emplace_back(buf);
    }
    for (const auto& t : texts) {
        const auto d = ToDouble(t);
        ASSERT_TRUE(d.has_value()) << t;
        const double expected = std::strtod(t.c_str(), nullptr);
        ASSERT_EQ(std::memcmp(&*d, &expected, sizeof expected), 0) << t;
    }
}

// A German or Dutch desktop sets a decimal-comma locale for the whole process
// (Qt adopts the environment's at start-up); every number form and parse must
// read and write exactly what it does under C.
TEST(NumberText, FormsAndParsesIgnoreADecimalCommaLocale)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale must be generated (scripts/install-deps.sh does it)";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    EXPECT_STREQ(probe, "0,5") << "the locale is not a decimal-comma one, so this test would prove nothing";

    struct Case {
        float v;
        const char* listing;
        const char* general;
    } cases[] = {
        {12.5F, " 12.5 ", "12.5"},
        {58.875F, " 58.875 ", "58.875"},
        {0.1F, " .1 ", "0.1"},
        {-0.25F, "-.25 ", "-0.25"},
        {12345680.0F, " 1.234568E+07 ", "1.234568E+07"},
        {0.000012345F, " 1.2345E-05 ", "1.2345E-05"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ListingForm(c.v), c.listing) << c.general;
        EXPECT_EQ(GeneralForm(c.v), c.general);
        EXPECT_EQ(ToSingle(c.general), c.v) << c.general;
    }
    EXPECT_EQ(FixedForm(2.345, 2), "2.35");
    EXPECT_EQ(FixedForm(-1234.5, 1), "-1234.5");
    EXPECT_EQ(IntegerText(-4711), "-4711");
    EXPECT_EQ(ToSingle("12,5"), std::nullopt) << "a comma is never a decimal point";
    EXPECT_EQ(ToSingle("1e-400"), 0.0F);
    EXPECT_EQ(ToSingle("1e400"), std::nullopt);
    EXPECT_EQ(ToDouble("0.00000e999999999999"), 0.0);
    std::setlocale(LC_ALL, before.c_str());
}
