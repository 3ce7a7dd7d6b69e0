#include <gtest/gtest.h>

#include "pdf/TextFit.h"

namespace natarix {
namespace {

TEST(TextFit, WidthsAreThoseOfTheStandardFonts)
{
    struct Case {
        const Font& font;
        unsigned char code;
        int width;
    };
    const Case cases[] = {
        {kRegularFont, ' ', 278},  {kRegularFont, 'W', 944},  {kRegularFont, 'i', 222},   {kRegularFont, '@', 1015},
        {kRegularFont, '\'', 191}, {kRegularFont, 0x80, 556}, {kRegularFont, 0x85, 1000}, {kRegularFont, 0xDF, 611},
        {kRegularFont, 0xFC, 556}, {kRegularFont, 0x81, 350}, {kRegularFont, 0x0A, 0},    {kBoldFont, 'i', 278},
        {kBoldFont, '@', 975},     {kBoldFont, 0xE4, 556},    {kBoldFont, 0xA7, 556},     {kBoldFont, 0xFF, 556},
    };
    for (const Case& c : cases)
        EXPECT_EQ((*c.font.widths)[c.code], c.width) << c.font.name << " " << int(c.code);
    EXPECT_EQ(TextAdvance("Meldeliste", kRegularFont), 4501);
}

TEST(TextFit, KeepsShrinksOrCuts)
{
    const std::string name = "Zimmermann-Hoffmann, Johanna-Sophie";  // 183.95 units at 10 pt
    struct Case {
        const char* name;
        std::string text;
        int size;
        double box;
        std::string fitted;  // "" for the text itself
        int fittedSize;
    };
    const Case cases[] = {
        {"FitsExactly", "W", 10, 9.44, "", 10},
        {"Fits", name, 10, 184, "", 10},
        {"ShrinksToTheLargestFittingSize", name, 10, 170, "", 9},
        {"ShrinksToTheSmallest", name, 10, 111, "", 6},
        {"CutsAtTheSmallest", name, 10, 90, "Zimmermann-Hoffmann, Johan\x85", 6},
        {"CutDropsTrailingBlanks", "Meldungen fuer alle", 10, 37.5, "Meldungen\x85", 6},
        {"SmallerSizeIsNotEnlarged", "abc", 4, 5, "\x85", 4},
        {"BoxTooNarrowForTheEllipsis", name, 10, 5, "\x01", 6},
        {"EmptyText", "", 10, 0, "", 10},
    };
    for (const Case& c : cases) {
        const FittedText fitted = FitText(c.text, kRegularFont, c.size, c.box);
        const std::string expected = c.fitted == "\x01" ? std::string() : c.fitted.empty() ? c.text : c.fitted;
        EXPECT_EQ(fitted.text, expected) << c.name;
        EXPECT_EQ(fitted.size, c.fittedSize) << c.name;
        EXPECT_LE(static_cast<double>(TextAdvance(fitted.text, kRegularFont) * fitted.size), c.box * 1000) << c.name;
    }
}

}  // namespace
}  // namespace natarix
