#include "gui/EntryTimeField.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <array>

namespace natarix {

namespace {

constexpr int kTimeLength = 8;

// What a caret position accepts: digits up to `highestDigit` (none when it is
// below '0'), and where the caret goes after one, jumping over ":" and ",".
struct CaretRule {
    char16_t highestDigit;
    int next;
};
constexpr std::array<CaretRule, kTimeLength> kCaretRules = {{
    {u'9', 1},  // tens of minutes
    {u'9', 3},  // minutes
    {0, 2},     // ":"
    {u'5', 4},  // tens of seconds
    {u'9', 6},  // seconds
    {0, 5},     // ","
    {u'9', 7},  // tenths
    {u'9', 8},  // hundredths
}};

}  // namespace

EntryTimeField::EntryTimeField(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(kTimeLength);
    setAcceptDrops(false);
}

void EntryTimeField::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    // Backspace is a character that no position accepts.
    if (key == Qt::Key_Insert || key == Qt::Key_Delete || key == Qt::Key_Backspace)
        return;
    const auto modifiers = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    // Ctrl with a letter gives a control character (copy, cut, paste, undo, ...).
    if (modifiers == Qt::ControlModifier && key >= Qt::Key_A && key <= Qt::Key_Z)
        return;
    const QString text = event->text();
    if (text.isEmpty() || text.front().category() == QChar::Other_Control) {
        // Caret movement, Enter and Escape for the dialog, focus keys.
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Ctrl or Alt alone with another key types nothing; Ctrl+Alt is AltGr.
    if (modifiers == Qt::NoModifier || modifiers == (Qt::ControlModifier | Qt::AltModifier)) {
        for (QChar character : text)
            Type(character);
    }
}

void EntryTimeField::inputMethodEvent(QInputMethodEvent* event)
{
    // Composed characters count as typed ones; a preedit text is not shown.
    for (QChar character : event->commitString())
        Type(character);
    event->accept();
}

void EntryTimeField::Type(QChar character)
{
    int caret = 0;
    if (!hasSelectedText())
        caret = cursorPosition();
    else if (selectionStart() != 0 || selectionEnd() != kTimeLength)
        return;  // only the whole time counts, as a caret at its start
    if (caret >= kTimeLength)
        return;
    const CaretRule rule = kCaretRules[static_cast<std::size_t>(caret)];
    if (character < u'0' || character > QChar(rule.highestDigit))
        return;
    // A shorter stored text grows at its end.
    QString time = text();
    if (caret < time.size())
        time[caret] = character;
    else
        time.append(character);
    setText(time);
    setCursorPosition(std::min<int>(rule.next, static_cast<int>(time.size())));
}

void EntryTimeField::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("entryTimeMenu"));
    QAction* copy = menu.addAction(QStringLiteral("&Kopieren"), this, &QLineEdit::copy);
    copy->setEnabled(hasSelectedText());
    menu.addAction(QStringLiteral("Alles &markieren"), this, &QLineEdit::selectAll);
    menu.exec(event->globalPos());
}

void EntryTimeField::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button would paste the selection of X11.
    if (event->button() == Qt::MiddleButton)
        return;
    QLineEdit::mouseReleaseEvent(event);
}

}  // namespace natarix
