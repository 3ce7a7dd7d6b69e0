#include "formats/DefinitionList.h"

#include "dsv5/DefinitionReader.h"

namespace natarix {

ReadResult<std::unique_ptr<MeetDefinition>> ReadDefinitionList(const std::string& path)
{
    // Format 5 is the only one read. Its reader checks the "FORMAT:" line
    // itself and reports any other number as a wrong format, so every list
    // goes to it; a second format is told apart here, by that line.
    return DefinitionReader(path).Read();
}

}  // namespace natarix
