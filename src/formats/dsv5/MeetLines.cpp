#include "MeetLines.h"

namespace natarix {

void ReadSection(DsvScanner& scanner, MeetDefinition& meet)
{
    scanner.EatFixString("ABSCHNITT:");
    Section section;
    section.number = scanner.ReadText();
    section.date = Date(scanner.ReadText());
    section.startTime = scanner.ReadText();
    if (scanner.NextFieldStartsWith("EINLASS:"))
        section.admission = scanner.ReadText();
    meet.AddSection(std::move(section));
}

void ReadEvent(DsvScanner& scanner, MeetDefinition& meet)
{
    scanner.EatFixString("WETTKAMPF:");
    Event event;
    event.number = scanner.ReadText();
    event.sectionNumber = scanner.ReadText();
    EventDescription parts = SplitEventDescription(scanner.ReadText());
    event.swimmerCount = std::move(parts.swimmerCount);
    event.distance = std::move(parts.distance);
    event.technique = std::move(parts.technique);
    event.sex = std::move(parts.sex);
    meet.AddEvent(std::move(event));
}

}  // namespace natarix
