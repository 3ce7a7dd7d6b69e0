#include "model/ReadLocation.h"

namespace natarix {

std::string LocationLine(const ReadLocation& location)
{
    if (location.line == 0)
        return location.fileName.empty() ? std::string() : "Datei " + location.fileName;
    std::string line = "Zeile " + std::to_string(location.line);
    return location.fileName.empty() ? line : "Datei " + location.fileName + ", " + line;
}

}  // namespace natarix
