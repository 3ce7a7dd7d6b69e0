#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/ReadLocation.h"

namespace natarix {

// How a message is to be shown. The text (UTF-8) and the kind of box
// travel together so that every front end shows it the same way.
enum class MessageKind {
    Warning,    // file-level failure: warning icon, the system's default caption
    Plain,      // content failure: no icon, empty caption
    Captioned,  // no icon, a caption of its own
};

struct Message {
    static constexpr const char* kDefaultCaption = "Fehler";

    MessageKind kind = MessageKind::Plain;
    std::string text;
    std::string caption;
    // A reading failure says where the reading stopped, on a line of its own.
    std::optional<ReadLocation> location;

    static Message Warning(std::string text) { return {MessageKind::Warning, std::move(text), kDefaultCaption, {}}; }
    static Message Plain(std::string text) { return {MessageKind::Plain, std::move(text), {}, {}}; }
    static Message Captioned(std::string text, std::string caption)
    {
        return {MessageKind::Captioned, std::move(text), std::move(caption), {}};
    }
    static Message ReadFailure(std::string text, ReadLocation location)
    {
        return {MessageKind::Plain, std::move(text), {}, std::move(location)};
    }

    // The text as the user sees it: the location, if any, on a second line.
    std::string ShownText() const
    {
        const std::string where = location ? LocationLine(*location) : std::string();
        return where.empty() ? text : text + "\n" + where;
    }

    bool operator==(const Message&) const = default;
};

// The warnings of one reading as one message under `caption`, a line each:
// shown once, not a box per line.
inline Message WarningsMessage(const std::vector<Message>& warnings, std::string caption)
{
    std::string lines;
    for (const Message& warning : warnings)
        lines.append(lines.empty() ? "" : "\n").append(warning.ShownText());
    return Message::Captioned(std::move(lines), std::move(caption));
}

// Where the core reports what the user must learn about.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void Show(const Message& message) = 0;
};

// Keeps every message; for tests and for callers that decide later.
class RecordingMessageSink : public MessageSink {
public:
    void Show(const Message& message) override { messages.push_back(message); }
    std::vector<Message> messages;
};

}  // namespace natarix
