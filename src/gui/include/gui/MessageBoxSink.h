#pragma once

#include "gui/MessageBoxes.h"
#include "model/Messages.h"

namespace natarix {

// Shows what the core reports in message boxes that belong to no window.
class MessageBoxSink : public MessageSink {
public:
    void Show(const Message& message) override { MessageBoxes::Show(message); }
};

}  // namespace natarix
