#include "ReadLocation.h"

#include "platform/FileOps.h"

namespace natarix {

std::string LocationLine(const ReadLocation& location)
{
    std::string line = "Zeile " + std::to_string(location.line);
    return location.fileName.empty() ? line : "Datei " + location.fileName + ", " + line;
}

std::string FileNameForMessage(const std::string& nativePath)
{
    return PathToMessageText(FromFsPath(ToFsPath(nativePath).filename()));
}

}  // namespace natarix
