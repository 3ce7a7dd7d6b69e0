#pragma once

#include <string>
#include <string_view>

#include "model/Messages.h"
#include "platform/FileLock.h"

namespace natarix {

// What a lock file says about its holder, e.g.
// "natarix-cli (PID 1234 auf pc7) seit 08.12.2026 14:03".
std::string LockHolderText(std::string_view program, const ProcessIdentity& process);

// Tells that another program holds the working file and that the competition
// is therefore only shown. `lockFileContent` is whatever the lock file holds:
// its first line names the holder, when it is plain text.
Message LockedWorkingFileMessage(const std::string& workingFile, std::string_view lockFileContent);

}  // namespace natarix
