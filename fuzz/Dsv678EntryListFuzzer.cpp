// Reads the input as a Vereinsmeldeliste against its own events, then as
// one of the two-rounds meet: it either
// fails, leaving the club side untouched, or gives a club side whose every
// entry goes to an event of the meet and whose line-ups name its own
// swimmers, and that the check and the overview take; written and read again, that club side writes the same bytes.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>

#include "FuzzSupport.h"
#include "dsv678/EntryListReader.h"
#include "dsv678/EntryListWriter.h"
#include "dsv678/MeetReader.h"
#include "platform/FileIo.h"
#include "review/EntryCheck.h"
#include "review/MeetGlance.h"

namespace {

using namespace natarix;
using fuzz::Check;

std::unique_ptr<MeetDefinition> meet;

void CheckClubSide(const ClubEntries& entries)
{
    std::set<std::int32_t> swimmers;
    for (const auto& swimmer : entries.swimmers()) {
        Check(swimmers.insert(swimmer->meetId).second, "two swimmers with one Veranstaltungs-ID");
        for (const auto& [number, time] : swimmer->entries)
            Check(meet->FindEvent(number) != nullptr && !time.empty(), "an entry to no event, or without time");
    }
    for (const auto& team : entries.teams())
        for (const auto& [number, legs] : team->lineUps)
            for (const std::int32_t leg : legs)
                Check(leg == 0 || swimmers.contains(leg), "a leg of an unknown swimmer");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const FileContent content = ReadWholeFile(NATARIX_FUZZ_MEET);
    auto read = dsv678::ReadMeet(content.bytes, "two-rounds.dsv7");
    if (content.status != ReadStatus::Ok || !read.ok()) {
        std::fprintf(stderr, "cannot read %s\n", NATARIX_FUZZ_MEET);
        std::exit(1);
    }
    meet = std::move(read).value();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Read against the events the list gives itself, as a take-over does:
    // its entries go only to those events.
    if (const auto listed = dsv678::ReadEntryListOfItsOwnMeet(bytes, "Fuzz-Me.DSV7"); listed.ok())
        for (const auto& swimmer : listed.value().entries.swimmers())
            for (const auto& [number, time] : swimmer->entries)
                Check(listed.value().meet->FindEvent(number) != nullptr, "an entry to an event the list lacks");
    ClubEntries entries;
    const auto read = dsv678::ReadEntryList(bytes, "Fuzz-Me.DSV7", *meet, entries);
    if (!read.ok()) {
        Check(entries.swimmers().empty() && entries.teams().empty() && entries.officials().empty(),
              "a failed reading that changed the club side");
        return 0;
    }
    Check(read.value().version >= 6 && read.value().version <= 8, "a version outside 6 to 8");
    CheckClubSide(entries);
    // The check and the overview take whatever the reading gave.
    for (const Finding& finding : CheckEntries(*meet, entries, Date("02.03.2025")))
        Check(!finding.text.empty() && !finding.advice.empty(), "a finding that says nothing");
    GlanceAt(*meet, entries, Date("02.03.2025"));
    const dsv678::Producer producer{"Fuzz", "1", "fuzz@example.org"};
    const std::string written = dsv678::WriteEntryList(*meet, entries, 8, producer, dsv678::EntryListForm::WorkingFile);
    ClubEntries again;
    const auto reread = dsv678::ReadEntryList(written, "Fuzz-Me.DSV8", *meet, again);
    Check(reread.ok(), "the written list cannot be read");
    Check(dsv678::WriteEntryList(*meet, again, 8, producer, dsv678::EntryListForm::WorkingFile) == written,
          "the written list does not read back to itself");
    return 0;
}
