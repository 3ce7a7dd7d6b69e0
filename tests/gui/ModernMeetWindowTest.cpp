#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "GuiTestSupport.h"
#include "WindowTestSupport.h"
#include "gui/ApplicationFont.h"
#include "gui/ClubDialog.h"
#include "gui/EntryDialog.h"
#include "gui/MainWindow.h"
#include "gui/MessageBoxes.h"
#include "gui/OfficialDialog.h"
#include "gui/SwimmerDialog.h"
#include "gui/TeamDialog.h"

using namespace natarix;
using namespace natarix::test;

// A meet of format 7 in the window: shown with its rounds, open for editing,
// its working file kept as a Vereinsmeldeliste of its own format.
class ModernMeetWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetApplicationFont(); }
    void OlderWorkingFileIsKeptAndTheMeetOpensForEditing();
    void VolunteerEntersTheMeetAndExportsFormatSeven();
};

void ModernMeetWindowTest::OlderWorkingFileIsKeptAndTheMeetOpensForEditing()
{
    Folder folder;
    folder.Copy("tests/data/two-rounds.dsv7", "two-rounds.dsv7");
    folder.Copy("tests/data/two-rounds.dsv7.meld", "two-rounds.dsv7.meld");
    const QByteArray older = folder.Read("two-rounds.dsv7.meld");
    MessageBoxes::Recorder boxes;
    FakeFileOps ops;
    RecordingMailer mailer;
    MainWindow window(folder.Native(), ops, mailer);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTreeWidget& entries = *Find<QTreeWidget>(window, "entriesList");
    const int formatFiveWidth = entries.columnWidth(1);
    window.OpenStartupDefinition();

    QCOMPARE(boxes.messages.size(), std::size_t{1});
    QVERIFY(boxes.messages[0].text.find("in einem älteren Format") != std::string::npos);
    QCOMPARE(folder.Read("two-rounds.dsv7.meld.original"), older);
    QVERIFY(folder.Read("two-rounds.dsv7.meld").startsWith("FORMAT:Vereinsmeldeliste;7;\r\n"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Natarix"));
    QCOMPARE(Find<QGroupBox>(window, "eventBox")->title(), QStringLiteral("Veranstaltung"));
    QVERIFY(Find<QPushButton>(window, "newSwimmerButton")->isEnabled());
    // The team, first in the list, swims relay event 2, a single round. Lena,
    // born 2011, may swim the heats of event 1; the final is not entered.
    QTreeWidget& participants = *Find<QTreeWidget>(window, "participantsList");
    QCOMPARE(Column(participants, 0), (QStringList{"1. Mannschaft", QString::fromUtf8("Krüger")}));
    QCOMPARE(Rows(entries), (QList<QStringList>{{"2", "4x50m L", "X", ""}}));
    ClickRow(participants, 1);
    QCOMPARE(Rows(entries), (QList<QStringList>{{"1", "100m F Vorlauf", "W", "01:25,35"}}));
    QVERIFY(entries.columnWidth(1) > formatFiveWidth);
}

namespace {

void AddSwimmer(MainWindow& window, const QString& surname, const QString& firstName, bool female, const char* year,
                const QString& dsvId, const QString& nation)
{
    const auto dialog = DriveNext<SwimmerDialog>([&](SwimmerDialog& d) {
        TypeText(Find<QLineEdit>(d, "surnameEdit"), surname);
        TypeText(Find<QLineEdit>(d, "firstNameEdit"), firstName);
        QTest::mouseClick(Find<QRadioButton>(d, female ? "femaleRadio" : "maleRadio"), Qt::LeftButton);
        QDateEdit* yearEdit = Find<QDateEdit>(d, "yearOfBirthEdit");
        yearEdit->setFocus();
        QTest::keyClick(yearEdit, Qt::Key_A, Qt::ControlModifier);
        TypeText(yearEdit, year);
        Retype(Find<QLineEdit>(d, "registrationNumberEdit"), dsvId);
        Retype(Find<QLineEdit>(d, "nationality1Edit"), nation);
        QTest::keyClick(&d, Qt::Key_Return);
    });
    QTest::mouseClick(Find<QPushButton>(window, "newSwimmerButton"), Qt::LeftButton);
    QVERIFY(dialog->shown);
}

int RowOf(QTreeWidget& list, const QString& firstColumn)
{
    return static_cast<int>(Column(list, 0).indexOf(firstColumn));
}

}  // namespace

// The whole way of a volunteer through a format-7 meet: club, two swimmers,
// a relay with its line-up, an official; the export is the golden file.
void ModernMeetWindowTest::VolunteerEntersTheMeetAndExportsFormatSeven()
{
    Folder folder;
    folder.Copy("tests/data/two-rounds.dsv7", "two-rounds.dsv7");
    MessageBoxes::Recorder boxes;
    RecordingMailer mailer;
    MainWindow window(folder.Native(), SystemFileOps(), mailer);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.OpenStartupDefinition();
    auto& participants = *Find<QTreeWidget>(window, "participantsList");
    auto& entries = *Find<QTreeWidget>(window, "entriesList");

    const auto club = DriveNext<ClubDialog>([](ClubDialog& d) {
        Retype(Find<QLineEdit>(d, "clubNameEdit"), QString::fromUtf8("SV Möwe 05"));
        Retype(Find<QLineEdit>(d, "clubIdEdit"), QStringLiteral("4711"));
        Retype(Find<QLineEdit>(d, "contactNameEdit"), QStringLiteral("Muster, Petra"));
        Retype(Find<QLineEdit>(d, "emailEdit"), QStringLiteral("petra@example.org"));
        QComboBox* lsv = Find<QComboBox>(d, "lsvComboBox");
        lsv->setFocus();
        for (int step = 0; step < 10; ++step)
            QTest::keyClick(lsv, Qt::Key_Down);
        QTest::mouseClick(Find<QPushButton>(d, "okButton"), Qt::LeftButton);
    });
    QTest::mouseClick(Find<QPushButton>(window, "clubDataButton"), Qt::LeftButton);
    QVERIFY(club->shown);

    AddSwimmer(window, QString::fromUtf8("Krüger"), QStringLiteral("Lena"), true, "2011", "123456", "ger");
    AddSwimmer(window, QString::fromUtf8("Krüger"), QStringLiteral("Paul"), false, "2009", "", "");
    ClickRow(participants, RowOf(participants, QString::fromUtf8("Krüger")));
    const auto entry = DriveNext<EntryDialog>([](EntryDialog& d) {
        QLineEdit* time = Find<QLineEdit>(d, "entryTimeEdit");
        time->setFocus();
        QTest::keyClick(time, Qt::Key_Home);
        TypeText(time, "012535");
        QTest::keyClick(time, Qt::Key_Return);
    });
    DoubleClickRow(entries, 0);
    QVERIFY(entry->shown);

    const auto team = DriveNext<TeamDialog>([](TeamDialog& d) {
        Retype(Find<QLineEdit>(d, "teamNameEdit"), QStringLiteral("Mixed"));
        QTest::keyClick(&d, Qt::Key_Return);
    });
    QTest::mouseClick(Find<QPushButton>(window, "newTeamButton"), Qt::LeftButton);
    QVERIFY(team->shown);
    ClickRow(participants, RowOf(participants, QStringLiteral("1. Mannschaft, Mixed")));
    const auto relay = DriveNext<EntryDialog>([](EntryDialog& d) {
        QLineEdit* time = Find<QLineEdit>(d, "entryTimeEdit");
        time->setFocus();
        QTest::keyClick(time, Qt::Key_Home);
        TypeText(time, "021580");
        // After "(offen)" the swimmers in name order: Lena, then Paul; Paul swims first.
        Find<QComboBox>(d, "leg1ComboBox")->setCurrentIndex(2);
        Find<QComboBox>(d, "leg2ComboBox")->setCurrentIndex(1);
        QTest::mouseClick(Find<QPushButton>(d, "okButton"), Qt::LeftButton);
    });
    DoubleClickRow(entries, 0);
    QVERIFY(relay->shown);

    const auto official = DriveNext<OfficialDialog>([](OfficialDialog& d) {
        TypeText(Find<QLineEdit>(d, "surnameEdit"), QStringLiteral("Richter"));
        TypeText(Find<QLineEdit>(d, "firstNameEdit"), QStringLiteral("Rita"));
        Find<QComboBox>(d, "groupComboBox")->setCurrentIndex(1);
        Find<QComboBox>(d, "wishComboBox")->setCurrentIndex(1);
        Find<QListWidget>(d, "sectionsList")->item(1)->setCheckState(Qt::Checked);
        QTest::mouseClick(Find<QPushButton>(d, "okButton"), Qt::LeftButton);
    });
    QTest::mouseClick(Find<QPushButton>(window, "newOfficialButton"), Qt::LeftButton);
    QVERIFY(official->shown);

    // Two legs are still open and Paul has no DSV-ID: the window asks first.
    boxes.answers.push_back(true);
    Find<QAction>(window, "exportAction")->trigger();
    QCOMPARE(boxes.questions.size(), std::size_t{1});
    QCOMPARE(boxes.questions[0].caption, std::string("Vor dem Versand prüfen"));
    const QString exported = QStringLiteral("2025-03-09-Musterst-SVMoewe05-Me.DSV7");
    folder.Copy("tests/data/modern-walk-Me.DSV7", "golden.DSV7");
    QCOMPARE(folder.Read(exported), folder.Read("golden.DSV7"));
    QVERIFY(folder.Exists("2025-03-09-Musterst-SVMoewe05-Me.PDF"));
    QVERIFY(folder.Read("two-rounds.dsv7.meld").startsWith("FORMAT:Vereinsmeldeliste;7;\r\n"));
    QCOMPARE(boxes.messages.size(), std::size_t{0});
}

QTEST_MAIN(ModernMeetWindowTest)
#include "ModernMeetWindowTest.moc"
