#include <set>

#include "Checks.h"
#include "model/Labels.h"
#include "times/TimeTexts.h"

namespace natarix::check {

namespace {

using Severity = Finding::Severity;

bool SamePerson(const Swimmer& a, const Swimmer& b)
{
    if (IsKnownDsvId(a.registrationNumber) && a.registrationNumber == b.registrationNumber)
        return true;
    return a.surname == b.surname && a.firstName == b.firstName && a.yearOfBirth == b.yearOfBirth;
}

// Swimmers the entry list names: those with a start and those in a line-up
// of an entered relay.
std::set<std::int32_t> SwimmersInLineUps(const ClubEntries& entries)
{
    std::set<std::int32_t> named;
    for (const auto& team : entries.teams())
        for (const auto& [number, legs] : team->lineUps)
            if (team->entries.count(number) != 0)
                named.insert(legs.begin(), legs.end());
    return named;
}

// The competition's year for a plausible year of birth: that of its last
// section, else today's.
std::int32_t MeetYear(const Context& context)
{
    const auto latest = context.meet.LatestSectionDate();
    return latest ? latest->Year() : context.today.Year();
}

// The findings of one entry time: none, unreadable, or slower than the
// swimmer's mandatory time.
void CheckTime(const Context& context, const Event& event, const std::string& time, const Swimmer* swimmer,
               Finding finding, Findings& findings)
{
    const auto hundredths = SwimTimeHundredths(time);
    if (!hundredths) {
        finding.text += ": Die Meldezeit „" + time + "“ ist keine Zeit";
        finding.advice = "Die Meldezeit in der Form MM:SS,hh eintragen.";
        findings.push_back(std::move(finding));
        return;
    }
    if (*hundredths == 0) {
        finding.text += ": ohne Meldezeit";
        finding.advice =
            "Die Meldezeit eintragen; ohne sie setzt der Ausrichter in den langsamsten Lauf oder lehnt ab.";
        findings.push_back(std::move(finding));
        return;
    }
    if (swimmer != nullptr && context.results != nullptr)
        CheckAgainstBestTimes(context, event, *swimmer, *hundredths, finding, findings);
    if (swimmer == nullptr || !context.Modern())
        return;
    const MandatoryTime* mandatory = event.MandatoryTimeFor(*swimmer);
    if (mandatory == nullptr)
        return;
    const auto limit = SwimTimeHundredths(mandatory->time);
    if (limit && *limit > 0 && *hundredths > *limit) {
        finding.text += ": Die Meldezeit " + time + " ist langsamer als die Pflichtzeit " + mandatory->time;
        finding.advice =
            "Der Ausrichter nimmt nur Meldungen mit Pflichtzeit an: die Meldung zurücknehmen oder die "
            "Zeit prüfen.";
        findings.push_back(std::move(finding));
    }
}

template <typename P>
void CheckEntries(const Context& context, const P& participant, const std::string& name, Findings& findings)
{
    constexpr bool kIsTeam = std::is_same_v<P, Team>;
    for (const auto& [number, time] : participant.entries) {
        const Event* event = context.meet.FindEvent(number);
        if (event == nullptr)
            continue;
        const Finding entry{Severity::Warning, name + " – " + EventLabel(*event), {}, &participant, number};
        if (const EntryBar bar = WhyMayNotEnter(participant, *event); bar.Any()) {
            Finding barred = entry;
            barred.severity = Severity::Error;
            barred.text += ": nicht zugelassen (" + EntryBarText(bar) + ")";
            barred.advice = "Die Meldung zurücknehmen oder die Angaben des Teilnehmers berichtigen.";
            findings.push_back(std::move(barred));
            continue;
        }
        if constexpr (kIsTeam) {
            if (!participant.classType.empty() && !event->scoringClasses.empty() &&
                ClassesOf(participant, *event).empty()) {
                Finding barred = entry;
                barred.severity = Severity::Error;
                barred.text +=
                    ": Die Wertungsklasse " + TeamClassLabel(participant) + " gibt es in diesem Wettkampf nicht";
                barred.advice = "Bei der Staffel eine Klasse des Wettkampfs wählen oder die Meldung zurücknehmen.";
                findings.push_back(std::move(barred));
            }
            CheckTime(context, *event, time, nullptr, entry, findings);
            CheckLineUp(context, participant, *event, findings);
        } else {
            CheckTime(context, *event, time, &participant, entry, findings);
        }
    }
}

}  // namespace

void CheckSwimmers(const Context& context, Findings& findings)
{
    const auto& swimmers = context.entries.swimmers();
    const std::set<std::int32_t> inLineUps = SwimmersInLineUps(context.entries);
    const std::int32_t meetYear = MeetYear(context);
    for (std::size_t i = 0; i < swimmers.size(); ++i) {
        const Swimmer& swimmer = *swimmers[i];
        const std::string name = SwimmerLabel(swimmer);
        for (std::size_t earlier = 0; earlier < i; ++earlier)
            if (SamePerson(*swimmers[earlier], swimmer)) {
                findings.push_back({Severity::Error,
                                    name + ": steht zweimal in der Liste",
                                    "Einen der beiden löschen und seine Meldungen beim anderen eintragen.",
                                    &swimmer,
                                    {}});
                break;
            }
        if (swimmer.yearOfBirth < 1900 || swimmer.yearOfBirth > meetYear)
            findings.push_back({Severity::Error,
                                name + ": Der Jahrgang fehlt oder ist nicht möglich",
                                "Den Jahrgang (vierstellig) eintragen.",
                                &swimmer,
                                {}});
        const bool named = !swimmer.entries.empty() || inLineUps.count(swimmer.meetId) != 0;
        if (context.Modern() && named && !IsKnownDsvId(swimmer.registrationNumber))
            findings.push_back({Severity::Warning,
                                name + ": Die DSV-ID fehlt",
                                "Die sechsstellige DSV-ID eintragen; ohne sie kann der Ausrichter den Schwimmer "
                                "nicht zuordnen.",
                                &swimmer,
                                {}});
    }
}

void CheckEntriesOf(const Context& context, const Swimmer& swimmer, Findings& findings)
{
    CheckEntries(context, swimmer, SwimmerLabel(swimmer), findings);
}

void CheckEntriesOf(const Context& context, const Team& team, Findings& findings)
{
    CheckEntries(context, team, TeamName(team), findings);
}

}  // namespace natarix::check
