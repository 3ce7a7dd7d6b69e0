#include "gui/SwimmerDialog.h"

#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "DialogParts.h"
#include "gui/MessageBoxes.h"
#include "model/ImpossibleEntries.h"

namespace natarix {

namespace {
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;
}  // namespace

SwimmerDialog::SwimmerDialog(Swimmer& swimmer, QWidget* parent, const MeetDefinition* meet)
    : QDialog(parent),
      swimmer_(swimmer),
      meet_(meet),
      shownYear_(std::clamp<int>(swimmer.yearOfBirth, kFirstYear, kLastYear))
{
    SetUpDialog(*this, "swimmerDialog", QStringLiteral("Teilnehmer bearbeiten"));

    surname_ = MakeTextField(*this, "surnameEdit", 81);
    surname_->setText(ToQString(swimmer.surname));
    firstName_ = MakeTextField(*this, "firstNameEdit", 81);
    firstName_->setText(ToQString(swimmer.firstName));

    male_ = new QRadioButton(QStringLiteral("männlich"), this);
    male_->setObjectName(QStringLiteral("maleRadio"));
    female_ = new QRadioButton(QStringLiteral("weiblich"), this);
    female_->setObjectName(QStringLiteral("femaleRadio"));
    (swimmer.sex == Sex::Male ? male_ : female_)->setChecked(true);

    yearOfBirth_ = new QDateEdit(this);
    yearOfBirth_->setObjectName(QStringLiteral("yearOfBirthEdit"));
    yearOfBirth_->setDisplayFormat(QStringLiteral("yyyy"));
    yearOfBirth_->setDateRange(QDate(kFirstYear, 1, 1), QDate(kLastYear, 12, 31));
    yearOfBirth_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    yearOfBirth_->setDate(QDate(shownYear_, 1, 1));

    registrationNumber_ = MakeDigitsField(*this, "registrationNumberEdit", 81, 6);
    registrationNumber_->setText(ToQString(swimmer.registrationNumber));

    const DialogButtons buttons = MakeDialogButtons(*this);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(MakeLabel(*this, "surnameLabel", QStringLiteral("Nachname"), surname_), 0, 0);
    grid->addWidget(surname_, 0, 1);
    grid->addWidget(MakeLabel(*this, "firstNameLabel", QStringLiteral("Vorname"), firstName_), 1, 0);
    grid->addWidget(firstName_, 1, 1);
    grid->addWidget(male_, 2, 0, Qt::AlignLeft);
    grid->addWidget(female_, 2, 1, Qt::AlignLeft);
    grid->addWidget(MakeLabel(*this, "yearOfBirthLabel", QStringLiteral("Jahrgang"), yearOfBirth_), 3, 0);
    grid->addWidget(yearOfBirth_, 3, 1);
    grid->addWidget(
        MakeLabel(*this, "registrationNumberLabel", QStringLiteral("Registriernummer"), registrationNumber_), 4, 0);
    grid->addWidget(registrationNumber_, 4, 1);
    grid->setRowMinimumHeight(5, VerticalUnits(*this, 4));
    grid->addWidget(buttons.ok, 6, 0, Qt::AlignLeft);
    grid->addWidget(buttons.cancel, 6, 1, Qt::AlignLeft);

    SetTabOrder({surname_, firstName_, male_, female_, yearOfBirth_, registrationNumber_, buttons.ok, buttons.cancel});
}

void SwimmerDialog::accept()
{
    const auto name = ReadPersonName(*this, *surname_, *firstName_);
    if (!name)
        return;
    const auto registrationNumber = ReadTextField(*this, *registrationNumber_, "Registriernummer");
    if (!registrationNumber)
        return;

    // A stored year outside the picker's range is shown clamped and kept
    // unless the user set another year.
    Swimmer changed = swimmer_;
    const int year = yearOfBirth_->date().year();
    if (year != shownYear_)
        changed.yearOfBirth = year;
    changed.surname = name->surname;
    changed.firstName = name->firstName;
    changed.registrationNumber = *registrationNumber;
    changed.sex = male_->isChecked() ? Sex::Male : Sex::Female;
    if (!SettleEntriesBarredBy(changed))
        return;
    swimmer_ = changed;
    QDialog::accept();
}

bool SwimmerDialog::SettleEntriesBarredBy(Swimmer& changed)
{
    if (meet_ == nullptr)
        return true;
    // Entries that were impossible already were asked about before.
    std::vector<ImpossibleEntry> barred;
    for (const ImpossibleEntry& entry : ImpossibleEntriesOf(*meet_, &changed))
        if (MayEnter(swimmer_, *entry.event))
            barred.push_back(entry);
    if (barred.empty())
        return true;
    std::string question("Nach dieser Änderung darf der Teilnehmer diese Wettkämpfe nicht mehr schwimmen:");
    for (const ImpossibleEntry& entry : barred)
        question += "\n" + ImpossibleEntryLine(entry);
    question +=
        std::string("\n\nSollen diese Meldungen gelöscht werden? Mit „Nein“ bleiben sie rot markiert in der Liste.");
    switch (MessageBoxes::AskYesNoCancel(question, std::string("Meldungen passen nicht mehr"), this)) {
        case MessageBoxes::Answer::Yes:
            for (const ImpossibleEntry& entry : barred)
                changed.SetEntry(entry.event->number, std::string());
            return true;
        case MessageBoxes::Answer::No:
            return true;
        case MessageBoxes::Answer::Cancel:
            break;
    }
    return false;
}

}  // namespace natarix
