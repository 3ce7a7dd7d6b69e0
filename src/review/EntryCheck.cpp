#include "review/EntryCheck.h"

#include <algorithm>
#include <ctime>

#include "Checks.h"
#include "model/Labels.h"

namespace natarix {

namespace check {

std::string SwimmerName(const Swimmer& swimmer)
{
    return swimmer.surname + ", " + swimmer.firstName + " (" + std::to_string(swimmer.yearOfBirth) + ")";
}

std::string TeamName(const Team& team)
{
    return team.teamName.empty() ? TeamLabel(team) : TeamLabel(team) + " " + team.teamName;
}

std::string EventName(const Event& event)
{
    return "Wettkampf " + event.number + " (" + event.Description() + ")";
}

std::optional<std::int64_t> Hundredths(std::string_view time)
{
    // Digits and separators at fixed places, as the entry time field and
    // the modern lists write them.
    const bool withHours = time.size() == 11;
    if (time.size() != 8 && !withHours)
        return std::nullopt;
    const std::string_view shape = withHours ? "99:99:99,99" : "99:99,99";
    std::int64_t parts[4] = {};
    std::size_t part = withHours ? 0 : 1;
    for (std::size_t i = 0; i < time.size(); ++i) {
        if (shape[i] != '9') {
            if (time[i] != shape[i])
                return std::nullopt;
            ++part;
            continue;
        }
        if (time[i] < '0' || time[i] > '9')
            return std::nullopt;
        parts[part] = parts[part] * 10 + (time[i] - '0');
    }
    if (parts[2] > 59 || (withHours && parts[1] > 59))
        return std::nullopt;
    return ((parts[0] * 60 + parts[1]) * 60 + parts[2]) * 100 + parts[3];
}

}  // namespace check

std::vector<Finding> CheckEntries(const MeetDefinition& meet, const ClubEntries& entries, const Date& today)
{
    const check::Context context{meet, entries, today};
    check::Findings findings;
    check::CheckClubData(context, findings);
    check::CheckDeadline(context, findings);
    check::CheckOfficials(context, findings);
    check::CheckExportNames(context, findings);
    check::CheckSwimmers(context, findings);
    for (const auto& swimmer : entries.swimmers())
        check::CheckEntriesOf(context, *swimmer, findings);
    for (const auto& team : entries.teams())
        check::CheckEntriesOf(context, *team, findings);
    return findings;
}

std::string FindingLine(const Finding& finding)
{
    return (finding.severity == Finding::Severity::Error ? "Fehler: " : "Warnung: ") + finding.text + ". " +
           finding.advice;
}

bool HasErrors(const std::vector<Finding>& findings)
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& finding) { return finding.severity == Finding::Severity::Error; });
}

Date Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[16];
    std::strftime(text, sizeof text, "%d.%m.%Y", &local);
    return Date(text);
}

}  // namespace natarix
