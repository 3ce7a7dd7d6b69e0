#include <cerrno>
#include <cstdio>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include "codec/Utf8.h"
#include "platform/FileOps.h"

namespace natarix {

namespace {

class PosixFileOps : public FileOps {
public:
    Handle Create(const std::string& path) override
    {
        int fd;
        do {
            fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        } while (fd < 0 && errno == EINTR);
        return fd < 0 ? kInvalid : fd;
    }

    bool Write(Handle handle, std::string_view bytes) override
    {
        while (!bytes.empty()) {
            const ssize_t written = ::write(static_cast<int>(handle), bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

    bool Flush(Handle handle) override { return ::fsync(static_cast<int>(handle)) == 0; }

    bool Close(Handle handle) override { return ::close(static_cast<int>(handle)) == 0; }

    bool Replace(const std::string& from, const std::string& to) override
    {
        if (std::rename(from.c_str(), to.c_str()) != 0)
            return false;
        SyncFolderOf(to);
        return true;
    }

    void Remove(const std::string& path) override { ::unlink(path.c_str()); }

private:
    // Makes the rename itself durable; a folder that cannot be synced still
    // holds the new file, so a failure here is not reported.
    static void SyncFolderOf(const std::string& path)
    {
        const auto slash = path.find_last_of('/');
        const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }
};

}  // namespace

FileOps& SystemFileOps()
{
    static PosixFileOps ops;
    return ops;
}

std::filesystem::path ToFsPath(const std::string& nativePath)
{
    return nativePath;
}

std::string FromFsPath(const std::filesystem::path& path)
{
    return path.string();
}

std::string TextToNative(const std::string& text)
{
    return text;
}

// A byte that starts no UTF-8 character becomes "?".
std::string PathToMessageText(const std::string& nativePath)
{
    return MendUtf8(nativePath);
}

}  // namespace natarix
