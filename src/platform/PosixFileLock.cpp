#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileLock.h"

namespace natarix {

namespace {

bool WriteAll(int fd, std::string_view bytes)
{
    if (::ftruncate(fd, 0) != 0)
        return false;
    off_t offset = 0;
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

// Whether the open file is still the one the path names: the last holder may
// have removed it between our open and our lock.
bool StillNamedBy(int fd, const std::string& path)
{
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

}  // namespace

// flock, not fcntl: its lock belongs to the open file, so closing some other
// descriptor of the same file in this process does not drop it, and a second
// open in the same process is refused like another process.
FileLock::Outcome FileLock::Take(const std::string& path, std::string_view holder)
{
    Release();
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0)
            return Outcome::Failed;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK;
            ::close(fd);
            return held ? Outcome::HeldElsewhere : Outcome::Failed;
        }
        if (StillNamedBy(fd, path)) {
            handle_ = fd;
            path_ = path;
            // The lock holds without the text; a reader then names no holder.
            WriteAll(fd, holder);
            return Outcome::Taken;
        }
        ::close(fd);
    }
    return Outcome::Failed;
}

// Removed while still locked, so that nobody takes over a file that is about
// to disappear.
void FileLock::Release()
{
    if (handle_ == kNone)
        return;
    ::unlink(path_.c_str());
    ::close(static_cast<int>(handle_));
    handle_ = kNone;
    path_.clear();
}

ProcessIdentity CurrentProcess()
{
    ProcessIdentity identity;
    identity.processId = static_cast<unsigned long>(::getpid());
    char host[HOST_NAME_MAX + 1] = {};
    if (::gethostname(host, sizeof host - 1) == 0) {
        for (const char* c = host; *c != '\0'; ++c)
            identity.hostName.push_back(*c > ' ' && *c < 0x7f ? *c : '?');
    }
    const std::time_t now = std::time(nullptr);
    ::localtime_r(&now, &identity.now);
    return identity;
}

}  // namespace natarix
