#include "dsv678/EntryListWriter.h"

#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "dsv678/EntryListFields.h"
#include "model/Labels.h"

namespace natarix::dsv678 {

namespace {

// A text field as the profile allows it: a ";" or a line break would split
// the line for every reader.
std::string FieldText(std::string_view text)
{
    std::string field;
    for (const char c : text)
        if (c != ';' && c != '\r' && c != '\n')
            field += c;
    return field;
}

class Lines {
public:
    // NAME:field;field;…; each field cleaned, every one ended by ";".
    void Add(std::string_view name, std::initializer_list<std::string_view> fields)
    {
        text_.append(name).append(":");
        for (const std::string_view field : fields)
            text_.append(FieldText(field)).append(";");
        text_.append("\r\n");
    }
    void End() { text_.append("DATEIENDE\r\n"); }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

// The entries that reach an importer: to events of the meet, in the round
// that takes entries.
std::vector<std::pair<std::string, std::string>> WrittenEntries(const MeetDefinition& meet, const Entrant& entrant)
{
    std::vector<std::pair<std::string, std::string>> written;
    for (const auto& [number, time] : entrant.entries) {
        const Event* event = meet.FindEvent(number);
        if (event != nullptr && TakesEntries(event->round))
            written.emplace_back(event->number, time);
    }
    return written;
}

// A team's own class; without one the one class of its first entered event,
// or open.
std::array<std::string, 3> TeamClass(const MeetDefinition& meet, const Team& team)
{
    if (!team.classType.empty())
        return {team.classType, team.classMinimum, team.classMaximum};
    for (const auto& [number, time] : team.entries) {
        const Event* event = meet.FindEvent(number);
        if (event != nullptr && event->scoringClasses.size() == 1) {
            const ScoringClass& only = event->scoringClasses.front();
            return {only.type, only.minimum, only.maximum};
        }
    }
    return {"JG", "0", ""};
}

// The teams the list carries, and the swimmers its line-ups name.
struct Written {
    std::vector<const Team*> teams;
    std::set<std::int32_t> swimmersInLineUps;
};

Written WrittenTeams(const MeetDefinition& meet, const ClubEntries& entries, EntryListForm form)
{
    Written written;
    for (const auto& team : entries.teams()) {
        const auto teamEntries = WrittenEntries(meet, *team);
        if (form == EntryListForm::Export && teamEntries.empty())
            continue;
        written.teams.push_back(team.get());
        for (const auto& [number, time] : teamEntries)
            if (const auto lineUp = team->lineUps.find(number); lineUp != team->lineUps.end())
                written.swimmersInLineUps.insert(lineUp->second.begin(), lineUp->second.end());
    }
    written.swimmersInLineUps.erase(0);
    return written;
}

void WriteMeet(Lines& lines, const MeetDefinition& meet)
{
    lines.Add("VERANSTALTUNG", {meet.title, meet.place, meet.poolLength, meet.timing});
    for (const auto& [number, section] : meet.sections())
        lines.Add("ABSCHNITT", {section.number, section.date.text(), section.startTime, section.relative ? "J" : "N"});
    for (const Event* event : meet.EventsInListOrder()) {
        if (event->round == Round::SwimOff || event->round == Round::ReSwim)
            continue;  // strict readers of format 7 refuse them, and nobody enters them
        lines.Add("WETTKAMPF", {event->number, RoundLetter(event->round), event->sectionNumber, event->swimmerCount,
                                event->distance, event->technique, event->exercise, event->sex,
                                event->qualifyingEventNumber, RoundLetter(event->qualifyingRound)});
    }
}

void WriteClub(Lines& lines, const Club& club, int version)
{
    if (version >= 8)
        lines.Add("VEREIN",
                  {club.clubName, club.clubId, LsvCode(club.lsv), club.nation, club.directDebitConsent ? "J" : "N"});
    else
        lines.Add("VEREIN", {club.clubName, club.clubId, LsvCode(club.lsv), club.nation});
    const Address& contact = club.contact;
    lines.Add("ANSPRECHPARTNER", {contact.name, contact.street, contact.postcode, contact.town, contact.country,
                                  contact.phone, contact.fax, contact.email});
}

void WriteOfficialsAndCoaches(Lines& lines, const ClubEntries& entries, int version)
{
    int id = 0;
    for (const auto& official : entries.officials()) {
        const std::string number = std::to_string(++id);
        const std::string name = PersonName(official->surname, official->firstName);
        const std::string group = GroupCode(*official);
        if (version >= 8)
            lines.Add("KARIMELDUNG", {number, name, group, official->sex});
        else
            lines.Add("KARIMELDUNG", {number, name, group});
    }
    id = 0;
    for (const auto& official : entries.officials()) {
        const std::string number = std::to_string(++id);
        for (const std::string& section : official->sectionNumbers)
            lines.Add("KARIABSCHNITT", {number, section, WishCode(official->wish, version)});
    }
    for (const Coach& coach : entries.coaches) {
        if (version >= 8)
            lines.Add("TRAINER", {std::to_string(coach.number), coach.name, coach.sex});
        else
            lines.Add("TRAINER", {std::to_string(coach.number), coach.name});
    }
}

void WriteSwimmers(Lines& lines, const MeetDefinition& meet, const ClubEntries& entries, EntryListForm form,
                   const Written& teams)
{
    std::vector<const Swimmer*> written;
    for (const auto& swimmer : entries.swimmers()) {
        // A swimmer who only swims in relays still needs a PNMELDUNG.
        if (form == EntryListForm::Export && WrittenEntries(meet, *swimmer).empty() &&
            teams.swimmersInLineUps.count(swimmer->meetId) == 0)
            continue;
        written.push_back(swimmer.get());
        const auto nationality = [&](std::size_t index) {
            return index < swimmer->nationalities.size() ? swimmer->nationalities[index] : std::string();
        };
        lines.Add("PNMELDUNG",
                  {PersonName(swimmer->surname, swimmer->firstName), DsvIdField(swimmer->registrationNumber),
                   std::to_string(swimmer->meetId), SexLetter(swimmer->sex), std::to_string(swimmer->yearOfBirth), "",
                   swimmer->coachNumber > 0 ? std::to_string(swimmer->coachNumber) : "", nationality(0), nationality(1),
                   nationality(2)});
    }
    for (const Swimmer* swimmer : written)
        for (const auto& [number, time] : WrittenEntries(meet, *swimmer))
            lines.Add("STARTPN", {std::to_string(swimmer->meetId), number, EntryTimeField(time)});
}

void WriteTeams(Lines& lines, const MeetDefinition& meet, const ClubEntries& entries, const Written& written)
{
    for (const Team* team : written.teams) {
        const auto [type, minimum, maximum] = TeamClass(meet, *team);
        lines.Add("STMELDUNG",
                  {team->teamNumber, std::to_string(team->meetId), type, minimum, maximum, team->teamName});
    }
    for (const Team* team : written.teams)
        for (const auto& [number, time] : WrittenEntries(meet, *team))
            lines.Add("STARTST", {std::to_string(team->meetId), number, EntryTimeField(time)});
    std::set<std::int32_t> known;
    for (const auto& swimmer : entries.swimmers())
        known.insert(swimmer->meetId);
    for (const Team* team : written.teams)
        for (const auto& [number, time] : WrittenEntries(meet, *team)) {
            const auto lineUp = team->lineUps.find(number);
            if (lineUp == team->lineUps.end())
                continue;
            for (std::size_t leg = 0; leg < lineUp->second.size(); ++leg)
                if (known.count(lineUp->second[leg]) != 0)
                    lines.Add("STAFFELPERSON", {std::to_string(team->meetId), number,
                                                std::to_string(lineUp->second[leg]), std::to_string(leg + 1)});
        }
}

}  // namespace

std::string WriteEntryList(const MeetDefinition& meet, const ClubEntries& entries, int version,
                           const Producer& producer, EntryListForm form)
{
    Lines lines;
    lines.Add("FORMAT", {"Vereinsmeldeliste", std::to_string(version)});
    lines.Add("ERZEUGER", {producer.name, producer.version, producer.contact});
    WriteMeet(lines, meet);
    WriteClub(lines, entries.club, version);
    WriteOfficialsAndCoaches(lines, entries, version);
    const Written teams = WrittenTeams(meet, entries, form);
    WriteSwimmers(lines, meet, entries, form, teams);
    WriteTeams(lines, meet, entries, teams);
    lines.End();
    return lines.Take();
}

}  // namespace natarix::dsv678
