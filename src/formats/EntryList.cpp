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
