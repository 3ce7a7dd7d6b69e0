#include <gtest/gtest.h>

#include <string>

#include "dsv678/Decoding.h"
#include "dsv678/Values.h"

namespace natarix::dsv678 {
namespace {

// Each parser on a text: the value as text, or "-" for nothing.
template <typename T, typename Show>
std::string Shown(const std::optional<T>& value, Show show)
{
    return value ? show(*value) : "-";
}

TEST(Dsv678Values, ParseEveryDataType)
{
    struct Case {
        std::string type;
        std::string text;
        std::string value;
    };
    const Case cases[] = {
        {"Zahl", "0", "0"},
        {"Zahl", "007", "7"},
        {"Zahl", "4294967295", "4294967295"},
        {"Zahl", "4294967296", "-"},
        {"Zahl", "99999999999999999999", "-"},
        {"Zahl", "", "-"},
        {"Zahl", "+1", "-"},
        {"Zahl", "-1", "-"},
        {"Zahl", "1,5", "-"},
        {"Zahl", " 1", "-"},
        {"Zeit", "00:01:02,34", "0:1:2,34"},
        {"Zeit", "99:59:59,99", "99:59:59,99"},
        {"Zeit", "00:00:00,00", "0:0:0,0"},
        {"Zeit", "00:60:00,00", "-"},
        {"Zeit", "00:00:60,00", "-"},
        {"Zeit", "00:01:02.34", "-"},
        {"Zeit", "01:02,34", "-"},
        {"Zeit", "0:01:02,34", "-"},
        {"Zeit", "00:01:02,3", "-"},
        {"Datum", "09.03.2025", "9.3.2025"},
        {"Datum", "29.02.2024", "29.2.2024"},
        {"Datum", "29.02.2025", "-"},
        {"Datum", "29.02.1900", "-"},
        {"Datum", "29.02.2000", "29.2.2000"},
        {"Datum", "31.04.2025", "-"},
        {"Datum", "00.01.2025", "-"},
        {"Datum", "01.13.2025", "-"},
        {"Datum", "1.3.2025", "-"},
        {"Datum", "2025-03-09", "-"},
        {"Uhrzeit", "00:00", "0:0"},
        {"Uhrzeit", "23:59", "23:59"},
        {"Uhrzeit", "24:00", "-"},
        {"Uhrzeit", "09:60", "-"},
        {"Uhrzeit", "9:00", "-"},
        {"Uhrzeit", "09:00:00", "-"},
        {"Betrag", "5,50", "550"},
        {"Betrag", "0,00", "0"},
        {"Betrag", "123456789,99", "12345678999"},
        {"Betrag", "1234567890,00", "-"},
        {"Betrag", "5,5", "-"},
        {"Betrag", "5,500", "-"},
        {"Betrag", "5.50", "-"},
        {"Betrag", ",50", "-"},
        {"Betrag", "5", "-"},
        {"Betrag", "-5,00", "-"},
        {"JG", "0", "offen"},
        {"JG", "2012", "Jahrgang 2012"},
        {"JG", "9999", "Jahrgang 9999"},
        {"JG", "12", "-"},
        {"JG", "A", "-"},
        {"AK", "0", "offen"},
        {"AK", "a", "Klasse A"},
        {"AK", "J", "Klasse J"},
        {"AK", "F", "-"},
        {"AK", "25", "Masters 25"},
        {"AK", "80+", "Staffel 80+"},
        {"AK", "280+", "Staffel 280+"},
        {"AK", "+", "-"},
        {"AK", "80++", "-"},
        {"AK", "1000", "-"},
        {"J/N", "J", "ja"},
        {"J/N", "n", "nein"},
        {"J/N", "", "-"},
        {"J/N", "JA", "-"},
    };
    for (const Case& c : cases) {
        std::string value;
        if (c.type == "Zahl") {
            value = Shown(ParseNumber(c.text), [](std::uint32_t n) { return std::to_string(n); });
        } else if (c.type == "Zeit") {
            value = Shown(ParseSwimTime(c.text), [](const SwimTime& t) {
                return std::to_string(t.hours) + ":" + std::to_string(t.minutes) + ":" + std::to_string(t.seconds) +
                       "," + std::to_string(t.hundredths);
            });
        } else if (c.type == "Datum") {
            value = Shown(ParseDate(c.text), [](const Date& d) {
                return std::to_string(d.day) + "." + std::to_string(d.month) + "." + std::to_string(d.year);
            });
        } else if (c.type == "Uhrzeit") {
            value = Shown(ParseTimeOfDay(c.text),
                          [](const TimeOfDay& t) { return std::to_string(t.hours) + ":" + std::to_string(t.minutes); });
        } else if (c.type == "Betrag") {
            value = Shown(ParseAmountCents(c.text), [](std::int64_t cents) { return std::to_string(cents); });
        } else if (c.type == "JG" || c.type == "AK") {
            value = Shown(ParseAgeGroup(c.text, c.type == "JG"), [](const AgeGroup& group) -> std::string {
                switch (group.kind) {
                    case AgeGroup::Kind::Open:
                        return "offen";
                    case AgeGroup::Kind::Year:
                        return "Jahrgang " + std::to_string(group.number);
                    case AgeGroup::Kind::ClassLetter:
                        return std::string("Klasse ") + group.letter;
                    case AgeGroup::Kind::MastersAge:
                        return "Masters " + std::to_string(group.number);
                    case AgeGroup::Kind::RelayTotalAge:
                        return "Staffel " + std::to_string(group.number) + "+";
                }
                return "?";
            });
        } else {
            value = Shown(ParseYesNo(c.text), [](bool yes) { return std::string(yes ? "ja" : "nein"); });
        }
        EXPECT_EQ(value, c.value) << c.type << " " << c.text;
    }
}

TEST(Dsv678Decoding, KeepsUtf8DropsTheBomAndFallsBackToWindows1252)
{
    struct Case {
        std::string bytes;
        std::string utf8;
        bool windows1252;
    };
    const Case cases[] = {
        {"M\xC3\xBCnchen", "M\xC3\xBCnchen", false},
        {"\xEF\xBB\xBF"
         "A",
         "A", false},
        {"\xEF\xBB\xBF", "", false},
        {"M\xFCnchen \x80", "M\xC3\xBCnchen \xE2\x82\xAC", true},
        {"\xEF\xBB\xBF\xFC", "\xC3\xBC", true},
        // Overlong forms and surrogates are no UTF-8.
        {"\xC0\xAF", "\xC3\x80\xC2\xAF", true},
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC", true},
        {"\xC3", "\xC3\x83", true},
    };
    for (const Case& c : cases) {
        const DecodedText decoded = DecodeFileText(c.bytes);
        EXPECT_EQ(decoded.utf8, c.utf8) << c.bytes;
        EXPECT_EQ(decoded.readAsWindows1252, c.windows1252) << c.bytes;
    }
}

}  // namespace
}  // namespace natarix::dsv678
