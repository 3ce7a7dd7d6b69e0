#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "CliApp.h"

int main(int argc, char** argv)
{
    std::error_code error;
    const std::string currentDirectory = std::filesystem::current_path(error).string();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = natarix::RunCli(args, std::cout, std::cerr, currentDirectory);
    // Output that could not be written (a full disk behind a redirection)
    // must not pass for a complete model.
    if (!std::cout.flush())
        return status == natarix::kExitOk ? natarix::kExitWriteFailed : status;
    return status;
}
