// The model holds UTF-8; format-5 files hold Windows-1252. Every byte comes
// back from the model as it was read, and the rule which texts the entry
// list carries names the first fault.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "TestSupport.h"
#include "dsv5/EntryListRefusal.h"
#include "dsv5/EntryListWriter.h"

namespace natarix {
namespace {

TEST(EntryListTexts, EveryByteComesBackThroughTheModel)
{
    // Every byte but ";", which ends the field.
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        if (byte != ';')
            bytes += static_cast<char>(byte);
    std::string text = test::ExampleEntryList();
    const std::string clubField = "VEREIN:SV Beispielstadt;";
    text.replace(text.find(clubField), clubField.size(), "VEREIN:" + bytes + ";");

    const test::EntryListReadBack read = test::ReadIntoExample(text);
    ASSERT_EQ(read.completeness, ReadCompleteness::Complete);
    const std::string& name = read.entries.club.clubName;
    EXPECT_NE(name.find("\u20AC"), std::string::npos);                    // 0x80, the euro sign
    EXPECT_NE(name.find("\u0081\u201A"), std::string::npos);              // the undefined 0x81 keeps its number
    EXPECT_NE(name.find("\u009D\u017E\u0178\u00A0"), std::string::npos);  // 0x9D to 0xA0
    EXPECT_EQ(EntryListWriter("", *read.meet, read.entries, false).BuildText(), text);
}

TEST(EntryListTexts, WhatTheFormatCannotCarryIsWrittenAsQuestionMark)
{
    ClubEntries entries;
    entries.club.clubName = "Ł\xFFz";
    EXPECT_NE(EntryListWriter("", *test::ExampleMeet(), entries, true).BuildText().find("VEREIN:??z;"),
              std::string::npos);
}

struct RefusalCase {
    const char* name;
    std::string text;
    bool endsAtComma;
    std::optional<std::string> expected;
};

TEST(EntryListRefusal, NamesTheFirstFault)
{
    const RefusalCase cases[] = {
        {"umlauts, euro and typographic quotes", "Müller € „Ö“ ß", true, std::nullopt},
        {"the five undefined bytes", "\u0081\u008D\u008F\u0090\u009D", false, std::nullopt},
        {"comma in a first name", "Anna, Maria", false, std::nullopt},
        {"comment closer alone", "a*)b", false, std::nullopt},
        {"opener split by a blank", "( *", false, std::nullopt},
        {"semicolon", "A;B", false, "Im Feld \"Feld\" ist das Zeichen \";\" nicht erlaubt."},
        {"line feed", "Kiel\nNord", false, "Im Feld \"Feld\" ist ein Zeilenumbruch nicht erlaubt."},
        {"carriage return", "Kiel\r", false, "Im Feld \"Feld\" ist ein Zeilenumbruch nicht erlaubt."},
        {"comma in a surname", "Meier,Anna", true, "Im Feld \"Feld\" ist das Zeichen \",\" nicht erlaubt."},
        {"comment opener", "x (*y*)", false, "Im Feld \"Feld\" ist die Zeichenfolge \"(*\" nicht erlaubt."},
        {"not in Windows-1252", "Łukasz", false, "Im Feld \"Feld\" ist das Zeichen U+0141 nicht erlaubt."},
        {"outside the BMP", "a😀", false, "Im Feld \"Feld\" ist das Zeichen U+1F600 nicht erlaubt."},
        {"a lone surrogate's three bytes", "a\xED\xB0\x80", false,
         "Im Feld \"Feld\" ist das Zeichen U+DC00 nicht erlaubt."},
        {"a byte that starts no character", "a\xFF", false, "Im Feld \"Feld\" ist das Zeichen U+FFFD nicht erlaubt."},
        {"the first fault is named", "a(*b;Ł", false, "Im Feld \"Feld\" ist die Zeichenfolge \"(*\" nicht erlaubt."},
    };
    for (const RefusalCase& c : cases)
        EXPECT_EQ(EntryListRefusal(c.text, "Feld", c.endsAtComma), c.expected) << c.name;
}

}  // namespace
}  // namespace natarix
