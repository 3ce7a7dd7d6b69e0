#pragma once

#include <cstdint>
#include <string>

namespace natarix {

// What the export hands to the user's mail program. Texts (the two file
// names included) are UTF-8; the two paths are in the file system's own
// encoding.
struct MailMessage {
    std::string subject;
    std::string noteText;
    std::string dsvPath;
    std::string dsvName;
    std::string pdfPath;
    std::string pdfName;
    std::string recipientAddress;
    std::string recipientName;
};

// Hands a prepared message to the mail program, which lets the user send it.
class Mailer {
public:
    // Returned when no mail program could be reached.
    static constexpr std::int32_t kNoMailProgram = -1;

    virtual ~Mailer() = default;
    virtual std::int32_t SendEntriesMail(const MailMessage& message) = 0;
};

// The mail hand-over of this platform.
Mailer& SystemMailer();

}  // namespace natarix
