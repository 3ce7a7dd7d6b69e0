#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "GuiTestSupport.h"
#include "gui/ClubDialog.h"
#include "gui/EntryDialog.h"
#include "gui/ModelText.h"
#include "gui/OfficialDialog.h"
#include "gui/SwimmerDialog.h"
#include "gui/TeamDialog.h"

using namespace natarix;
using namespace natarix::test;

// How every dialog is arranged, at the platform's font and at a large one:
// nothing cut off, nothing overlapping, labels left of their fields, tab order
// down the layout, no close box. With NATARIX_SCREENSHOT_DIR set, each dialog
// at the platform's font is saved there as dialog-<name>.png.
class DialogLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void Arrangement_data();
    void Arrangement();
    void Texts_data();
    void Texts();
};

namespace {

// One dialog on realistic data; the model objects live as long as it does.
struct Fixture {
    Swimmer swimmer;
    Team team;
    Official official;
    Club club;
    MeetDefinition meet;
    MeetDefinition modernMeet;  // format 8, with the same sections
    std::vector<Coach> coaches{{1, "Lehmann, Jens"}, {2, *ToModelText(QString::fromUtf8("Schäfer, Eva"))}};
    Event event;
    std::unique_ptr<QDialog> dialog;

    explicit Fixture(const QString& name)
    {
        swimmer.surname = *ToModelText(QString::fromUtf8("Müller-Lüdenscheidt"));
        swimmer.firstName = *ToModelText(QString::fromUtf8("Ännchen"));
        swimmer.yearOfBirth = 2011;
        swimmer.registrationNumber = "348211";
        swimmer.sex = Sex::Female;
        team.teamNumber = "2";
        team.teamName = "Mixed";
        team.classLabel = "Jugend A";
        official.surname = "Muster";
        official.firstName = "Paul";
        official.group = 2;
        official.sectionNumbers = {"1", "3"};
        official.wish = "Zeitnehmer";
        for (const char* number : {"1", "2", "3"})
            meet.AddSection(Section{number, "11.03.2027", "09:00", ""});
        club.clubName = "SV Blau-Weiss Beispielstadt";
        club.clubId = "4711";
        club.lsv = "18";
        club.contact.name = "Petra Muster";
        club.contact.street = *ToModelText(QString::fromUtf8("Hauptstraße 1"));
        club.contact.postcode = "12345";
        club.contact.town = "Beispielstadt";
        club.contact.email = "meldungen@sv-beispielstadt.de";
        event.number = "30";
        event.swimmerCount = "4";
        event.distance = "100";
        event.technique = "L";
        event.sex = "X";
        team.SetEntry("30", "04:12,50");
        modernMeet = meet;
        modernMeet.formatVersion = 8;
        swimmer.nationalities = {"GER", "AUT"};
        swimmer.coachNumber = 2;
        club.nation = "GER";

        if (name == "swimmer-8")
            dialog = std::make_unique<SwimmerDialog>(swimmer, nullptr, &modernMeet, coaches);
        else if (name == "official-8")
            dialog = std::make_unique<OfficialDialog>(official, modernMeet);
        else if (name == "club-8")
            dialog = std::make_unique<ClubDialog>(club, nullptr, &modernMeet);
        else if (name == "swimmer")
            dialog = std::make_unique<SwimmerDialog>(swimmer);
        else if (name == "team")
            dialog = std::make_unique<TeamDialog>(team);
        else if (name == "official")
            dialog = std::make_unique<OfficialDialog>(official, meet);
        else if (name == "club")
            dialog = std::make_unique<ClubDialog>(club);
        else
            dialog = std::make_unique<EntryDialog>(team, event);
    }
};

QList<QWidget*> Controls(const QDialog& dialog)
{
    return dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
}

void AddDialogRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QStringList>("tabOrder");
    const QList<std::pair<QString, QStringList>> dialogs = {
        {"swimmer",
         {"surnameEdit", "firstNameEdit", "maleRadio", "femaleRadio", "yearOfBirthEdit", "registrationNumberEdit",
          "okButton", "cancelButton"}},
        {"team", {"teamNumberEdit", "teamNameEdit", "classLabelEdit", "okButton", "cancelButton"}},
        {"official",
         {"surnameEdit", "firstNameEdit", "groupComboBox", "wishEdit", "sectionsList", "okButton", "cancelButton"}},
        {"club",
         {"clubNameEdit", "contactNameEdit", "streetEdit", "postcodeEdit", "townEdit", "phoneEdit", "faxEdit",
          "emailEdit", "countryEdit", "lsvComboBox", "clubIdEdit", "okButton", "cancelButton"}},
        {"entry", {"enterCheckBox", "entryTimeEdit", "okButton", "cancelButton"}},
        {"swimmer-8",
         {"surnameEdit", "firstNameEdit", "maleRadio", "femaleRadio", "diverseRadio", "yearOfBirthEdit",
          "registrationNumberEdit", "nationality1Edit", "nationality2Edit", "nationality3Edit", "coachComboBox",
          "okButton", "cancelButton"}},
        {"official-8",
         {"surnameEdit", "firstNameEdit", "groupComboBox", "sexComboBox", "wishComboBox", "sectionsList", "okButton",
          "cancelButton"}},
        {"club-8",
         {"clubNameEdit", "contactNameEdit", "streetEdit", "postcodeEdit", "townEdit", "phoneEdit", "faxEdit",
          "emailEdit", "countryEdit", "lsvComboBox", "clubIdEdit", "nationEdit", "directDebitCheckBox", "okButton",
          "cancelButton"}},
    };
    for (const auto& [name, tabOrder] : dialogs)
        for (int pointSize : {0, 16})
            QTest::addRow("%s, %s", qPrintable(name), pointSize == 0 ? "platform font" : "16 pt")
                << name << pointSize << tabOrder;
}

}  // namespace

void DialogLayoutTest::Arrangement_data()
{
    AddDialogRows();
}

void DialogLayoutTest::Arrangement()
{
    QFETCH(QString, name);
    QFETCH(int, pointSize);
    QFETCH(QStringList, tabOrder);

    const QFont platformFont = QApplication::font();
    QFont font = platformFont;
    if (pointSize > 0)
        font.setPointSize(pointSize);
    QApplication::setFont(font);
    Fixture fixture(name);
    QApplication::setFont(platformFont);
    QDialog& dialog = *fixture.dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    // A caption without close box or system menu.
    const Qt::WindowFlags flags = dialog.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(Control<QPushButton>(dialog, "okButton")->isDefault());

    QSet<QString> names;
    const QList<QWidget*> controls = Controls(dialog);
    for (QWidget* control : controls) {
        if (!control->isVisible())
            continue;
        QVERIFY2(!control->objectName().isEmpty(), control->metaObject()->className());
        QVERIFY2(!names.contains(control->objectName()), qPrintable(control->objectName()));
        names.insert(control->objectName());
        QVERIFY2(dialog.rect().contains(control->geometry()), qPrintable(control->objectName()));
        // Texts are shown whole.
        if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control) ||
            qobject_cast<QComboBox*>(control)) {
            QVERIFY2(control->width() >= control->sizeHint().width(), qPrintable(control->objectName()));
            QVERIFY2(control->height() >= control->sizeHint().height(), qPrintable(control->objectName()));
        }
        for (const QWidget* other : controls)
            if (other != control && other->isVisible())
                QVERIFY2(!control->geometry().intersects(other->geometry()),
                         qPrintable(control->objectName() + " / " + other->objectName()));
        // A label stands left of its field, on the same line.
        if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && label->buddy() != nullptr) {
            const QRect field = label->buddy()->geometry();
            QVERIFY2(label->geometry().right() < field.left(), qPrintable(label->objectName()));
            QVERIFY2(label->geometry().top() <= field.center().y(), qPrintable(label->objectName()));
            QVERIFY2(label->geometry().bottom() >= field.top(), qPrintable(label->objectName()));
        }
    }

    QStringList focusChain;
    for (QWidget* widget = dialog.nextInFocusChain(); widget != &dialog; widget = widget->nextInFocusChain())
        if (widget->parentWidget() == &dialog && widget->focusPolicy() & Qt::TabFocus)
            focusChain << widget->objectName();
    QCOMPARE(focusChain, tabOrder);

    const QString screenshots = qEnvironmentVariable("NATARIX_SCREENSHOT_DIR");
    if (!screenshots.isEmpty() && pointSize == 0)
        QVERIFY(dialog.grab().save(QDir(screenshots).filePath("dialog-" + name + ".png")));
}

void DialogLayoutTest::Texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("texts");  // of labels and buttons, in any order
    QTest::newRow("swimmer") << "swimmer"
                             << "Teilnehmer bearbeiten"
                             << QStringList{"männlich", "weiblich", "OK",       "Abbrechen",
                                            "Nachname", "Vorname",  "Jahrgang", "Registriernummer"};
    QTest::newRow("team") << "team"
                          << "Staffel bearbeiten"
                          << QStringList{
                                 "Der Name und die Wertungsklasse werden\n"
                                 "nur als Kommentar zu den Meldungen\n"
                                 "hinzugefügt. Diese Angaben entsprechen\n"
                                 "nicht dem DSV-Format.",
                                 "OK",
                                 "Abbrechen",
                                 "Mannschaft",
                                 "Name",
                                 "Wertungsklasse"};
    QTest::newRow("official") << "official"
                              << "Kampfrichter bearbeiten"
                              << QStringList{"OK",     "Abbrechen",     "Nachname",  "Vorname",
                                             "Gruppe", "Einsatzwunsch", "Abschnitte"};
    QTest::newRow("club") << "club"
                          << "Vereinsdaten bearbeiten"
                          << QStringList{"OK",     "Abbrechen", "Vereinsname", "Ansprechpartner",
                                         "Straße", "PLZ, Ort",  "Telefon",     "FAX",
                                         "E-Mail", "Land",      "LSV",         "Vereins-ID"};
    QTest::newRow("entry") << "entry"
                           << "Meldung bearbeiten" << QStringList{"Staffel: 2. Mannschaft",
                                                                  "Wettkampf 30: 4x100m L X",
                                                                  "Teilnehmer melden",
                                                                  "OK",
                                                                  "Abbrechen",
                                                                  "Meldezeit:"};
    QTest::newRow("swimmer, format 8") << "swimmer-8"
                                       << "Teilnehmer bearbeiten"
                                       << QStringList{"männlich",  "weiblich", "divers",      "OK",
                                                      "Abbrechen", "Nachname", "Vorname",     "Jahrgang",
                                                      "DSV-ID",    "Trainer",  "Nationalität"};
    QTest::newRow("official, format 8") << "official-8"
                                        << "Kampfrichter bearbeiten"
                                        << QStringList{"OK",     "Abbrechen",  "Nachname",      "Vorname",
                                                       "Gruppe", "Geschlecht", "Einsatzwunsch", "Abschnitte"};
    QTest::newRow("club, format 8") << "club-8"
                                    << "Vereinsdaten bearbeiten" << QStringList{"OK",          "Abbrechen",
                                                                                "Vereinsname", "Ansprechpartner",
                                                                                "Straße",      "PLZ, Ort",
                                                                                "Telefon",     "FAX",
                                                                                "E-Mail",      "Land",
                                                                                "LSV",         "Vereinskennzahl",
                                                                                "Nation",      "Lastschrift erlaubt"};
}

void DialogLayoutTest::Texts()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QStringList, texts);
    Fixture fixture(name);
    QCOMPARE(fixture.dialog->windowTitle(), title);
    QStringList shown;
    for (const QWidget* control : Controls(*fixture.dialog)) {
        if (const auto* label = qobject_cast<const QLabel*>(control))
            shown << label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            shown << button->text();
    }
    shown.sort();
    texts.sort();
    QCOMPARE(shown, texts);
}

QTEST_MAIN(DialogLayoutTest)
#include "DialogLayoutTest.moc"
