#pragma once

#include <string>

#include "export/Mailer.h"

namespace natarix {

// Hands the message to the default mail program's Simple MAPI library, found
// through the registry, which shows its own compose window.
class MapiMailer : public Mailer {
public:
    std::int32_t SendEntriesMail(const MailMessage& message) override;
};

// Expands %NAME% references with the environment; an unset variable expands
// to nothing and a reference still open at the end is dropped.
template <typename GetVariable>
std::string ExpandEnvironmentReferences(const std::string& text, GetVariable getVariable)
{
    std::string expanded;
    std::string name;
    bool inReference = false;
    for (const char c : text) {
        if (c == '%') {
            if (inReference)
                expanded += getVariable(name);
            name.clear();
            inReference = !inReference;
        } else if (inReference) {
            name += c;
        } else {
            expanded += c;
        }
    }
    return expanded;
}

}  // namespace natarix
