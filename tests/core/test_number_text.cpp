#include "project/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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
