#include "dsv5/EntryListWriter.h"

#include "AddressFields.h"
#include "codec/Cp1252.h"
#include "model/Labels.h"
#include "platform/FileIo.h"

namespace natarix {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AppendEntries(std::string& text, const Entrant& participant)
{
    text += "STARTS:";
    if (participant.entries.empty())
        text += kLineEnd;
    for (const auto& [eventNumber, entryTime] : participant.entries)
        text.append(eventNumber).append(";").append(entryTime).append(";").append(kLineEnd);
}

}  // namespace

std::string EntryListWriter::BuildText() const
{
    // The working file also keeps what the user typed and the export leaves
    // out: duty wishes, participants without entries, team labels.
    const bool workingForm = !exportMode_;
    std::string text = "VEREINSMELDELISTE:\r\n";
    text += "FORMAT:5;\r\n";
    text.append("VERANSTALTUNG:").append(meet_.title).append(";").append(meet_.place).append(";").append(kLineEnd);
    for (const auto& [number, section] : meet_.sections())
        text.append("ABSCHNITT:")
            .append(section.number)
            .append(";")
            .append(section.date.text())
            .append(";")
            .append(section.startTime)
            .append(";")
            .append(kLineEnd);
    for (const auto& [number, event] : meet_.events())
        text.append("WETTKAMPF:")
            .append(event.number)
            .append(";")
            .append(event.sectionNumber)
            .append(";")
            .append(event.Description())
            .append(";")
            .append(kLineEnd);
    text += kLineEnd;

    const Club& club = entries_.club;
    text.append("VEREIN:")
        .append(club.clubName)
        .append(";VNKENNZAHL:")
        .append(club.clubId)
        .append(";LSV:")
        .append(club.lsv)
        .append(";NATION:")
        .append(club.nation)
        .append(";")
        .append(kLineEnd);
    text += "ANSPRECHPARTNER:";
    for (const std::string* field : AddressFields(club.contact))
        text.append(*field).append(";");
    text.append(kLineEnd).append(kLineEnd);

    for (const auto& official : entries_.officials()) {
        text.append("KARIMELDUNG:")
            .append(official->surname)
            .append(",")
            .append(official->firstName)
            .append(";")
            .append(std::to_string(official->group))
            .append(";")
            .append(kLineEnd);
        if (workingForm)
            text.append("EINSATZWUNSCH:").append(official->wish).append(";").append(kLineEnd);
        text.append("ABSCHNITTE:").append(SectionNumbersText(*official)).append(";").append(kLineEnd);
    }
    if (!entries_.officials().empty())
        text += kLineEnd;

    bool participantWritten = false;
    for (const auto& swimmer : entries_.swimmers()) {
        if (swimmer->entries.empty() && !workingForm)
            continue;
        text.append("PNMELDUNG:")
            .append(swimmer->surname)
            .append(",")
            .append(swimmer->firstName)
            .append(";")
            .append(swimmer->registrationNumber)
            .append(";")
            .append(SexLetter(swimmer->sex))
            .append(";")
            .append(std::to_string(swimmer->yearOfBirth))
            .append(";;")
            .append(kLineEnd);
        AppendEntries(text, *swimmer);
        participantWritten = true;
    }
    for (const auto& team : entries_.teams()) {
        if (team->entries.empty() && !workingForm)
            continue;
        text.append("STMELDUNG:").append(team->teamNumber).append(";;").append(kLineEnd);
        if (workingForm && (!team->teamName.empty() || !team->classLabel.empty()))
            text.append("STAFFELNAME:")
                .append(team->teamName)
                .append(";")
                .append(team->classLabel)
                .append(";")
                .append(kLineEnd);
        AppendEntries(text, *team);
        participantWritten = true;
    }
    if (participantWritten)
        text += kLineEnd;
    text += "DATEIENDE";
    // Built in UTF-8, the model's texts, and written in Windows-1252. What
    // the format cannot carry (EntryListRefusal) reaches the writer neither
    // from a format-5 file nor from a dialog; should it all the same, it is
    // written as "?", so that the file stays readable.
    return Utf8ToCp1252(text);
}

bool EntryListWriter::Write(MessageSink& messages, FileOps& ops) const
{
    switch (SaveFileAtomically(filePath_, BuildText(), ops)) {
        case SaveStatus::CreateFailed:
            messages.Show(Message::Warning(std::string("Die Vereinsmeldeliste konnte nicht angelegt werden!")));
            return false;
        case SaveStatus::WriteFailed:
            messages.Show(Message::Warning(std::string("Die Vereinsmeldeliste konnte nicht geschrieben werden!")));
            return false;
        case SaveStatus::Ok:
            break;
    }
    return true;
}

}  // namespace natarix
