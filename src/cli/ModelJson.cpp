#include "cli/ModelJson.h"

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

void WriteScoringClass(JsonWriter& json, const ScoringClass& scoringClass)
{
    json.BeginObject()
        .Key("kind")
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

void WriteCompetitionSide(JsonWriter& json, const Competition& c)
{
    json.Key("title")
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

    json.Key("sections").BeginArray();
    for (const auto& [key, section] : c.sections())
        json.BeginObject()
            .Key("number")
            .String(section.number)
            .Key("date")
            .String(section.date.text())
            .Key("startTime")
            .String(section.startTime)
            .Key("admission")
            .String(section.admission)
            .EndObject();
    json.EndArray();

    json.Key("events").BeginArray();
    for (const auto& [key, event] : c.events()) {
        json.BeginObject()
            .Key("number")
            .String(event.number)
            .Key("sectionNumber")
            .String(event.sectionNumber)
            .Key("swimmerCount")
            .String(event.swimmerCount)
            .Key("distance")
            .String(event.distance)
            .Key("technique")
            .String(event.technique)
            .Key("sex")
            .String(event.sex)
            .Key("hasOwnFee")
            .Bool(event.hasOwnFee)
            .Key("ownFee")
            .Integer(event.ownFee);
        json.Key("scoringClasses").BeginArray();
        for (const ScoringClass& scoringClass : event.scoringClasses)
            WriteScoringClass(json, scoringClass);
        json.EndArray().EndObject();
    }
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
