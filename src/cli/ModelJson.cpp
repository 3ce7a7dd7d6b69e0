#include "cli/ModelJson.h"

#include <algorithm>
#include <vector>

#include "JsonWriter.h"
#include "dsv678/EntryListFields.h"
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

std::string_view SexName(Sex sex)
{
    return sex == Sex::Male ? "m" : sex == Sex::Female ? "w" : "d";
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
            .String(time.swimmers.type)
            .Key("min")
            .String(time.swimmers.minimum)
            .Key("max")
            .String(time.swimmers.maximum)
            .Key("time")
            .String(time.time)
            .Key("sex")
            .String(time.swimmers.sex)
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

// What formats 6 to 8 tell beyond format 5.
void WriteModernMeetSide(JsonWriter& json, const MeetDefinition& meet)
{
    json.Key("generator").String(meet.generator).Key("organizer").String(meet.organizer).Key("host");
    if (meet.host) {
        json.BeginObject().Key("name").String(meet.host->name).Key("contact");
        WriteAddress(json, meet.host->contact);
        json.EndObject();
    } else {
        json.BeginObject().EndObject();
    }
    json.Key("bank").BeginObject();
    if (meet.bank)
        json.Key("bankName")
            .String(meet.bank->bankName)
            .Key("iban")
            .String(meet.bank->iban)
            .Key("bic")
            .String(meet.bank->bic)
            .Key("holder")
            .String(meet.bank->holder);
    json.EndObject().Key("directDebitOnly").Bool(meet.directDebitOnly).Key("qualifyingWindow").BeginObject();
    if (meet.qualifyingWindow)
        json.Key("from")
            .String(meet.qualifyingWindow->from.text())
            .Key("until")
            .String(meet.qualifyingWindow->until.text())
            .Key("course")
            .String(meet.qualifyingWindow->course);
    json.EndObject();
    json.Key("fees").BeginArray();
    for (const Fee& fee : meet.fees)
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

void WriteMeet(JsonWriter& json, const MeetDefinition& meet)
{
    const bool modern = meet.formatVersion != 5;
    json.Key("format")
        .Integer(meet.formatVersion)
        .Key("title")
        .String(meet.title)
        .Key("place")
        .String(meet.place)
        .Key("veranstaltungField3")
        .String(meet.poolLength)
        .Key("timing")
        .String(meet.timing)
        .Key("onlineInvitation")
        .String(meet.onlineInvitation)
        .Key("entryDeadline")
        .BeginArray()
        .String(meet.entryDeadlineDate.text())
        .String(meet.entryDeadlineTime)
        .EndArray()
        .Key("remarks")
        .String(meet.remarks)
        .Key("flatFee")
        .Integer(meet.flatFee)
        .Key("individualFee")
        .Integer(meet.individualFee)
        .Key("relayFee")
        .Integer(meet.relayFee);
    json.Key("venue");
    WriteAddress(json, meet.venue);
    json.Key("entryAddress");
    WriteAddress(json, meet.entryAddress);
    json.Key("earliestSectionDate")
        .String(FirstDayText(meet.EarliestSectionDate()))
        .Key("latestSectionDate")
        .String(LastDayText(meet.LatestSectionDate()));
    if (modern)
        WriteModernMeetSide(json, meet);

    json.Key("sections").BeginArray();
    for (const auto& [key, section] : meet.sections()) {
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
    for (const Event* event : meet.EventsInListOrder())
        WriteEvent(json, *event, modern);
    json.EndArray();
}

void WriteClubEntries(JsonWriter& json, const ClubEntries& entries)
{
    json.Key("club")
        .BeginObject()
        .Key("clubName")
        .String(entries.club.clubName)
        .Key("clubId")
        .String(entries.club.clubId)
        .Key("lsv")
        .String(entries.club.lsv)
        .Key("nation")
        .String(entries.club.nation)
        .Key("contact");
    WriteAddress(json, entries.club.contact);
    json.EndObject();

    json.Key("swimmers").BeginArray();
    for (const auto& swimmer : entries.swimmers()) {
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
            .String(SexName(swimmer->sex));
        WriteEntries(json, *swimmer);
        json.EndObject();
    }
    json.EndArray();

    json.Key("teams").BeginArray();
    for (const auto& team : entries.teams()) {
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
    for (const auto& official : entries.officials())
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

// Formats 6 to 8: the club side as the Vereinsmeldeliste carries it, times
// and codes as the writer gives them.
void WriteModernEntries(JsonWriter& json, const Entrant& participant, const Team* team, const ClubEntries& entries)
{
    json.Key("entries").BeginArray();
    for (const auto& [eventNumber, entryTime] : participant.entries) {
        json.BeginObject()
            .Key("eventNumber")
            .String(eventNumber)
            .Key("entryTime")
            .String(dsv678::EntryTimeField(entryTime));
        if (team != nullptr) {
            json.Key("lineUp").BeginArray();
            if (const auto lineUp = team->lineUps.find(eventNumber); lineUp != team->lineUps.end())
                for (std::size_t leg = 0; leg < lineUp->second.size(); ++leg) {
                    const auto swimmer = std::find_if(entries.swimmers().begin(), entries.swimmers().end(),
                                                      [&](const auto& s) { return s->meetId == lineUp->second[leg]; });
                    if (swimmer == entries.swimmers().end())
                        continue;
                    json.BeginObject()
                        .Key("leg")
                        .Integer(static_cast<std::int64_t>(leg + 1))
                        .Key("surname")
                        .String((*swimmer)->surname)
                        .Key("firstName")
                        .String((*swimmer)->firstName)
                        .EndObject();
                }
            json.EndArray();
        }
        json.EndObject();
    }
    json.EndArray();
}

void WriteModernClubEntries(JsonWriter& json, const ClubEntries& entries)
{
    const Club& club = entries.club;
    json.Key("club").BeginObject().Key("clubName").String(club.clubName).Key("clubNumber").String(club.clubId);
    json.Key("lsvCode").String(dsv678::LsvCode(club.lsv)).Key("nation").String(club.nation);
    json.Key("directDebitConsent").Bool(club.directDebitConsent).Key("contact");
    WriteAddress(json, club.contact);
    json.EndObject();

    json.Key("swimmers").BeginArray();
    for (const auto& swimmer : entries.swimmers()) {
        json.BeginObject().Key("surname").String(swimmer->surname).Key("firstName").String(swimmer->firstName);
        json.Key("yearOfBirth").Integer(swimmer->yearOfBirth).Key("sex").String(SexName(swimmer->sex));
        json.Key("dsvId").String(dsv678::DsvIdField(swimmer->registrationNumber));
        json.Key("meetId").Integer(swimmer->meetId).Key("nationalities").BeginArray();
        for (const std::string& nation : swimmer->nationalities)
            json.String(nation);
        json.EndArray();
        WriteModernEntries(json, *swimmer, nullptr, entries);
        json.EndObject();
    }
    json.EndArray();

    json.Key("teams").BeginArray();
    for (const auto& team : entries.teams()) {
        json.BeginObject().Key("teamNumber").String(team->teamNumber).Key("teamName").String(team->teamName);
        json.Key("meetId").Integer(team->meetId).Key("classType").String(team->classType);
        json.Key("classMin").String(team->classMinimum).Key("classMax").String(team->classMaximum);
        WriteModernEntries(json, *team, team.get(), entries);
        json.EndObject();
    }
    json.EndArray();

    json.Key("officials").BeginArray();
    for (const auto& official : entries.officials()) {
        json.BeginObject().Key("surname").String(official->surname).Key("firstName").String(official->firstName);
        json.Key("groupCode").String(dsv678::GroupCode(*official)).Key("sections").BeginArray();
        for (const std::string& section : official->sectionNumbers)
            json.BeginObject().Key("number").String(section).Key("wish").String(official->wish).EndObject();
        json.EndArray().EndObject();
    }
    json.EndArray();
}

}  // namespace

std::string ModelToJson(const MeetDefinition& meet, const ClubEntries& entries)
{
    JsonWriter json;
    json.BeginObject();
    WriteMeet(json, meet);
    if (meet.formatVersion == 5)
        WriteClubEntries(json, entries);
    else
        WriteModernClubEntries(json, entries);
    json.EndObject();
    return json.text();
}

}  // namespace natarix
