#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "DialogSamples.h"
#include "GuiTestSupport.h"
#include "gui/ModelText.h"
#include "gui/SwimmerDialog.h"
#include "model/MeetDefinition.h"

using namespace natarix;
using namespace natarix::test;
using swimmer::Sample;

class SwimmerDialogTest : public QObject {
    Q_OBJECT

private slots:
    void NewSwimmerShowsTheDefaults();
    void OkStoresTheFields();
    void YearOfBirth_data();
    void YearOfBirth();
    void Sex_data();
    void Sex();
    void AsksAboutEntriesTheChangeBars_data();
    void AsksAboutEntriesTheChangeBars();
};

void SwimmerDialogTest::NewSwimmerShowsTheDefaults()
{
    Swimmer swimmer;
    SwimmerDialog dialog(swimmer);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Teilnehmer bearbeiten"));
    QCOMPARE(Control<QLineEdit>(dialog, "surnameEdit")->text(), QString());
    QCOMPARE(Control<QLineEdit>(dialog, "firstNameEdit")->text(), QString());
    QCOMPARE(Control<QDateEdit>(dialog, "yearOfBirthEdit")->text(), QStringLiteral("1980"));
    QVERIFY(Control<QRadioButton>(dialog, "maleRadio")->isChecked());
    QVERIFY(!Control<QRadioButton>(dialog, "femaleRadio")->isChecked());
    QCOMPARE(Control<QLineEdit>(dialog, "registrationNumberEdit")->text(), QStringLiteral("000000"));
}

void SwimmerDialogTest::OkStoresTheFields()
{
    Swimmer swimmer;
    SwimmerDialog dialog(swimmer);
    const int result = ExecDriven(dialog, [&] {
        TypeText(Control<QLineEdit>(dialog, "surnameEdit"), QString::fromUtf8("  Müller  "));
        TypeText(Control<QLineEdit>(dialog, "firstNameEdit"), QString::fromUtf8("Jörg "));
        QTest::mouseClick(Control<QRadioButton>(dialog, "femaleRadio"), Qt::LeftButton);
        QTest::keyClick(Control<QDateEdit>(dialog, "yearOfBirthEdit"), Qt::Key_Up);
        QTest::keyClick(Control<QDateEdit>(dialog, "yearOfBirthEdit"), Qt::Key_Up);
        // Letters are refused while typing, and six digits at most are kept.
        Retype(Control<QLineEdit>(dialog, "registrationNumberEdit"), QStringLiteral("12a34567"));
        QCOMPARE(Control<QLineEdit>(dialog, "registrationNumberEdit")->text(), QStringLiteral("123456"));
        QTest::keyClick(Control<QLineEdit>(dialog, "registrationNumberEdit"), Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(ToQString(swimmer.surname), QString::fromUtf8("  Müller"));  // leading blanks stay
    QCOMPARE(ToQString(swimmer.firstName), QString::fromUtf8("Jörg"));
    QVERIFY(swimmer.sex == Sex::Female);
    QCOMPARE(swimmer.yearOfBirth, 1982);
    QCOMPARE(swimmer.registrationNumber, std::string("123456"));
}

void SwimmerDialogTest::YearOfBirth_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("key");  // pressed in the picker, or 0
    QTest::addColumn<int>("storedAfter");
    QTest::newRow("in range, kept") << 1993 << "1993" << 0 << 1993;
    QTest::newRow("in range, up") << 1993 << "1993" << int(Qt::Key_Up) << 1994;
    QTest::newRow("first year, down stays") << 1900 << "1900" << int(Qt::Key_Down) << 1900;
    QTest::newRow("too early, kept") << 1850 << "1900" << 0 << 1850;
    QTest::newRow("too early, changed") << 1850 << "1900" << int(Qt::Key_Up) << 1901;
    QTest::newRow("too late, kept") << 2150 << "2100" << 0 << 2150;
    QTest::newRow("too late, changed") << 2150 << "2100" << int(Qt::Key_Down) << 2099;
    QTest::newRow("zero, kept") << 0 << "1900" << 0 << 0;
}

void SwimmerDialogTest::YearOfBirth()
{
    QFETCH(int, stored);
    QFETCH(QString, shown);
    QFETCH(int, key);
    QFETCH(int, storedAfter);
    Swimmer swimmer = Sample();
    swimmer.yearOfBirth = stored;
    SwimmerDialog dialog(swimmer);
    auto* picker = Control<QDateEdit>(dialog, "yearOfBirthEdit");
    QCOMPARE(picker->text(), shown);
    const int result = ExecDriven(dialog, [&] {
        if (key != 0)
            QTest::keyClick(picker, Qt::Key(key));
        QTest::keyClick(picker, Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(swimmer.yearOfBirth, storedAfter);
}

void SwimmerDialogTest::Sex_data()
{
    QTest::addColumn<bool>("male");
    QTest::newRow("m") << true;
    QTest::newRow("w") << false;
}

void SwimmerDialogTest::Sex()
{
    QFETCH(bool, male);
    Swimmer swimmer = Sample();
    swimmer.sex = male ? Sex::Male : Sex::Female;
    SwimmerDialog dialog(swimmer);
    QCOMPARE(Control<QRadioButton>(dialog, "maleRadio")->isChecked(), male);
    QCOMPARE(Control<QRadioButton>(dialog, "femaleRadio")->isChecked(), !male);
    const int result = ExecDriven(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); });
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(swimmer.sex == (male ? Sex::Male : Sex::Female));
}

void SwimmerDialogTest::AsksAboutEntriesTheChangeBars_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QStringList>("entriesAfter");
    QTest::newRow("Ja deletes") << int(QMessageBox::Yes) << true << QStringList{"2", "3"};
    QTest::newRow("Nein keeps") << int(QMessageBox::No) << true << QStringList{"1", "2", "3"};
    QTest::newRow("Abbrechen goes back") << int(QMessageBox::Cancel) << false << QStringList{"1", "2", "3"};
}

void SwimmerDialogTest::AsksAboutEntriesTheChangeBars()
{
    QFETCH(int, button);
    QFETCH(bool, closes);
    QFETCH(QStringList, entriesAfter);
    // Event 1 is for women, 2 for everyone, 3 for men: barred already.
    MeetDefinition meet;
    for (const auto& [number, sex] : {std::pair{"1", "W"}, {"2", "X"}, {"3", "M"}}) {
        Event event;
        event.number = number;
        event.swimmerCount = "1";
        event.distance = "100";
        event.technique = "F";
        event.sex = sex;
        event.AddScoringClass(ScoringClass());
        meet.AddEvent(event);
    }
    Swimmer swimmer = Sample();
    for (const char* number : {"1", "2", "3"})
        swimmer.SetEntry(number, "01:10,00");
    SwimmerDialog dialog(swimmer, nullptr, &meet);
    const int result = ExecDriven(dialog, [&] {
        QTest::mouseClick(Control<QRadioButton>(dialog, "maleRadio"), Qt::LeftButton);
        const auto box = AnswerNextMessageBox(QMessageBox::StandardButton(button));
        QTest::mouseClick(Control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        QVERIFY(box->shown);
        QCOMPARE(box->title, QStringLiteral("Meldungen passen nicht mehr"));
        QCOMPARE(box->text, QString::fromUtf8("Nach dieser Änderung darf der Teilnehmer diese Wettkämpfe nicht mehr "
                                              "schwimmen:\nWettkampf 1 (100 F W): Geschlecht\n\nSollen diese "
                                              "Meldungen gelöscht werden? Mit „Nein“ bleiben sie rot markiert in "
                                              "der Liste."));
        QStringList buttons = box->buttons;  // in the order of the platform's layout
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"&Ja", "&Nein", "Abbrechen"}));
        QCOMPARE(dialog.isVisible(), !closes);
        if (!closes)
            QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(result, int(closes ? QDialog::Accepted : QDialog::Rejected));
    QVERIFY(swimmer.sex == (closes ? Sex::Male : Sex::Female));
    QStringList entries;
    for (const auto& [number, time] : swimmer.entries)
        entries << ToQString(number);
    QCOMPARE(entries, entriesAfter);
}

QTEST_MAIN(SwimmerDialogTest)
#include "SwimmerDialogTest.moc"
