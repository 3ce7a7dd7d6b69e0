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
    std::cout.flush();
    return status;
}
