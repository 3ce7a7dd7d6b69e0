#include "review/EntryCheck.h"

#include <algorithm>
#include <ctime>

#include "Checks.h"
#include "model/Labels.h"

namespace natarix {

namespace check {

std::string TeamName(const Team& team)
{
    return team.teamName.empty() ? TeamLabel(team) : TeamLabel(team) + " " + team.teamName;
}

}  // namespace check

std::vector<Finding> CheckEntries(const MeetDefinition& meet, const ClubEntries& entries, const Date& today,
                                  const ResultSource* results)
{
    const check::Context context{meet, entries, today, results};
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

std::string FindingLines(const std::vector<Finding>& findings)
{
    std::string lines;
    for (const Finding& finding : findings)
        lines += (lines.empty() ? "" : "\n") + FindingLine(finding);
    return lines;
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
