#pragma once

#include <functional>
#include <memory>

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class QDialog;
class QLineEdit;
class QListWidget;

namespace natarix::test {

// Runs the dialog modally, as the program does, and calls `drive` from inside
// its loop. A dialog that `drive` leaves open is cancelled and the test fails,
// so that no test waits for a user. Returns the dialog's result.
int ExecDriven(QDialog& dialog, const std::function<void()>& drive);

// What a message box showed before the test answered it.
struct ShownMessageBox {
    bool shown = false;
    QString title;
    QString text;
    QString details;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString owner;                 // the object name of its parent
    std::unique_ptr<QTimer> poll;  // looks for the box while this record lives
};

// Waits for the next message box, as long as the record lives, notes what it
// shows and clicks `answer`.
std::shared_ptr<ShownMessageBox> AnswerNextMessageBox(QMessageBox::StandardButton answer = QMessageBox::Ok);

// Key events for each character, also for characters beyond ASCII (a pair of
// surrogates travels as one event).
void TypeText(QWidget* widget, const QString& text);

// Clears the field as a user does (select all, Backspace) and types the text.
void Retype(QLineEdit* field, const QString& text);

// Makes the item of that text current with a click on it and toggles it with
// the space bar.
void Toggle(QListWidget& list, const QString& text);

// Clicks the dialog's OK and answers the message box of a check that fails:
// its text, or empty when none came.
QString ClickOkForCheck(QDialog& dialog);

// The object names of the dialog's own controls in the order Tab visits them.
QStringList TabOrder(QWidget& dialog);

// The dialog's control of that object name; a missing one ends the test run.
template <typename T>
T* Control(QWidget& dialog, const char* name)
{
    auto* control = dialog.findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr)
        qFatal("no control named %s", name);
    return control;
}

}  // namespace natarix::test
