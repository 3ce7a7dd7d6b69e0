#include "platform/FileIo.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace natarix {

FileContent ReadWholeFile(const std::string& path)
{
    // Only a regular file: a folder cannot be read, and opening a named pipe
    // would wait for a writer for ever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(ToFsPath(path), error))
        return {ReadStatus::OpenFailed, {}};
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {ReadStatus::OpenFailed, {}};
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0 || !file.seekg(0, std::ios::beg))
        return {ReadStatus::ReadFailed, {}};
    FileContent content;
    content.bytes.resize(static_cast<std::size_t>(size));
    if (size > 0 && !file.read(content.bytes.data(), size))
        return {ReadStatus::ReadFailed, {}};
    return content;
}

std::string TemporaryPathFor(const std::string& path)
{
    return path + ".natarix-tmp";
}

SaveStatus SaveFileAtomically(const std::string& path, std::string_view bytes, FileOps& ops)
{
    const std::string temporary = TemporaryPathFor(path);
    const FileOps::Handle handle = ops.Create(temporary);
    if (handle == FileOps::kInvalid)
        return SaveStatus::CreateFailed;
    const bool written = ops.Write(handle, bytes) && ops.Flush(handle);
    if (!ops.Close(handle) || !written) {
        ops.Remove(temporary);
        return SaveStatus::WriteFailed;
    }
    if (!ops.Replace(temporary, path)) {
        ops.Remove(temporary);
        return SaveStatus::CreateFailed;
    }
    return SaveStatus::Ok;
}

std::string FileNameForMessage(const std::string& nativePath)
{
    return PathToMessageText(FromFsPath(ToFsPath(nativePath).filename()));
}

}  // namespace natarix
