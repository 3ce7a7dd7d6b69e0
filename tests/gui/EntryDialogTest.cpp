#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "GuiTestSupport.h"
#include "gui/EntryDialog.h"
#include "gui/ModelText.h"
#include "model/ClubEntries.h"

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
    void LegsOffer_data();
    void LegsOffer();
    void LineUpChecks_data();
    void LineUpChecks();
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

// The club side the line-ups choose from; the swimmers get the
// Veranstaltungs-IDs 1 to 4 in this order.
ClubEntries RelayClub()
{
    ClubEntries entries;
    const auto add = [&](const char* surname, const char* firstName, int year, Sex sex) {
        auto swimmer = std::make_unique<Swimmer>();
        swimmer->surname = surname;
        swimmer->firstName = firstName;
        swimmer->yearOfBirth = year;
        swimmer->sex = sex;
        entries.AddSwimmer(std::move(swimmer));
    };
    add("Meier", "Anna", 2010, Sex::Female);
    add("Braun", "Paul", 2010, Sex::Male);
    add("Schulz", "Lena", 2011, Sex::Female);
    add("Kaya", "Kim", 2009, Sex::Diverse);
    return entries;
}

QComboBox* Leg(QDialog& dialog, int leg)
{
    return Control<QComboBox>(dialog, QStringLiteral("leg%1ComboBox").arg(leg).toLatin1().constData());
}

QStringList Items(const QComboBox& field)
{
    QStringList items;
    for (int i = 0; i < field.count(); ++i)
        items << field.itemText(i);
    return items;
}

// The line-up of the event; empty when there is none.
std::vector<std::int32_t> Legs(const Team& team, const char* eventNumber)
{
    const auto found = team.lineUps.find(eventNumber);
    return found == team.lineUps.end() ? std::vector<std::int32_t>() : found->second;
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

void EntryDialogTest::LegsOffer_data()
{
    QTest::addColumn<bool>("modern");
    QTest::addColumn<QString>("swimmerCount");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QStringList>("offer");  // of each leg; no legs when empty
    const QString paul("Braun, Paul (2010)"), kim("Kaya, Kim (2009)"), anna("Meier, Anna (2010)"),
        lena("Schulz, Lena (2011)"), open("(offen)");
    QTest::newRow("men") << true << QString("4") << QString("M") << QStringList{open, paul};
    QTest::newRow("women, by name") << true << QString("4") << QString("W") << QStringList{open, anna, lena};
    QTest::newRow("mixed, eight legs") << true << QString("8") << QString("X")
                                       << QStringList{open, paul, kim, anna, lena};
    QTest::newRow("diverse") << true << QString("4") << QString("D") << QStringList{open, kim};
    QTest::newRow("format 5: no line-up") << false << QString("4") << QString("X") << QStringList();
}

void EntryDialogTest::LegsOffer()
{
    QFETCH(bool, modern);
    QFETCH(QString, swimmerCount);
    QFETCH(QString, sex);
    QFETCH(QStringList, offer);
    const ClubEntries entries = RelayClub();
    const Event event = MakeEvent("12", swimmerCount.toLatin1().constData(), "50", "F", sex.toLatin1().constData());
    EntryDialog dialog(Team(), event, nullptr, modern ? &entries : nullptr);
    const int legCount = offer.isEmpty() ? 0 : swimmerCount.toInt();
    QCOMPARE(dialog.findChildren<QComboBox*>().size(), legCount);
    QStringList tabOrder{"enterCheckBox", "entryTimeEdit"};
    for (int leg = 1; leg <= legCount; ++leg) {
        QCOMPARE(Items(*Leg(dialog, leg)), offer);
        QCOMPARE(Leg(dialog, leg)->currentIndex(), 0);
        tabOrder << QStringLiteral("leg%1ComboBox").arg(leg);
    }
    QCOMPARE(TabOrder(dialog), tabOrder << "okButton"
                                        << "cancelButton");
}

namespace {

// A women's relay with Meier 1, Braun 2 (male), Schulz 3, Kaya 4 (diverse):
// the legs stored before, those chosen (empty: as shown), and what OK leads to.
struct LineUpCase {
    const char* name;
    std::vector<std::int32_t> stored;
    std::vector<std::int32_t> chosen;
    int refusedLeg;                        // 0: OK passes
    const char* message;                   // the refusal
    std::vector<std::int32_t> after = {};  // empty: no line-up
    bool entered = true;
};
const LineUpCase kLineUpCases[] = {
    {"all legs open: no line-up", {}, {}, 0, ""},
    {"two legs named, two open", {}, {1, 0, 3, 0}, 0, "", {1, 0, 3, 0}},
    {"the stored line-up as shown", {3, 1, 0, 0}, {}, 0, "", {3, 1, 0, 0}},
    {"a short stored line-up gets every leg", {3}, {}, 0, "", {3, 0, 0, 0}},
    {"legs opened again drop the line-up", {3, 1, 0, 0}, {0, 0, 0, 0}, 0, ""},
    {"a swimmer twice", {}, {1, 3, 1, 0}, 3, "Im Feld \"3. Schwimmer\": Meier, Anna schwimmt schon als 1. Schwimmer."},
    {"a swimmer of the other sex",
     {1, 2, 0, 0},
     {},
     2,
     "Im Feld \"2. Schwimmer\": Braun, Paul passt nicht zum Geschlecht des Wettkampfs (W)."},
    {"a swimmer the club does not have",
     {1, 0, 0, 99},
     {},
     4,
     "Im Feld \"4. Schwimmer\" steht niemand aus dem Verein."},
    {"entry taken back drops the line-up", {1, 2, 3, 99}, {}, 0, "", {}, false},
};

}  // namespace

void EntryDialogTest::LineUpChecks_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(kLineUpCases)); ++row)
        QTest::newRow(kLineUpCases[row].name) << row;
}

void EntryDialogTest::LineUpChecks()
{
    QFETCH(int, row);
    const LineUpCase& given = kLineUpCases[row];
    const ClubEntries entries = RelayClub();
    const Event event = MakeEvent("12", "4", "50", "F", "W");
    Team team;
    team.SetEntry("12", "02:10,00");
    team.SetEntry("14", "02:30,00");
    if (!given.stored.empty())
        team.lineUps["12"] = given.stored;
    team.lineUps["14"] = {2, 1};
    EntryDialog dialog(team, event, nullptr, &entries);
    if (given.stored.size() == 4 && given.stored[3] == 99)
        QCOMPARE(Leg(dialog, 4)->currentText(), QStringLiteral("(nicht im Verein: Veranstaltungs-ID 99)"));
    QString shown;
    const int result = ExecDriven(dialog, [&] {
        for (std::size_t leg = 0; leg < given.chosen.size(); ++leg)
            Leg(dialog, int(leg) + 1)->setCurrentIndex(Leg(dialog, int(leg) + 1)->findData(given.chosen[leg]));
        if (!given.entered) {
            QTest::keyClick(Control<QCheckBox>(dialog, "enterCheckBox"), Qt::Key_Space);
            QVERIFY(!Leg(dialog, 1)->isEnabled());
        }
        shown = ClickOkForCheck(dialog);
        if (given.refusedLeg != 0) {
            QCOMPARE(dialog.focusWidget(), Leg(dialog, given.refusedLeg));
            dialog.reject();
        }
    });
    QCOMPARE(shown, QString::fromUtf8(given.message));
    QCOMPARE(result, int(given.refusedLeg != 0 ? QDialog::Rejected : QDialog::Accepted));
    if (given.refusedLeg != 0)
        return;
    const Team changed = dialog.ChangedTeam();
    QCOMPARE(Legs(changed, "12"), given.after);
    QCOMPARE(changed.EntryTime("12"), std::string(given.entered ? "02:10,00" : ""));
    // The team's other entries and line-ups stay; the dialog itself changes nothing.
    QCOMPARE(Legs(changed, "14"), (std::vector<std::int32_t>{2, 1}));
    QCOMPARE(changed.EntryTime("14"), std::string("02:30,00"));
    QCOMPARE(Legs(team, "12"), given.stored);
}

QTEST_MAIN(EntryDialogTest)
#include "EntryDialogTest.moc"
