#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "WindowTestSupport.h"
#include "gui/ApplicationFont.h"
#include "gui/MainWindow.h"
#include "gui/MessageBoxes.h"
#include "gui/ModelText.h"
#include "platform/FileLock.h"

using namespace natarix;
using namespace natarix::test;

// A second window on a working file that another program holds: it says who,
// shows the competition and changes nothing. The lock taken here stands in
// for the other program.
class ReadOnlyWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetApplicationFont(); }
    void HeldWorkingFileIsShownReadOnly();
};

void ReadOnlyWindowTest::HeldWorkingFileIsShownReadOnly()
{
    Folder folder;
    folder.Copy("tests/data/minimal.dsv", "minimal.dsv");
    folder.Copy("tests/data/minimal.dsv.meld", "minimal.dsv.meld");
    const QByteArray working = folder.Read("minimal.dsv.meld");
    FileLock other;
    QCOMPARE(other.Take(folder.Native("minimal.dsv.meld.lock"), "Natarix (PID 4711 auf pc7) seit 08.12.2026 14:03"),
             FileLock::Outcome::Taken);

    MessageBoxes::Recorder boxes;
    FakeFileOps ops;
    RecordingMailer mailer;
    MainWindow window(folder.Native(), ops, mailer);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.OpenStartupDefinition();

    QCOMPARE(boxes.messages.size(), std::size_t{1});
    QCOMPARE(boxes.messages[0].kind, MessageKind::Warning);
    const QString text = ToQString(boxes.messages[0].text);
    QVERIFY2(text.contains(QStringLiteral("Natarix (PID 4711 auf pc7) seit 08.12.2026 14:03")), qPrintable(text));
    QCOMPARE(window.windowTitle(), QStringLiteral("Natarix – nur lesen"));
    QCOMPARE(Find<QGroupBox>(window, "eventBox")->title(), QStringLiteral("Veranstaltung – nur lesen"));
    for (const char* name : {"clubDataButton", "newSwimmerButton", "newTeamButton", "newOfficialButton"})
        QVERIFY2(!Find<QPushButton>(window, name)->isEnabled(), name);
    QVERIFY(!Find<QAction>(window, "exportAction")->isEnabled());
    QVERIFY(!Find<QAction>(window, "mailAction")->isEnabled());
    QVERIFY(Find<QAction>(window, "openAction")->isEnabled());

    // Double clicks and the delete menu open nothing; a dialog or menu that
    // does open is closed again, so that the test cannot hang.
    bool opened = false;
    QTimer guard;
    connect(&guard, &QTimer::timeout, [&opened] {
        for (QWidget* widget : {QApplication::activeModalWidget(), QApplication::activePopupWidget()}) {
            if (widget != nullptr) {
                opened = true;
                widget->close();
            }
        }
    });
    guard.start(10);
    for (const char* name : {"participantsList", "entriesList", "officialsList"}) {
        QTreeWidget& list = *Find<QTreeWidget>(window, name);
        QVERIFY2(list.topLevelItemCount() > 0, name);
        DoubleClickRow(list, 0);
        RightClickRow(list, 0);
    }
    QVERIFY(!opened);
    QCOMPARE(ops.SavesOf(folder.Native("minimal.dsv.meld")), 0);
    QCOMPARE(folder.Read("minimal.dsv.meld"), working);

    other.Release();
    window.OpenStartupDefinition();
    QCOMPARE(boxes.messages.size(), std::size_t{1});
    QCOMPARE(window.windowTitle(), QStringLiteral("Natarix"));
    QCOMPARE(Find<QGroupBox>(window, "eventBox")->title(), QStringLiteral("Veranstaltung"));
    QVERIFY(Find<QPushButton>(window, "newSwimmerButton")->isEnabled());
    QVERIFY(ops.SavesOf(folder.Native("minimal.dsv.meld")) > 0);
}

QTEST_MAIN(ReadOnlyWindowTest)
#include "ReadOnlyWindowTest.moc"
