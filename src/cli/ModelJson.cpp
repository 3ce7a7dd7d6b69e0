#include "cli/ModelJson.h"

#include <algorithm>
#include <vector>

#include "JsonWriter.h"
#include "model/Labels.h"

namespace natarix {

namespace {

void WriteAddress(JsonWriter& json, const Address& address)
{
    json.BeginArray();
    for (const std::string* field : {&address.name, &address.street, &address.postcode, &address.town, &address.country,
                                     &address.phone, &address.fax, &address.email})
        json.String(*field);
    json.EndArray();
}

void WriteEntries(JsonWriter& json, const Entrant& participant)
{
    json.Key("entries").BeginArray();
    for (const auto& [eventNumber, entryTime] : participant.entries)
        json.BeginObject().Key("eventNumber").String(eventNumber).Key("entryTime").String(entryTime).EndObject();
    json.EndArray();
}

// The numbers the output has always given the kinds; the age classes of
// formats 6 to 8 show as the nearest of them, a relay's total age as 4.
std::int64_t KindNumber(ScoringClass::Kind kind)
{
    switch (kind) {
        case ScoringClass::Kind::Everyone:
            return 0;
        case ScoringClass::Kind::YearRange:
            return 1;
        case ScoringClass::Kind::AgeBand:
        case ScoringClass::Kind::AgeRange:
            return 2;
        case ScoringClass::Kind::YouthClass:
            return 3;
        case ScoringClass::Kind::RelayTotalAge:
            return 4;
    }
    return 0;
}

void WriteScoringClass(JsonWriter& json, const ScoringClass& scoringClass, bool modern)
{
    json.BeginObject();
    if (modern)
        json.Key("id")
            .String(scoringClass.id)
            .Key("round")
            .String(RoundLetter(scoringClass.round))
            .Key("type")
            .String(scoringClass.type)
            .Key("min")
            .String(scoringClass.minimum)
            .Key("max")
            .String(scoringClass.maximum)
            .Key("sex")
            .String(scoringClass.sex)
            .Key("name")
            .String(scoringClass.name)
            .Key("ageTo")
            .Integer(scoringClass.ageTo);
    json.Key("kind")
        .Integer(KindNumber(scoringClass.kind))
        .Key("yearFrom")
        .Integer(scoringClass.yearFrom)
        .Key("yearTo")
        .Integer(scoringClass.yearTo)
        .Key("age")
        .Integer(scoringClass.age)
        .Key("orOlder")
        .Bool(scoringClass.orOlder)
        .Key("classLetter")
        .String(scoringClass.classLetter)
        .Key("mandatoryTime")
        .String(scoringClass.mandatoryTime)
        .Key("competitionYear")
        .Integer(scoringClass.competitionYear)
        .EndObject();
}

void WriteMandatoryTimes(JsonWriter& json, const Event& event)
{
    json.Key("mandatoryTimes").BeginArray();
    for (const MandatoryTime& time : event.mandatoryTimes)
        json.BeginObject()
            .Key("round")
            .String(RoundLetter(time.round))
            .Key("type")
            .String(time.type)
            .Key("min")
            .String(time.minimum)
            .Key("max")
            .String(time.maximum)
            .Key("time")
            .String(time.time)
            .Key("sex")
            .String(time.sex)
            .EndObject();
    json.EndArray();
}

void WriteEvent(JsonWriter& json, const Event& event, bool modern)
{
    json.BeginObject().Key("number").String(event.number);
    if (modern)
        json.Key("round").String(RoundLetter(event.round));
    json.Key("sectionNumber")
        .String(event.sectionNumber)
        .Key("swimmerCount")
        .String(event.swimmerCount)
        .Key("distance")
        .String(event.distance)
        .Key("technique")
        .String(event.technique);
    if (modern)
        json.Key("exercise").String(event.exercise);
    json.Key("sex").String(event.sex).Key("hasOwnFee").Bool(event.hasOwnFee).Key("ownFee").Integer(event.ownFee);
    if (modern) {
        json.Key("bestList")
            .String(event.bestList)
            .Key("qualifyingEventNumber")
            .String(event.qualifyingEventNumber)
            .Key("qualifyingRound")
            .String(RoundLetter(event.qualifyingRound));
        WriteMandatoryTimes(json, event);
    }
    json.Key("scoringClasses").BeginArray();
    for (const ScoringClass& scoringClass : event.scoringClasses)
        WriteScoringClass(json, scoringClass, modern);
    json.EndArray().EndObject();
}

// Format 5 in number order, as the model holds them; the newer formats in
// the running order of the list.
std::vector<const Event*> EventsInListOrder(const Competition& c)
{
    std::vector<const Event*> events;
    for (const auto& [key, event] : c.events())
        events.push_back(&event);
    std::stable_sort(events.begin(), events.end(),
                     [](const Event* a, const Event* b) { return a->listPosition < b->listPosition; });
    return events;
}

// What formats 6 to 8 tell beyond format 5.
void WriteModernMeetSide(JsonWriter& json, const Competition& c)
{
    json.Key("generator").String(c.generator).Key("organizer").String(c.organizer).Key("host");
    if (c.host) {
        json.BeginObject().Key("name").String(c.host->name).Key("contact");
        WriteAddress(json, c.host->contact);
        json.EndObject();
    } else {
        json.BeginObject().EndObject();
    }
    json.Key("bank").BeginObject();
    if (c.bank)
        json.Key("bankName")
            .String(c.bank->bankName)
            .Key("iban")
            .String(c.bank->iban)
            .Key("bic")
            .String(c.bank->bic)
            .Key("holder")
            .String(c.bank->holder);
    json.EndObject().Key("directDebitOnly").Bool(c.directDebitOnly).Key("qualifyingWindow").BeginObject();
    if (c.qualifyingWindow)
        json.Key("from")
            .String(c.qualifyingWindow->from.text())
            .Key("until")
            .String(c.qualifyingWindow->until.text())
            .Key("course")
            .String(c.qualifyingWindow->course);
    json.EndObject();
    json.Key("fees").BeginArray();
    for (const Fee& fee : c.fees)
        json.BeginObject()
            .Key("type")
            .String(fee.typeText)
            .Key("amount")
            .Integer(fee.cents)
            .Key("eventNumber")
            .String(fee.eventNumber)
            .EndObject();
    json.EndArray();
}

void WriteCompetitionSide(JsonWriter& json, const Competition& c)
{
    const bool modern = c.formatVersion != 5;
    json.Key("format")
        .Integer(c.formatVersion)
        .Key("title")
        .String(c.title)
        .Key("place")
        .String(c.place)
        .Key("veranstaltungField3")
        .String(c.poolLength)
        .Key("timing")
        .String(c.timing)
        .Key("onlineInvitation")
        .String(c.onlineInvitation)
        .Key("entryDeadline")
        .BeginArray()
        .String(c.entryDeadlineDate.text())
        .String(c.entryDeadlineTime)
        .EndArray()
        .Key("remarks")
        .String(c.remarks)
        .Key("flatFee")
        .Integer(c.flatFee)
        .Key("individualFee")
        .Integer(c.individualFee)
        .Key("relayFee")
        .Integer(c.relayFee);
    json.Key("venue");
    WriteAddress(json, c.venue);
    json.Key("entryAddress");
    WriteAddress(json, c.entryAddress);
    json.Key("earliestSectionDate")
        .String(FirstDayText(c.EarliestSectionDate()))
        .Key("latestSectionDate")
        .String(LastDayText(c.LatestSectionDate()));
    if (modern)
        WriteModernMeetSide(json, c);

    json.Key("sections").BeginArray();
    for (const auto& [key, section] : c.sections()) {
        json.BeginObject()
            .Key("number")
            .String(section.number)
            .Key("date")
            .String(section.date.text())
            .Key("startTime")
            .String(section.startTime)
            .Key("admission")
            .String(section.admission);
        if (modern)
            json.Key("judgesMeeting").String(section.judgesMeeting).Key("relative").Bool(section.relative);
        json.EndObject();
    }
    json.EndArray();

    json.Key("events").BeginArray();
    for (const Event* event : EventsInListOrder(c))
        WriteEvent(json, *event, modern);
    json.EndArray();
}

void WriteClubSide(JsonWriter& json, const Competition& c)
{
    json.Key("club")
        .BeginObject()
        .Key("clubName")
        .String(c.club.clubName)
        .Key("clubId")
        .String(c.club.clubId)
        .Key("lsv")
        .String(c.club.lsv)
        .Key("nation")
        .String(c.club.nation)
        .Key("contact");
    WriteAddress(json, c.club.contact);
    json.EndObject();

    json.Key("swimmers").BeginArray();
    for (const auto& swimmer : c.swimmers()) {
        json.BeginObject()
            .Key("surname")
            .String(swimmer->surname)
            .Key("firstName")
            .String(swimmer->firstName)
            .Key("yearOfBirth")
            .Integer(swimmer->yearOfBirth)
            .Key("registrationNumber")
            .String(swimmer->registrationNumber)
            .Key("sex")
            .String(swimmer->sex == Sex::Male ? "m" : "w");
        WriteEntries(json, *swimmer);
        json.EndObject();
    }
    json.EndArray();

    json.Key("teams").BeginArray();
    for (const auto& team : c.teams()) {
        json.BeginObject()
            .Key("teamNumber")
            .String(team->teamNumber)
            .Key("teamName")
            .String(team->teamName)
            .Key("classLabel")
            .String(team->classLabel);
        WriteEntries(json, *team);
        json.EndObject();
    }
    json.EndArray();

    json.Key("officials").BeginArray();
    for (const auto& official : c.officials())
        json.BeginObject()
            .Key("surname")
            .String(official->surname)
            .Key("firstName")
            .String(official->firstName)
            .Key("group")
            .Integer(official->group)
            .Key("sectionNumbers")
            .String(SectionNumbersText(*official))
            .Key("wish")
            .String(official->wish)
            .EndObject();
    json.EndArray();
}

}  // namespace

std::string CompetitionToJson(const Competition& competition)
{
    JsonWriter json;
    json.BeginObject();
    WriteCompetitionSide(json, competition);
    WriteClubSide(json, competition);
    json.EndObject();
    return json.text();
}

}  // namespace natarix
