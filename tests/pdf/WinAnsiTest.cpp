#include <gtest/gtest.h>

#include <string>

#include "pdf/PdfContent.h"
#include "pdf/WinAnsi.h"

namespace natarix {
namespace {

TEST(WinAnsi, EveryWindows1252CharacterKeepsItsByte)
{
    // The bytes 0x80 to 0x9F by their characters, the five undefined ones as
    // the C1 controls of their number, then Latin-1.
    const std::string high = "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ";
    std::string expected;
    for (int byte = 0x80; byte <= 0x9F; ++byte)
        expected += static_cast<char>(byte);
    EXPECT_EQ(ToWinAnsi(high), expected);
    EXPECT_EQ(ToWinAnsi("A\x7F\u00A0ÄäßÿÆ"), "A\x7F\xA0\xC4\xE4\xDF\xFF\xC6");
}

TEST(WinAnsi, LettersWinAnsiLacksFallBackToOneByteEach)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Łódź",
         "L\xF3"
         "dz"},                           // ó is in WinAnsi, Ł and ź are not
        {"Győ Ősz ű", "Gyo Osz u"},       // Hungarian double acute
        {"Čeština ěř", "Ce\x9Atina er"},  // š is in WinAnsi
        {"Ștefan Țară", "Stefan Tara"},   // Romanian comma below
        {"ĳ ŉ ſ", "? ? ?"},               // no letter with a diacritic
        {"Σ ✓ 😀", "? ? ?"},               // one "?" for each character
        {"e\u0301", "e?"},                // a combining mark on its own
        {"a\xFF\xC3", "a??"},             // bytes that start no character
    };
    for (const auto& [utf8, winAnsi] : cases)
        EXPECT_EQ(ToWinAnsi(utf8), winAnsi) << utf8;
}

TEST(WinAnsi, TextsArePlacedInWinAnsi)
{
    std::string content;
    AddText(content, "Łukasz (Öl)", "F1", 10, 1, 2);
    EXPECT_NE(content.find("(Lukasz \\(\xD6l\\)) Tj"), std::string::npos);
}

}  // namespace
}  // namespace natarix
