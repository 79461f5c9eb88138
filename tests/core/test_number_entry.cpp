// Which texts a numeric box keeps while a number is being typed.

#include "project/NumberText.h"
#include "screenlogic/NumberEntry.h"

#include <gtest/gtest.h>

#include <string>

using namespace quarvex;

TEST(NumberEntry, KeepsTextsThatMoreTypingCanMakeANumber)
{
    struct Case {
        const char* text;
        bool canBecome;
    } cases[] = {
        // On the way to a number.
        {"", true},
        {" ", true},
        {"\t", true},
        {"-", true},
        {"+", true},
        {"  -", true},
        {".", true},
        {"-.", true},
        {"1e", true},
        {"1E", true},
        {"1e-", true},
        {"-2.5E+", true},
        {".5e", true},
        // Numbers already.
        {"12", true},
        {"12.", true},
        {"-0.5", true},
        {"1e5", true},
        {"1e-5 ", true},
        {" 7 ", true},
        // Past saving.
        {"e", false},
        {"e5", false},
        {"-e", false},
        {".e", false},
        {"--", false},
        {"+-1", false},
        {"..", false},
        {"1..", false},
        {"1.2.3", false},
        {"1e5.", false},
        {"1ee", false},
        {"1e--", false},
        {"1e+-", false},
        {"1 2", false},
        {"- 5", false},
        {"1e 5", false},
        {"1e5 5", false},
        {"12a", false},
        {"a", false},
        {"1,5", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CanBecomeNumeric(c.text), c.canBecome) << '"' << c.text << '"';
        EXPECT_EQ(KeepTypedNumber(c.text), c.canBecome ? std::string(c.text) : std::string()) << c.text;
    }
}

// Typed one character at a time, every number passes only through texts the
// box keeps, and a text the box keeps that is complete is numeric.
TEST(NumberEntry, EveryStartOfANumberIsKept)
{
    const char* numbers[] = {"-12.5e-1", "+.5E+3", " 0.25 ", "7.", "1e10", "\t-3\t", "-.75"};
    for (const std::string number : numbers) {
        ASSERT_TRUE(IsNumeric(number)) << number;
        for (std::size_t n = 0; n <= number.size(); ++n)
            EXPECT_TRUE(CanBecomeNumeric(number.substr(0, n))) << '"' << number.substr(0, n) << '"';
    }
    // Whatever the numeric test accepts is kept: both rules read the same grammar.
    const char* pieces[] = {"", " ", "-", "+", "1", "12", ".", "e", "E", "5"};
    for (const char* a : pieces)
        for (const char* b : pieces)
            for (const char* c : pieces)
                for (const char* d : pieces) {
                    const std::string text = std::string(a) + b + c + d;
                    if (IsNumeric(text)) {
                        EXPECT_TRUE(CanBecomeNumeric(text)) << '"' << text << '"';
                    }
                }
}
