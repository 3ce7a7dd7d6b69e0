#include "BenchFiles.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace natarix::bench {

namespace {

[[noreturn]] void Fail(const std::string& what)
{
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

int OpenOrFail(const std::string& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (fd < 0)
        Fail("open " + path);
    return fd;
}

void WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            Fail("write");
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

}  // namespace

ScratchFolder::ScratchFolder()
{
    if (const char* inherited = std::getenv(kScratchVariable); inherited != nullptr && *inherited != '\0') {
        path_ = inherited;
        owned_ = false;
        return;
    }
    const char* base = std::getenv("NATARIX_BENCH_DIR");
    std::string pattern = std::string(base != nullptr && *base != '\0' ? base : ".") + "/natarix-bench-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr)
        Fail("mkdtemp " + pattern);
    path_ = std::filesystem::absolute(buffer.data()).string();
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    if (owned_)
        std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::FileSystemKind() const
{
    struct statfs info {};
    if (::statfs(path_.c_str(), &info) != 0)
        return "unknown";
    switch (static_cast<unsigned long>(info.f_type)) {
        case 0xEF53:
            return "ext2/ext3/ext4";
        case 0x01021994:
            return "tmpfs (memory: saves look cheaper than on a disk)";
        case 0x58465342:
            return "xfs";
        case 0x9123683E:
            return "btrfs";
        case 0x794C7630:
            return "overlayfs";
        default:
            return "type 0x" + [](unsigned long value) {
                char text[32];
                std::snprintf(text, sizeof text, "%lx", value);
                return std::string(text);
            }(static_cast<unsigned long>(info.f_type));
    }
}

const ScratchFolder& Scratch()
{
    static const ScratchFolder folder;
    return folder;
}

void WriteFileBytes(const std::string& path, std::string_view bytes)
{
    const int fd = OpenOrFail(path, O_WRONLY | O_CREAT | O_TRUNC);
    WriteAll(fd, bytes);
    ::close(fd);
}

std::size_t ReadAndFindSemicolons(const std::string& path)
{
    const int fd = OpenOrFail(path, O_RDONLY);
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        Fail("fstat " + path);
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            Fail("read " + path);
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    std::size_t count = 0;
    const char* position = bytes.data();
    const char* const end = position + bytes.size();
    while (const auto* semicolon =
               static_cast<const char*>(std::memchr(position, ';', static_cast<std::size_t>(end - position)))) {
        ++count;
        position = semicolon + 1;
    }
    return count;
}

void SaveDurablyAtOnce(const std::string& path, std::string_view bytes)
{
    const std::string temporary = path + ".floor-tmp";
    const int fd = OpenOrFail(temporary, O_WRONLY | O_CREAT | O_TRUNC);
    WriteAll(fd, bytes);
    if (::fsync(fd) != 0)
        Fail("fsync");
    ::close(fd);
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
        Fail("rename " + temporary);
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int folderFd = OpenOrFail(folder, O_RDONLY | O_DIRECTORY);
    ::fsync(folderFd);
    ::close(folderFd);
}

}  // namespace natarix::bench
