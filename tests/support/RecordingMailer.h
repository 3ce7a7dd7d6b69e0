#pragma once

#include <cstdint>
#include <vector>

#include "export/Mailer.h"

namespace natarix::test {

// Keeps what the export hands to the mail program and answers with a result
// of the test's choosing; notes whether both files stood on the disk then.
class RecordingMailer : public Mailer {
public:
    explicit RecordingMailer(std::int32_t result = 0) : result_(result) {}

    std::int32_t SendEntriesMail(const MailMessage& message) override;

    std::vector<MailMessage> sent;
    bool bothFilesExisted = false;

private:
    std::int32_t result_;
};

}  // namespace natarix::test
