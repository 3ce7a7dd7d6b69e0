#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "DialogSamples.h"
#include "GuiTestSupport.h"
#include "gui/ModelText.h"
#include "gui/TeamDialog.h"
#include "model/MeetDefinition.h"

using namespace natarix;
using namespace natarix::test;
using team::Sample;

class TeamDialogTest : public QObject {
    Q_OBJECT

private slots:
    void OpensWithTheTeam_data();
    void OpensWithTheTeam();
    void OkTrimsAndStores();
    void EmptyTeamNumberIsStored();
    void Format5MeetKeepsTheDialog();
    void ModernOpensWithTheClass();
    void ModernChecks_data();
    void ModernChecks();
};

namespace {

MeetDefinition MeetOfFormat(int version)
{
    MeetDefinition meet;
    meet.formatVersion = version;
    return meet;
}

// The fields of a modern team's dialog before OK (the sample team's number
// and name where empty) and what OK leads to.
struct ModernCase {
    const char* name;
    int classType;  // 0: none, 1: JG, 2: AK
    const char* minimum;
    const char* maximum;
    const char* refusedField;  // nullptr: OK passes
    const char* outcome;       // the refusal, or the class stored as "type;minimum;maximum"
    const char* teamNumber = "2";
    const char* teamName = "Mixed";
};
constexpr const char* kYear = "Im Feld \"Mindest-JG/AK\" muss ein Jahrgang mit vier Ziffern oder 0 (offen) stehen.";
constexpr const char* kAge =
    "Im Feld \"Mindest-JG/AK\" muss eine Altersklasse (wie 20, 100+ oder A) oder 0 (offen) stehen.";
constexpr const char* kNumber = "Im Feld \"Mannschaft\" muss eine Nummer mit höchstens neun Ziffern stehen.";
const ModernCase kModernCases[] = {
    {"no class drops the bounds", 0, "2010", "2012", nullptr, ";;"},
    {"JG, one year", 1, "2010", "", nullptr, "JG;2010;"},
    {"JG, open towards the young", 1, "2008", "0 ", nullptr, "JG;2008;0"},
    {"JG, two digits", 1, "10", "", "classMinimumEdit", kYear},
    {"JG, no minimum", 1, "", "2010", "classMinimumEdit", kYear},
    {"JG, an age as maximum", 1, "2010", "12", "classMaximumEdit",
     "Im Feld \"Maximale JG/AK\" muss ein Jahrgang mit vier Ziffern, 0 (offen) oder nichts stehen."},
    {"AK, Masters", 2, " 20 ", "0", nullptr, "AK;20;0"},
    {"AK, a relay's least total age", 2, "100+", "", nullptr, "AK;100+;"},
    {"AK, youth classes in lower case", 2, "b", "a", nullptr, "AK;B;A"},
    {"AK, a year", 2, "2010", "", "classMinimumEdit", kAge},
    {"no team number", 0, "", "", "teamNumberEdit", kNumber, ""},
    {"team number beyond 32 bits", 0, "", "", "teamNumberEdit", kNumber, "1234567890"},
    {"field separator in the name", 0, "", "", "teamNameEdit",
     "Im Feld \"Name der Staffel\" ist das Zeichen \";\" nicht erlaubt.", "2", "Mixed; Jugend"},
};

// The dialog's controls by object name and, for labels, text.
QStringList ControlsOf(const QDialog& dialog)
{
    QStringList controls;
    for (const QWidget* control : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const auto* label = qobject_cast<const QLabel*>(control);
        controls << control->objectName() + ": " + (label != nullptr ? label->text() : QString());
    }
    return controls;
}

}  // namespace

void TeamDialogTest::OpensWithTheTeam_data()
{
    QTest::addColumn<bool>("isNew");
    QTest::addColumn<QString>("teamNumber");
    QTest::addColumn<QString>("teamName");
    QTest::addColumn<QString>("classLabel");
    QTest::newRow("new team") << true << "1"
                              << ""
                              << "";
    QTest::newRow("stored team") << false << "2"
                                 << "Mixed"
                                 << "Jugend A";
}

void TeamDialogTest::OpensWithTheTeam()
{
    QFETCH(bool, isNew);
    QFETCH(QString, teamNumber);
    QFETCH(QString, teamName);
    QFETCH(QString, classLabel);
    Team team = isNew ? Team() : Sample();
    TeamDialog dialog(team);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Staffel bearbeiten"));
    QCOMPARE(Control<QLineEdit>(dialog, "teamNumberEdit")->text(), teamNumber);
    QCOMPARE(Control<QLineEdit>(dialog, "teamNameEdit")->text(), teamName);
    QCOMPARE(Control<QLineEdit>(dialog, "classLabelEdit")->text(), classLabel);
}

void TeamDialogTest::OkTrimsAndStores()
{
    Team team = Sample();
    TeamDialog dialog(team);
    const int result = ExecDriven(dialog, [&] {
        Retype(Control<QLineEdit>(dialog, "teamNumberEdit"), QStringLiteral("1x2 "));  // digits only
        Retype(Control<QLineEdit>(dialog, "teamNameEdit"), QString::fromUtf8("  Damen Ü40  "));
        Retype(Control<QLineEdit>(dialog, "classLabelEdit"), QStringLiteral("AK 12 "));
        QTest::mouseClick(Control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(team.teamNumber, std::string("12"));
    QCOMPARE(ToQString(team.teamName), QString::fromUtf8("  Damen Ü40"));
    QCOMPARE(team.classLabel, std::string("AK 12"));
}

void TeamDialogTest::EmptyTeamNumberIsStored()
{
    Team team = Sample();
    TeamDialog dialog(team);
    const int result = ExecDriven(dialog, [&] {
        Retype(Control<QLineEdit>(dialog, "teamNumberEdit"), QString());
        QTest::keyClick(Control<QLineEdit>(dialog, "teamNumberEdit"), Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(team.teamNumber, std::string());
}

void TeamDialogTest::Format5MeetKeepsTheDialog()
{
    Team team = Sample();
    TeamDialog withoutMeet(team);
    const MeetDefinition meet = MeetOfFormat(5);
    TeamDialog withMeet(team, nullptr, &meet);
    QCOMPARE(ControlsOf(withMeet), ControlsOf(withoutMeet));
    QCOMPARE(TabOrder(withMeet), TabOrder(withoutMeet));
}

void TeamDialogTest::ModernOpensWithTheClass()
{
    Team team = Sample();
    team.classType = "AK";
    team.classMinimum = "20";
    team.classMaximum = "0";
    const MeetDefinition meet = MeetOfFormat(7);
    TeamDialog dialog(team, nullptr, &meet);
    QVERIFY(dialog.findChild<QLineEdit*>(QStringLiteral("classLabelEdit")) == nullptr);
    QCOMPARE(Control<QLabel>(dialog, "teamNameLabel")->text(), QStringLiteral("Name der Staffel"));
    auto* type = Control<QComboBox>(dialog, "classTypeComboBox");
    auto* minimum = Control<QLineEdit>(dialog, "classMinimumEdit");
    QCOMPARE(type->currentText(), QStringLiteral("Altersklasse (AK)"));
    QCOMPARE(minimum->text(), QStringLiteral("20"));
    QCOMPARE(Control<QLineEdit>(dialog, "classMaximumEdit")->text(), QStringLiteral("0"));
    QCOMPARE(TabOrder(dialog), (QStringList{"teamNumberEdit", "teamNameEdit", "classTypeComboBox", "classMinimumEdit",
                                            "classMaximumEdit", "okButton", "cancelButton"}));
    type->setCurrentIndex(0);  // the event's class: no bounds to enter
    QVERIFY(!minimum->isEnabled());
    QVERIFY(!Control<QLineEdit>(dialog, "classMaximumEdit")->isEnabled());
}

void TeamDialogTest::ModernChecks_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(kModernCases)); ++row)
        QTest::newRow(kModernCases[row].name) << row;
}

void TeamDialogTest::ModernChecks()
{
    QFETCH(int, row);
    const ModernCase& given = kModernCases[row];
    Team team = Sample();
    const MeetDefinition meet = MeetOfFormat(8);
    TeamDialog dialog(team, nullptr, &meet);
    QString shown;
    const int result = ExecDriven(dialog, [&] {
        Control<QLineEdit>(dialog, "teamNumberEdit")->setText(given.teamNumber);
        Control<QLineEdit>(dialog, "teamNameEdit")->setText(given.teamName);
        Control<QLineEdit>(dialog, "classMinimumEdit")->setText(given.minimum);
        Control<QLineEdit>(dialog, "classMaximumEdit")->setText(given.maximum);
        Control<QComboBox>(dialog, "classTypeComboBox")->setCurrentIndex(given.classType);
        shown = ClickOkForCheck(dialog);
        if (given.refusedField != nullptr) {
            QCOMPARE(dialog.focusWidget(), Control<QWidget>(dialog, given.refusedField));
            dialog.reject();
        }
    });
    if (given.refusedField != nullptr) {
        QCOMPARE(shown, QString::fromUtf8(given.outcome));
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(team.teamNumber, std::string("2"));  // a refused OK changes nothing
        QCOMPARE(team.classType, std::string());
        return;
    }
    QCOMPARE(shown, QString());
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(ToQString(team.classType + ";" + team.classMinimum + ";" + team.classMaximum), given.outcome);
    QCOMPARE(team.classLabel, std::string("Jugend A"));  // not shown, kept
}

QTEST_MAIN(TeamDialogTest)
#include "TeamDialogTest.moc"
