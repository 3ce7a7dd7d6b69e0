#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "dsv5/DsvScanner.h"
#include "model/Date.h"
#include "model/ValueTexts.h"

namespace natarix {
namespace {

using test::ErrorOf;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr const char* kOk = "(no error)";

TEST(DsvScanner, EatFixStringSkipsBlanksAndCommentsOrFails)
{
    struct Case {
        std::string buffer;
        std::string keyword;
        std::string error;
        std::size_t positionAfter;  // only when it succeeds
    };
    const Case cases[] = {
        {"  \r\n  ABSCHNITT:1;", "ABSCHNITT:", kOk, 16},
        {"\tABSCHNITT:1;", "ABSCHNITT:", "ABSCHNITT: not found by EatFixString", 0},
        {"(* Kopf *)\r\nFORMAT:5;", "FORMAT:", kOk, 19},
        {"(* a *) (* b *)\r\nFORMAT:", "FORMAT:", kOk, 24},
        {"(* a *)(* b *)\r\nFORMAT:5;", "FORMAT:", "FORMAT: not found by EatFixString", 0},
        {"(* (* no nesting *) FORMAT:", "FORMAT:", kOk, 27},
        {"(**)FORMAT:", "FORMAT:", kOk, 11},
        {"(*)", "FORMAT:", "comment end not found", 0},
        {"(*)FORMAT:", "FORMAT:", "comment end not found", 0},
        {"(*)*) FORMAT:", "FORMAT:", kOk, 13},
        {"(*", "FORMAT:", "comment end not found", 0},
        {"FORMAT:5;\r\n(* offen", "FORMAT:", kOk, 7},
        {" \r\n(* offen *", "FORMAT:", "comment end not found", 0},
        {"", "WETTKAMPFDEFINITIONSLISTE:", "eatFixString out of buffer", 0},
        {"   \r\n", "DATEIENDE", "eatFixString out of buffer", 0},
        {"\r\nDATEI", "DATEIENDE", "eatFixString out of buffer", 0},
        {"\r\nDATEIENDE", "DATEIENDE", kOk, 11},
        {"Format:5;", "FORMAT:", "FORMAT: not found by EatFixString", 0},
    };
    for (const Case& c : cases) {
        DsvScanner scanner(c.buffer);
        EXPECT_EQ(ErrorOf([&] { scanner.EatFixString(c.keyword); }), c.error) << c.buffer;
        if (c.error == kOk) {
            EXPECT_EQ(scanner.position(), c.positionAfter) << c.buffer;
        }
    }
}

TEST(DsvScanner, ReadFieldCutsAtSemicolonsOnly)
{
    struct Case {
        std::string buffer;
        std::vector<std::string> fields;
        std::string errorAfter;  // raised by the next ReadField, if any
    };
    const Case cases[] = {
        {"A;B;", {"A", "B", "", ""}, ""},
        {"A;;B;", {"A", "", "B"}, ""},
        {"A(*x*);", {"A(*x*)"}, ""},
        {"5\r\nVERANSTALTUNG:T;O;", {"5\r\nVERANSTALTUNG:T", "O"}, ""},
        {"ohne Semikolon", {"ohne Semikolon", ""}, ""},
        {"  \r\n x \t;", {"x \t"}, ""},
        {"\tx;", {"\tx"}, ""},
        {"(* c *) A;(* c *)B;", {"A", "B"}, ""},
        {"(* a *)(* b *) A;", {"(* b *) A"}, ""},
        {"A;(* offen", {"A"}, "comment end not found"},
    };
    for (const Case& c : cases) {
        DsvScanner scanner(c.buffer);
        for (const std::string& field : c.fields)
            EXPECT_EQ(scanner.ReadField(), field) << c.buffer;
        if (!c.errorAfter.empty()) {
            EXPECT_EQ(ErrorOf([&] { scanner.ReadField(); }), c.errorAfter);
        }
    }
    DsvScanner unterminated("A;rest");
    unterminated.ReadField();
    EXPECT_EQ(unterminated.ReadField(), "rest");
    EXPECT_EQ(unterminated.position(), unterminated.end());
}

TEST(DsvScanner, PeekingConsumesNothingButTheBlanksBefore)
{
    DsvScanner scanner("  (* c *) AB;CD");
    EXPECT_EQ(scanner.PeekField(), "AB");
    EXPECT_EQ(scanner.position(), 10u);
    EXPECT_EQ(scanner.PeekField(), "AB");
    EXPECT_EQ(scanner.ReadField(), "AB");
    EXPECT_EQ(scanner.PeekField(), "CD");
    EXPECT_EQ(scanner.ReadField(), "CD");
    EXPECT_EQ(scanner.PeekField(), "");
    EXPECT_EQ(scanner.position(), scanner.end());

    struct Case {
        std::string buffer;
        std::string keyword;
        bool expected;
    };
    const Case cases[] = {
        {"ABSCHNITT:1;12.03.2006;09:00;", "ABSCHNITT:", true},
        {" \r\n(* c *)\r\nEINLASS:08:00;", "EINLASS:", true},
        {"ABSCH", "ABSCHNITT:", false},
        {"ABSCH;NITT:1;", "ABSCHNITT:", false},
        {"Wertung:1;", "WERTUNG:", false},
        {"WETTKAMPF:1;", "ABSCHNITT:", false},
        {"", "ABSCHNITT:", false},
    };
    for (const Case& c : cases) {
        DsvScanner scanner(c.buffer);
        const std::string whole = DsvScanner(c.buffer).ReadField();
        EXPECT_EQ(scanner.NextFieldStartsWith(c.keyword), c.expected) << c.buffer;
        EXPECT_EQ(scanner.NextFieldStartsWith(c.keyword), c.expected) << c.buffer;
        EXPECT_EQ(scanner.ReadField(), whole) << c.buffer;
    }
}

TEST(ValueTexts, TrimRightRemovesOnlySpacesAndTabs)
{
    const std::pair<std::string, std::string> cases[] = {
        {"ab \t ", "ab"}, {"ab\r\n", "ab\r\n"}, {"ab \r\n \t", "ab \r\n"}, {" \t ", ""}, {"", ""}, {" a", " a"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(TrimRight(text), expected) << text;
}

TEST(ValueTexts, ParseAmountGivesSaturatedCents)
{
    const std::pair<std::string, std::int32_t> cases[] = {
        {"12,50", 1250},
        {"+12,50", 1250},
        {"-12,50", -1250},
        {"15", 1500},
        {"0,05", 5},
        {"12,5", 1205},
        {"12,505", 1705},
        {"ohne", 0},
        {"", 0},
        {" 3,50 \t", 350},
        {"-+5", 500},  // a "+" anywhere wins over a "-"
        {"EUR -3,00", -300},
        {"12,50-", 0},
        {"21474836,47", kMax},
        {"21474836,48", kMax},
        {"-21474836,48", kMin},
        {"-21474836,49", kMin},
        {"99999999999999999999999999,99", kMax},
        {"-99999999999999999999999999", kMin},
        {"1,99999999999999999999", kMax},
    };
    for (const auto& [text, cents] : cases)
        EXPECT_EQ(ParseAmount(text), cents) << text;
}

TEST(Date, ComparesYearMonthDayAsText)
{
    struct Case {
        std::string a;
        std::string b;
        bool expected;
    };
    const Case cases[] = {
        {"31.12.2005", "01.01.2006", true},
        {"01.01.2006", "31.12.2005", false},
        {"12.03.2006", "12.03.2006", false},
        {"11.03.2006", "12.03.2006", true},
        {"12.02.2006", "11.03.2006", true},
        // Short texts: the parts are whatever stands at their places.
        {"", "", false},
        {"", "01.01.2006", true},
        {"01.01.2006", "", false},
        {"12.03", "12.03.2006", true},
        {"1.1.6", "01.01.2006", true},
        {"x", "y", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Date(c.a).IsEarlierThan(Date(c.b)), c.expected) << c.a << " < " << c.b;
}

TEST(ValueTexts, NumberValueReadsLikeADecimalIntegerAndClamps)
{
    const std::pair<std::string, std::int32_t> cases[] = {
        {"7", 7},
        {"  7", 7},
        {"+7", 7},
        {"-7", -7},
        {"07", 7},
        {"1a", 1},
        {"a1", 0},
        {"", 0},
        {"-", 0},
        {"  -12x", -12},
        {"000000000000000000000000000012", 12},
        {"2147483647", kMax},
        {"2147483648", kMax},
        {"-2147483648", kMin},
        {"-2147483649", kMin},
        {"99999999999999999999999999999999999999", kMax},
        {"-99999999999999999999999999999999999999", kMin},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(NumberValue(text), value) << text;

    const NumberKeyLess less;
    EXPECT_TRUE(less("2", "10"));
    EXPECT_FALSE(less("10", "2"));
    EXPECT_FALSE(less("1", "01"));
    EXPECT_FALSE(less("01", "1"));
    EXPECT_FALSE(less("x", "0"));
    EXPECT_FALSE(less("0", "x"));
    EXPECT_TRUE(less("-99999999999", "99999999999"));
}

}  // namespace
}  // namespace natarix
