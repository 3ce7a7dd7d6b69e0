#pragma once

#include <string>
#include <vector>

namespace natarix::test {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the real tool in `folder`; its output goes to files of another folder,
// so that the folder under test sees nothing but what the tool itself does.
// With `stdoutPath`, standard output goes there and `out` stays empty.
Outcome RunCli(const std::string& folder, const std::vector<std::string>& args, const std::string& stdoutPath = {});

}  // namespace natarix::test
