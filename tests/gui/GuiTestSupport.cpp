#include "GuiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

namespace natarix::test {

int ExecDriven(QDialog& dialog, const std::function<void()>& drive)
{
    QTimer::singleShot(0, &dialog, [&dialog, drive] {
        drive();
        if (dialog.isVisible()) {
            if (!QTest::currentTestFailed())
                QTest::qFail("the dialog was left open", __FILE__, __LINE__);
            dialog.reject();
        }
    });
    return dialog.exec();
}

std::shared_ptr<ShownMessageBox> AnswerNextMessageBox(QMessageBox::StandardButton answer)
{
    auto shown = std::make_shared<ShownMessageBox>();
    shown->poll = std::make_unique<QTimer>();
    ShownMessageBox* record = shown.get();
    QObject::connect(record->poll.get(), &QTimer::timeout, [record, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        record->poll->stop();
        record->shown = true;
        record->title = box->windowTitle();
        record->text = box->text();
        record->details = box->detailedText();
        record->icon = box->icon();
        for (const QAbstractButton* button : box->buttons())
            record->buttons << button->text();
        if (const QWidget* parent = box->parentWidget())
            record->owner = parent->objectName();
        if (QAbstractButton* button = box->button(answer))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            box->done(0);
    });
    record->poll->start(10);
    return shown;
}

void TypeText(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
        } else {
            const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
            i += length - 1;
        }
    }
}

void Retype(QLineEdit* field, const QString& text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    TypeText(field, text);
}

QString ClickOkForCheck(QDialog& dialog)
{
    const auto box = AnswerNextMessageBox();
    QTest::mouseClick(Control<QAbstractButton>(dialog, "okButton"), Qt::LeftButton);
    return box->shown ? box->text : QString();
}

QStringList TabOrder(QWidget& dialog)
{
    QStringList order;
    for (QWidget* widget = dialog.nextInFocusChain(); widget != &dialog; widget = widget->nextInFocusChain())
        if (widget->parentWidget() == &dialog && widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
    return order;
}

void Toggle(QListWidget& list, const QString& text)
{
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(found.front()).center());
    QTest::keyClick(&list, Qt::Key_Space);
}

}  // namespace natarix::test
