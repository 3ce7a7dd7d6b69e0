#include "export/ExportCheck.h"

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "model/ImpossibleEntries.h"
#include "model/Labels.h"

namespace natarix {

namespace {

const Swimmer* SwimmerOf(const ClubEntries& entries, std::int32_t meetId)
{
    for (const auto& swimmer : entries.swimmers())
        if (swimmer->meetId == meetId)
            return swimmer.get();
    return nullptr;
}

std::string NameOf(const Swimmer& swimmer)
{
    return swimmer.firstName + " " + swimmer.surname;
}

// The findings of one entered relay's line-up; none when it has none at all,
// since a line-up may still be named at the pool.
void CheckLineUp(const ClubEntries& entries, const Team& team, const Event& event, std::vector<std::string>& lines)
{
    const auto lineUp = team.lineUps.find(NumberKey(event.number));
    if (lineUp == team.lineUps.end())
        return;
    const std::string where = TeamLabel(team) + " – Wettkampf " + event.number + " (" + event.Description() + "): ";
    const std::size_t legs = std::max<std::size_t>(
        lineUp->second.size(), static_cast<std::size_t>(std::max(0, NumberValue(event.swimmerCount))));
    const std::size_t named = static_cast<std::size_t>(
        std::count_if(lineUp->second.begin(), lineUp->second.end(), [](std::int32_t id) { return id != 0; }));
    if (named < legs)
        lines.push_back(where + "in der Aufstellung fehlen " + std::to_string(legs - named) + " von " +
                        std::to_string(legs) + " Schwimmern");
    std::map<std::int32_t, int> times;
    for (const std::int32_t id : lineUp->second) {
        if (id == 0 || ++times[id] != 1)
            continue;
        // A swimmer changed after the line-up was named may no longer fit.
        if (const Swimmer* swimmer = SwimmerOf(entries, id); swimmer != nullptr && !event.IsOpenTo(swimmer->sex))
            lines.push_back(where + NameOf(*swimmer) + " passt nach dem Geschlecht nicht in diese Staffel");
    }
    for (const auto& [id, count] : times)
        if (count > 1)
            if (const Swimmer* swimmer = SwimmerOf(entries, id); swimmer != nullptr)
                lines.push_back(where + NameOf(*swimmer) + " steht mehrmals in der Aufstellung");
}

void CheckModernClubSide(const MeetDefinition& meet, const ClubEntries& entries, std::string& text)
{
    std::vector<std::string> lineUps;
    for (const auto& team : entries.teams())
        for (const auto& [number, time] : team->entries)
            if (const Event* event = meet.FindEvent(number); event != nullptr)
                CheckLineUp(entries, *team, *event, lineUps);
    const auto section = [&text](const std::string& heading, const std::vector<std::string>& lines) {
        if (lines.empty())
            return;
        text += (text.empty() ? "" : "\n\n") + heading;
        for (const std::string& line : lines)
            text += "\n" + line;
    };
    section(
        "Diese Staffelaufstellungen sind unvollständig, nennen einen Schwimmer mehrmals oder einen, der nicht "
        "mitschwimmen darf:",
        lineUps);
    if (entries.club.contact.email.empty())
        section("Der Ausrichter braucht die E-Mail-Adresse des Ansprechpartners:",
                {"In den Vereinsdaten fehlt die E-Mail-Adresse."});
    std::set<std::int32_t> inLineUps;
    for (const auto& team : entries.teams())
        for (const auto& [number, legs] : team->lineUps)
            if (team->entries.count(number) != 0)
                inLineUps.insert(legs.begin(), legs.end());
    std::vector<std::string> withoutId;
    for (const auto& swimmer : entries.swimmers())
        if ((!swimmer->entries.empty() || inLineUps.count(swimmer->meetId) != 0) &&
            !IsKnownDsvId(swimmer->registrationNumber))
            withoutId.push_back(swimmer->surname + ", " + swimmer->firstName);
    section("Diesen Schwimmern fehlt die DSV-ID:", withoutId);
}

}  // namespace

ExportConcerns CheckBeforeExport(const MeetDefinition& meet, const ClubEntries& entries)
{
    const std::vector<ImpossibleEntry> impossible = ImpossibleEntries(meet, entries);
    if (meet.formatVersion == 5)
        return {"Unzulässige Meldungen", impossible.empty() ? std::string() : ImpossibleEntriesWarning(impossible)};
    std::string text = impossible.empty() ? std::string() : ImpossibleEntriesWarning(impossible);
    CheckModernClubSide(meet, entries, text);
    return {"Vor dem Versand prüfen", text};
}

}  // namespace natarix
