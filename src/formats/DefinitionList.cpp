#include "formats/DefinitionList.h"

#include "dsv5/DefinitionReader.h"
#include "dsv678/DefinitionListReader.h"
#include "dsv678/MeetReader.h"
#include "platform/FileIo.h"

namespace natarix {

ReadResult<std::unique_ptr<MeetDefinition>> ReadDefinitionList(const std::string& path)
{
    FileContent content = ReadWholeFile(path);
    if (content.status != ReadStatus::Ok)
        return ReadResult<std::unique_ptr<MeetDefinition>>::Failed(DefinitionFileFailure(content.status));
    // Told apart by the content, not by the name: organisers name their
    // files as they please. Everything that is not clearly of formats 6 to 8
    // goes to the format-5 reader, which has always had the last word on
    // what else a file may be.
    if (dsv678::LooksLikeZipArchive(content.bytes) || dsv678::OpensWithModernFormatLine(content.bytes))
        return dsv678::ReadMeet(content.bytes, FileNameForMessage(path));
    return DefinitionReader::Parse(std::move(content.bytes), FileNameForMessage(path));
}

}  // namespace natarix
