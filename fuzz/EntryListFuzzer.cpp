// Reads the input as the working file of one fixed meet: whatever it holds,
// the reader reports at most one plain message, leaves the meet alone and
// leaves a club side that the check takes and that can be written again.
// Then as an earlier list read against its own head, as a take-over reads it:
// its club side, taken over into the fixed meet, is written again too.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzSupport.h"
#include "ModelDump.h"
#include "dsv5/DefinitionReader.h"
#include "dsv5/EntryListReader.h"
#include "dsv5/EntryListWriter.h"
#include "platform/FileIo.h"
#include "review/EntryCheck.h"
#include "review/MeetGlance.h"
#include "roster/TakeOver.h"

namespace {

std::string competitionBytes;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const natarix::FileContent content = natarix::ReadWholeFile(NATARIX_FUZZ_COMPETITION);
    if (content.status != natarix::ReadStatus::Ok) {
        std::fprintf(stderr, "cannot read %s\n", NATARIX_FUZZ_COMPETITION);
        std::exit(1);
    }
    competitionBytes = content.bytes;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace natarix;
    using fuzz::Check;
    const auto meet = DefinitionReader::Parse(competitionBytes).value();
    const std::string before = test::Dump(*meet);
    ClubEntries entries;
    const EntryListRead read =
        EntryListReader::Parse(std::string(reinterpret_cast<const char*>(data), size), *meet, entries);

    Check(read.warnings().empty(), "a warning from format 5");
    if (!read.ok())
        Check(read.failure().kind == MessageKind::Plain && !read.failure().text.empty() && read.failure().location,
              "a content error shown another way", read.failure().text);
    // The meet is never touched by a working file.
    Check(test::Dump(*meet) == before, "the working file changed the meet");
    const auto checkEntries = [](const Entrant& participant) {
        for (const auto& [number, time] : participant.entries)
            Check(NumberValue(number) > 0 && !time.empty(), "an entry the reader should have stopped at", number);
    };
    for (const auto& swimmer : entries.swimmers())
        checkEntries(*swimmer);
    for (const auto& team : entries.teams())
        checkEntries(*team);
    // The check and the overview take whatever the reading gave.
    for (const Finding& finding : CheckEntries(*meet, entries, Date("02.03.2025")))
        Check(!finding.text.empty() && !finding.advice.empty(), "a finding that says nothing");
    GlanceAt(*meet, entries, Date("02.03.2025"));

    const std::string text = EntryListWriter("", *meet, entries, false).BuildText();
    Check(text.size() >= 9 && text.compare(text.size() - 9, 9, "DATEIENDE") == 0, "working text without its end");

    MeetDefinition earlierMeet;
    ClubEntries earlier;
    const EntryListRead own = EntryListReader::ParseWithItsOwnMeet(
        std::string(reinterpret_cast<const char*>(data), size), earlierMeet, earlier, "Fuzz.DSV");
    if (!own.ok()) {
        Check(own.failure().kind == MessageKind::Plain && own.failure().location, "a head error shown another way",
              own.failure().text);
        return 0;
    }
    ClubEntries taken;
    TakeOver(earlierMeet, earlier, *meet, taken, {true, true});
    for (const auto& swimmer : taken.swimmers())
        for (const auto& [number, time] : swimmer->entries)
            Check(meet->FindEvent(number) != nullptr, "an entry taken to no event of the meet", number);
    const std::string takenText = EntryListWriter("", *meet, taken, false).BuildText();
    Check(takenText.ends_with("DATEIENDE"), "taken-over text without its end");
    return 0;
}
