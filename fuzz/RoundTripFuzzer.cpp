// The working file carries the whole model: a definition list (the input up
// to its first "DATEIENDE") and a club side built from the rest of the input,
// written as the working file and read back into a fresh club side against
// the same meet, give the same club side. The club's texts are shaped to what the format can
// carry; a definition list whose own texts the format cannot carry (its empty
// club side does not read back completely) is passed over.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "ModelDump.h"
#include "dsv5/DefinitionReader.h"
#include "dsv5/EntryListReader.h"
#include "dsv5/EntryListWriter.h"

namespace {

using namespace natarix;
using fuzz::AnyText;
using fuzz::Carryable;

constexpr std::size_t kMaxMembers = 8;
constexpr std::size_t kMaxEntries = 6;

void AddEntries(FuzzedDataProvider& input, Entrant& participant)
{
    for (std::size_t n = input.ConsumeIntegralInRange<std::size_t>(0, kMaxEntries); n > 0; --n) {
        std::string time = Carryable(AnyText(input, 12), false);
        participant.SetEntry(fuzz::PositiveNumberText(input), time.empty() ? "00:59,99" : time);
    }
}

void BuildClubSide(FuzzedDataProvider& input, ClubEntries& c)
{
    c.club.clubName = Carryable(AnyText(input), false);
    c.club.clubId = Carryable(AnyText(input), false);
    c.club.lsv = Carryable(AnyText(input), false);
    c.club.nation = Carryable(AnyText(input), false);
    Address& contact = c.club.contact;
    for (std::string* field : {&contact.name, &contact.street, &contact.postcode, &contact.town, &contact.country,
                               &contact.phone, &contact.fax, &contact.email})
        *field = Carryable(AnyText(input), false);

    for (std::size_t n = input.ConsumeIntegralInRange<std::size_t>(0, kMaxMembers); n > 0; --n) {
        auto official = std::make_unique<Official>();
        official->surname = Carryable(AnyText(input), true, true);
        official->firstName = Carryable(AnyText(input), true);
        official->group = input.ConsumeIntegral<std::int32_t>();
        official->wish = Carryable(AnyText(input), true);
        // The first section number is taken as it stands, every further one
        // only while its value is above 0.
        official->sectionNumbers.push_back(Carryable(AnyText(input, 6), false));
        for (std::size_t k = input.ConsumeIntegralInRange<std::size_t>(0, 3); k > 0; --k)
            official->sectionNumbers.push_back(fuzz::PositiveNumberText(input));
        // One empty number alone is how the file writes no sections, which
        // read back as the empty list.
        if (official->sectionNumbers == std::vector<std::string>{""})
            official->sectionNumbers.clear();
        c.AddOfficial(std::move(official));
    }
    for (std::size_t n = input.ConsumeIntegralInRange<std::size_t>(0, kMaxMembers); n > 0; --n) {
        auto swimmer = std::make_unique<Swimmer>();
        swimmer->surname = Carryable(AnyText(input), true, true);
        swimmer->firstName = Carryable(AnyText(input), true);
        swimmer->registrationNumber = Carryable(AnyText(input, 8), false);
        swimmer->sex = input.ConsumeBool() ? Sex::Male : Sex::Female;
        swimmer->yearOfBirth = input.ConsumeIntegral<std::int32_t>();
        AddEntries(input, *swimmer);
        c.AddSwimmer(std::move(swimmer));
    }
    for (std::size_t n = input.ConsumeIntegralInRange<std::size_t>(0, kMaxMembers); n > 0; --n) {
        auto team = std::make_unique<Team>();
        team->teamNumber = Carryable(AnyText(input, 6), true);
        team->teamName = Carryable(AnyText(input), false);
        team->classLabel = Carryable(AnyText(input), false);
        AddEntries(input, *team);
        c.AddTeam(std::move(team));
    }
}

// The working file of `entries` read into a fresh club side against `meet`;
// `problem` tells why it did not read completely, or is empty.
ClubEntries ReadBack(const MeetDefinition& meet, const ClubEntries& entries, std::string& problem)
{
    ClubEntries fresh;
    const EntryListRead read =
        EntryListReader::Parse(EntryListWriter("", meet, entries, false).BuildText(), meet, fresh);
    problem = !read.ok()                                   ? read.failure().text
              : read.value() != ReadCompleteness::Complete ? std::string("records left unread")
                                                           : std::string();
    return fresh;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    constexpr std::string_view kEnd = "DATEIENDE";
    const std::size_t end = bytes.find(kEnd);
    if (end == std::string_view::npos)
        return 0;
    const std::string definition(bytes.substr(0, end + kEnd.size()));
    const std::string_view club = bytes.substr(end + kEnd.size());

    DefinitionRead read = DefinitionReader::Parse(definition);
    if (!read.ok())
        return 0;
    const std::unique_ptr<const MeetDefinition> meet = std::move(read).value();
    std::string problem;
    ReadBack(*meet, ClubEntries(), problem);
    if (!problem.empty())
        return 0;

    FuzzedDataProvider input(reinterpret_cast<const std::uint8_t*>(club.data()), club.size());
    ClubEntries entries;
    BuildClubSide(input, entries);
    const ClubEntries back = ReadBack(*meet, entries, problem);
    const std::string expected = test::Dump(entries);
    const std::string actual = test::Dump(back);
    fuzz::Check(problem.empty(), "the working file did not read back", problem);
    fuzz::Check(actual == expected, "the working file read back another model", expected + "\n----\n" + actual);
    return 0;
}
