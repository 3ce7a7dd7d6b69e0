#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/CliApp.h"
#include "platform/FileOps.h"

int main(int argc, char** argv)
{
    std::error_code error;
    const std::string currentDirectory = natarix::FromFsPath(std::filesystem::current_path(error));
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = natarix::RunCli(args, std::cout, std::cerr, currentDirectory);
    // Output that could not be written (a full disk behind a redirection)
    // must not pass for a complete model.
    if (!std::cout.flush())
        return status == natarix::kExitOk ? natarix::kExitWriteFailed : status;
    return status;
}
