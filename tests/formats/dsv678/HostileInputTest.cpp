// Files no producer writes: huge lines and fields, a million lines, NUL
// bytes, broken UTF-8, comments that never close (built in memory). Each
// must end in a clear message within kBound (10 seconds; the dev build needs
// well under one, see docs/reliability.md): work that grew faster than the
// input would miss it by far.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "ReaderTestSupport.h"
#include "TestTexts.h"
#include "dsv678/DefinitionListReader.h"

namespace natarix::dsv678 {
namespace {

using natarix::test::Replaced;
using test::MinimalDefinitionList;
using test::ShownWarnings;

constexpr const char* kRead = "(read)";
constexpr auto kBound = std::chrono::seconds(10);
// The sanitizer build checks the same paths for undefined behaviour on a
// fifth of the lines: its allocator makes them about ten times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kScale = 5;
#elif defined(__has_feature)
constexpr std::size_t kScale = __has_feature(address_sanitizer) ? 5 : 1;
#else
constexpr std::size_t kScale = 1;
#endif
constexpr std::size_t kMegabyte = 1024 * 1024;
constexpr std::size_t kLines = 1000 * 1000 / kScale;

struct Case {
    std::string what;
    std::string input;
    std::string failure;  // kRead when it must be read
    std::vector<std::string> warnings = {};
};

std::string With(std::string_view from, std::string_view to)
{
    return Replaced(MinimalDefinitionList(), from, to);
}

// `count` lines made by `line` from their index, each ending in CR LF.
template <typename Line>
std::string ManyLines(std::size_t count, Line line)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text.append(line(i)).append("\r\n");
    return text;
}

// What a message shows of a long text: its first 60 characters.
std::string Cut(char c)
{
    return std::string(60, c) + "…";
}

ReadResult TimedRead(std::string_view bytes)
{
    const auto start = std::chrono::steady_clock::now();
    ReadResult result = ReadDefinitionList(bytes);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, kBound) << std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() << " ms";
    return result;
}

void Check(const Case& c)
{
    const ReadResult result = TimedRead(c.input);
    EXPECT_EQ(result.failure ? result.failure->ShownText() : kRead, c.failure) << c.what;
    EXPECT_EQ(ShownWarnings(result), c.warnings) << c.what;
}

TEST(Dsv678Hostile, LongLinesAndFields)
{
    const std::string megabyte(kMegabyte, 'x');
    const Case cases[] = {
        {"a megabyte-long text", With("VERANSTALTER:Verband;", "VERANSTALTER:" + megabyte + ";"), kRead},
        {"a megabyte-long code",
         With("WETTKAMPF:1;V;1;;100;F;", "WETTKAMPF:1;V;1;;100;" + megabyte + ";"),
         kRead,
         {"Zeile 12: Unbekannter Wert „" + Cut('x') +
          "“ für Technik in WETTKAMPF; er bleibt, wie er geschrieben ist."}},
        {"a megabyte-long number", With("ABSCHNITT:1;", "ABSCHNITT:" + std::string(kMegabyte, '1') + ";"),
         "Zeile 11: Abschnittsnr. in ABSCHNITT ist keine Zahl: „" + Cut('1') + "“."},
        {"a megabyte-long element name",
         With("VERANSTALTER:Verband;", "VERANSTALTER:Verband;\r\n" + megabyte + ":1;"),
         kRead,
         {"Zeile 8: Das Element " + Cut('X') +
          " gehört nicht zu einer Wettkampfdefinitionsliste und wird übergangen."}},
        {"a megabyte of fields",
         With("WERTUNG:1;V;1;JG;0;;;Offen;", "WERTUNG:1;V;1;JG;0;;;Offen;" + std::string(kMegabyte, ';')),
         kRead,
         {"Zeile 14: WERTUNG hat 1048584 Felder, erwartet werden 8; die übrigen werden nicht gelesen."}},
        {"a 10 MB line of text", std::string(10 * kMegabyte, 'x'),
         "Zeile 1: Die Datei beginnt mit " + Cut('X') +
             ", nicht mit FORMAT; sie ist keine Liste der DSV-Formate 6 bis 8."},
        {"a 10 MB line after the list", MinimalDefinitionList() + "\r\n" + std::string(10 * kMegabyte, 'x'),
         "Zeile 17: Nach DATEIENDE folgt noch " + Cut('X') + "."},
        {"a 10 MB comment", With("(* Kopf", "(* " + std::string(10 * kMegabyte, '*')), kRead},
        {"a 10 MB unclosed comment",
         "(*" + std::string(10 * kMegabyte, 'x'),
         "Die Datei ist leer; eine Wettkampfdefinitionsliste beginnt mit FORMAT.",
         {"Zeile 1: Ein Kommentar „(*“ endet nicht in seiner Zeile; der Rest der Zeile wird übergangen."}},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(Dsv678Hostile, AMillionLines)
{
    const auto unknown = [](std::size_t i) { return "X" + std::to_string(i) + ":"; };
    const auto classes = [](std::size_t i) { return "WERTUNG:1;V;" + std::to_string(i + 2) + ";JG;0;;;Offen;"; };
    const Case cases[] = {
        {"blank lines and comments",
         With("DATEIENDE", ManyLines(kLines, [](std::size_t i) { return i % 2 ? "  " : "(* x *)"; }) + "DATEIENDE"),
         kRead},
        {"the same warning",
         With("VERANSTALTER:Verband;", ManyLines(kLines, [](std::size_t) { return "X:"; }) + "VERANSTALTER:Verband;"),
         kRead,
         {"Zeile 7 und " + std::to_string(kLines - 1) +
          " weitere: Das Element X gehört nicht zu einer Wettkampfdefinitionsliste und wird "
          "übergangen."}},
        {"the same unclosed comment",
         With("DATEIENDE", ManyLines(kLines, [](std::size_t) { return "(*"; }) + "DATEIENDE"),
         kRead,
         {"Zeile 16 und " + std::to_string(kLines - 1) +
          " weitere: Ein Kommentar „(*“ endet nicht in seiner Zeile; der Rest der Zeile wird "
          "übergangen."}},
        {"scoring classes", With("MELDEGELD:", ManyLines(kLines, classes) + "MELDEGELD:"), kRead},
    };
    for (const Case& c : cases)
        Check(c);

    // A new warning on every line: the first thousand texts are kept, the
    // lines of the others counted in one more.
    const ReadResult result =
        TimedRead(With("VERANSTALTER:Verband;", ManyLines(kLines, unknown) + "VERANSTALTER:Verband;"));
    ASSERT_TRUE(result.document);
    const std::vector<std::string> warnings = ShownWarnings(result);
    ASSERT_EQ(warnings.size(), 1001u);
    EXPECT_EQ(warnings[999],
              "Zeile 1006: Das Element X999 gehört nicht zu einer Wettkampfdefinitionsliste und wird übergangen.");
    EXPECT_EQ(warnings[1000], "Zeile 1007 und " + std::to_string(kLines - 1001) +
                                  " weitere: Die Datei hat noch weitere Auffälligkeiten; sie werden nicht einzeln "
                                  "aufgeführt.");
}

TEST(Dsv678Hostile, NulBytesAndBrokenUtf8)
{
    const std::string windows1252 = "Die Datei ist nicht in UTF-8 geschrieben; sie wird als Windows-1252 gelesen.";
    const std::string nul = "Die Zeile enthält ein Nullbyte; die Datei ist wohl beschädigt oder keine Textdatei.";
    std::string utf16 = "\xFF\xFE";
    for (const char c : MinimalDefinitionList())
        utf16 += std::string{c, '\0'};
    const Case cases[] = {
        {"NUL in a field", With("Verband", std::string("Ver\0band", 8)), "Zeile 7: " + nul},
        {"NUL as a line", With("DATEIENDE", std::string("\0\r\nDATEIENDE", 12)), "Zeile 16: " + nul},
        {"NUL after DATEIENDE", MinimalDefinitionList() + std::string("\r\n\0", 3), "Zeile 17: " + nul},
        {"NUL in a comment", With("Kopf", std::string("K\0pf", 4)), kRead},
        {"UTF-16", utf16, "Zeile 1: " + nul, {windows1252}},
        {"binary",
         std::string("\x7F"
                     "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0",
                     16),
         "Zeile 1: " + nul},
        {"truncated sequence", With("Verband", "Verband M\xC3"), kRead, {windows1252}},
        {"truncated at the end",
         MinimalDefinitionList() + " (* \xE2\x82",
         kRead,
         {windows1252,
          "Zeile 16: Ein Kommentar „(*“ endet nicht in seiner Zeile; der Rest der Zeile wird übergangen."}},
        {"continuation byte alone", With("Verband", "Verband \x80"), kRead, {windows1252}},
        {"overlong slash", With("Verband", "Verband \xC0\xAF"), kRead, {windows1252}},
        {"overlong three bytes", With("Verband", "Verband \xE0\x80\xAF"), kRead, {windows1252}},
        {"surrogate", With("Verband", "Verband \xED\xA0\x80"), kRead, {windows1252}},
        {"above U+10FFFF", With("Verband", "Verband \xF4\x90\x80\x80"), kRead, {windows1252}},
        {"broken and unknown",
         With("WETTKAMPF:1;V;1;;100;F;", "WETTKAMPF:1;V;1;;100;\xC3\x28;"),
         kRead,
         {windows1252, "Zeile 12: Unbekannter Wert „Ã(“ für Technik in WETTKAMPF; er bleibt, wie er geschrieben ist."}},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(Dsv678Hostile, RefusesAFileAbove64Megabytes)
{
    const std::string limit = "Die Datei ist größer als 64 MB; so groß ist keine Wettkampfdefinitionsliste.";
    std::string large = MinimalDefinitionList();
    large.resize(64 * kMegabyte + 1, ' ');
    Check({"a list with 64 MB of blanks after it", large, limit});
    large.resize(64 * kMegabyte);
    Check({"exactly 64 MB", large, kRead});
}

}  // namespace
}  // namespace natarix::dsv678
