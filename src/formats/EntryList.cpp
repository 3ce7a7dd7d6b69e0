#include "formats/EntryList.h"

#include <algorithm>

#include "dsv5/EntryListWriter.h"
#include "dsv678/DefinitionListReader.h"
#include "dsv678/EntryListReader.h"
#include "platform/FileIo.h"

namespace natarix {

int EntryListVersion(const MeetDefinition& meet)
{
    return meet.formatVersion == 5 ? 5 : std::max(meet.formatVersion, 7);
}

ReadResult<WorkingFileState> ReadWorkingFile(const std::string& path, const MeetDefinition& meet, ClubEntries& entries,
                                             std::string_view programName)
{
    using Result = ReadResult<WorkingFileState>;
    if (meet.formatVersion == 5) {
        EntryListRead read = EntryListReader(path).Read(meet, entries);
        if (!read.ok())
            return Result::Failed(read.failure(), read.warnings());
        return Result(WorkingFileState{read.value(), false}, read.warnings());
    }
    const FileContent content = ReadWholeFile(path);
    if (content.status != ReadStatus::Ok)
        return Result::Failed(Message::Warning(content.status == ReadStatus::OpenFailed
                                                   ? "Die Vereinsmeldeliste konnte nicht geöffnet werden!"
                                                   : "Die Vereinsmeldeliste konnte nicht gelesen werden!"));
    // A working file kept in the older format is still taken, and rewritten
    // in the new one only after a copy of it was kept.
    if (!dsv678::OpensWithModernFormatLine(content.bytes)) {
        EntryListRead read = EntryListReader::Parse(content.bytes, meet, entries, FileNameForMessage(path));
        if (!read.ok())
            return Result::Failed(read.failure(), read.warnings());
        return Result(WorkingFileState{read.value(), true}, read.warnings());
    }
    auto read = dsv678::ReadEntryList(content.bytes, FileNameForMessage(path), meet, entries);
    if (!read.ok())
        return Result::Failed(read.failure(), read.warnings());
    const WorkingFileState state{
        read.value().takenWhole ? ReadCompleteness::Complete : ReadCompleteness::Incomplete,
        read.value().producer != programName,
    };
    return Result(state, read.warnings());
}

ReadResult<EarlierEntryList> ReadEarlierEntryList(const std::string& path)
{
    using Result = ReadResult<EarlierEntryList>;
    const FileContent content = ReadWholeFile(path);
    if (content.status != ReadStatus::Ok)
        return Result::Failed(
            Message::Warning("Die Meldeliste „" + PathToMessageText(path) + "“ konnte nicht gelesen werden."));
    const std::string fileName = FileNameForMessage(path);
    if (dsv678::LooksLikeZipArchive(content.bytes) || dsv678::OpensWithModernFormatLine(content.bytes)) {
        auto read = dsv678::ReadEntryListOfItsOwnMeet(content.bytes, fileName);
        if (!read.ok())
            return Result::Failed(read.failure(), read.warnings());
        dsv678::ListedEntries& listed = read.value();
        const int version = listed.header.version;
        return Result(EarlierEntryList{std::move(listed.meet), std::move(listed.entries), version}, read.warnings());
    }
    EarlierEntryList earlier{std::make_unique<MeetDefinition>(), {}, 5};
    const EntryListRead read =
        EntryListReader::ParseWithItsOwnMeet(content.bytes, *earlier.meet, earlier.entries, fileName);
    if (!read.ok())
        return Result::Failed(read.failure(), read.warnings());
    std::vector<Message> warnings = read.warnings();
    if (read.value() == ReadCompleteness::Incomplete)
        warnings.push_back(Message::Warning(
            "Die Meldeliste „" + fileName +
            "“ enthält Zeilen, die nicht gelesen werden konnten; übernommen werden kann nur, was davor steht."));
    return Result(std::move(earlier), std::move(warnings));
}

bool WriteEntryListFile(const std::string& path, const MeetDefinition& meet, const ClubEntries& entries, int version,
                        dsv678::EntryListForm form, const dsv678::Producer& producer, MessageSink& messages,
                        FileOps& ops)
{
    if (version == 5)
        return EntryListWriter(path, meet, entries, form == dsv678::EntryListForm::Export).Write(messages, ops);
    switch (SaveFileAtomically(path, dsv678::WriteEntryList(meet, entries, version, producer, form), ops)) {
        case SaveStatus::CreateFailed:
            messages.Show(Message::Warning("Die Vereinsmeldeliste konnte nicht angelegt werden!"));
            return false;
        case SaveStatus::WriteFailed:
            messages.Show(Message::Warning("Die Vereinsmeldeliste konnte nicht geschrieben werden!"));
            return false;
        case SaveStatus::Ok:
            break;
    }
    return true;
}

}  // namespace natarix
