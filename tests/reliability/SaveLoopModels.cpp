#include "SaveLoopModels.h"

#include "TestModels.h"
#include "dsv5/EntryListWriter.h"

namespace natarix::reliability {

const MeetDefinition& SaveLoopMeet()
{
    static const auto meet = test::FormsMeet();
    return *meet;
}

ClubEntries SaveLoopEntries(int which)
{
    ClubEntries entries;
    entries.club.clubName = which == 0 ? "SV Alt" : "SV Neu";
    // Several hundred kilobytes, so that a save takes long enough to be
    // interrupted in each of its steps.
    const int swimmers = which == 0 ? 1500 : 1800;
    for (int i = 0; i < swimmers; ++i)
        test::AddSwimmer(entries, (which == 0 ? "Alt" : "Neu") + std::to_string(i), 6, 1 + i % 3);
    return entries;
}

std::string SaveLoopText(int which)
{
    return EntryListWriter("", SaveLoopMeet(), SaveLoopEntries(which), false).BuildText();
}

}  // namespace natarix::reliability
