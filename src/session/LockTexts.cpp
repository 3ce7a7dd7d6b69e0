#include "session/LockTexts.h"

#include <algorithm>
#include <cstdio>

#include "platform/FileOps.h"

namespace natarix {

namespace {

// A holder text is short printable ASCII; anything else in the file is not
// shown as it is.
constexpr std::size_t kMaxHolderLength = 160;

std::string HolderLine(std::string_view content)
{
    const std::size_t end = content.find_first_of("\r\n");
    std::string line;
    for (const char c : content.substr(0, std::min(end, kMaxHolderLength)))
        line.push_back(c >= ' ' && c < 0x7f ? c : '?');
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

}  // namespace

std::string LockHolderText(std::string_view program, const ProcessIdentity& process)
{
    char since[40];
    std::snprintf(since, sizeof since, "%02d.%02d.%04d %02d:%02d", process.now.tm_mday, process.now.tm_mon + 1,
                  process.now.tm_year + 1900, process.now.tm_hour, process.now.tm_min);
    std::string text = std::string(program) + " (PID " + std::to_string(process.processId);
    if (!process.hostName.empty())
        text += " auf " + process.hostName;
    return text + ") seit " + since;
}

Message LockedWorkingFileMessage(const std::string& workingFile, std::string_view lockFileContent)
{
    const std::string holder = HolderLine(lockFileContent);
    return Message::Warning(
        std::string("Die Vereinsmeldeliste „") + PathToMessageText(workingFile) +
        std::string("“ ist schon in einem anderen Programm geöffnet") + (holder.empty() ? "" : ": " + holder) +
        std::string(". Der Wettkampf wird deshalb nur zum Lesen geöffnet: Änderungen sind nicht möglich, "
                    "es wird nichts gespeichert und nichts exportiert."));
}

}  // namespace natarix
