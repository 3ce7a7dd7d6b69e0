// Hostile input for both readers: megabyte lines and fields, a million
// events, entries and comments, NUL bytes, bytes that Windows-1252 leaves
// undefined, numbers with hundreds of digits and megabyte number texts. Each
// reading must end without a crash, with the content or with a clear
// message, and within kBound (10 seconds; a release build needs at most 3,
// see docs/reliability.md). Work that grew faster than the input would miss
// the bound by far.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <string>

#include "TestSupport.h"
#include "dsv5/DefinitionReader.h"
#include "dsv5/EntryListReader.h"

namespace natarix {
namespace {

using test::EntryListReadBack;
using test::ErrorOf;
using test::ReadIntoExample;

constexpr auto kBound = std::chrono::seconds(10);
// The sanitizer build checks the same paths for undefined behaviour on a
// fifth of the counts: its allocator makes them about ten times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kScale = 5;
#elif defined(__has_feature)
constexpr int kScale = __has_feature(address_sanitizer) ? 5 : 1;
#else
constexpr int kScale = 1;
#endif
constexpr std::size_t kMegabyte = 1 << 20;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// Measures one reading against kBound.
class Stopwatch {
public:
    ~Stopwatch()
    {
        const auto elapsed = std::chrono::steady_clock::now() - start_;
        EXPECT_LT(elapsed, kBound) << std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() << " ms";
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

std::string Repeated(std::string_view text, std::size_t times)
{
    std::string out;
    out.reserve(text.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += text;
    return out;
}

// A definition list around the given pieces; the defaults make it valid.
struct Definition {
    std::string title = "Kreismeisterschaften";
    std::string venueName = "Hallenbad";
    std::string beforeSections;
    std::string sections = "ABSCHNITT:1;11.03.2006;09:00;\r\n";
    std::string events = "WETTKAMPF:1;1;100 B W;\r\nWETTKAMPF:2;1;50 F W;\r\nWETTKAMPF:10;1;4x100 F X;\r\n";
    std::string scoring = "WERTUNG:1;\r\n";
    std::string fees;

    std::string Text() const
    {
        return "WETTKAMPFDEFINITIONSLISTE:\r\nFORMAT:5;\r\nVERANSTALTUNG:" + title + ";Musterstadt;;HANDZEIT;\r\n" +
               "VERANSTALTUNGSORT:" + venueName + ";;;Musterstadt;;;;;\r\n" +
               "MELDEADRESSE:Meldestelle;;;Musterstadt;;;;;\r\nMELDESCHLUSS:01.03.2006;18:00;\r\n" + beforeSections +
               sections + events + scoring + fees + "DATEIENDE";
    }
};

std::string DefinitionError(const std::string& text)
{
    Stopwatch stopwatch;
    return ErrorOf([&] { return DefinitionReader::Parse(text); });
}

std::unique_ptr<MeetDefinition> ParseDefinition(const std::string& text)
{
    Stopwatch stopwatch;
    return DefinitionReader::Parse(text).value();
}

TEST(HostileDefinitionList, MegabyteLinesAndFieldsAreReadOrRefusedWithAMessage)
{
    Definition longTitle;
    longTitle.title = std::string(8 * kMegabyte, 'A');
    EXPECT_EQ(ParseDefinition(longTitle.Text())->title.size(), 8 * kMegabyte);

    // A line that never closes its field swallows the rest of the file.
    EXPECT_EQ(DefinitionError("WETTKAMPFDEFINITIONSLISTE:\r\nFORMAT:5;\r\nVERANSTALTUNG:" +
                              std::string(8 * kMegabyte, 'A') + "\r\nDATEIENDE"),
              "Ungültige Zeitnahme");
    EXPECT_EQ(DefinitionError(std::string(8 * kMegabyte, ' ') + "WETTKAMPFDEFINITIONSLISTE"),
              "eatFixString out of buffer");
    EXPECT_EQ(DefinitionError(std::string(8 * kMegabyte, 'W')), "WETTKAMPFDEFINITIONSLISTE: not found by EatFixString");

    Definition longEvent;
    longEvent.events = "WETTKAMPF:1;1;" + std::string(4 * kMegabyte, 'x') + ";\r\n";
    EXPECT_EQ(ParseDefinition(longEvent.Text())->events().at({"1"}).swimmerCount, "");
}

TEST(HostileDefinitionList, AMillionEventsAndScoringLines)
{
    constexpr int kEvents = 1'000'000 / kScale;
    Definition many;
    many.events.clear();
    many.scoring.clear();
    for (int i = 1; i <= kEvents; ++i) {
        const std::string number = std::to_string(i);
        many.events += "WETTKAMPF:" + number + ";1;100 F X;\r\n";
        many.scoring += "WERTUNG:" + number + ";JG:1990-1995;\r\n";
    }
    const auto meet = ParseDefinition(many.Text());
    EXPECT_EQ(meet->events().size(), static_cast<std::size_t>(kEvents));
    EXPECT_EQ(meet->events().rbegin()->second.scoringClasses.size(), 1u);
}

TEST(HostileDefinitionList, NulAndUndefinedBytesStayTextWhereTextBelongs)
{
    const std::string odd("A\0B\x81\x8D\x8F\x90\x9D\xFF", 9);
    // The same in the model's UTF-8.
    const std::string oddText("A\0B\u0081\u008D\u008F\u0090\u009D\u00FF", 15);
    Definition texts;
    texts.title = odd;
    texts.venueName = Repeated(odd, 1000);
    const auto meet = ParseDefinition(texts.Text());
    EXPECT_EQ(meet->title, oddText);
    EXPECT_EQ(meet->venue.name, Repeated(oddText, 1000));

    // In place of a keyword such bytes are a deviation like any other.
    EXPECT_EQ(DefinitionError(test::Replaced(Definition().Text(), "FORMAT", std::string("\0ORMAT", 6))),
              "FORMAT: not found by EatFixString");
    EXPECT_EQ(DefinitionError(test::Replaced(Definition().Text(), "HANDZEIT", "HAND\x81ZEIT")), "Ungültige Zeitnahme");
}

TEST(HostileDefinitionList, NumbersWithHundredsOfDigitsSaturate)
{
    const std::string huge(500, '9');
    Definition numbers;
    numbers.sections = "ABSCHNITT:" + huge + ";11.03.2006;09:00;\r\n";
    numbers.events = "WETTKAMPF:" + huge + ";" + huge + ";" + huge + "x" + huge + " F X;\r\n";
    numbers.scoring = "WERTUNG:" + huge + ";JG:" + huge + "-" + huge + ";\r\nWERTUNG:" + std::string(400, '0') + huge +
                      ";AK:" + huge + "+;\r\n";
    numbers.fees = "EINZELMELDEGELD:" + huge + "," + huge + ";\r\nSTAFFELMELDEGELD:-" + huge +
                   ";\r\nWKMELDEGELD:" + huge + ";" + huge + ";\r\n";
    const auto meet = ParseDefinition(numbers.Text());
    const Event& event = meet->events().at({huge});
    ASSERT_EQ(event.scoringClasses.size(), 2u);
    EXPECT_EQ(event.scoringClasses[0].yearFrom, kMax);
    EXPECT_EQ(event.scoringClasses[0].yearTo, kMax);
    EXPECT_EQ(event.scoringClasses[1].age, kMax);
    EXPECT_EQ(meet->individualFee, kMax);
    EXPECT_EQ(meet->relayFee, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(event.ownFee, kMax);
}

TEST(HostileDefinitionList, AMillionCommentsAndAnUnclosedOne)
{
    Definition comments;
    comments.beforeSections = Repeated("(* Kommentar *)\r\n", 1'000'000 / kScale);
    EXPECT_EQ(ParseDefinition(comments.Text())->sections().size(), 1u);

    // Openers inside a comment do not nest; the comment ends at the first closer.
    Definition nested;
    nested.beforeSections = "(*" + Repeated("(*", 1'000'000 / kScale) + "*) ";
    EXPECT_EQ(ParseDefinition(nested.Text())->sections().size(), 1u);

    Definition unclosed;
    unclosed.beforeSections = "(*" + std::string(8 * kMegabyte, '*');
    EXPECT_EQ(DefinitionError(unclosed.Text()), "comment end not found");
}

TEST(HostileDefinitionList, MegabyteNumberTextsCostNoMoreThanTheirLength)
{
    // A key with a megabyte of leading zeros in the middle of the order, so
    // that every insertion and lookup passes it.
    const std::string longTwo = std::string(kMegabyte, '0') + "2";
    Definition numbers;
    numbers.events = "WETTKAMPF:1;1;100 F X;\r\nWETTKAMPF:" + longTwo + ";1;100 F X;\r\nWETTKAMPF:3;1;100 F X;\r\n";
    numbers.scoring = Repeated("WERTUNG:1;\r\nWERTUNG:3;\r\n", 200'000 / kScale);
    const auto meet = ParseDefinition(numbers.Text());
    EXPECT_EQ(meet->events().at({"2"}).number, longTwo);
    EXPECT_EQ(meet->events().at({"3"}).scoringClasses.size(), 200'000u / kScale);
}

// Working files against the example meet.
struct WorkingFile {
    std::string club = "VEREIN:SV Beispielstadt;VNKENNZAHL:4711;LSV:04;NATION:;\r\nANSPRECHPARTNER:;;;;;;;;\r\n";
    std::string records;

    std::string Text() const
    {
        return "VEREINSMELDELISTE:\r\nFORMAT:5;\r\nVERANSTALTUNG:Kreismeisterschaften;Musterstadt;\r\n"
               "ABSCHNITT:1;11.03.2006;09:00;\r\nWETTKAMPF:1;1;100 B W;\r\n\r\n" +
               club + records + "\r\nDATEIENDE";
    }
};

EntryListReadBack ReadWorking(const std::string& text)
{
    Stopwatch stopwatch;
    return ReadIntoExample(text);
}

TEST(HostileWorkingFile, HundredsOfThousandsOfSwimmersAndAMillionEntries)
{
    WorkingFile swimmers;
    constexpr std::size_t kSwimmers = 300'000 / kScale;
    constexpr int kEntries = 1'000'000 / kScale;
    swimmers.records = Repeated("PNMELDUNG:Muster,Anna;000000;W;1993;;\r\nSTARTS:1;01:12,50;\r\n", kSwimmers);
    const EntryListReadBack manySwimmers = ReadWorking(swimmers.Text());
    EXPECT_EQ(manySwimmers.completeness, ReadCompleteness::Complete);
    EXPECT_EQ(manySwimmers.entries.swimmers().size(), kSwimmers);

    WorkingFile entries;
    entries.records = "PNMELDUNG:Muster,Anna;000000;W;1993;;\r\nSTARTS:";
    for (int i = 1; i <= kEntries; ++i)
        entries.records += std::to_string(i) + ";01:12,50;\r\n";
    const EntryListReadBack manyEntries = ReadWorking(entries.Text());
    EXPECT_EQ(manyEntries.completeness, ReadCompleteness::Complete);
    EXPECT_EQ(manyEntries.entries.swimmers().at(0)->entries.size(), static_cast<std::size_t>(kEntries));
}

TEST(HostileWorkingFile, MegabyteFieldsNulAndUndefinedBytesAreKept)
{
    const std::string odd("A\0B\x81\x8D\x8F\x90\x9D\xFF", 9);
    const std::string oddText("A\0B\u0081\u008D\u008F\u0090\u009D\u00FF", 15);
    WorkingFile texts;
    texts.club = "VEREIN:" + std::string(4 * kMegabyte, 'V') + ";VNKENNZAHL:" + odd + ";LSV:;NATION:;\r\n" +
                 "ANSPRECHPARTNER:" + Repeated(odd + ";", 8) + "\r\n";
    texts.records = "PNMELDUNG:" + std::string(2 * kMegabyte, 'M') + "," + odd + ";" + odd + ";W;1993;;\r\nSTARTS:1;" +
                    std::string(kMegabyte, '9') + ";\r\n";
    const EntryListReadBack read = ReadWorking(texts.Text());
    EXPECT_EQ(read.completeness, ReadCompleteness::Complete);
    EXPECT_EQ(read.entries.club.clubName.size(), 4 * kMegabyte);
    EXPECT_EQ(read.entries.club.clubId, oddText);
    EXPECT_EQ(read.entries.club.contact.email, oddText);
    ASSERT_EQ(read.entries.swimmers().size(), 1u);
    const Swimmer& swimmer = *read.entries.swimmers()[0];
    EXPECT_EQ(swimmer.surname.size(), 2 * kMegabyte);
    EXPECT_EQ(swimmer.firstName, oddText);
    EXPECT_EQ(swimmer.registrationNumber, oddText);
    EXPECT_EQ(swimmer.EntryTime("1").size(), kMegabyte);
}

TEST(HostileWorkingFile, CutOffOrUnclosedInsideAMegabyteFieldEndsWithAMessage)
{
    // The name field swallows the rest, so the sex field is missing.
    WorkingFile unclosed;
    unclosed.records = "PNMELDUNG:" + std::string(4 * kMegabyte, 'M');
    const EntryListReadBack read = ReadWorking(unclosed.Text());
    EXPECT_EQ(read.completeness, ReadCompleteness::Incomplete);
    EXPECT_EQ(read.messages, std::vector{Message::ReadFailure("Falsche Geschlechtsangabe", {"", 10})});
    EXPECT_TRUE(read.entries.swimmers().empty());

    WorkingFile comment;
    comment.records = "(*" + std::string(4 * kMegabyte, '(');
    const EntryListReadBack unclosedComment = ReadWorking(comment.Text());
    EXPECT_EQ(unclosedComment.completeness, ReadCompleteness::Incomplete);
    EXPECT_EQ(unclosedComment.messages, std::vector{Message::ReadFailure("comment end not found", {"", 9})});
    EXPECT_EQ(unclosedComment.entries.club.clubName, "SV Beispielstadt");
}

TEST(HostileWorkingFile, NumberTextsWithHundredsOfDigitsOrAMegabyteOfZeros)
{
    WorkingFile huge;
    huge.records = "KARIMELDUNG:Muster,Paul;" + std::string(500, '9') + ";\r\nABSCHNITTE:" + std::string(500, '9') +
                   ";\r\n\r\nPNMELDUNG:Muster,Anna;000000;W;-" + std::string(500, '9') +
                   ";;\r\nSTARTS:" + std::string(500, '9') + ";01:12,50;\r\n";
    const EntryListReadBack read = ReadWorking(huge.Text());
    EXPECT_EQ(read.completeness, ReadCompleteness::Complete);
    EXPECT_EQ(read.entries.officials().at(0)->group, kMax);
    EXPECT_EQ(read.entries.swimmers().at(0)->yearOfBirth, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(read.entries.swimmers().at(0)->EntryTime(std::to_string(kMax)), "01:12,50");

    // An entry number with a megabyte of leading zeros in the middle of the
    // order, passed by every later entry of the same swimmer.
    WorkingFile zeros;
    zeros.records = "PNMELDUNG:Muster,Anna;000000;W;1993;;\r\nSTARTS:1;a;" + std::string(kMegabyte, '0') +
                    "2;b;3;c;\r\n" + Repeated("1;d;3;e;\r\n", 200'000 / kScale);
    const EntryListReadBack passed = ReadWorking(zeros.Text());
    EXPECT_EQ(passed.completeness, ReadCompleteness::Complete);
    EXPECT_EQ(passed.entries.swimmers().at(0)->entries.size(), 3u);
    EXPECT_EQ(passed.entries.swimmers().at(0)->EntryTime("2"), "b");
}

}  // namespace
}  // namespace natarix
