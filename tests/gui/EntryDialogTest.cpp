#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "GuiTestSupport.h"
#include "gui/EntryDialog.h"
#include "gui/ModelText.h"

using namespace natarix;
using namespace natarix::test;

class EntryDialogTest : public QObject {
    Q_OBJECT

private slots:
    void Lines_data();
    void Lines();
    void NoEntryOffersZeroTime();
    void TypedTimeIsStored();
    void UncheckingRemovesTheEntry();
    void CancelChangesNothing();
    void StoredTime_data();
    void StoredTime();
};

namespace {

Event MakeEvent(const char* number, const char* swimmerCount, const char* distance, const char* technique,
                const char* sex)
{
    Event event;
    event.number = number;
    event.sectionNumber = "1";
    event.swimmerCount = swimmerCount;
    event.distance = distance;
    event.technique = technique;
    event.sex = sex;
    return event;
}

Swimmer MakeSwimmer()
{
    Swimmer swimmer;
    swimmer.surname = *ToModelText(QString::fromUtf8("Müller"));
    swimmer.firstName = "Anna";
    return swimmer;
}

}  // namespace

void EntryDialogTest::Lines_data()
{
    QTest::addColumn<bool>("team");
    QTest::addColumn<QString>("swimmerCount");
    QTest::addColumn<bool>("modern");
    QTest::addColumn<QString>("participantLine");
    QTest::addColumn<QString>("eventLine");
    QTest::addColumn<QString>("mandatoryTimeLine");  // empty: no such line
    QTest::newRow("swimmer, individual event") << false << "1" << false << QString::fromUtf8("Teilnehmer: Müller, Anna")
                                               << "Wettkampf 12: 100m B W" << QString();
    QTest::newRow("team, relay") << true << "4" << false << "Staffel: 3. Mannschaft"
                                 << "Wettkampf 12: 4x100m B W" << QString();
    // A heats event with legs only and a mandatory time for the years
    // 2010 to 2012, the swimmer's among them.
    QTest::newRow("swimmer, modern heats")
        << false << "1" << true << QString::fromUtf8("Teilnehmer: Müller, Anna") << "Wettkampf 12: 100m B W BE Vorlauf"
        << "Pflichtzeit: 00:01:30,00";
    QTest::newRow("team, modern heats") << true << "4" << true << "Staffel: 3. Mannschaft"
                                        << "Wettkampf 12: 4x100m B W BE Vorlauf" << QString();
}

void EntryDialogTest::Lines()
{
    QFETCH(bool, team);
    QFETCH(QString, swimmerCount);
    QFETCH(bool, modern);
    QFETCH(QString, participantLine);
    QFETCH(QString, eventLine);
    QFETCH(QString, mandatoryTimeLine);
    Event event = MakeEvent("12", swimmerCount.toLatin1().constData(), "100", "B", "W");
    if (modern) {
        event.round = Round::Heats;
        event.exercise = "BE";
        MandatoryTime mandatory;
        mandatory.swimmers.kind = ScoringClass::Kind::YearRange;
        mandatory.swimmers.yearFrom = 2010;
        mandatory.swimmers.yearTo = 2012;
        mandatory.time = "00:01:30,00";
        event.mandatoryTimes.push_back(mandatory);
    }
    Swimmer swimmer = MakeSwimmer();
    swimmer.yearOfBirth = 2011;
    Team relay;
    relay.teamNumber = "3";
    const std::unique_ptr<EntryDialog> made =
        team ? std::make_unique<EntryDialog>(relay, event) : std::make_unique<EntryDialog>(swimmer, event);
    EntryDialog& dialog = *made;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Meldung bearbeiten"));
    QCOMPARE(Control<QLabel>(dialog, "participantLabel")->text(), participantLine);
    QCOMPARE(Control<QLabel>(dialog, "eventLabel")->text(), eventLine);
    auto* mandatoryLabel = dialog.findChild<QLabel*>(QStringLiteral("mandatoryTimeLabel"));
    QCOMPARE(mandatoryLabel == nullptr ? QString() : mandatoryLabel->text(), mandatoryTimeLine);
}

void EntryDialogTest::NoEntryOffersZeroTime()
{
    const Event event = MakeEvent("7", "1", "50", "F", "W");
    Swimmer swimmer = MakeSwimmer();
    EntryDialog dialog(swimmer, event);
    const int result = ExecDriven(dialog, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // The check box, the first control, has the focus.
        QCOMPARE(dialog.focusWidget(), Control<QCheckBox>(dialog, "enterCheckBox"));
        QVERIFY(Control<QCheckBox>(dialog, "enterCheckBox")->isChecked());
        QCOMPARE(Control<QLineEdit>(dialog, "entryTimeEdit")->text(), QStringLiteral("00:00,00"));
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dialog.entryTime(), std::string("00:00,00"));
}

void EntryDialogTest::TypedTimeIsStored()
{
    const Event event = MakeEvent("7", "1", "50", "F", "W");
    Swimmer swimmer = MakeSwimmer();
    EntryDialog dialog(swimmer, event);
    const int result = ExecDriven(dialog, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* time = Control<QLineEdit>(dialog, "entryTimeEdit");
        // Tabbing into the field selects the whole time, which counts as the
        // caret at its start.
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        QCOMPARE(dialog.focusWidget(), time);
        QCOMPARE(time->selectedText(), QStringLiteral("00:00,00"));
        QTest::keyClick(time, Qt::Key_3);
        QCOMPARE(time->text(), QStringLiteral("30:00,00"));
        QCOMPARE(time->cursorPosition(), 1);
        QVERIFY(!time->hasSelectedText());
        QTest::keyClicks(time, QStringLiteral("0x1:5,9"));
        QCOMPARE(time->text(), QStringLiteral("30:15,90"));
        QTest::keyClick(time, Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dialog.entryTime(), std::string("30:15,90"));
}

void EntryDialogTest::UncheckingRemovesTheEntry()
{
    const Event event = MakeEvent("10", "4", "100", "F", "X");
    Team team;
    team.SetEntry("10", "04:30,00");
    team.SetEntry("11", "05:00,00");
    EntryDialog dialog(team, event);
    QCOMPARE(Control<QLineEdit>(dialog, "entryTimeEdit")->text(), QStringLiteral("04:30,00"));
    const int result = ExecDriven(dialog, [&] {
        QTest::keyClick(Control<QCheckBox>(dialog, "enterCheckBox"), Qt::Key_Space);
        QVERIFY(!Control<QCheckBox>(dialog, "enterCheckBox")->isChecked());
        QTest::mouseClick(Control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dialog.entryTime(), std::string());
    // The caller takes the entry back; the dialog changes nothing itself.
    QCOMPARE(team.entries.size(), std::size_t{2});
}

void EntryDialogTest::CancelChangesNothing()
{
    const Event event = MakeEvent("7", "1", "50", "F", "W");
    Swimmer swimmer = MakeSwimmer();
    swimmer.SetEntry("7", "00:41,20");
    EntryDialog dialog(swimmer, event);
    const int result = ExecDriven(dialog, [&] {
        auto* time = Control<QLineEdit>(dialog, "entryTimeEdit");
        time->setCursorPosition(0);
        QTest::keyClicks(time, QStringLiteral("99"));
        QTest::keyClick(Control<QCheckBox>(dialog, "enterCheckBox"), Qt::Key_Space);
        QTest::keyClick(time, Qt::Key_Escape);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(swimmer.EntryTime("7"), std::string("00:41,20"));
    QCOMPARE(dialog.entryTime(), std::string());
}

void EntryDialogTest::StoredTime_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a time") << "01:12,50"
                            << "01:12,50";
    QTest::newRow("shorter, shown unchanged") << "1:2"
                                              << "1:2";
    QTest::newRow("longer, eight characters kept") << "01:12,500"
                                                   << "01:12,50";
    QTest::newRow("no time form, stored as it was") << QString::fromUtf8("NT äß") << QString::fromUtf8("NT äß");
}

void EntryDialogTest::StoredTime()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    const Event event = MakeEvent("7", "1", "50", "F", "W");
    Swimmer swimmer = MakeSwimmer();
    swimmer.SetEntry("7", *ToModelText(stored));
    EntryDialog dialog(swimmer, event);
    QCOMPARE(Control<QLineEdit>(dialog, "entryTimeEdit")->text(), shown);
    const int result = ExecDriven(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(ToQString(dialog.entryTime()), shown);
}

QTEST_MAIN(EntryDialogTest)
#include "EntryDialogTest.moc"
