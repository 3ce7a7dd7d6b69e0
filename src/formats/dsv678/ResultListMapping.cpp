#include "ResultListMapping.h"

#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "TextTools.h"
#include "dsv678/Values.h"
#include "model/Round.h"

namespace natarix::dsv678 {

namespace {

std::uint32_t NumberOf(std::string_view text)
{
    return ParseNumber(text).value_or(0);
}

// A number of the model; one beyond its range is taken as none.
std::int32_t Int32Of(std::string_view text)
{
    const std::uint32_t number = NumberOf(text);
    return number <= static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())
               ? static_cast<std::int32_t>(number)
               : 0;
}

std::optional<std::int64_t> HundredthsOf(std::string_view text)
{
    const auto time = ParseSwimTime(text);
    if (!time)
        return std::nullopt;
    return time->InHundredths();
}

// Blanks, tabs and no-break spaces removed at both ends: real files end
// names with a no-break space (U+00A0), which the line grammar keeps.
std::string TrimmedName(std::string_view text)
{
    constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
    for (std::size_t before = text.size() + 1; text.size() < before;) {
        before = text.size();
        text = Trim(text);
        if (text.starts_with(kNoBreakSpace))
            text.remove_prefix(kNoBreakSpace.size());
        if (text.ends_with(kNoBreakSpace))
            text.remove_suffix(kNoBreakSpace.size());
    }
    return std::string(text);
}

// A swim: the swimmer's or the relay's Veranstaltungs-ID, Wettkampfnr. and
// Wettkampfart. Relay IDs alone are not unique: producers reuse them in
// other events.
// Texts of keys point into the document, which outlives the mapping.
using SwimKey = std::tuple<std::uint32_t, std::uint32_t, std::string_view>;
struct SwimKeyHash {
    std::size_t operator()(const SwimKey& key) const
    {
        const std::uint64_t numbers = (std::uint64_t{std::get<0>(key)} << 32) | std::get<1>(key);
        return std::hash<std::uint64_t>{}(numbers * 0x9E3779B97F4A7C15ULL) ^
               std::hash<std::string_view>{}(std::get<2>(key));
    }
};
// Every result line is looked up once: hashed, not in a tree.
using FirstLines = std::unordered_map<SwimKey, const Element*, SwimKeyHash>;
using EventKey = std::pair<std::uint32_t, std::string_view>;
// A swimmer as a line writes them: name, DSV-ID, sex, year of birth, club
// and Vereinskennzahl.
using SwimmerFields = std::array<std::string_view, 6>;
struct SwimmerFieldsHash {
    std::size_t operator()(const SwimmerFields& fields) const
    {
        std::size_t hash = 0;
        for (const std::string_view field : fields)
            hash = hash * 0x9E3779B97F4A7C15ULL + std::hash<std::string_view>{}(field);
        return hash;
    }
};

// Where a result line keeps what decides about its time. The
// Vereinsergebnisliste writes the Endzeit before the Grund der Nichtwertung.
struct ResultLayout {
    std::size_t id;
    std::size_t number;
    std::size_t kind;
    std::size_t place;
    std::size_t reason;
    std::size_t time;
};
constexpr ResultLayout kIndividualLayout{7, 0, 1, 3, 4, 13};  // PNERGEBNIS
constexpr ResultLayout kPersonLayout{0, 1, 2, 4, 6, 5};       // PERSONENERGEBNIS
constexpr ResultLayout kRelayLayout{6, 0, 1, 3, 4, 9};        // STERGEBNIS
constexpr ResultLayout kTeamLayout{0, 1, 2, 4, 6, 5};         // STAFFELERGEBNIS
// The Startnummer disqualifizierter Schwimmer of the two relay layouts.
constexpr std::size_t kRelayOffender = 10;
constexpr std::size_t kTeamOffender = 7;

SwimKey KeyOf(const Element& line, const ResultLayout& layout)
{
    return {NumberOf(line.Field(layout.id)), NumberOf(line.Field(layout.number)), line.Field(layout.kind)};
}

// What a result line says about its time.
struct Verdict {
    std::optional<std::int64_t> hundredths;
    bool unranked = false;  // a Grund der Nichtwertung is given
};

// A time counts when no Grund der Nichtwertung is given and the Endzeit is
// not zero. A Grund with a time, or Platz 0 without a Grund, contradicts the
// DSV standard: such a time is in doubt and not taken.
Verdict Judge(const Element& line, const ResultLayout& layout, WarningList& warnings)
{
    const std::optional<std::int64_t> time = HundredthsOf(line.Field(layout.time));
    const bool timed = time.value_or(0) > 0;
    if (!line.Field(layout.reason).empty()) {
        if (timed)
            warnings.Add(line.line,
                         "Ein Ergebnis mit Grund der Nichtwertung hat eine Endzeit; sie wird nicht übernommen.");
        return {std::nullopt, true};
    }
    if (!timed) {
        warnings.Add(line.line, "Ein Ergebnis ohne Grund der Nichtwertung hat keine Endzeit; es wird übergangen.");
        return {};
    }
    if (NumberOf(line.Field(layout.place)) == 0) {
        warnings.Add(line.line,
                     "Ein Ergebnis ohne Grund der Nichtwertung hat den Platz 0; seine Zeit wird nicht übernommen.");
        return {};
    }
    return {time, false};
}

ResultSwimmer SwimmerOf(std::string_view name, std::string_view dsvId, std::string_view sex, std::string_view year)
{
    ResultSwimmer swimmer;
    const std::size_t comma = name.find(',');
    swimmer.surname = TrimmedName(name.substr(0, comma));
    if (comma != std::string_view::npos)
        swimmer.firstName = TrimmedName(name.substr(comma + 1));
    swimmer.dsvId = dsvId;
    swimmer.sex = sex;
    swimmer.yearOfBirth = Int32Of(year);
    return swimmer;
}

class ResultListMapper {
public:
    ResultListMapper(const Document& document, std::vector<Diagnostic>& warnings)
        : document_(document), clubList_(document.kind == ListKind::Vereinsergebnisliste), warnings_(warnings)
    {
    }

    ResultList Map()
    {
        list_.version = document_.version;
        list_.clubList = clubList_;
        // Splits and line-ups follow their relay's lines: all is indexed first.
        for (const Element& element : document_.elements)
            Index(element);
        individualLines_.reserve(document_.elements.size());
        for (const Element& element : document_.elements) {
            // Compared as views: their lengths first, so most names cost no memcmp.
            const std::string_view name = element.name;
            if (name == "PNERGEBNIS" || name == "PERSONENERGEBNIS")
                MapIndividual(element, clubList_ ? kPersonLayout : kIndividualLayout);
            else if (name == "STERGEBNIS" || name == "STAFFELERGEBNIS")
                MapRelay(element, clubList_ ? kTeamLayout : kRelayLayout, clubList_ ? kTeamOffender : kRelayOffender);
        }
        return std::move(list_);
    }

private:
    // The event of a result, and where the list keeps it: once as swum,
    // and for a relay once more as its first legs, made when first needed.
    struct Placed {
        const Element* event = nullptr;
        bool relay = false;
        std::uint32_t index = 0;
        std::optional<std::uint32_t> firstLegIndex;
    };

    void Index(const Element& element)
    {
        const std::string_view name = element.name;
        if (name == "ERZEUGER") {
            list_.producer = element.Field(0);
        } else if (name == "VERANSTALTUNG") {
            list_.meet = element.Field(0);
            list_.town = element.Field(1);
            list_.poolLength = element.Field(2);
            list_.timing = element.Field(3);
        } else if (name == "ABSCHNITT") {
            const std::uint32_t number = NumberOf(element.Field(0));
            if (auto [it, added] =
                    sections_.try_emplace(number, Section{&element, natarix::Date(std::string(element.Field(1)))});
                !added)
                warnings_.Add(element.line, "Abschnitt " + std::to_string(number) + " ist schon in Zeile " +
                                                std::to_string(it->second.element->line) +
                                                " festgelegt; es gilt der erste.");
        } else if (name == "WETTKAMPF") {
            const EventKey key{NumberOf(element.Field(0)), element.Field(1)};
            if (auto [it, added] = events_.try_emplace(key, &element); !added)
                warnings_.Add(element.line, EventText(key) + " ist schon in Zeile " + std::to_string(it->second->line) +
                                                " festgelegt; es gilt der erste.");
        } else if (name == "VEREIN" && clubList_) {
            if (club_ == nullptr)
                club_ = &element;
            else
                warnings_.Add(element.line,
                              "Die Vereinsergebnisliste nennt einen weiteren Verein; ihre Schwimmer werden dem "
                              "ersten zugeordnet.");
        } else if (name == "PERSON") {
            const std::uint32_t id = NumberOf(element.Field(2));
            if (auto [it, added] = persons_.try_emplace(id, &element); !added)
                warnings_.Add(element.line, "Die Veranstaltungs-ID " + std::to_string(id) +
                                                " hat schon die PERSON in Zeile " + std::to_string(it->second->line) +
                                                "; es gilt die erste.");
        } else if (name == "STAFFELPERSON") {
            // Producers write a relay's line-up and splits again for each of
            // its result lines: the first is kept.
            legs_.try_emplace({RelayKeyOf(element), NumberOf(element.Field(5))}, &element);
        } else if (name == "STZWISCHENZEIT") {
            splits_.try_emplace({RelayKeyOf(element), NumberOf(element.Field(3)), NumberOf(element.Field(4))},
                                &element);
        }
    }

    static SwimKey RelayKeyOf(const Element& element)
    {
        return {NumberOf(element.Field(0)), NumberOf(element.Field(1)), element.Field(2)};
    }

    static std::string EventText(const EventKey& key)
    {
        return "Wettkampf " + std::to_string(key.first) + " (" + Shortened(key.second) + ")";
    }

    static bool IsRelayEvent(const Element& event) { return NumberOf(event.Field(3)) > 1; }

    // One line per Wertung a swim is scored in: the first line stands for
    // the swim, the others are only compared with it. True for the first.
    bool FirstOfSwim(FirstLines& firstLines, const SwimKey& key, const Element& line, const ResultLayout& layout)
    {
        const auto [it, added] = firstLines.try_emplace(key, &line);
        if (added)
            return true;
        const Element& first = *it->second;
        if (first.Field(layout.time) != line.Field(layout.time) ||
            first.Field(layout.reason) != line.Field(layout.reason))
            warnings_.Add(line.line,
                          "Ein Ergebnis steht ein weiteres Mal mit anderer Endzeit oder anderem Grund der "
                          "Nichtwertung; es gilt die erste Zeile.");
        return false;
    }

    // The event of the line whose swim is `swim`.
    Placed* Place(const Element& line, const SwimKey& swim)
    {
        // Lines come event by event: most are of the event of the line before.
        const EventKey key{std::get<1>(swim), std::get<2>(swim)};
        if (lastPlaced_ != nullptr && key == lastKey_)
            return lastPlaced_;
        const auto event = events_.find(key);
        if (event == events_.end()) {
            warnings_.Add(line.line, EventText(key) + " fehlt in der Datei; seine Ergebnisse werden übergangen.");
            return nullptr;
        }
        // Einzelstrecke 0 is "another distance": no entry time can come of it.
        if (Int32Of(event->second->Field(4)) <= 0) {
            warnings_.Add(line.line, EventText(key) + " hat keine Einzelstrecke; seine Ergebnisse werden übergangen.");
            return nullptr;
        }
        const std::uint32_t sectionNumber = NumberOf(event->second->Field(2));
        const auto section = sections_.find(sectionNumber);
        if (section == sections_.end()) {
            warnings_.Add(line.line, "Abschnitt " + std::to_string(sectionNumber) + " von " + EventText(key) +
                                         " fehlt in der Datei; die Ergebnisse werden übergangen.");
            return nullptr;
        }
        // A time without its day cannot be placed in any twelve months.
        const natarix::Date& date = section->second.date;
        if (!date.DayNumber()) {
            warnings_.Add(line.line, "Abschnitt " + std::to_string(sectionNumber) + " von " + EventText(key) +
                                         " hat kein gültiges Datum; die Ergebnisse werden übergangen.");
            return nullptr;
        }
        auto [placed, added] = placed_.try_emplace(event->second);
        if (added) {
            placed->second = {event->second, IsRelayEvent(*event->second),
                              static_cast<std::uint32_t>(list_.events.size()), std::nullopt};
            list_.events.push_back(EventOf(*event->second, date));
        }
        lastKey_ = key;
        lastPlaced_ = &placed->second;
        return lastPlaced_;
    }

    static ResultEvent EventOf(const Element& event, const natarix::Date& date)
    {
        ResultEvent result;
        result.distance = Int32Of(event.Field(4));
        result.technique = event.Field(5);
        result.exercise = event.Field(6);
        result.date = date;
        result.eventNumber = std::to_string(NumberOf(event.Field(0)));
        result.round = RoundFromLetter(event.Field(1)).value_or(Round::None);
        return result;
    }

    // The relay's first legs as an event of their own, in the event's
    // stroke, backstroke for a medley relay.
    std::uint32_t FirstLegsOf(Placed& placed)
    {
        if (!placed.firstLegIndex) {
            ResultEvent legs = list_.events[placed.index];
            if (legs.technique == "L")
                legs.technique = "R";
            legs.firstLeg = true;
            placed.firstLegIndex = static_cast<std::uint32_t>(list_.events.size());
            list_.events.push_back(std::move(legs));
        }
        return *placed.firstLegIndex;
    }

    // The club's Verein and Vereinskennzahl: the result line's at `clubField`,
    // or those of the one club of a Vereinsergebnisliste.
    std::pair<std::string_view, std::string_view> ClubOf(const Element& line, std::size_t clubField) const
    {
        const Element* club = clubList_ ? club_ : &line;
        const std::size_t field = clubList_ ? 0 : clubField;
        if (club == nullptr)
            return {};
        return {club->Field(field), club->Field(field + 1)};
    }

    // The swimmer's place in the list, added on first sight. Lines that
    // write a swimmer alike name the same swimmer. A swimmer's lines share
    // their Veranstaltungs-ID `personId` (0 where there is none), so most
    // lines are matched by it and a comparison of their fields.
    std::uint32_t SwimmerIndex(std::uint32_t personId, const SwimmerFields& fields)
    {
        if (const auto hint = hints_.find(personId);
            personId != 0 && hint != hints_.end() && hint->second->first == fields)
            return hint->second->second;
        const auto [found, added] =
            swimmerIndices_.try_emplace(fields, static_cast<std::uint32_t>(list_.swimmers.size()));
        if (added) {
            ResultSwimmer& swimmer = list_.swimmers.emplace_back(SwimmerOf(fields[0], fields[1], fields[2], fields[3]));
            swimmer.club = fields[4];
            swimmer.clubNumber = fields[5];
        }
        if (personId != 0)
            hints_[personId] = &*found;
        return found->second;
    }

    void MapIndividual(const Element& line, const ResultLayout& layout)
    {
        const SwimKey key = KeyOf(line, layout);
        if (!FirstOfSwim(individualLines_, key, line, layout))
            return;
        Placed* placed = Place(line, key);
        if (!placed)
            return;
        const Element& event = *placed->event;
        if (placed->relay) {
            warnings_.Add(line.line, EventText({NumberOf(event.Field(0)), event.Field(1)}) +
                                         " ist ein Staffelwettkampf; Einzelergebnisse dazu werden übergangen.");
            return;
        }
        const Element* person = &line;
        std::size_t nameField = 5;  // then DSV-ID, skipped, sex and year
        if (clubList_) {
            const auto found = persons_.find(std::get<0>(key));
            if (found == persons_.end()) {
                warnings_.Add(line.line,
                              line.name + " nennt einen Schwimmer ohne PERSON; das Ergebnis wird übergangen.");
                return;
            }
            person = found->second;
            nameField = 0;
        }
        const Verdict verdict = Judge(line, layout, warnings_);
        if (verdict.unranked)
            ++list_.swimsWithoutTime;
        if (!verdict.hundredths)
            return;
        const Element& p = *person;
        const auto [club, clubNumber] = ClubOf(line, 11);
        const std::uint32_t swimmer =
            SwimmerIndex(std::get<0>(key), {p.Field(nameField), p.Field(nameField + 1), p.Field(nameField + 3),
                                            p.Field(nameField + 4), club, clubNumber});
        list_.swims.push_back({swimmer, placed->index, *verdict.hundredths});
    }

    // The first leg of a relay, timed by the split at the leg's distance,
    // swum by the relay's first swimmer, in the event's stroke (backstroke
    // for a medley relay).
    void MapRelay(const Element& line, const ResultLayout& layout, std::size_t offenderField)
    {
        const SwimKey key = KeyOf(line, layout);
        if (!FirstOfSwim(relayLines_, key, line, layout))
            return;
        Placed* placed = Place(line, key);
        if (!placed)
            return;
        const Element& event = *placed->event;
        if (!placed->relay) {
            warnings_.Add(line.line, EventText({NumberOf(event.Field(0)), event.Field(1)}) +
                                         " ist kein Staffelwettkampf; Staffelergebnisse dazu werden übergangen.");
            return;
        }
        const Verdict verdict = Judge(line, layout, warnings_);
        // A relay disqualified on any leg, a later one too, gives its first
        // swimmer no time either: the file cannot say whether the first leg
        // stands, so none is taken.
        if (!verdict.hundredths || !line.Field(offenderField).empty())
            return;
        const auto split = splits_.find({key, 1, NumberOf(event.Field(4))});
        if (split == splits_.end())
            return;
        const std::optional<std::int64_t> time = HundredthsOf(split->second->Field(5));
        if (time.value_or(0) <= 0)
            return;
        const auto leg = legs_.find({key, 1});
        if (leg == legs_.end()) {
            warnings_.Add(line.line,
                          "Die Staffel nennt keinen Schwimmer der ersten Strecke; ihre Zwischenzeit wird nicht "
                          "übernommen.");
            return;
        }
        const Element& first = *leg->second;
        const auto [club, clubNumber] = ClubOf(line, 7);
        const std::uint32_t swimmer =
            SwimmerIndex(0, {first.Field(3), first.Field(4), first.Field(6), first.Field(7), club, clubNumber});
        list_.swims.push_back({swimmer, FirstLegsOf(*placed), *time});
    }

    const Document& document_;
    const bool clubList_;
    WarningList warnings_;
    ResultList list_;
    struct Section {
        const Element* element;
        natarix::Date date;
    };
    std::map<std::uint32_t, Section> sections_;
    std::map<const Element*, Placed> placed_;  // by event; a map, so that pointers stay
    EventKey lastKey_;
    Placed* lastPlaced_ = nullptr;
    std::map<EventKey, const Element*> events_;
    const Element* club_ = nullptr;                    // Vereinsergebnisliste
    std::map<std::uint32_t, const Element*> persons_;  // Vereinsergebnisliste
    std::map<std::pair<SwimKey, std::uint32_t>, const Element*> legs_;
    std::map<std::tuple<SwimKey, std::uint32_t, std::uint32_t>, const Element*> splits_;  // leg, Distanz
    FirstLines individualLines_;
    FirstLines relayLines_;
    // Swimmers by their fields; the fields point into the document.
    using SwimmerIndices = std::unordered_map<SwimmerFields, std::uint32_t, SwimmerFieldsHash>;
    SwimmerIndices swimmerIndices_;
    // By Veranstaltungs-ID; elements of an unordered_map stay where they are.
    std::unordered_map<std::uint32_t, const SwimmerIndices::value_type*> hints_;
};

}  // namespace

ResultList MapResultList(const Document& document, std::vector<Diagnostic>& warnings)
{
    return ResultListMapper(document, warnings).Map();
}

}  // namespace natarix::dsv678
