#include <string_view>

#include "Checks.h"
#include "export/ExportNames.h"
#include "formats/EntryList.h"
#include "review/MeetGlance.h"

namespace natarix::check {

namespace {

using Severity = Finding::Severity;

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// The characters Windows, where most organisers work, keeps out of a file
// name, and the control characters.
std::string ForbiddenCharacters(std::string_view name)
{
    std::string found;
    for (const char c : name)
        if ((std::string_view("<>:\"|?*").find(c) != std::string_view::npos || static_cast<unsigned char>(c) < 0x20) &&
            found.find(c) == std::string::npos)
            found += c;
    return found;
}

}  // namespace

void CheckClubData(const Context& context, Findings& findings)
{
    const Club& club = context.entries.club;
    // Formats 6 to 8 demand these fields; a format-5 list goes without some.
    const Severity strict = context.Modern() ? Severity::Error : Severity::Warning;
    const struct {
        const std::string& value;
        Severity severity;
        const char* what;
    } fields[] = {
        {club.clubName, Severity::Error, "der Name des Vereins"},
        {club.clubId, strict, "die Vereinsnummer"},
        {club.contact.name, strict, "der Name des Ansprechpartners"},
        {club.contact.email, strict, "die E-Mail-Adresse des Ansprechpartners"},
    };
    for (const auto& field : fields)
        if (IsBlank(field.value))
            findings.push_back({field.severity,
                                std::string("Vereinsdaten: Es fehlt ") + field.what,
                                "In den Vereinsdaten eintragen.",
                                ClubDataSubject{},
                                {}});
}

void CheckDeadline(const Context& context, Findings& findings)
{
    const auto daysLeft = DaysToDeadline(context.meet, context.today);
    if (!daysLeft || *daysLeft >= 0)
        return;
    findings.push_back(
        {Severity::Warning,
         "Der Meldeschluss am " + context.meet.entryDeadlineDate.text() + " ist " + DeadlineNote(*daysLeft),
         "Vor dem Versand beim Ausrichter fragen, ob er die Meldung noch annimmt.",
         {},
         {}});
}

void CheckOfficials(const Context& context, Findings& findings)
{
    for (const auto& official : context.entries.officials())
        if (official->sectionNumbers.empty())
            findings.push_back(
                {Severity::Warning,
                 "Kampfrichter " + official->surname + ", " + official->firstName + ": keine Abschnitte angegeben",
                 "Die Abschnitte eintragen, in denen er oder sie eingesetzt werden kann.",
                 official.get(),
                 {}});
}

void CheckExportNames(const Context& context, Findings& findings)
{
    const ExportFileNames names =
        MakeExportFileNames(context.meet, context.entries.club, EntryListVersion(context.meet));
    const std::string forbidden = ForbiddenCharacters(names.dsvName);
    if (forbidden.empty())
        return;
    std::string shown;
    for (const char c : forbidden)
        shown += static_cast<unsigned char>(c) < 0x20 ? std::string(" Steuerzeichen") : std::string(" ") + c;
    findings.push_back(
        {Severity::Error,
         "Der Dateiname „" + names.dsvName + "“ enthält Zeichen, die ein Dateiname nicht haben darf:" + shown,
         "Den Vereinsnamen in den Vereinsdaten ohne diese Zeichen schreiben; steht das Zeichen im Ort "
         "der Veranstaltung, die Datei nach dem Export umbenennen.",
         ClubDataSubject{},
         {}});
}

}  // namespace natarix::check
