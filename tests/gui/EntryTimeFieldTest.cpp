#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include "gui/EntryTimeField.h"

using namespace natarix;

class EntryTimeFieldTest : public QObject {
    Q_OBJECT

private slots:
    void Keystroke_data();
    void Keystroke();
    void SixDigitsFillTheTime();
    void ComposedTextCountsAsTyped_data();
    void ComposedTextCountsAsTyped();
    void ContextMenuOffersNoPaste();
    void DropChangesNothing();
    void MiddleClickPastesNothing();
};

namespace {

constexpr int kNone = int(Qt::NoModifier);
constexpr int kCtrl = int(Qt::ControlModifier);
constexpr int kShift = int(Qt::ShiftModifier);

}  // namespace

void EntryTimeFieldTest::Keystroke_data()
{
    // The field holds `before` with positions selectionStart to
    // selectionStart + selectionLength selected (a plain caret when the length
    // is 0); one key is pressed; then it holds `after` with the given caret or
    // selection. The clipboard holds "7" throughout.
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("selectionStartAfter");
    QTest::addColumn<int>("selectionLengthAfter");

    const QString zero = QStringLiteral("00:00,00");
    // The caret table, position by position.
    QTest::newRow("0 takes 9") << zero << 0 << 0 << int(Qt::Key_9) << kNone << "90:00,00" << 1 << 0;
    QTest::newRow("0 refuses a letter") << zero << 0 << 0 << int(Qt::Key_A) << kNone << zero << 0 << 0;
    QTest::newRow("1 takes 9, jumps over the colon")
        << zero << 1 << 0 << int(Qt::Key_9) << kNone << "09:00,00" << 3 << 0;
    QTest::newRow("2 (colon) takes nothing") << zero << 2 << 0 << int(Qt::Key_1) << kNone << zero << 2 << 0;
    QTest::newRow("3 takes 5") << zero << 3 << 0 << int(Qt::Key_5) << kNone << "00:50,00" << 4 << 0;
    QTest::newRow("3 refuses 6") << zero << 3 << 0 << int(Qt::Key_6) << kNone << zero << 3 << 0;
    QTest::newRow("4 takes 9, jumps over the comma")
        << zero << 4 << 0 << int(Qt::Key_9) << kNone << "00:09,00" << 6 << 0;
    QTest::newRow("5 (comma) takes nothing") << zero << 5 << 0 << int(Qt::Key_1) << kNone << zero << 5 << 0;
    QTest::newRow("6 takes 9") << zero << 6 << 0 << int(Qt::Key_9) << kNone << "00:00,90" << 7 << 0;
    QTest::newRow("7 takes 9") << zero << 7 << 0 << int(Qt::Key_9) << kNone << "00:00,09" << 8 << 0;
    QTest::newRow("8 takes nothing") << zero << 8 << 0 << int(Qt::Key_1) << kNone << zero << 8 << 0;
    QTest::newRow("keypad digit") << zero << 0 << 0 << int(Qt::Key_4) << int(Qt::KeypadModifier) << "40:00,00" << 1
                                  << 0;

    // Keys that change nothing.
    QTest::newRow("Backspace") << zero << 4 << 0 << int(Qt::Key_Backspace) << kNone << zero << 4 << 0;
    QTest::newRow("Delete") << zero << 3 << 0 << int(Qt::Key_Delete) << kNone << zero << 3 << 0;
    QTest::newRow("minus") << zero << 0 << 0 << int(Qt::Key_Minus) << kNone << zero << 0 << 0;
    QTest::newRow("point") << zero << 1 << 0 << int(Qt::Key_Period) << kNone << zero << 1 << 0;
    QTest::newRow("blank") << zero << 0 << 0 << int(Qt::Key_Space) << kNone << zero << 0 << 0;
    QTest::newRow("Ctrl+digit") << zero << 0 << 0 << int(Qt::Key_5) << kCtrl << zero << 0 << 0;
    QTest::newRow("Alt+digit") << zero << 0 << 0 << int(Qt::Key_5) << int(Qt::AltModifier) << zero << 0 << 0;
    QTest::newRow("Ctrl+A selects nothing") << zero << 2 << 0 << int(Qt::Key_A) << kCtrl << zero << 2 << 0;

    // A selection of part of the time is left alone, by digits and by the
    // editing keys alike.
    QTest::newRow("part selected, digit") << zero << 3 << 2 << int(Qt::Key_1) << kNone << zero << 3 << 2;
    QTest::newRow("part selected, Backspace") << zero << 3 << 2 << int(Qt::Key_Backspace) << kNone << zero << 3 << 2;
    QTest::newRow("part selected, Delete") << zero << 3 << 2 << int(Qt::Key_Delete) << kNone << zero << 3 << 2;
    QTest::newRow("part selected, Ctrl+V") << zero << 3 << 2 << int(Qt::Key_V) << kCtrl << zero << 3 << 2;
    QTest::newRow("part selected, Ctrl+X") << zero << 3 << 2 << int(Qt::Key_X) << kCtrl << zero << 3 << 2;
    QTest::newRow("part selected, Shift+Insert") << zero << 3 << 2 << int(Qt::Key_Insert) << kShift << zero << 3 << 2;
    QTest::newRow("part selected, Shift+Delete") << zero << 3 << 2 << int(Qt::Key_Delete) << kShift << zero << 3 << 2;

    // The whole time selected counts as the caret at 0.
    QTest::newRow("all selected, 3") << "12:34,56" << 0 << 8 << int(Qt::Key_3) << kNone << "32:34,56" << 1 << 0;
    QTest::newRow("all selected, letter") << zero << 0 << 8 << int(Qt::Key_X) << kNone << zero << 0 << 8;
    QTest::newRow("all selected, Ctrl+V") << zero << 0 << 8 << int(Qt::Key_V) << kCtrl << zero << 0 << 8;

    // A shorter stored time: digits replace what stands at the caret, also a
    // separator, or extend the text at its end; all of it selected is not the
    // whole time.
    QTest::newRow("short, replaced") << "1:2" << 0 << 0 << int(Qt::Key_5) << kNone << "5:2" << 1 << 0;
    QTest::newRow("short, separator replaced") << "1:2" << 1 << 0 << int(Qt::Key_7) << kNone << "172" << 3 << 0;
    QTest::newRow("short, extended") << "1:2" << 3 << 0 << int(Qt::Key_4) << kNone << "1:24" << 4 << 0;
    QTest::newRow("short, all selected") << "1:2" << 0 << 3 << int(Qt::Key_9) << kNone << "1:2" << 0 << 3;
    QTest::newRow("short, Ctrl+V") << "1:2" << 3 << 0 << int(Qt::Key_V) << kCtrl << "1:2" << 3 << 0;

    // Caret movement is the line edit's own.
    QTest::newRow("Left") << zero << 4 << 0 << int(Qt::Key_Left) << kNone << zero << 3 << 0;
    QTest::newRow("Home") << zero << 4 << 0 << int(Qt::Key_Home) << kNone << zero << 0 << 0;
    QTest::newRow("End") << zero << 4 << 0 << int(Qt::Key_End) << kNone << zero << 8 << 0;
    QTest::newRow("Shift+End") << zero << 6 << 0 << int(Qt::Key_End) << kShift << zero << 6 << 2;
}

void EntryTimeFieldTest::Keystroke()
{
    QFETCH(QString, before);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    QFETCH(int, selectionStartAfter);
    QFETCH(int, selectionLengthAfter);

    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    EntryTimeField field;
    field.setText(before);
    if (selectionLength > 0)
        field.setSelection(selectionStart, selectionLength);
    else
        field.setCursorPosition(selectionStart);

    // Ctrl with a letter arrives with its control character, as the
    // platforms deliver it.
    if (modifiers == kCtrl && key >= Qt::Key_A && key <= Qt::Key_Z)
        QTest::sendKeyEvent(QTest::Click, &field, Qt::Key(key), QString(QChar(key - Qt::Key_A + 1)),
                            Qt::ControlModifier);
    else
        QTest::keyClick(&field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(field.text(), after);
    if (selectionLengthAfter > 0) {
        QCOMPARE(field.selectionStart(), selectionStartAfter);
        QCOMPARE(field.selectionLength(), selectionLengthAfter);
    } else {
        QVERIFY(!field.hasSelectedText());
        QCOMPARE(field.cursorPosition(), selectionStartAfter);
    }
}

void EntryTimeFieldTest::SixDigitsFillTheTime()
{
    EntryTimeField field;
    field.setText(QStringLiteral("00:00,00"));
    field.setCursorPosition(0);
    QTest::keyClicks(&field, QStringLiteral("123456"));
    QCOMPARE(field.text(), QStringLiteral("12:34,56"));
    QCOMPARE(field.cursorPosition(), 8);
    QTest::keyClick(&field, Qt::Key_7);
    QCOMPARE(field.text(), QStringLiteral("12:34,56"));
    QCOMPARE(field.cursorPosition(), 8);
}

void EntryTimeFieldTest::ComposedTextCountsAsTyped_data()
{
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("after");
    QTest::newRow("digits") << QStringLiteral("47") << QStringLiteral("47:00,00");
    QTest::newRow("letters") << QStringLiteral("ab") << QStringLiteral("00:00,00");
    QTest::newRow("mixed") << QStringLiteral("7a8") << QStringLiteral("78:00,00");
}

void EntryTimeFieldTest::ComposedTextCountsAsTyped()
{
    QFETCH(QString, commit);
    QFETCH(QString, after);
    EntryTimeField field;
    field.setText(QStringLiteral("00:00,00"));
    field.setCursorPosition(0);
    QInputMethodEvent event;
    event.setCommitString(commit);
    QApplication::sendEvent(&field, &event);
    QCOMPARE(field.text(), after);
}

void EntryTimeFieldTest::ContextMenuOffersNoPaste()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    EntryTimeField field;
    field.setText(QStringLiteral("1:2"));
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    QStringList actions;
    QTimer::singleShot(0, &field, [&actions] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        for (const QAction* action : menu->actions())
            actions << action->text();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), field.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&field, &event);
    QCOMPARE(actions, (QStringList{QStringLiteral("&Kopieren"), QStringLiteral("Alles &markieren")}));
    QCOMPARE(field.text(), QStringLiteral("1:2"));
}

void EntryTimeFieldTest::DropChangesNothing()
{
    EntryTimeField field;
    field.setText(QStringLiteral("1:2"));
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    QMimeData data;
    data.setText(QStringLiteral("99:59"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&field, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&field, &drop);
    QCOMPARE(field.text(), QStringLiteral("1:2"));
}

void EntryTimeFieldTest::MiddleClickPastesNothing()
{
    if (!QGuiApplication::clipboard()->supportsSelection())
        QSKIP("this platform has no selection to paste");
    QGuiApplication::clipboard()->setText(QStringLiteral("7"), QClipboard::Selection);
    EntryTimeField field;
    field.setText(QStringLiteral("1:2"));
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    QTest::mouseClick(&field, Qt::MiddleButton);
    QCOMPARE(field.text(), QStringLiteral("1:2"));
}

QTEST_MAIN(EntryTimeFieldTest)
#include "EntryTimeFieldTest.moc"
