#pragma once

#include <QLineEdit>

namespace natarix {

// The entry time field: holds a time MM:SS,hh whose digits are overwritten one
// typed character at a time. Insert and Delete do nothing, Backspace and the
// Ctrl shortcuts (copy, cut, paste, undo ...) do nothing, and no text reaches
// the field by paste or drop; caret movement is the line edit's own.
class EntryTimeField : public QLineEdit {
    Q_OBJECT

public:
    explicit EntryTimeField(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Type(QChar character);
};

}  // namespace natarix
