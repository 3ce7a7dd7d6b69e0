#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "model/Messages.h"

class QWidget;

namespace natarix {

// Every message box of the program. While a Recorder exists nothing is shown:
// messages and questions are recorded and the questions answered from its
// queue, so that a test never waits for a user.
class MessageBoxes {
public:
    // Warning: warning icon; Plain and Captioned: no icon. The caption is the
    // message's own (empty for Plain). OK only. Without a parent the box
    // belongs to no window. A text of more than 15 lines shows its first 12
    // and keeps them all in the box's details.
    static void Show(const Message& message, QWidget* parent = nullptr);

    // Buttons "Ja" and "Nein", no icon, "Ja" the default; true for "Ja".
    static bool AskYesNo(const std::string& text, const std::string& caption, QWidget* parent = nullptr);

    // While a Recorder exists: records the yes-or-no question and gives its
    // answer. Nothing otherwise: then the caller asks in a window of its own.
    static std::optional<bool> RecordedAnswer(const std::string& text, const std::string& caption);

    enum class Answer { Yes, No, Cancel };
    // Buttons "Ja", "Nein" and "Abbrechen", a question icon, "Abbrechen" the
    // default and what Escape gives.
    static Answer AskYesNoCancel(const std::string& text, const std::string& caption, QWidget* parent = nullptr);

    class Recorder {
    public:
        Recorder();
        ~Recorder();
        Recorder(const Recorder&) = delete;
        Recorder& operator=(const Recorder&) = delete;

        std::vector<Message> messages;
        std::vector<Message> questions;  // as Captioned messages
        std::deque<bool> answers;        // taken front first; "Nein" when none is left
        std::deque<Answer> choices;      // for AskYesNoCancel; "Abbrechen" when none is left

    private:
        Recorder* previous_;
    };
};

}  // namespace natarix
