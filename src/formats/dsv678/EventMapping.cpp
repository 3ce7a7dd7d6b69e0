#include "Mapping.h"
#include "dsv678/Values.h"

namespace natarix::dsv678 {

namespace {

// The grammar has checked the Wettkampfart against its value list.
Round RoundOf(std::string_view letter)
{
    return RoundFromLetter(letter).value_or(Round::None);
}

// The event a WERTUNG or PFLICHTZEIT line names. Where the file gives the
// number in another round only (the grammar has warned), the line belongs
// to the round that takes entries, else to the number's first round: a
// class is not dropped for a slip in its Art.
Event* EventNamed(MeetDefinition& meet, std::string_view number, Round round)
{
    if (Event* event = meet.FindEvent(number, round))
        return event;
    if (Event* event = meet.FindEvent(number))
        return event;
    for (const Round other :
         {Round::Heats, Round::SemiFinal, Round::Final, Round::Decider, Round::SwimOff, Round::ReSwim})
        if (Event* event = meet.FindEvent(number, other))
            return event;
    return nullptr;
}

// The WETTKAMPF elements of either list: the entry list has no Zuordnung
// Bestenliste, so its qualification comes one field earlier.
void AddListedEvents(const Document& document, MeetDefinition& meet, bool withBestList)
{
    const std::size_t qualifying = withBestList ? 9 : 8;
    std::size_t position = 0;
    for (const Element* element : document.All("WETTKAMPF")) {
        Event event;
        event.number = std::string(element->Field(0));
        event.round = RoundOf(element->Field(1));
        event.sectionNumber = std::string(element->Field(2));
        // Empty in real files for individual events.
        event.swimmerCount = element->Field(3).empty() ? std::string("1") : std::string(element->Field(3));
        event.distance = std::string(element->Field(4));
        event.technique = std::string(element->Field(5));
        event.exercise = std::string(element->Field(6));
        event.sex = std::string(element->Field(7));
        if (withBestList)
            event.bestList = std::string(element->Field(8));
        event.qualifyingEventNumber = std::string(element->Field(qualifying));
        event.qualifyingRound = RoundOf(element->Field(qualifying + 1));
        event.listPosition = position++;
        meet.AddEvent(std::move(event));
    }
}

}  // namespace

void MapEvents(const Document& document, MeetDefinition& meet)
{
    AddListedEvents(document, meet, true);
}

void MapListedMeet(const Document& entryList, MeetDefinition& meet)
{
    meet.formatVersion = entryList.version;
    if (const Element* head = entryList.First("VERANSTALTUNG")) {
        meet.title = std::string(head->Field(0));
        meet.place = std::string(head->Field(1));
        meet.poolLength = std::string(head->Field(2));
        meet.timing = std::string(head->Field(3));
    }
    for (const Element* element : entryList.All("ABSCHNITT")) {
        Section section;
        section.number = std::string(element->Field(0));
        section.date = natarix::Date(std::string(element->Field(1)));
        section.startTime = std::string(element->Field(2));
        section.relative = ParseYesNo(element->Field(3)).value_or(false);
        meet.AddSection(std::move(section));
    }
    AddListedEvents(entryList, meet, false);
}

void MapClassesAndTimes(const Document& document, MeetDefinition& meet)
{
    for (const Element& element : document.elements) {
        const bool isClass = element.name == "WERTUNG";
        if (!isClass && element.name != "PFLICHTZEIT")
            continue;
        const Round round = RoundOf(element.Field(1));
        Event* event = EventNamed(meet, element.Field(0), round);
        if (event == nullptr)
            continue;  // the grammar refuses a line of no event
        // A PFLICHTZEIT names its swimmers with the fields of a WERTUNG,
        // one place further left, as it has no WertungsID; the sex stands
        // seventh in both.
        const std::size_t first = isClass ? 3 : 2;
        ScoringClass scoringClass;
        scoringClass.round = round;
        scoringClass.type = std::string(element.Field(first));
        scoringClass.minimum = std::string(element.Field(first + 1));
        scoringClass.maximum = std::string(element.Field(first + 2));
        scoringClass.sex = std::string(element.Field(6));
        SetClassLimits(scoringClass);
        // As in format 5: ages count in the year of the event's section.
        if (const Section* section = meet.FindSection(event->sectionNumber))
            scoringClass.competitionYear = section->date.Year();
        if (!isClass) {
            event->mandatoryTimes.push_back({round, std::move(scoringClass), std::string(element.Field(5))});
            continue;
        }
        scoringClass.id = std::string(element.Field(2));
        scoringClass.name = std::string(element.Field(7));
        event->AddScoringClass(std::move(scoringClass));
    }
}

}  // namespace natarix::dsv678
