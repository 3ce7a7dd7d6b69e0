// Builds the PDF document of a model made from the input and checks the
// document's own bookkeeping: the header, every xref offset against the
// object standing there, every /Length against the real stream, every text
// string closed where the writer closes it, the trailer's /Size, startxref
// and the final "%%EOF".

#include <charconv>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "pdf/PdfWriter.h"

namespace {

using namespace natarix;
using fuzz::AnyText;
using fuzz::Check;

std::string EventNumber(FuzzedDataProvider& input)
{
    return input.ConsumeBool() ? std::to_string(input.ConsumeIntegralInRange<int>(0, 40)) : AnyText(input, 6);
}

void AddEntries(FuzzedDataProvider& input, Entrant& participant, std::size_t most)
{
    for (std::size_t n = input.ConsumeIntegralInRange<std::size_t>(0, most); n > 0; --n)
        participant.SetEntry(EventNumber(input), AnyText(input, 10));
}

std::unique_ptr<MeetDefinition> BuildMeet(FuzzedDataProvider& input)
{
    auto c = std::make_unique<MeetDefinition>();
    c->title = AnyText(input);
    c->place = AnyText(input);
    c->flatFee = input.ConsumeIntegral<std::int32_t>();
    c->individualFee = input.ConsumeIntegral<std::int32_t>();
    c->relayFee = input.ConsumeIntegral<std::int32_t>();
    for (std::size_t n = input.ConsumeIntegralInRange<std::size_t>(0, 4); n > 0; --n)
        c->AddSection({AnyText(input, 4), AnyText(input, 12), AnyText(input, 6), {}});
    for (std::size_t n = input.ConsumeIntegralInRange<std::size_t>(0, 12); n > 0; --n) {
        Event event;
        event.number = EventNumber(input);
        event.sectionNumber = AnyText(input, 3);
        event.swimmerCount = input.ConsumeBool() ? "1" : AnyText(input, 3);
        event.distance = AnyText(input, 6);
        event.technique = AnyText(input, 3);
        event.sex = AnyText(input, 2);
        c->AddEvent(std::move(event));
    }
    return c;
}

ClubEntries BuildClub(FuzzedDataProvider& input)
{
    ClubEntries c;
    c.club.clubName = AnyText(input);
    c.club.clubId = AnyText(input, 10);
    c.club.lsv = AnyText(input);
    Address& contact = c.club.contact;
    for (std::string* field : {&contact.name, &contact.street, &contact.postcode, &contact.town, &contact.country,
                               &contact.phone, &contact.fax, &contact.email})
        *field = AnyText(input, 20);
    for (std::size_t n = input.ConsumeIntegralInRange<std::size_t>(0, 80); n > 0; --n) {
        auto official = std::make_unique<Official>();
        official->surname = AnyText(input, 12);
        official->firstName = AnyText(input, 12);
        official->group = input.ConsumeIntegral<std::int32_t>();
        official->wish = AnyText(input, 12);
        for (std::size_t k = input.ConsumeIntegralInRange<std::size_t>(0, 3); k > 0; --k)
            official->sectionNumbers.push_back(AnyText(input, 3));
        c.AddOfficial(std::move(official));
    }
    for (std::size_t n = input.ConsumeIntegralInRange<std::size_t>(0, 30); n > 0; --n) {
        auto swimmer = std::make_unique<Swimmer>();
        swimmer->surname = AnyText(input, 16);
        swimmer->firstName = AnyText(input, 16);
        swimmer->registrationNumber = AnyText(input, 8);
        swimmer->sex = input.ConsumeBool() ? Sex::Male : Sex::Female;
        swimmer->yearOfBirth = input.ConsumeIntegral<std::int32_t>();
        AddEntries(input, *swimmer, 45);
        c.AddSwimmer(std::move(swimmer));
    }
    for (std::size_t n = input.ConsumeIntegralInRange<std::size_t>(0, 10); n > 0; --n) {
        auto team = std::make_unique<Team>();
        team->teamNumber = AnyText(input, 4);
        AddEntries(input, *team, 25);
        c.AddTeam(std::move(team));
    }
    return c;
}

std::size_t ParseNumber(std::string_view text, std::string_view what)
{
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    Check(error == std::errc() && end != text.data(), "no number where one belongs", what);
    return value;
}

// Each text operator of a content stream: "(" text ") Tj" with every
// backslash and parenthesis inside escaped.
void CheckTextStrings(std::string_view content)
{
    for (std::size_t at = content.find(" Td\r\n("); at != std::string_view::npos;
         at = content.find(" Td\r\n(", at + 1)) {
        std::size_t i = at + 6;
        while (i < content.size() && content[i] != ')') {
            Check(content[i] != '(', "an unescaped parenthesis in a text");
            i += content[i] == '\\' ? 2 : 1;
        }
        Check(content.substr(i, 8) == ") Tj\r\nET", "a text string not closed where it ends");
    }
}

void CheckDocument(std::string_view pdf, std::int64_t expectedObjects)
{
    Check(pdf.substr(0, 10) == "%PDF-1.1\r\n", "header missing");
    Check(pdf.size() >= 5 && pdf.substr(pdf.size() - 5) == "%%EOF", "document does not end in %%EOF");
    const std::size_t startxref = pdf.rfind("\r\nstartxref\r\n");
    Check(startxref != std::string_view::npos, "startxref missing");
    const std::size_t xref = ParseNumber(pdf.substr(startxref + 13), "startxref");
    Check(xref < pdf.size() && pdf.substr(xref, 8) == "xref\r\n0 ", "startxref does not point at the xref");

    const std::size_t size = ParseNumber(pdf.substr(xref + 8), "xref size");
    Check(static_cast<std::int64_t>(size) == expectedObjects + 1, "xref size is not the object count plus one");
    const std::size_t entries = pdf.find("\r\n", xref + 8) + 2;
    Check(entries + size * 20 <= pdf.size(), "xref runs past the end");
    Check(pdf.substr(entries, 20) == "0000000000 65535 f\r\n", "free entry missing");
    for (std::size_t object = 1; object < size; ++object) {
        const std::string_view entry = pdf.substr(entries + object * 20, 20);
        Check(entry.size() == 20 && entry.substr(10) == " 00000 n\r\n", "malformed xref entry");
        const std::size_t offset = ParseNumber(entry.substr(0, 10), "xref offset");
        const std::string head = std::to_string(object) + " 0 obj\r\n";
        Check(offset < xref && pdf.substr(offset, head.size()) == head, "xref entry does not point at its object",
              head);
        constexpr std::string_view kLength = "<< /Length ";
        const std::size_t body = offset + head.size();
        if (pdf.substr(body, kLength.size()) != kLength)
            continue;
        const std::size_t length = ParseNumber(pdf.substr(body + kLength.size()), "/Length");
        const std::size_t mark = pdf.find(">>\r\nstream\r\n", body);
        Check(mark != std::string_view::npos, "stream keyword missing", head);
        const std::size_t stream = mark + 12;
        Check(stream + length <= xref && pdf.substr(stream + length, 19) == "endstream\r\nendobj\r\n",
              "/Length is not the length of the stream", head);
        CheckTextStrings(pdf.substr(stream, length));
    }
    const std::string trailer = "trailer\r\n<< /Size " + std::to_string(size) + "\r\n/Root 1 0 R\r\n>>\r\n";
    Check(pdf.substr(entries + size * 20, trailer.size()) == trailer, "trailer does not follow the xref");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    // The meet first, then the club: the order in which the input is consumed.
    const auto meet = BuildMeet(input);
    const ClubEntries entries = BuildClub(input);
    RecordingMessageSink messages;
    const std::string pdf = BuildClubEntriesPdf(*meet, entries, messages);

    const std::int64_t pages = SheetCount(entries) + OfficialsPageCount(entries);
    CheckDocument(pdf, 2 * pages + 7);

    bool missingEvent = false;
    const auto look = [&](const Entrant& participant) {
        for (const auto& [number, time] : participant.entries)
            missingEvent = missingEvent || meet->FindEvent(number) == nullptr;
    };
    for (const auto& swimmer : entries.swimmers())
        look(*swimmer);
    for (const auto& team : entries.teams())
        look(*team);
    Check(messages.messages.size() == (missingEvent ? 1u : 0u), "entries of missing events not reported exactly once");
    return 0;
}
