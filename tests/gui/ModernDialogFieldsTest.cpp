// What the club, swimmer and official dialogs add on a meet of formats 6 to
// 8: each check with what it refuses and what it stores, the lists each
// format offers, and that a format-5 meet shows none of it.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <optional>

#include "DialogSamples.h"
#include "GuiTestSupport.h"
#include "gui/ClubDialog.h"
#include "gui/ModelText.h"
#include "gui/OfficialDialog.h"
#include "gui/SwimmerDialog.h"
#include "model/MeetDefinition.h"

using namespace natarix;
using namespace natarix::test;

class ModernDialogFieldsTest : public QObject {
    Q_OBJECT

private slots:
    void Checks_data();
    void Checks();
    void ListsOfTheFormat_data();
    void ListsOfTheFormat();
    void ChoicesReachTheModelAndShowAgain();
    void FormatFiveShowsNoneOfTheNewFields();
};

namespace {

// One dialog on a sample, with the meet and the club's coaches it needs.
struct Opened {
    MeetDefinition meet;
    Club club = club::Sample();
    Swimmer swimmer = swimmer::Sample();
    Official official = official::Sample();
    std::vector<Coach> coaches{{1, "Lehmann, Jens"}, {4, "Schulz, Eva"}};
    std::unique_ptr<QDialog> dialog;

    Opened(const QString& name, int formatVersion)
    {
        meet.formatVersion = formatVersion;
        for (const char* number : {"1", "2", "3"})
            meet.AddSection(Section{number, "11.03.2027", "09:00", ""});
        swimmer.coachNumber = 4;
        Reopen(name);
    }
    void Reopen(const QString& name)
    {
        dialog.reset();
        if (name == "club")
            dialog = std::make_unique<ClubDialog>(club, nullptr, &meet);
        else if (name == "swimmer")
            dialog = std::make_unique<SwimmerDialog>(swimmer, nullptr, &meet, coaches);
        else
            dialog = std::make_unique<OfficialDialog>(official, meet);
    }
    // What OK stored of the text fields the checks are about.
    QString Stored(const QString& what) const
    {
        if (what == "clubId")
            return ToQString(club.clubId);
        if (what == "nation")
            return ToQString(club.nation);
        if (what == "surname")
            return ToQString(swimmer.surname);
        if (what == "dsvId")
            return ToQString(swimmer.registrationNumber);
        if (what == "coach")
            return ToQString(static_cast<SwimmerDialog&>(*dialog).chosenCoach().value_or("(none)"));
        QStringList nationalities;
        for (const std::string& nationality : swimmer.nationalities)
            nationalities << ToQString(nationality);
        return nationalities.join(',');
    }
};

QLineEdit* TextField(QDialog& dialog, const QString& name)
{
    if (auto* list = dialog.findChild<QComboBox*>(name))
        return list->lineEdit();
    return Control<QLineEdit>(dialog, qPrintable(name));
}

QStringList Items(const QComboBox& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.itemText(i);
    return items;
}

}  // namespace

void ModernDialogFieldsTest::Checks_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::addColumn<QString>("what");     // what OK stored
    QTest::addColumn<QString>("stored");
    const auto refused = [](const char* name, const char* dialog, const char* field, const char* text,
                            const char* message) {
        QTest::newRow(name) << dialog << field << QString::fromUtf8(text) << QString::fromUtf8(message) << ""
                            << "";
    };
    const auto stored = [](const char* name, const char* dialog, const char* field, const char* text, const char* what,
                           const char* value) {
        QTest::newRow(name) << dialog << field << QString::fromUtf8(text) << "" << what << QString::fromUtf8(value);
    };
    const char* clubNumber = "Im Feld \"Vereinskennzahl\" stehen vier Ziffern; ein Verein außerhalb des DSV hat die 0.";
    stored("club number of four digits", "club", "clubIdEdit", "3867", "clubId", "3867");
    stored("club outside the DSV", "club", "clubIdEdit", "0", "clubId", "0");
    refused("club number missing", "club", "clubIdEdit", "", clubNumber);
    refused("club number of three digits", "club", "clubIdEdit", "386", clubNumber);
    refused("club number 00", "club", "clubIdEdit", "00", clubNumber);
    stored("nation in small letters", "club", "nationEdit", "aut", "nation", "AUT");
    refused("nation missing", "club", "nationEdit", "", "Im Feld \"Nation\" stehen drei Buchstaben, etwa GER.");
    refused("nation of two letters", "club", "nationEdit", "DE",
            "Im Feld \"Nation\" stehen drei Buchstaben, etwa GER.");
    refused("nation with an umlaut", "club", "nationEdit", "ÄGY",
            "Im Feld \"Nation\" stehen drei Buchstaben, etwa GER.");
    refused("semicolon in the nation", "club", "nationEdit", "G;R",
            "Im Feld \"Nation\" ist das Zeichen \";\" nicht erlaubt.");
    refused("line break in the contact", "club", "contactNameEdit", "Petra\nMuster",
            "Im Feld \"Ansprechpartner\" ist ein Zeilenumbruch nicht erlaubt.");

    const char* dsvId = "Im Feld \"DSV-ID\" stehen sechs Ziffern, oder 0 oder nichts, wenn sie nicht bekannt ist.";
    stored("DSV-ID of six digits", "swimmer", "registrationNumberEdit", "348211", "dsvId", "348211");
    stored("no DSV-ID is the unknown one", "swimmer", "registrationNumberEdit", "", "dsvId", "000000");
    stored("DSV-ID 0 is the unknown one", "swimmer", "registrationNumberEdit", "0", "dsvId", "000000");
    refused("DSV-ID of five digits", "swimmer", "registrationNumberEdit", "34821", dsvId);
    refused("DSV-ID 00", "swimmer", "registrationNumberEdit", "00", dsvId);
    stored("nationality in small letters", "swimmer", "nationality1Edit", "ger", "nationalities", "GER");
    stored("a gap between nationalities closes", "swimmer", "nationality3Edit", "AUT", "nationalities", "AUT");
    refused("nationality of two letters", "swimmer", "nationality2Edit", "DE",
            "Im Feld \"Nationalität 2\" stehen drei Buchstaben, etwa GER, oder nichts.");
    refused("semicolon in a nationality", "swimmer", "nationality1Edit", "A;T",
            "Im Feld \"Nationalität 1\" ist das Zeichen \";\" nicht erlaubt.");
    stored("a coach of the club", "swimmer", "coachComboBox", "Schulz, Eva", "coach", "Schulz, Eva");
    stored("a new coach, trimmed", "swimmer", "coachComboBox", "  Neu, Nina ", "coach", "Neu, Nina");
    stored("no coach", "swimmer", "coachComboBox", " ", "coach", "");
    refused("semicolon in the coach", "swimmer", "coachComboBox", "Neu;Nina",
            "Im Feld \"Trainer\" ist das Zeichen \";\" nicht erlaubt.");
    refused("line break in the coach", "swimmer", "coachComboBox", "Neu\nNina",
            "Im Feld \"Trainer\" ist ein Zeilenumbruch nicht erlaubt.");
    // A UTF-8 list carries what Windows-1252 lacks.
    stored("a Polish surname", "swimmer", "surnameEdit", "Łukaszewicz", "surname", "Łukaszewicz");
    refused("line break in the surname", "swimmer", "surnameEdit", "Meier\r\nSchulz",
            "Im Feld \"Nachname\" ist ein Zeilenumbruch nicht erlaubt.");

    refused("semicolon in the official's first name", "official", "firstNameEdit", "Paul;",
            "Im Feld \"Vorname\" ist das Zeichen \";\" nicht erlaubt.");
}

void ModernDialogFieldsTest::Checks()
{
    QFETCH(QString, dialog);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, what);
    QFETCH(QString, stored);
    Opened opened(dialog, 8);
    const Club club = opened.club;
    const Swimmer swimmer = opened.swimmer;
    QDialog& shown = *opened.dialog;
    QLineEdit* edit = TextField(shown, field);
    const int result = ExecDriven(shown, [&] {
        // As pasted: a field that takes digits only would not let a typist
        // get this far.
        edit->setText(text);
        const auto box = AnswerNextMessageBox();
        QTest::mouseClick(Control<QPushButton>(shown, "okButton"), Qt::LeftButton);
        if (message.isEmpty()) {
            QVERIFY(!box->shown);
            return;
        }
        QVERIFY(box->shown);
        QCOMPARE(box->text, message);
        QVERIFY(shown.isVisible());
        // A list one may type into takes the focus for its text.
        auto* list = qobject_cast<QComboBox*>(edit->parentWidget());
        QCOMPARE(shown.focusWidget(), list != nullptr ? static_cast<QWidget*>(list) : edit);
        QTest::mouseClick(Control<QPushButton>(shown, "cancelButton"), Qt::LeftButton);
    });
    if (message.isEmpty()) {
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(opened.Stored(what), stored);
    } else {
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(opened.club == club);
        QCOMPARE(opened.swimmer.registrationNumber, swimmer.registrationNumber);
        QCOMPARE(opened.swimmer.nationalities, swimmer.nationalities);
    }
}

void ModernDialogFieldsTest::ListsOfTheFormat_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("wishes");  // with "kein Wunsch"
    QTest::addColumn<QString>("lastWish");
    QTest::addColumn<bool>("sexAndDirectDebit");
    QTest::newRow("format 6") << 6 << 14 << "PKF: Protokollführer" << false;
    QTest::newRow("format 7") << 7 << 19 << "VER: Ordner Versorgungsstelle" << false;
    QTest::newRow("format 8") << 8 << 19 << "VER: Ordner Versorgungsstelle" << true;
}

void ModernDialogFieldsTest::ListsOfTheFormat()
{
    QFETCH(int, version);
    QFETCH(int, wishes);
    QFETCH(QString, lastWish);
    QFETCH(bool, sexAndDirectDebit);
    Opened official("official", version);
    QCOMPARE(Items(*Control<QComboBox>(*official.dialog, "groupComboBox")),
             (QStringList{"WKR: Wettkampfrichter", "AUS: Auswerter", "SCH: Schiedsrichter", "SPR: Sprecher"}));
    const QStringList wishItems = Items(*Control<QComboBox>(*official.dialog, "wishComboBox"));
    QCOMPARE(wishItems.size(), wishes);
    QCOMPARE(wishItems.front(), QStringLiteral("kein Wunsch"));
    QCOMPARE(wishItems.at(1), QStringLiteral("SCH: Schiedsrichter"));
    QCOMPARE(wishItems.back(), lastWish);
    const auto* sex = official.dialog->findChild<QComboBox*>("sexComboBox");
    QCOMPARE(sex != nullptr, sexAndDirectDebit);
    if (sex != nullptr)
        QCOMPARE(Items(*sex), QString::fromUtf8("keine Angabe,männlich,weiblich,divers").split(','));
    Opened club("club", version);
    QCOMPARE(club.dialog->findChild<QCheckBox*>("directDebitCheckBox") != nullptr, sexAndDirectDebit);
}

void ModernDialogFieldsTest::ChoicesReachTheModelAndShowAgain()
{
    Opened official("official", 8);
    official.official.groupCode = "";  // no group: WKR, as the list writes it
    official.official.wish = "STO";
    official.Reopen("official");
    const auto pick = [&](QDialog& dialog, const char* list, const QString& item) {
        auto* box = Control<QComboBox>(dialog, list);
        box->setCurrentIndex(box->findText(item));
        QCOMPARE(box->currentText(), item);
    };
    QCOMPARE(Control<QComboBox>(*official.dialog, "groupComboBox")->currentText(),
             QStringLiteral("WKR: Wettkampfrichter"));
    QCOMPARE(Control<QComboBox>(*official.dialog, "wishComboBox")->currentText(), QStringLiteral("STO: Startordner"));
    QCOMPARE(ExecDriven(*official.dialog,
                        [&] {
                            pick(*official.dialog, "groupComboBox", "AUS: Auswerter");
                            pick(*official.dialog, "sexComboBox", "weiblich");
                            pick(*official.dialog, "wishComboBox", "ZN: Zeitnehmer");
                            official.dialog->accept();
                        }),
             int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(official.official.groupCode + official.official.sex + official.official.wish),
             QStringLiteral("AUSWZN"));
    QCOMPARE(official.official.group, 2);  // the format-5 group stays
    official.Reopen("official");
    QCOMPARE(Control<QComboBox>(*official.dialog, "sexComboBox")->currentText(), QStringLiteral("weiblich"));

    Opened swimmer("swimmer", 7);
    QCOMPARE(Control<QComboBox>(*swimmer.dialog, "coachComboBox")->currentText(), QStringLiteral("Schulz, Eva"));
    QCOMPARE(ExecDriven(*swimmer.dialog,
                        [&] {
                            QTest::mouseClick(Control<QRadioButton>(*swimmer.dialog, "diverseRadio"), Qt::LeftButton);
                            swimmer.dialog->accept();
                        }),
             int(QDialog::Accepted));
    QCOMPARE(int(swimmer.swimmer.sex), int(Sex::Diverse));
    swimmer.swimmer.registrationNumber = "000000";
    swimmer.Reopen("swimmer");
    QVERIFY(Control<QRadioButton>(*swimmer.dialog, "diverseRadio")->isChecked());
    QCOMPARE(Control<QLineEdit>(*swimmer.dialog, "registrationNumberEdit")->text(), QString());

    Opened club("club", 8);
    club.club.nation.clear();
    club.club.lsv = "9";  // as a modern list gives it
    club.Reopen("club");
    QCOMPARE(Control<QComboBox>(*club.dialog, "lsvComboBox")->currentText(),
             QStringLiteral("09: Landesschwimmverband Niedersachsen"));
    QCOMPARE(Control<QLineEdit>(*club.dialog, "nationEdit")->text(), QStringLiteral("GER"));
    QCOMPARE(ExecDriven(*club.dialog,
                        [&] {
                            QTest::mouseClick(Control<QCheckBox>(*club.dialog, "directDebitCheckBox"), Qt::LeftButton);
                            club.dialog->accept();
                        }),
             int(QDialog::Accepted));
    QVERIFY(club.club.directDebitConsent);
    QCOMPARE(club.club.nation, std::string("GER"));
}

void ModernDialogFieldsTest::FormatFiveShowsNoneOfTheNewFields()
{
    const QStringList newFields = {"nationEdit",       "directDebitCheckBox", "diverseRadio",
                                   "nationality1Edit", "nationality2Edit",    "nationality3Edit",
                                   "coachComboBox",    "sexComboBox",         "wishComboBox"};
    for (const QString name : {"club", "swimmer", "official"}) {
        Opened opened(name, 5);
        for (const QString& field : newFields)
            QVERIFY2(opened.dialog->findChild<QWidget*>(field) == nullptr, qPrintable(name + ": " + field));
        QCOMPARE(ExecDriven(*opened.dialog, [&] { opened.dialog->accept(); }), int(QDialog::Accepted));
        if (name == "swimmer")
            QVERIFY(!static_cast<SwimmerDialog&>(*opened.dialog).chosenCoach());
    }
    // Without a meet, as a new swimmer's dialog opened before.
    Swimmer swimmer;
    QVERIFY(SwimmerDialog(swimmer).findChild<QWidget*>("diverseRadio") == nullptr);
}

QTEST_MAIN(ModernDialogFieldsTest)
#include "ModernDialogFieldsTest.moc"
