#include "EntryListMapping.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "TextTools.h"
#include "dsv678/Values.h"
#include "model/Round.h"

namespace natarix::dsv678 {

namespace {

// More legs than any relay has: a crafted line cannot make a line-up huge.
constexpr std::uint32_t kMostLegs = 100;

std::uint32_t NumberOf(std::string_view text)
{
    return ParseNumber(text).value_or(0);
}

// "Nachname, Vorname", split at the first comma.
std::pair<std::string, std::string> SplitName(std::string_view name)
{
    const std::size_t comma = name.find(',');
    if (comma == std::string_view::npos)
        return {std::string(Trim(name)), {}};
    return {std::string(Trim(name.substr(0, comma))), std::string(Trim(name.substr(comma + 1)))};
}

// The entry time as the dialog types it: "00:01:25,35" is "01:25,35", and
// no time is "00:00,00"; an hour or more, or a text that is no time, stays.
std::string EntryTime(std::string_view field)
{
    if (field.empty())
        return "00:00,00";
    if (field.starts_with("00:") && ParseSwimTime(field))
        return std::string(field.substr(3));
    return std::string(field);
}

// A Veranstaltungs-ID of the model: one that does not fit is handed out anew.
std::int32_t ModelMeetId(std::uint32_t id)
{
    return id <= static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max()) ? static_cast<std::int32_t>(id)
                                                                                      : 0;
}

Sex SexOf(std::string_view letter)
{
    if (letter == "W")
        return Sex::Female;
    if (letter == "D")
        return Sex::Diverse;
    return Sex::Male;
}

class EntryListMapper {
public:
    EntryListMapper(const MeetDefinition& meet, ClubEntries& entries, std::vector<Diagnostic>& warnings)
        : meet_(meet), entries_(entries), warnings_(warnings)
    {
    }

    void Map(const Element& element)
    {
        const std::string& name = element.name;
        if (name == "WETTKAMPF")
            NoteListedEvent(element);
        else if (name == "VEREIN")
            MapClub(element);
        else if (name == "ANSPRECHPARTNER")
            entries_.club.contact = {std::string(element.Field(0)), std::string(element.Field(1)),
                                     std::string(element.Field(2)), std::string(element.Field(3)),
                                     std::string(element.Field(4)), std::string(element.Field(5)),
                                     std::string(element.Field(6)), std::string(element.Field(7))};
        else if (name == "KARIMELDUNG")
            MapOfficial(element);
        else if (name == "KARIABSCHNITT")
            MapOfficialSection(element);
        else if (name == "TRAINER")
            entries_.coaches.push_back({ModelMeetId(NumberOf(element.Field(0))), std::string(element.Field(1)),
                                        std::string(element.Field(2))});
        else if (name == "PNMELDUNG")
            MapSwimmer(element);
        else if (name == "HANDICAP")
            warnings_.Add(element.line, "Angaben zum Startklassen-Handicap werden nicht übernommen.");
        else if (name == "STARTPN")
            MapStart(element, swimmers_, "Schwimmer");
        else if (name == "STMELDUNG")
            MapTeam(element);
        else if (name == "STARTST")
            MapStart(element, teams_, "Staffel");
        else if (name == "STAFFELPERSON")
            MapLeg(element);
    }

    // The one warning for all entries to events the meet lacks.
    void Finish()
    {
        if (missingEvents_.empty())
            return;
        std::string numbers;
        for (const std::uint32_t number : missingEvents_)
            numbers += (numbers.empty() ? "" : ", ") + std::to_string(number);
        warnings_.Add(0, (missingEvents_.size() == 1 ? "Den Wettkampf " : "Die Wettkämpfe ") + numbers +
                             " gibt es in dieser Veranstaltung nicht; die Meldungen dazu werden nicht übernommen.");
    }

private:
    void MapClub(const Element& element)
    {
        Club& club = entries_.club;
        club.clubName = element.Field(0);
        club.clubId = element.Field(1);
        club.lsv = element.Field(2);
        club.nation = element.Field(3);
        club.directDebitConsent = element.Field(4) == "J";
    }

    void MapOfficial(const Element& element)
    {
        auto official = std::make_unique<Official>();
        std::tie(official->surname, official->firstName) = SplitName(element.Field(1));
        official->groupCode = element.Field(2);
        official->sex = element.Field(3);
        const std::uint32_t number = NumberOf(element.Field(0));
        if (officials_.contains(number)) {
            warnings_.Add(element.line, "Die Nummer " + std::to_string(number) +
                                            " hat schon ein anderer Kampfrichter; er wird nicht übernommen.");
            return;
        }
        officials_[number] = entries_.AddOfficial(std::move(official));
    }

    void MapOfficialSection(const Element& element)
    {
        const auto official = officials_.find(NumberOf(element.Field(0)));
        if (official == officials_.end()) {
            warnings_.Add(element.line, "KARIABSCHNITT nennt einen Kampfrichter ohne KARIMELDUNG; übergangen.");
            return;
        }
        official->second->sectionNumbers.emplace_back(element.Field(1));
        if (official->second->wish.empty())
            official->second->wish = element.Field(2);
    }

    void MapSwimmer(const Element& element)
    {
        auto swimmer = std::make_unique<Swimmer>();
        std::tie(swimmer->surname, swimmer->firstName) = SplitName(element.Field(0));
        // The DSV-ID "0" is unknown, as "000000" is in the model.
        swimmer->registrationNumber = element.Field(1) == "0" ? "000000" : std::string(element.Field(1));
        const std::uint32_t id = NumberOf(element.Field(2));
        swimmer->meetId = ModelMeetId(id);
        swimmer->sex = SexOf(element.Field(3));
        swimmer->yearOfBirth = ModelMeetId(NumberOf(element.Field(4)));
        swimmer->coachNumber = ModelMeetId(NumberOf(element.Field(6)));
        for (std::size_t i = 7; i < 10; ++i)
            if (!element.Field(i).empty())
                swimmer->nationalities.emplace_back(element.Field(i));
        if (swimmers_.contains(id)) {
            warnings_.Add(element.line, "Die Veranstaltungs-ID " + std::to_string(id) +
                                            " hat schon ein anderer Schwimmer; er wird nicht übernommen.");
            return;
        }
        swimmers_[id] = entries_.AddSwimmer(std::move(swimmer));
    }

    void MapTeam(const Element& element)
    {
        auto team = std::make_unique<Team>();
        team->teamNumber = element.Field(0);
        const std::uint32_t id = NumberOf(element.Field(1));
        team->meetId = ModelMeetId(id);
        team->classType = element.Field(2);
        team->classMinimum = element.Field(3);
        team->classMaximum = element.Field(4);
        team->teamName = element.Field(5);
        if (teams_.contains(id)) {
            warnings_.Add(element.line, "Die Veranstaltungs-ID " + std::to_string(id) +
                                            " hat schon eine andere Staffel; sie wird nicht übernommen.");
            return;
        }
        teams_[id] = entries_.AddTeam(std::move(team));
    }

    // STARTPN, STARTST and STAFFELPERSON name an event by its number only;
    // the list's own WETTKAMPF lines say which round of it takes entries.
    void NoteListedEvent(const Element& element)
    {
        const std::optional<Round> round = RoundFromLetter(element.Field(1));
        if (round && TakesEntries(*round))
            listedEntryRounds_.try_emplace(NumberOf(element.Field(0)), *round);
    }

    // The meet's event of an entry or leg, matched by number and by the
    // round the list gives it, or nullptr (then noted). A number the list
    // itself does not describe is taken as the meet's round for entries.
    const Event* EventOf(const Element& element)
    {
        const std::string_view number = element.Field(1);
        const auto listed = listedEntryRounds_.find(NumberOf(number));
        const Event* event =
            listed == listedEntryRounds_.end() ? meet_.FindEvent(number) : meet_.FindEvent(number, listed->second);
        if (event == nullptr || !TakesEntries(event->round))
            missingEvents_.insert(NumberOf(number));
        return event != nullptr && TakesEntries(event->round) ? event : nullptr;
    }

    template <typename Member>
    void MapStart(const Element& element, const std::map<std::uint32_t, Member*>& members, std::string_view who)
    {
        const auto member = members.find(NumberOf(element.Field(0)));
        if (member == members.end()) {
            warnings_.Add(element.line, element.name + " nennt eine " + std::string(who) +
                                            "-ID ohne Meldung; die Meldung wird nicht übernommen.");
            return;
        }
        if (const Event* event = EventOf(element))
            member->second->SetEntry(event->number, EntryTime(element.Field(2)));
    }

    void MapLeg(const Element& element)
    {
        const auto team = teams_.find(NumberOf(element.Field(0)));
        const auto swimmer = swimmers_.find(NumberOf(element.Field(2)));
        const std::uint32_t leg = NumberOf(element.Field(3));
        if (team == teams_.end() || swimmer == swimmers_.end() || leg == 0 || leg > kMostLegs) {
            warnings_.Add(element.line,
                          "STAFFELPERSON nennt eine unbekannte Staffel, einen unbekannten Schwimmer "
                          "oder keine gültige Startnummer; übergangen.");
            return;
        }
        const Event* event = EventOf(element);
        if (event == nullptr)
            return;
        std::vector<std::int32_t>& legs = team->second->lineUps[event->number];
        // A line-up has a place for every leg of the relay, named or not.
        const std::size_t size = std::max<std::size_t>(leg, std::min(NumberOf(event->swimmerCount), kMostLegs));
        if (legs.size() < size)
            legs.resize(size, 0);
        legs[leg - 1] = swimmer->second->meetId;
    }

    const MeetDefinition& meet_;
    ClubEntries& entries_;
    WarningList warnings_;
    // By the numbers of the file, which the model may have had to change.
    std::map<std::uint32_t, Official*> officials_;
    std::map<std::uint32_t, Swimmer*> swimmers_;
    std::map<std::uint32_t, Team*> teams_;
    std::map<std::uint32_t, Round> listedEntryRounds_;
    std::set<std::uint32_t> missingEvents_;
};

}  // namespace

void MapEntryList(const Document& document, const MeetDefinition& meet, ClubEntries& entries,
                  std::vector<Diagnostic>& warnings)
{
    EntryListMapper mapper(meet, entries, warnings);
    for (const Element& element : document.elements)
        mapper.Map(element);
    mapper.Finish();
}

}  // namespace natarix::dsv678
