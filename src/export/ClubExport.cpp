#include "export/ClubExport.h"

#include "export/ExportNames.h"
#include "formats/EntryList.h"
#include "pdf/PdfWriter.h"

namespace natarix {

namespace {

// A mail program that cannot be reached must not look like success.
void ReportNoMailProgram(const ExportOutcome& outcome, MessageSink& messages)
{
    std::string text(
        "Es wurde kein E-Mail-Programm gefunden, die Meldungen wurden nicht versandt. Geschrieben wurden:");
    if (outcome.dsvWritten)
        text += "\n" + PathToMessageText(outcome.dsvPath);
    if (outcome.pdfWritten)
        text += "\n" + PathToMessageText(outcome.pdfPath);
    messages.Show(Message::Warning(std::move(text)));
}

}  // namespace

ExportOutcome ExportClubEntries(const MeetDefinition* meet, const ClubEntries& entries,
                                const std::string& startDirectory, bool sendByMail, MessageSink& messages,
                                Mailer& mailer, FileOps& ops, const EntryListOptions& options)
{
    ExportOutcome outcome;
    if (meet == nullptr)
        return outcome;
    const Club& club = entries.club;
    if (club.clubName.empty()) {
        outcome.status = ExportOutcome::Status::NoClubName;
        messages.Show(Message::Captioned(
            std::string(
                R"(Der meldende Verein muss zunächst angegeben werden! Klicken Sie dazu auf "Vereinsdaten ...".)"),
            std::string("Meldender Verein wurde nicht angegeben")));
        return outcome;
    }
    outcome.status = ExportOutcome::Status::Done;
    const int version = meet->formatVersion == 5 || options.version == 0 ? EntryListVersion(*meet) : options.version;
    const ExportFileNames names = MakeExportFileNames(*meet, club, version);

    outcome.dsvPath = JoinPath(startDirectory, FileNameToNative(names.dsvName));
    outcome.dsvWritten = WriteEntryListFile(outcome.dsvPath, *meet, entries, version, dsv678::EntryListForm::Export,
                                            options.producer, messages, ops);

    outcome.pdfPath = JoinPath(startDirectory, FileNameToNative(names.pdfName));
    outcome.pdfWritten = WriteClubEntriesPdf(*meet, entries, outcome.pdfPath, messages, ops);

    if (sendByMail) {
        const MailMessage mail{
            std::string("Meldungen für ") + meet->title + " von " + club.clubName,
            std::string(),
            outcome.dsvPath,
            names.dsvName,
            outcome.pdfPath,
            names.pdfName,
            meet->entryAddress.email,
            meet->entryAddress.name,
        };
        outcome.mailed = true;
        outcome.mailResult = mailer.SendEntriesMail(mail);
        if (outcome.mailResult == Mailer::kNoMailProgram)
            ReportNoMailProgram(outcome, messages);
    }
    return outcome;
}

}  // namespace natarix
