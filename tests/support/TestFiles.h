#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace natarix::test {

// A fresh, empty folder under the system's temporary folder, removed with
// everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // The path of `name` inside the folder.
    std::string Path(std::string_view name) const;

private:
    std::string path_;
};

// The whole file, or "" when it cannot be read.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, std::string_view bytes);

// The names of what a folder holds, sorted.
std::vector<std::string> FileNames(const std::string& folder);

// The path of a file in tests/data.
std::string DataPath(std::string_view name);
// The bytes of a file in tests/data.
std::string Data(std::string_view name);

}  // namespace natarix::test
