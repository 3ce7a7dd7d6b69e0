#include "RecordingMailer.h"

#include <filesystem>

#include "platform/FileOps.h"

namespace natarix::test {

std::int32_t RecordingMailer::SendEntriesMail(const MailMessage& message)
{
    sent.push_back(message);
    bothFilesExisted = std::filesystem::is_regular_file(ToFsPath(message.dsvPath)) &&
                       std::filesystem::is_regular_file(ToFsPath(message.pdfPath));
    return result_;
}

}  // namespace natarix::test
