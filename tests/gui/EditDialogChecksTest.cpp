// The checks every edit dialog makes before OK stores anything, and Cancel,
// run over the club, official, swimmer and team dialogs alike.

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <tuple>
#include <utility>

#include "DialogSamples.h"
#include "GuiTestSupport.h"
#include "gui/ClubDialog.h"
#include "gui/OfficialDialog.h"
#include "gui/SwimmerDialog.h"
#include "gui/TeamDialog.h"
#include "model/MeetDefinition.h"

using namespace natarix;
using namespace natarix::test;

// The controls a row changes, by object name, each with what it gets.
using Changes = QList<std::pair<QString, QString>>;

class EditDialogChecksTest : public QObject {
    Q_OBJECT

private slots:
    void RefusesWhatTheEntryListCannotCarry_data();
    void RefusesWhatTheEntryListCannotCarry();
    void NamesAreRequired_data();
    void NamesAreRequired();
    void CancelChangesNothing_data();
    void CancelChangesNothing();
};

namespace {

// What each dialog edits, to tell whether it changed.
struct Edited {
    static auto Fields(const Club& club) { return std::tie(club); }
    static auto Fields(const Official& o)
    {
        return std::tie(o.surname, o.firstName, o.group, o.sectionNumbers, o.wish);
    }
    static auto Fields(const Swimmer& s)
    {
        return std::tie(s.surname, s.firstName, s.yearOfBirth, s.registrationNumber, s.sex);
    }
    static auto Fields(const Team& t) { return std::tie(t.teamNumber, t.teamName, t.classLabel); }
};

// Each dialog as the program opens it.
std::unique_ptr<QDialog> OpenClubDialog(Club& club)
{
    return std::make_unique<ClubDialog>(club);
}

const MeetDefinition& ThreeSections()
{
    static const MeetDefinition meet = [] {
        MeetDefinition m;
        for (const char* number : {"1", "2", "3"})
            m.AddSection(Section{number, "11.03.2027", "09:00", ""});
        return m;
    }();
    return meet;
}

std::unique_ptr<QDialog> OpenOfficialDialog(Official& official)
{
    return std::make_unique<OfficialDialog>(official, ThreeSections());
}

std::unique_ptr<QDialog> OpenSwimmerDialog(Swimmer& swimmer)
{
    return std::make_unique<SwimmerDialog>(swimmer);
}

std::unique_ptr<QDialog> OpenTeamDialog(Team& team)
{
    return std::make_unique<TeamDialog>(team);
}

// An edit dialog open on a copy of its sample.
struct OpenedDialog {
    std::function<bool()> copyUnchanged;
    // A second dialog on the copy as it stands now: what it shows was stored.
    std::function<std::unique_ptr<QDialog>()> reopen;
    std::unique_ptr<QDialog> dialog;  // last, so that it goes before the copy
};

template <typename Model>
OpenedDialog OpenOn(const Model& sample, std::unique_ptr<QDialog> (*open)(Model&))
{
    const auto copy = std::make_shared<Model>(sample);
    return {[copy, sample] { return Edited::Fields(*copy) == Edited::Fields(sample); },
            [copy, open] { return open(*copy); }, open(*copy)};
}

// The test compares the dialog's object name with the one asked for.
OpenedDialog OpenOnSample(const QString& dialogName)
{
    if (dialogName == QLatin1String("officialDialog"))
        return OpenOn(official::Sample(), OpenOfficialDialog);
    if (dialogName == QLatin1String("swimmerDialog"))
        return OpenOn(swimmer::Sample(), OpenSwimmerDialog);
    if (dialogName == QLatin1String("teamDialog"))
        return OpenOn(team::Sample(), OpenTeamDialog);
    return OpenOn(club::Sample(), OpenClubDialog);
}

// A failed check as every dialog shows it: caption "Fehler", no icon, OK
// only, owned by the dialog, which stays open.
void ExpectCheckFailure(const QDialog& dialog, const ShownMessageBox& box, const QString& message)
{
    QVERIFY(box.shown);
    QCOMPARE(box.text, message);
    QCOMPARE(box.title, QStringLiteral("Fehler"));
    QCOMPARE(int(box.icon), int(QMessageBox::NoIcon));
    QCOMPARE(box.buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(box.owner, dialog.objectName());
    QVERIFY(dialog.isVisible());
}

// Changes the control as a user does: retypes a field, types into a list
// box or the year, clicks a button, toggles a list item; checks that the
// control took the change.
void Change(QWidget* control, const QString& input)
{
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        Retype(field, input);
        QCOMPARE(field->text(), input);
    } else if (auto* box = qobject_cast<QComboBox*>(control)) {
        QTest::keyClicks(box, input);
        QVERIFY(box->currentText().startsWith(input));
    } else if (auto* year = qobject_cast<QDateEdit*>(control)) {
        QTest::keyClick(year, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(year, input);
        QCOMPARE(year->text(), input);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QVERIFY(!button->isChecked());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isChecked());
    } else {
        auto* list = qobject_cast<QListWidget*>(control);
        QVERIFY(list != nullptr);
        const QList<QListWidgetItem*> found = list->findItems(input, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        const Qt::CheckState before = found.front()->checkState();
        Toggle(*list, input);
        QVERIFY(found.front()->checkState() != before);
    }
}

}  // namespace

void EditDialogChecksTest::RefusesWhatTheEntryListCannotCarry_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");  // empty: stored
    const auto row = [](const char* name, const char* dialog, const char* field, const char* text,
                        const char* message) { QTest::newRow(name) << dialog << field << text << message; };
    row("club: semicolon in the street", "clubDialog", "streetEdit", "Hauptstr. 1; Hof",
        "Im Feld \"Straße\" ist das Zeichen \";\" nicht erlaubt.");
    row("club: comment opener in the town", "clubDialog", "townEdit", "Kiel (*Nord*)",
        "Im Feld \"Ort\" ist die Zeichenfolge \"(*\" nicht erlaubt.");
    row("club: not in Windows-1252 in the club name", "clubDialog", "clubNameEdit", "SV Łódź",
        "Im Feld \"Vereinsname\" ist das Zeichen U+0141 nicht erlaubt.");
    row("club: semicolon in the e-mail", "clubDialog", "emailEdit", "a@b.de;c@d.de",
        "Im Feld \"E-Mail\" ist das Zeichen \";\" nicht erlaubt.");
    row("club: semicolon in the club id", "clubDialog", "clubIdEdit", "12;34",
        "Im Feld \"Vereins-ID\" ist das Zeichen \";\" nicht erlaubt.");
    row("club: comma in the club name is stored", "clubDialog", "clubNameEdit", "SV Blau-Weiß, Kiel", "");

    row("official: comma in the surname", "officialDialog", "surnameEdit", "Muster,Paul",
        "Im Feld \"Nachname\" ist das Zeichen \",\" nicht erlaubt.");
    row("official: semicolon in the first name", "officialDialog", "firstNameEdit", "Paul;",
        "Im Feld \"Vorname\" ist das Zeichen \";\" nicht erlaubt.");
    row("official: semicolon in the wish", "officialDialog", "wishEdit", "Start; Ziel",
        "Im Feld \"Einsatzwunsch\" ist das Zeichen \";\" nicht erlaubt.");
    row("official: comment opener in the wish", "officialDialog", "wishEdit", "(*egal",
        "Im Feld \"Einsatzwunsch\" ist die Zeichenfolge \"(*\" nicht erlaubt.");
    row("official: comma in the first name is stored", "officialDialog", "firstNameEdit", "Paul, Peter", "");

    row("swimmer: semicolon in the surname", "swimmerDialog", "surnameEdit", "Meier;Schulz",
        "Im Feld \"Nachname\" ist das Zeichen \";\" nicht erlaubt.");
    row("swimmer: comma in the surname", "swimmerDialog", "surnameEdit", "Meier, Anna",
        "Im Feld \"Nachname\" ist das Zeichen \",\" nicht erlaubt.");
    row("swimmer: comment opener in the first name", "swimmerDialog", "firstNameEdit", "(*Anna",
        "Im Feld \"Vorname\" ist die Zeichenfolge \"(*\" nicht erlaubt.");
    row("swimmer: not in Windows-1252", "swimmerDialog", "surnameEdit", "Łęcki",
        "Im Feld \"Nachname\" ist das Zeichen U+0141 nicht erlaubt.");
    row("swimmer: comma in the first name is stored", "swimmerDialog", "firstNameEdit", "Anna, Maria", "");

    row("team: semicolon in the name", "teamDialog", "teamNameEdit", "Damen;Herren",
        "Im Feld \"Name\" ist das Zeichen \";\" nicht erlaubt.");
    row("team: comment opener in the class label", "teamDialog", "classLabelEdit", "AK (*12*)",
        "Im Feld \"Wertungsklasse\" ist die Zeichenfolge \"(*\" nicht erlaubt.");
    row("team: not in Windows-1252", "teamDialog", "teamNameEdit", "Staffel ✓",
        "Im Feld \"Name\" ist das Zeichen U+2713 nicht erlaubt.");
    row("team: beyond the BMP, named as one character", "teamDialog", "classLabelEdit", "AK 😀",
        "Im Feld \"Wertungsklasse\" ist das Zeichen U+1F600 nicht erlaubt.");
}

void EditDialogChecksTest::RefusesWhatTheEntryListCannotCarry()
{
    QFETCH(QString, dialog);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const OpenedDialog opened = OpenOnSample(dialog);
    QDialog& shown = *opened.dialog;
    QCOMPARE(shown.objectName(), dialog);
    auto* edit = Control<QLineEdit>(shown, qPrintable(field));
    const int result = ExecDriven(shown, [&] {
        Retype(edit, text);
        const auto box = AnswerNextMessageBox();
        QTest::keyClick(edit, Qt::Key_Return);
        if (message.isEmpty()) {
            QVERIFY(!box->shown);
            return;
        }
        ExpectCheckFailure(shown, *box, message);
        QCOMPARE(edit->text(), text);
        QCOMPARE(shown.focusWidget(), edit);
        QTest::keyClick(edit, Qt::Key_Escape);
    });
    if (message.isEmpty()) {
        QCOMPARE(result, int(QDialog::Accepted));
        const auto reopened = opened.reopen();
        QCOMPARE(Control<QLineEdit>(*reopened, qPrintable(field))->text(), text);
    } else {
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY2(opened.copyUnchanged(), "a refused OK changed what the dialog edits");
    }
}

void EditDialogChecksTest::NamesAreRequired_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<bool>("clickOk");  // else Return in the first name
    const auto row = [](const char* name, const char* dialog, const char* surname, const char* firstName,
                        bool clickOk) { QTest::newRow(name) << dialog << surname << firstName << clickOk; };
    row("official: first name of three blanks", "officialDialog", "Muster", "   ", false);
    row("official: no surname", "officialDialog", "", "Paul", true);
    row("swimmer: surname of three blanks", "swimmerDialog", "   ", "Anna", true);
    row("swimmer: no first name", "swimmerDialog", "Meier", "", true);
    row("swimmer: neither", "swimmerDialog", "", "", true);
}

void EditDialogChecksTest::NamesAreRequired()
{
    QFETCH(QString, dialog);
    QFETCH(QString, surname);
    QFETCH(QString, firstName);
    QFETCH(bool, clickOk);
    const OpenedDialog opened = OpenOnSample(dialog);
    QDialog& shown = *opened.dialog;
    QCOMPARE(shown.objectName(), dialog);
    auto* surnameEdit = Control<QLineEdit>(shown, "surnameEdit");
    auto* firstNameEdit = Control<QLineEdit>(shown, "firstNameEdit");
    const int result = ExecDriven(shown, [&] {
        Retype(surnameEdit, surname);
        Retype(firstNameEdit, firstName);
        const auto box = AnswerNextMessageBox();
        if (clickOk)
            QTest::mouseClick(Control<QPushButton>(shown, "okButton"), Qt::LeftButton);
        else
            QTest::keyClick(firstNameEdit, Qt::Key_Return);
        ExpectCheckFailure(shown, *box, QString::fromUtf8("Nachname und Vorname müssen angegeben werden!"));
        QCOMPARE(surnameEdit->text(), surname);
        QCOMPARE(firstNameEdit->text(), firstName);
        QTest::keyClick(firstNameEdit, Qt::Key_Escape);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY2(opened.copyUnchanged(), "a refused OK changed what the dialog edits");
}

void EditDialogChecksTest::CancelChangesNothing_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<Changes>("changes");
    QTest::addColumn<bool>("escape");  // in the control changed last; else "Abbrechen"
    const Changes club = {{"clubNameEdit", "SC Anders"}, {"lsvComboBox", "99"}, {"townEdit", "Anderswo"}};
    const Changes official = {{"groupComboBox", "4"}, {"sectionsList", "2"}, {"surnameEdit", "Schulz"}};
    const Changes swimmer = {{"maleRadio", ""}, {"yearOfBirthEdit", "1994"}, {"surnameEdit", "Schulz"}};
    const Changes team = {{"teamNumberEdit", "7"}, {"teamNameEdit", "Herren"}};
    for (const bool escape : {true, false}) {
        const char* how = escape ? ": Escape" : ": Abbrechen";
        QTest::addRow("club%s", how) << "clubDialog" << club << escape;
        QTest::addRow("official%s", how) << "officialDialog" << official << escape;
        QTest::addRow("swimmer%s", how) << "swimmerDialog" << swimmer << escape;
        QTest::addRow("team%s", how) << "teamDialog" << team << escape;
    }
}

void EditDialogChecksTest::CancelChangesNothing()
{
    QFETCH(QString, dialog);
    QFETCH(Changes, changes);
    QFETCH(bool, escape);
    const OpenedDialog opened = OpenOnSample(dialog);
    QDialog& shown = *opened.dialog;
    QCOMPARE(shown.objectName(), dialog);
    const int result = ExecDriven(shown, [&] {
        for (const auto& [control, input] : changes) {
            Change(Control<QWidget>(shown, qPrintable(control)), input);
            if (QTest::currentTestFailed())
                return;
        }
        if (escape)
            QTest::keyClick(Control<QWidget>(shown, qPrintable(changes.back().first)), Qt::Key_Escape);
        else
            QTest::mouseClick(Control<QPushButton>(shown, "cancelButton"), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY2(opened.copyUnchanged(), "Cancel changed what the dialog edits");
}

QTEST_MAIN(EditDialogChecksTest)
#include "EditDialogChecksTest.moc"
