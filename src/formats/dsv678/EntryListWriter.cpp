#include "dsv678/EntryListWriter.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "model/Labels.h"

namespace natarix::dsv678 {

namespace {

// Relay teams get numbers of their own, far from the persons', as importers'
// authors advise, so that a mixed-up reference shows at once.
constexpr int kFirstRelayId = 9001;

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

// "01:25,35" as typed becomes "00:01:25,35"; no time is "00:00:00,00".
std::string EntryTimeField(const std::string& time)
{
    if (time.empty())
        return "00:00:00,00";
    return std::count(time.begin(), time.end(), ':') >= 2 ? time : "00:" + time;
}

// The DSV-ID is six digits; anything else, and the format-5 default
// "000000", is unknown: 0.
std::string DsvIdField(const std::string& registrationNumber)
{
    const bool sixDigits =
        registrationNumber.size() == 6 &&
        std::all_of(registrationNumber.begin(), registrationNumber.end(), [](char c) { return c >= '0' && c <= '9'; });
    return sixDigits && registrationNumber != "000000" ? registrationNumber : "0";
}

// The club's association as its number: "04: Landesschwimmverband
// Brandenburg" is 4. Empty when the text starts with no digit.
std::string LsvCode(const std::string& lsv)
{
    std::size_t end = 0;
    while (end < lsv.size() && lsv[end] >= '0' && lsv[end] <= '9')
        ++end;
    std::size_t start = 0;
    while (start + 1 < end && lsv[start] == '0')
        ++start;
    return lsv.substr(start, end - start);
}

// A wish is written only as one of the codes of the version; format 5 took
// free text, which no importer would understand.
std::string WishCode(const std::string& wish, int version)
{
    static constexpr std::array<std::string_view, 13> kSince6 = {"SCH", "STA", "ZRO", "ZR",  "ZNO", "ZN", "RZN",
                                                                 "SR",  "WRO", "WR",  "AUS", "SP",  "PKF"};
    static constexpr std::array<std::string_view, 5> kSince7 = {"STO", "ASCH", "SIB", "SAUF", "VER"};
    const auto known = [&](const auto& codes) { return std::find(codes.begin(), codes.end(), wish) != codes.end(); };
    return known(kSince6) || (version >= 7 && known(kSince7)) ? wish : std::string();
}

std::string PersonName(const std::string& surname, const std::string& firstName)
{
    return surname + ", " + firstName;
}

// The events in the order of the definition list.
std::vector<const Event*> EventsInListOrder(const MeetDefinition& meet)
{
    std::vector<const Event*> events;
    for (const auto& [key, event] : meet.events())
        events.push_back(&event);
    std::stable_sort(events.begin(), events.end(),
                     [](const Event* a, const Event* b) { return a->listPosition < b->listPosition; });
    return events;
}

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

// A team's class: the one class of its first entered event, or open.
std::array<std::string, 3> TeamClass(const MeetDefinition& meet, const Team& team)
{
    for (const auto& [number, time] : team.entries) {
        const Event* event = meet.FindEvent(number);
        if (event != nullptr && event->scoringClasses.size() == 1) {
            const ScoringClass& only = event->scoringClasses.front();
            return {only.type, only.minimum, only.maximum};
        }
    }
    return {"JG", "0", ""};
}

void WriteMeet(Lines& lines, const MeetDefinition& meet)
{
    lines.Add("VERANSTALTUNG", {meet.title, meet.place, meet.poolLength, meet.timing});
    for (const auto& [number, section] : meet.sections())
        lines.Add("ABSCHNITT", {section.number, section.date.text(), section.startTime, section.relative ? "J" : "N"});
    for (const Event* event : EventsInListOrder(meet)) {
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
        lines.Add("VEREIN", {club.clubName, club.clubId, LsvCode(club.lsv), club.nation, "N"});
    else
        lines.Add("VEREIN", {club.clubName, club.clubId, LsvCode(club.lsv), club.nation});
    const Address& contact = club.contact;
    lines.Add("ANSPRECHPARTNER", {contact.name, contact.street, contact.postcode, contact.town, contact.country,
                                  contact.phone, contact.fax, contact.email});
}

void WriteOfficials(Lines& lines, const ClubEntries& entries, int version)
{
    // Every official as a Wettkampfrichter, as the real lists do: the
    // format-5 groups 1 to 4 name no group of the newer formats.
    int id = 0;
    for (const auto& official : entries.officials()) {
        const std::string number = std::to_string(++id);
        const std::string name = PersonName(official->surname, official->firstName);
        if (version >= 8)
            lines.Add("KARIMELDUNG", {number, name, "WKR", ""});
        else
            lines.Add("KARIMELDUNG", {number, name, "WKR"});
    }
    id = 0;
    for (const auto& official : entries.officials()) {
        const std::string number = std::to_string(++id);
        for (const std::string& section : official->sectionNumbers)
            lines.Add("KARIABSCHNITT", {number, section, WishCode(official->wish, version)});
    }
}

void WriteSwimmers(Lines& lines, const MeetDefinition& meet, const ClubEntries& entries, EntryListForm form)
{
    std::vector<std::pair<std::string, const Swimmer*>> written;
    int id = 0;
    for (const auto& swimmer : entries.swimmers()) {
        if (form == EntryListForm::Export && WrittenEntries(meet, *swimmer).empty())
            continue;
        written.emplace_back(std::to_string(++id), swimmer.get());
        lines.Add("PNMELDUNG",
                  {PersonName(swimmer->surname, swimmer->firstName), DsvIdField(swimmer->registrationNumber),
                   written.back().first, swimmer->sex == Sex::Female ? "W" : "M", std::to_string(swimmer->yearOfBirth),
                   "", "", "", "", ""});
    }
    for (const auto& [swimmerId, swimmer] : written)
        for (const auto& [number, time] : WrittenEntries(meet, *swimmer))
            lines.Add("STARTPN", {swimmerId, number, EntryTimeField(time)});
}

void WriteTeams(Lines& lines, const MeetDefinition& meet, const ClubEntries& entries, EntryListForm form)
{
    std::vector<std::pair<std::string, const Team*>> written;
    int id = kFirstRelayId;
    for (const auto& team : entries.teams()) {
        if (form == EntryListForm::Export && WrittenEntries(meet, *team).empty())
            continue;
        written.emplace_back(std::to_string(id++), team.get());
        const auto [type, minimum, maximum] = TeamClass(meet, *team);
        lines.Add("STMELDUNG", {team->teamNumber, written.back().first, type, minimum, maximum, team->teamName});
    }
    for (const auto& [teamId, team] : written)
        for (const auto& [number, time] : WrittenEntries(meet, *team))
            lines.Add("STARTST", {teamId, number, EntryTimeField(time)});
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
    WriteOfficials(lines, entries, version);
    WriteSwimmers(lines, meet, entries, form);
    WriteTeams(lines, meet, entries, form);
    lines.End();
    return lines.Take();
}

}  // namespace natarix::dsv678
