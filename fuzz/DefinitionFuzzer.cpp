// Reads the input as a competition definition list: it either fails with a
// message or gives a competition whose lookups hold together.

#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "dsv5/DefinitionReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace natarix;
    using fuzz::Check;
    DefinitionRead read = DefinitionReader::Parse(std::string(reinterpret_cast<const char*>(data), size));
    if (!read.ok()) {
        Check(!read.failure().text.empty(), "a content error without a message");
        Check(read.failure().kind == MessageKind::Plain && read.failure().location, "a content error shown another way",
              read.failure().text);
        return 0;
    }
    const std::unique_ptr<MeetDefinition> meet = std::move(read).value();
    Check(meet != nullptr, "no meet and no error");
    Check(!meet->sections().empty() && !meet->events().empty(), "a meet without lines");
    Check(meet->timing == "h" || meet->timing == "a", "timing neither h nor a", meet->timing);
    for (const auto& [key, event] : meet->events()) {
        const std::string& number = key.number;
        Check(meet->FindEvent(number) == &event, "an event is not found under its own number", number);
        if (event.scoringClasses.empty())
            continue;
        // A scoring line looked the section up, so it must still be there.
        const std::int32_t year = meet->FindSection(event.sectionNumber)->date.Year();
        for (const ScoringClass& scoringClass : event.scoringClasses)
            Check(scoringClass.competitionYear == year, "scoring class with another competition year", number);
    }
    return 0;
}
