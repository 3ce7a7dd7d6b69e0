#include "export/XdgEmailMailer.h"

#include <cerrno>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace natarix {

std::vector<std::string> XdgEmailMailer::Arguments(const MailMessage& message)
{
    std::vector<std::string> arguments = {"--utf8", "--subject", message.subject};
    if (!message.noteText.empty()) {
        arguments.push_back("--body");
        arguments.push_back(message.noteText);
    }
    if (!message.dsvPath.empty() && !message.dsvName.empty() && !message.pdfPath.empty() && !message.pdfName.empty()) {
        arguments.insert(arguments.end(), {"--attach", message.dsvPath, "--attach", message.pdfPath});
    }
    // The recipient's name cannot travel in this hand-over.
    if (!message.recipientAddress.empty())
        arguments.push_back(message.recipientAddress);
    return arguments;
}

std::int32_t XdgEmailMailer::SendEntriesMail(const MailMessage& message)
{
    std::vector<std::string> arguments = Arguments(message);
    arguments.insert(arguments.begin(), program_);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    // Started without a shell, so no text of the message is ever interpreted.
    pid_t child = 0;
    if (posix_spawnp(&child, program_.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return kNoMailProgram;
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return kNoMailProgram;
    // A mail program killed by a signal reports as a shell would.
    if (!WIFEXITED(status))
        return 128 + WTERMSIG(status);
    // xdg-email says 3 when no mail program is available.
    const int exitStatus = WEXITSTATUS(status);
    return exitStatus == 3 ? kNoMailProgram : exitStatus;
}

Mailer& SystemMailer()
{
    static XdgEmailMailer mailer;
    return mailer;
}

}  // namespace natarix
