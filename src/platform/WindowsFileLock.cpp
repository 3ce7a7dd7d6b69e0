#include <windows.h>

#include "platform/FileLock.h"

namespace natarix {

namespace {

// Windows locks keep other processes from reading the locked bytes; the lock
// sits far beyond the holder's text, which stays readable.
constexpr DWORD kLockOffsetHigh = 0x40000000;

OVERLAPPED LockRegion()
{
    OVERLAPPED region{};
    region.OffsetHigh = kLockOffsetHigh;
    return region;
}

bool WriteAll(HANDLE file, std::string_view bytes)
{
    if (::SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER || !::SetEndOfFile(file))
        return false;
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

// Opened without FILE_SHARE_DELETE: the release can remove the file only
// when no other process has it open, so nobody takes over a vanishing file.
FileLock::Outcome FileLock::Take(const std::string& path, std::string_view holder)
{
    Release();
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return ::GetLastError() == ERROR_SHARING_VIOLATION ? Outcome::HeldElsewhere : Outcome::Failed;
    OVERLAPPED region = LockRegion();
    if (!::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &region)) {
        const DWORD error = ::GetLastError();
        ::CloseHandle(file);
        return error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING ? Outcome::HeldElsewhere : Outcome::Failed;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    path_ = path;
    // The lock holds without the text; a reader then names no holder.
    WriteAll(file, holder);
    return Outcome::Taken;
}

// Closing gives the lock up; the removal fails harmlessly while another
// process has the file open, which then keeps it.
void FileLock::Release()
{
    if (handle_ == kNone)
        return;
    ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
    ::DeleteFileA(path_.c_str());
    handle_ = kNone;
    path_.clear();
}

ProcessIdentity CurrentProcess()
{
    ProcessIdentity identity;
    identity.processId = ::GetCurrentProcessId();
    char host[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof host;
    if (::GetComputerNameA(host, &size)) {
        for (DWORD i = 0; i < size; ++i)
            identity.hostName.push_back(host[i] > ' ' && host[i] < 0x7f ? host[i] : '?');
    }
    const std::time_t now = std::time(nullptr);
    ::localtime_s(&identity.now, &now);
    return identity;
}

}  // namespace natarix
