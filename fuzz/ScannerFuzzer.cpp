// Drives the scanner with a short program taken from the end of the input
// over a buffer made of the rest, and checks what each operation promises.
// The value texts get the fields it cuts.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "dsv5/DsvScanner.h"
#include "model/Date.h"
#include "model/DsvError.h"
#include "model/ValueTexts.h"

namespace {

using namespace natarix;
using fuzz::Check;

constexpr std::string_view kKeywords[] = {
    "WETTKAMPFDEFINITIONSLISTE:",
    "VEREINSMELDELISTE:",
    "FORMAT:",
    "VERANSTALTUNG:",
    "VERANSTALTUNGSORT:",
    "AUSSCHREIBUNGIMNETZ:",
    "MELDEADRESSE:",
    "MELDESCHLUSS:",
    "BESONDERES:",
    "ABSCHNITT:",
    "EINLASS:",
    "WETTKAMPF:",
    "WERTUNG:",
    "Wertung:",
    "JG:",
    "AK:",
    "PFLICHTZEIT:",
    "MELDEGELDPAUSCHALE:",
    "EINZELMELDEGELD:",
    "STAFFELMELDEGELD:",
    "WKMELDEGELD:",
    "VEREIN:",
    "VNKENNZAHL:",
    "LSV:",
    "NATION:",
    "ANSPRECHPARTNER:",
    "KARIMELDUNG:",
    "EINSATZWUNSCH:",
    "ABSCHNITTE:",
    "PNMELDUNG:",
    "STMELDUNG:",
    "STAFFELNAME:",
    "STARTS:",
    "DATEIENDE",
    "",
    "(*",
    "*)",
    ";",
    " ",
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\n' || c == '\r';
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The value of a number text worked out another way: by the count of its
// significant digits instead of by stopping to grow.
std::int32_t ExpectedNumberValue(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    while (i < text.size() && text[i] == '0')
        ++i;
    std::size_t end = i;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    if (end - i > 10)
        return negative ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (std::size_t k = i; k < end; ++k)
        value = value * 10 + (text[k] - '0');
    value = negative ? -value : value;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

void CheckValueTexts(std::string_view a, std::string_view b)
{
    Check(NumberValue(a) == ExpectedNumberValue(a), "NumberValue differs from the expected value", a);

    const std::string trimmed = TrimRight(a);
    Check(a.substr(0, trimmed.size()) == trimmed, "TrimRight is no prefix", a);
    Check(trimmed.empty() || (trimmed.back() != ' ' && trimmed.back() != '\t'), "TrimRight left a space or tab", a);
    Check(a.substr(trimmed.size()).find_first_not_of(" \t") == std::string_view::npos,
          "TrimRight removed more than spaces and tabs", a);

    ParseAmount(a);  // any text; UBSan watches the arithmetic

    const Date first{std::string(a)};
    const Date second{std::string(b)};
    Check(!first.IsEarlierThan(first), "a date is earlier than itself", a);
    Check(!(first.IsEarlierThan(second) && second.IsEarlierThan(first)), "two dates are each earlier than the other",
          a);
    first.Year();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    std::vector<std::pair<std::uint8_t, std::uint8_t>> program(input.ConsumeIntegralInRange<std::size_t>(0, 24));
    for (auto& [operation, argument] : program) {
        operation = input.ConsumeIntegral<std::uint8_t>();
        argument = input.ConsumeIntegral<std::uint8_t>();
    }
    const std::string buffer = input.ConsumeRemainingBytesAsString();
    const std::string_view bytes = buffer;

    DsvScanner scanner(buffer);
    Check(scanner.position() == 0 && scanner.end() == buffer.size(), "fresh scanner not at the start");
    std::string previousField;
    for (const auto& [operation, argument] : program) {
        const std::size_t before = scanner.position();
        const std::string_view keyword = kKeywords[argument % std::size(kKeywords)];
        try {
            switch (operation % 6) {
                case 0: {
                    scanner.SkipBlanks();
                    const std::size_t at = scanner.position();
                    // Only a comment right behind another one may stop the skipping early.
                    Check(at == bytes.size() || !IsBlank(bytes[at]), "SkipBlanks stopped at a blank");
                    break;
                }
                case 1: {
                    const bool opener = bytes.substr(before, 2) == "(*";
                    scanner.SkipComment();
                    const std::size_t at = scanner.position();
                    Check(opener ? at >= before + 4 && bytes.substr(at - 2, 2) == "*)" : at == before,
                          "SkipComment did not stop right behind the comment end");
                    if (opener)
                        Check(bytes.substr(before + 2, at - before - 4).find("*)") == std::string_view::npos,
                              "SkipComment passed a comment end");
                    break;
                }
                case 2: {
                    scanner.EatFixString(keyword);
                    const std::size_t at = scanner.position();
                    Check(at >= keyword.size() && bytes.substr(at - keyword.size(), keyword.size()) == keyword,
                          "EatFixString consumed something else", keyword);
                    break;
                }
                case 3: {
                    const std::string peeked = scanner.PeekField();
                    const std::size_t peekedAt = scanner.position();
                    const std::string field = scanner.ReadField();
                    const std::size_t at = scanner.position();
                    // Skipping leaves a comment that directly follows another
                    // one in place, so the peeked field starts with it, and
                    // ReadField's own skipping then passes it: only then may
                    // the two differ.
                    const bool commentLeft = peeked.compare(0, 2, "(*") == 0;
                    Check(peeked == field || commentLeft, "ReadField differs from PeekField", field);
                    Check(field.find(';') == std::string::npos, "a field holds a semicolon", field);
                    const bool closed = at > peekedAt && bytes[at - 1] == ';';
                    Check(closed || at == bytes.size(), "a field ended elsewhere than at a semicolon", field);
                    const std::size_t start = (closed ? at - 1 : at) - field.size();
                    Check(commentLeft ? start >= peekedAt : start == peekedAt, "the field starts elsewhere", field);
                    Check(bytes.substr(start, field.size()) == field, "the field is not the text at the position",
                          field);
                    CheckValueTexts(field, previousField);
                    previousField = field;
                    break;
                }
                case 4: {
                    const bool starts = scanner.NextFieldStartsWith(keyword);
                    const std::size_t at = scanner.position();
                    // A comment left in place (see ReadField above) is passed
                    // by the next skip, so a second peek may see more.
                    if (bytes.substr(at, 2) == "(*")
                        break;
                    const std::string peeked = scanner.PeekField();
                    Check(scanner.position() == at, "peeking moved the scanner");
                    Check(
                        starts == (peeked.size() >= keyword.size() && peeked.compare(0, keyword.size(), keyword) == 0),
                        "NextFieldStartsWith differs from the peeked field", keyword);
                    break;
                }
                default:
                    CheckValueTexts(bytes.substr(before, argument), previousField);
                    break;
            }
        } catch (const DsvError& error) {
            const std::string& message = error.message();
            Check(message == "comment end not found" || message == "eatFixString out of buffer" ||
                      message == std::string(keyword) + " not found by EatFixString",
                  "unexpected scanner message", message);
        }
        Check(scanner.position() >= before && scanner.position() <= scanner.end(),
              "the scanner moved backwards or past the end");
    }
    return 0;
}
