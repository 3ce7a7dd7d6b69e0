#include <cstdlib>
#include <filesystem>

#include "resultstore/ResultStore.h"

namespace natarix {

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

std::string ResultStorePath(const std::string& option)
{
    if (!option.empty())
        return option;
    if (std::string named = Environment("NATARIX_RESULTS_STORE"); !named.empty())
        return named;
#ifdef _WIN32
    std::filesystem::path folder = Environment("APPDATA");
    if (folder.empty())
        return {};
    return (folder / "Natarix" / "results.sqlite").string();
#else
    std::filesystem::path folder = Environment("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is invalid and to be ignored.
    if (folder.empty() || folder.is_relative()) {
        const std::string home = Environment("HOME");
        if (home.empty())
            return {};
        folder = std::filesystem::path(home) / ".local" / "share";
    }
    return (folder / "natarix" / "results.sqlite").string();
#endif
}

}  // namespace natarix
