#include "gui/MessageBoxes.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include "gui/ModelText.h"

namespace natarix {

namespace {

MessageBoxes::Recorder* activeRecorder = nullptr;

// The button texts are set here: the program speaks German whatever
// translations Qt has loaded.
void SetUpBox(QMessageBox& box, const std::string& text, const std::string& caption)
{
    // Names and paths in a message are shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQString(text));
    box.setWindowTitle(ToQString(caption));
}

// A list of hundreds of warnings would make a box taller than the screen: the
// box shows the first lines and keeps every line in its details.
void SetUpLongText(QMessageBox& box)
{
    constexpr qsizetype kMostLines = 15;
    constexpr qsizetype kLinesShownOfMore = 12;
    const QStringList lines = box.text().split(QLatin1Char('\n'));
    if (lines.size() <= kMostLines)
        return;
    box.setDetailedText(box.text());
    const qsizetype more = lines.size() - kLinesShownOfMore;
    box.setText(lines.first(kLinesShownOfMore).join(QLatin1Char('\n')) +
                QStringLiteral("\n… und %1 weitere Zeilen; alle stehen in den Details.").arg(more));
}

}  // namespace

MessageBoxes::Recorder::Recorder() : previous_(activeRecorder)
{
    activeRecorder = this;
}

MessageBoxes::Recorder::~Recorder()
{
    activeRecorder = previous_;
}

void MessageBoxes::Show(const Message& message, QWidget* parent)
{
    if (activeRecorder != nullptr) {
        activeRecorder->messages.push_back(message);
        return;
    }
    QMessageBox box(parent);
    SetUpBox(box, message.ShownText(), message.caption);
    SetUpLongText(box);
    box.setIcon(message.kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

std::optional<bool> MessageBoxes::RecordedAnswer(const std::string& text, const std::string& caption)
{
    if (activeRecorder == nullptr)
        return std::nullopt;
    activeRecorder->questions.push_back(Message::Captioned(text, caption));
    if (activeRecorder->answers.empty())
        return false;
    const bool answer = activeRecorder->answers.front();
    activeRecorder->answers.pop_front();
    return answer;
}

bool MessageBoxes::AskYesNo(const std::string& text, const std::string& caption, QWidget* parent)
{
    if (const auto answer = RecordedAnswer(text, caption))
        return *answer;
    QMessageBox box(parent);
    SetUpBox(box, text, caption);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

MessageBoxes::Answer MessageBoxes::AskYesNoCancel(const std::string& text, const std::string& caption, QWidget* parent)
{
    if (activeRecorder != nullptr) {
        activeRecorder->questions.push_back(Message::Captioned(text, caption));
        if (activeRecorder->choices.empty())
            return Answer::Cancel;
        const Answer answer = activeRecorder->choices.front();
        activeRecorder->choices.pop_front();
        return answer;
    }
    QMessageBox box(parent);
    SetUpBox(box, text, caption);
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    // A stray Return or Escape must neither delete entries nor keep a change.
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

}  // namespace natarix
