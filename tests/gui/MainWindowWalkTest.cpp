#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <memory>

#include "GuiTestSupport.h"
#include "WindowTestSupport.h"
#include "codec/Cp1252.h"
#include "gui/ApplicationFont.h"
#include "gui/ClubDialog.h"
#include "gui/EntryDialog.h"
#include "gui/MainWindow.h"
#include "gui/MessageBoxes.h"
#include "gui/ModelText.h"
#include "gui/SwimmerDialog.h"

using namespace natarix;
using namespace natarix::test;

// A club volunteer's evening with the program, from an empty start folder to
// the files for the organiser, with the keys and clicks a user makes.
class MainWindowWalkTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void VolunteerWalk();

private:
    QString originalCurrent_ = QDir::currentPath();
};

namespace {

QByteArray Cp1252(const char* utf8)
{
    return QByteArray::fromStdString(Utf8ToCp1252(utf8));
}

// What the working file carries of the club side: everything after the
// competition's events.
QByteArray ClubSide(const QByteArray& workingFile)
{
    return workingFile.mid(workingFile.indexOf("\r\n\r\nVEREIN:") + 4);
}

}  // namespace

void MainWindowWalkTest::initTestCase()
{
    SetApplicationFont();
}

void MainWindowWalkTest::cleanup()
{
    QDir::setCurrent(originalCurrent_);
}

void MainWindowWalkTest::VolunteerWalk()
{
    Folder start;
    Folder lists;
    lists.Copy("examples/Bezirksmeisterschaften-2027.dsv", "Bezirksmeisterschaften-2027.dsv");
    QDir::setCurrent(start.Path());
    MessageBoxes::Recorder boxes;
    RecordingMailer mailer;
    MainWindow window(start.Native(), SystemFileOps(), mailer);
    window.SetToday([] { return Date("01.02.2027"); });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.OpenStartupDefinition();
    QVERIFY(window.cycle().meet() == nullptr);

    auto& title = *Find<QLabel>(window, "titleLabel");
    auto& participants = *Find<QTreeWidget>(window, "participantsList");
    auto& entries = *Find<QTreeWidget>(window, "entriesList");

    // Open the example.
    window.SetOpenFileChooser(
        [&](const MainWindow::OpenFileRequest&) { return lists.Path("Bezirksmeisterschaften-2027.dsv"); });
    Find<QAction>(window, "openAction")->trigger();
    QCOMPARE(title.text(), QStringLiteral("Bezirksmeisterschaften 2027"));
    QVERIFY(lists.Exists("Bezirksmeisterschaften-2027.dsv.meld"));

    // The club's data.
    const auto club = DriveNext<ClubDialog>([](ClubDialog& dialog) {
        Retype(Find<QLineEdit>(dialog, "clubNameEdit"), QString::fromUtf8("SV Möwe 05"));
        Retype(Find<QLineEdit>(dialog, "contactNameEdit"), QStringLiteral("Petra Muster"));
        Retype(Find<QLineEdit>(dialog, "emailEdit"), QStringLiteral("petra@example.org"));
        QComboBox* lsv = Find<QComboBox>(dialog, "lsvComboBox");
        lsv->setFocus();
        for (int step = 0; step < 18; ++step)
            QTest::keyClick(lsv, Qt::Key_Down);
        QTest::mouseClick(Find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    QTest::mouseClick(Find<QPushButton>(window, "clubDataButton"), Qt::LeftButton);
    QVERIFY(club->shown);

    // A swimmer.
    const auto swimmer = DriveNext<SwimmerDialog>([](SwimmerDialog& dialog) {
        TypeText(Find<QLineEdit>(dialog, "surnameEdit"), QString::fromUtf8("Übelhör"));
        TypeText(Find<QLineEdit>(dialog, "firstNameEdit"), QString::fromUtf8("Änne"));
        QTest::mouseClick(Find<QRadioButton>(dialog, "femaleRadio"), Qt::LeftButton);
        QDateEdit* year = Find<QDateEdit>(dialog, "yearOfBirthEdit");
        year->setFocus();
        QTest::keyClick(year, Qt::Key_A, Qt::ControlModifier);
        TypeText(year, "2011");
        Retype(Find<QLineEdit>(dialog, "registrationNumberEdit"), QStringLiteral("348211"));
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    QTest::mouseClick(Find<QPushButton>(window, "newSwimmerButton"), Qt::LeftButton);
    QVERIFY(swimmer->shown);
    QCOMPARE(Rows(participants),
             (QList<QStringList>{{QString::fromUtf8("Übelhör"), QString::fromUtf8("Änne"), "2011", "W", "348211"}}));
    QCOMPARE(SelectedRow(participants), 0);
    // Women's events open to a girl born 2011, by number.
    QCOMPARE(Column(entries, 0).mid(0, 4), (QStringList{"1", "3", "5", "7"}));

    // An entry time for 200 m Lagen, typed digit by digit.
    const auto entry = DriveNext<EntryDialog>([](EntryDialog& dialog) {
        QCOMPARE(Find<QLabel>(dialog, "participantLabel")->text(), QString::fromUtf8("Teilnehmer: Übelhör, Änne"));
        QCOMPARE(Find<QLabel>(dialog, "eventLabel")->text(), QStringLiteral("Wettkampf 3: 200m L W"));
        QTest::keyClick(&dialog, Qt::Key_Tab);
        QLineEdit* time = Find<QLineEdit>(dialog, "entryTimeEdit");
        QVERIFY(time->hasFocus());
        QTest::keyClick(time, Qt::Key_Home);
        TypeText(time, "031234");
        QCOMPARE(time->text(), QStringLiteral("03:12,34"));
        QTest::keyClick(time, Qt::Key_Return);
    });
    DoubleClickRow(entries, 1);
    QVERIFY(entry->shown);
    QCOMPARE(Rows(entries).value(1), (QStringList{"3", "200m L", "W", "03:12,34"}));

    // The working file, byte for byte.
    const QByteArray expected = Cp1252(
        "VEREIN:SV Möwe 05;VNKENNZAHL:;LSV:18: Schwimmverband Württemberg;NATION:;\r\n"
        "ANSPRECHPARTNER:Petra Muster;;;;;;;petra@example.org;\r\n"
        "\r\n"
        "PNMELDUNG:Übelhör,Änne;348211;W;2011;;\r\n"
        "STARTS:3;03:12,34;\r\n"
        "\r\n"
        "DATEIENDE");
    const QByteArray workingFile = lists.Read("Bezirksmeisterschaften-2027.dsv.meld");
    QVERIFY(workingFile.startsWith("VEREINSMELDELISTE:\r\nFORMAT:5;\r\n"));
    QCOMPARE(ClubSide(workingFile), expected);

    // Opening the list again shows the same.
    const QList<QStringList> participantRows = Rows(participants);
    const QList<QStringList> entryRows = Rows(entries);
    Find<QAction>(window, "openAction")->trigger();
    QCOMPARE(Rows(participants), participantRows);
    QCOMPARE(Rows(entries), entryRows);
    QCOMPARE(ToQString(window.cycle().entries().club.clubName), QString::fromUtf8("SV Möwe 05"));
    QCOMPARE(lists.Read("Bezirksmeisterschaften-2027.dsv.meld"), workingFile);

    // The files for the organiser, in the start folder; the check misses the
    // club number, which a format-5 list may go without.
    boxes.answers = {true, true};
    Find<QAction>(window, "exportAction")->trigger();
    QCOMPARE(boxes.questions.size(), std::size_t(1));
    QCOMPARE(boxes.questions[0].text, std::string("Warnung: Vereinsdaten: Es fehlt die Vereinsnummer. In den "
                                                  "Vereinsdaten eintragen.\n\nTrotzdem exportieren?"));
    const QString dsv = QStringLiteral("270314-Kuehlenbrueck-Me-SVMoewe05.DSV");
    const QString pdf = QStringLiteral("270314-Kuehlenbrueck-Meldungen-SVMoewe05.PDF");
    QVERIFY(start.Read(dsv).startsWith("VEREINSMELDELISTE:\r\nFORMAT:5;\r\n"));
    QVERIFY(start.Read(dsv).contains(Cp1252("PNMELDUNG:Übelhör,Änne;348211;W;2011;;\r\nSTARTS:3;03:12,34;")));
    QVERIFY(start.Read(pdf).startsWith("%PDF-1.1"));
    QVERIFY(!lists.Exists(dsv));
    QVERIFY(mailer.sent.empty());

    // And by mail.
    Find<QAction>(window, "mailAction")->trigger();
    QCOMPARE(mailer.sent.size(), std::size_t(1));
    QCOMPARE(mailer.sent[0].dsvPath, start.Native(dsv));
    QCOMPARE(mailer.sent[0].pdfPath, start.Native(pdf));
    QCOMPARE(mailer.sent[0].recipientAddress, std::string("meldung@bezirk-suedhoehe.example.org"));
    QCOMPARE(ToQString(mailer.sent[0].subject),
             QString::fromUtf8("Meldungen für Bezirksmeisterschaften 2027 von SV Möwe 05"));

    QCOMPARE(boxes.messages.size(), std::size_t(0));
    Find<QAction>(window, "quitAction")->trigger();
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(MainWindowWalkTest)
#include "MainWindowWalkTest.moc"
