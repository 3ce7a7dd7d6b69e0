#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace natarix {

enum CliExitStatus {
    kExitOk = 0,
    kExitNotLoaded = 1,
    kExitUsage = 2,
    kExitWriteFailed = 3,
    // "check": findings, but only warnings; or at least one error.
    kExitWarnings = 4,
    kExitErrors = 5,
    // Another program has the working file open for editing; nothing was written.
    kExitLocked = 6,
    // Both files written, but no mail program could be reached.
    kExitMailFailed = 7,
    // "times": the results database could not be opened or written.
    kExitStoreFailed = 8,
};

// Runs the command-line tool: `args` without the program name, `currentDirectory`
// where the start-up probe looks. JSON and paths go to `out`, every message
// the window would show in a box goes to `err`, in UTF-8: one line each, a
// reading failure with a second line that says where the reading stopped.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::string& currentDirectory);

}  // namespace natarix
