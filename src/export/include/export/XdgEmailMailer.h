#pragma once

#include <string>
#include <vector>

#include "export/Mailer.h"

namespace natarix {

// Hands the message to the desktop's default mail program through xdg-email.
class XdgEmailMailer : public Mailer {
public:
    explicit XdgEmailMailer(std::string program = "xdg-email") : program_(std::move(program)) {}

    std::int32_t SendEntriesMail(const MailMessage& message) override;

    // The arguments after the program name, in UTF-8.
    static std::vector<std::string> Arguments(const MailMessage& message);

private:
    std::string program_;
};

}  // namespace natarix
