#include "SwimmerDialog.h"

#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "DialogParts.h"
#include "dsv/Cp1252Literal.h"

namespace natarix {

namespace {
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;
}  // namespace

SwimmerDialog::SwimmerDialog(Swimmer& swimmer, QWidget* parent)
    : QDialog(parent), swimmer_(swimmer), shownYear_(std::clamp<int>(swimmer.yearOfBirth, kFirstYear, kLastYear))
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
    (swimmer.sex == "m" ? male_ : female_)->setChecked(true);

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
    const auto registrationNumber = ReadTextField(*this, *registrationNumber_, "Registriernummer"_w1252);
    if (!registrationNumber)
        return;

    // A stored year outside the picker's range is shown clamped and kept
    // unless the user set another year.
    const int year = yearOfBirth_->date().year();
    if (year != shownYear_)
        swimmer_.yearOfBirth = year;
    swimmer_.surname = name->surname;
    swimmer_.firstName = name->firstName;
    swimmer_.registrationNumber = *registrationNumber;
    swimmer_.sex = male_->isChecked() ? "m" : "w";
    QDialog::accept();
}

}  // namespace natarix
