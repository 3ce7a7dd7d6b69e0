#include "TestFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

namespace natarix::test {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::random_device random;
    do
        path_ = (fs::temp_directory_path() / ("natarix-test-" + std::to_string(random()))).string();
    while (!fs::create_directory(path_));
}

TempDir::~TempDir()
{
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string TempDir::Path(std::string_view name) const
{
    return (fs::path(path_) / name).string();
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> FileNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string DataPath(std::string_view name)
{
    return (fs::path(NATARIX_TEST_DATA) / name).string();
}

std::string Data(std::string_view name)
{
    return ReadBytes(DataPath(name));
}

}  // namespace natarix::test
