#include <string>

#include <windows.h>

#include "platform/FileOps.h"

namespace natarix {

namespace {

class WindowsFileOps : public FileOps {
public:
    Handle Create(const std::string& path) override
    {
        const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        return file == INVALID_HANDLE_VALUE ? kInvalid : reinterpret_cast<Handle>(file);
    }

    bool Write(Handle handle, std::string_view bytes) override
    {
        while (!bytes.empty()) {
            const DWORD chunk = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
            DWORD written = 0;
            if (!::WriteFile(reinterpret_cast<HANDLE>(handle), bytes.data(), chunk, &written, nullptr) || written == 0)
                return false;
            bytes.remove_prefix(written);
        }
        return true;
    }

    bool Flush(Handle handle) override { return ::FlushFileBuffers(reinterpret_cast<HANDLE>(handle)) != 0; }

    bool Close(Handle handle) override { return ::CloseHandle(reinterpret_cast<HANDLE>(handle)) != 0; }

    bool Replace(const std::string& from, const std::string& to) override
    {
        return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }

    void Remove(const std::string& path) override { ::DeleteFileA(path.c_str()); }
};

}  // namespace

FileOps& SystemFileOps()
{
    static WindowsFileOps ops;
    return ops;
}

std::filesystem::path ToFsPath(const std::string& nativePath)
{
    if (nativePath.empty())
        return {};
    const int size = static_cast<int>(nativePath.size());
    std::wstring wide(static_cast<std::size_t>(::MultiByteToWideChar(CP_ACP, 0, nativePath.data(), size, nullptr, 0)),
                      L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, nativePath.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

// A character outside the ANSI code page becomes "?", which no file name
// holds, so such a path is refused by the file calls instead of misleading them.
std::string FromFsPath(const std::filesystem::path& path)
{
    const std::wstring& wide = path.native();
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    std::string text(
        static_cast<std::size_t>(::WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr)),
        '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), size, text.data(), static_cast<int>(text.size()), nullptr, nullptr);
    return text;
}

namespace {

std::wstring Utf8ToWide(const std::string& text)
{
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<std::size_t>(::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)),
                      L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string WideToUtf8(const std::wstring& wide)
{
    const int size = static_cast<int>(wide.size());
    std::string text(
        static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr)),
        '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), static_cast<int>(text.size()), nullptr, nullptr);
    return text;
}

}  // namespace

std::string TextToNative(const std::string& text)
{
    return text.empty() ? text : FromFsPath(Utf8ToWide(text));
}

// Paths are in the ANSI code page.
std::string PathToMessageText(const std::string& nativePath)
{
    return WideToUtf8(ToFsPath(nativePath).native());
}

}  // namespace natarix
