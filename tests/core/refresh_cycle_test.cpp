#include "app/memory_form.h"
#include "app/refresh_cycle.h"
#include "tests/core/test_locales.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvola {
namespace {

const std::string kNonNumericDms = " \u00B0 0' 0\"";

// The six fields of a freshly opened window, in memory.
class RefreshCycle : public testing::Test, protected MemoryForm {
protected:
    LocaleSeparators separators = test::kCommaDecimal;

    void tick() { RunRefreshTick(fields, separators); }
};

TEST_F(RefreshCycle, FirstTickOverTheDefaultsShowsZeroOnBothSides)
{
    tick();
    EXPECT_EQ(text4.text(), "0");
    EXPECT_EQ(text6.text(), " 0\u00B0 0' 0\"");
    EXPECT_EQ(text1.text(), "000");
    EXPECT_EQ(text5.text(), "000,00000");
}

struct DegreesCase {
    const char* degrees;
    const char* minutes;
    const char* seconds;
    const char* text4;
};

TEST_F(RefreshCycle, WritesTheDecimalResultCutToNineCharacters)
{
    const std::vector<DegreesCase> cases = {
        {"45", "30", "45", "45,5125"},
        {"10", "20", "0", "10,333333"},  // 10,3333333333333 cut
        {"12", "34", "56", "12,582222"}, // 12,5822222222222 cut
        {"180", "99", "99", "181,6775"}, // minutes and seconds above 59 are taken as they are
        {"-99", "30", "0", "-98,5"},     // no lower bound
        {"2,5", "0", "0", "2"},          // below 181, then halves to even
        {"0", "0", "1", "0,0002777"},
    };
    for (const DegreesCase& c : cases) {
        SCOPED_TRACE(c.degrees);
        typeDms(c.degrees, c.minutes, c.seconds);
        tick();
        EXPECT_EQ(text4.text(), c.text4);
        EXPECT_EQ(text1.text(), c.degrees);
    }
}

TEST_F(RefreshCycle, ResetsDegreesFrom181AndRecomputesOnTheNextTick)
{
    typeDms("45", "30", "45");
    tick();
    text1.type("181");
    tick();
    EXPECT_EQ(text1.text(), "000");
    EXPECT_EQ(text4.text(), "45,5125");
    tick();
    EXPECT_EQ(text4.text(), "0,5125");
}

TEST_F(RefreshCycle, FreezesTheDecimalResultWhileAnInputIsNotANumber)
{
    typeDms("45", "30", "45");
    tick();
    for (const char* degrees : {"", "-", "abc", ","}) {
        SCOPED_TRACE(degrees);
        text1.type(degrees);
        tick();
        EXPECT_EQ(text4.text(), "45,5125");
        EXPECT_EQ(text1.text(), degrees); // never reset while the user is typing
    }
    typeDms("45", "x", "45");
    tick();
    EXPECT_EQ(text4.text(), "45,5125");
    typeDms("45", "30", "99999"); // beyond 16 bits
    tick();
    EXPECT_EQ(text4.text(), "45,5125");
}

struct DecimalCase {
    const char* input;
    std::string text6;
};

TEST_F(RefreshCycle, WritesTheDmsText)
{
    const std::vector<DecimalCase> cases = {
        {"180", " 180\u00B0 0' 0\""},
        {"12,5825", " 12\u00B0 34' 57\""},
        {"-1000", " -1000\u00B0 0' 0\""}, // no lower bound
        {"1,15", " 1\u00B0 9' 0\""},      // 60 seconds carried
        {"", kNonNumericDms},
        {"abc", kNonNumericDms},
    };
    for (const DecimalCase& c : cases) {
        SCOPED_TRACE(c.input);
        text5.type(c.input);
        tick();
        EXPECT_EQ(text6.text(), c.text6);
        EXPECT_EQ(text5.text(), c.input);
    }
}

TEST_F(RefreshCycle, ResetsTheDecimalInputFromItsBoundAndKeepsTheOldResult)
{
    text5.type("12,5825");
    tick();
    for (const char* input : {"180,00001", "1e5", "181"}) {
        SCOPED_TRACE(input);
        text5.type(input);
        tick();
        EXPECT_EQ(text5.text(), "000,00000");
        EXPECT_EQ(text6.text(), " 12\u00B0 34' 57\"");
        text5.type("12,5825");
    }
    text5.type("180,000009");
    tick();
    EXPECT_EQ(text5.text(), "180,000009");
}

TEST_F(RefreshCycle, KeepsBothSidesIndependent)
{
    typeDms("181", "30", "0");
    text5.type("12,5825");
    tick();
    EXPECT_EQ(text1.text(), "000");
    EXPECT_EQ(text6.text(), " 12\u00B0 34' 57\"");

    typeDms("45", "30", "45");
    tick();
    typeDms("abc", "30", "45");
    text5.type("1e5");
    tick();
    EXPECT_EQ(text4.text(), "45,5125");
    EXPECT_EQ(text5.text(), "000,00000");
}

TEST_F(RefreshCycle, NeverWritesIntoAnInRangeInput)
{
    // A write into the field being typed in would move the user's cursor.
    tick();
    tick();
    EXPECT_EQ(text1.writeCount(), 0);
    EXPECT_EQ(text5.writeCount(), 0);
}

TEST_F(RefreshCycle, FollowsADotDecimalLocale)
{
    separators = test::kDotDecimal;
    typeDms("45", "30", "45");
    text5.type("12.5825");
    tick();
    EXPECT_EQ(text4.text(), "45.5125");
    EXPECT_EQ(text6.text(), " 12\u00B0 34' 57\"");
    text5.type("000,00000"); // the default text still reads as zero: the comma groups
    tick();
    EXPECT_EQ(text6.text(), " 0\u00B0 0' 0\"");
}

TEST_F(RefreshCycle, ResetsToADefaultThatReadsAsZeroUnderEveryLocale)
{
    const LocaleSeparators swiss {".", "\u2019"};
    const LocaleSeparators italianSwiss {".", "'"};
    const std::vector<std::pair<LocaleSeparators, std::string>> cases = {
        {test::kCommaDecimal, "000,00000"}, {test::kDotDecimal, "000,00000"}, {test::kFrench, "000,00000"},
        {swiss, "000.00000"},               {italianSwiss, "000.00000"},      {test::kArabic, "000\u066B00000"},
    };
    for (const auto& [locale, resetText] : cases) {
        SCOPED_TRACE(resetText);
        separators = locale;
        text5.type("1e5");
        tick();
        EXPECT_EQ(text5.text(), resetText);
        tick();
        EXPECT_EQ(text6.text(), " 0\u00B0 0' 0\"");
    }
}

TEST_F(RefreshCycle, SurvivesHostileText)
{
    // None of these is a number (a hundred thousand nines are beyond the double range, as is
    // 9e9999999999), so each is waited for as while typing: the inputs stay as typed, nothing is
    // reset and the degrees result keeps its value.
    const std::vector<std::string> texts = {
        std::string(100000, '9'),
        std::string(100000, ','),
        std::string("\0\x01\x7F\x1B[2J", 8),
        "\xFF\xFE\xC0\x80",
        "\u202E12\u200B",
        "\xF0\x9F\x98\x80",
        "9e9999999999",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 20));
        typeDms("45", "30", "45");
        tick();
        typeDms(text, text, text);
        text5.type(text);
        tick();
        for (const MemoryTextField* input : {&text1, &text2, &text3, &text5})
            EXPECT_TRUE(input->text() == text);
        EXPECT_EQ(text4.text(), "45,5125");
        EXPECT_EQ(text6.text(), kNonNumericDms);
    }
}

TEST(LeadingCharacters, CountsCharactersNotBytes)
{
    EXPECT_EQ(LeadingCharacters("12\u066B345678901", 9), "12\u066B345678");
    EXPECT_EQ(LeadingCharacters("\u00B0\u00B0\u00B0", 2), "\u00B0\u00B0");
    EXPECT_EQ(LeadingCharacters("abc", 9), "abc");
    EXPECT_EQ(LeadingCharacters("abc", 0), "");
}

} // namespace
} // namespace tarvola
