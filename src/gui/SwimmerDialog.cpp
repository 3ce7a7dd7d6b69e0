#include "gui/SwimmerDialog.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "DialogParts.h"
#include "gui/MessageBoxes.h"
#include "model/ImpossibleEntries.h"
#include "model/ValueTexts.h"

namespace natarix {

namespace {
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;
// The model's DSV-ID of a swimmer whose number is not known.
constexpr const char* kUnknownDsvId = "000000";
}  // namespace

SwimmerDialog::SwimmerDialog(Swimmer& swimmer, QWidget* parent, const MeetDefinition* meet,
                             const std::vector<Coach>& coaches)
    : QDialog(parent),
      swimmer_(swimmer),
      meet_(meet),
      shownYear_(std::clamp<int>(swimmer.yearOfBirth, kFirstYear, kLastYear))
{
    SetUpDialog(*this, "swimmerDialog", QStringLiteral("Teilnehmer bearbeiten"));
    CheckTextsForFormatOf(*this, meet);
    const bool modern = ModernFormat(meet) != 0;

    surname_ = MakeTextField(*this, "surnameEdit", 81);
    surname_->setText(ToQString(swimmer.surname));
    firstName_ = MakeTextField(*this, "firstNameEdit", 81);
    firstName_->setText(ToQString(swimmer.firstName));

    male_ = new QRadioButton(QStringLiteral("männlich"), this);
    male_->setObjectName(QStringLiteral("maleRadio"));
    female_ = new QRadioButton(QStringLiteral("weiblich"), this);
    female_->setObjectName(QStringLiteral("femaleRadio"));
    if (modern) {
        diverse_ = new QRadioButton(QStringLiteral("divers"), this);
        diverse_->setObjectName(QStringLiteral("diverseRadio"));
    }
    QRadioButton* sex = swimmer.sex == Sex::Male ? male_ : female_;
    if (swimmer.sex == Sex::Diverse && diverse_ != nullptr)
        sex = diverse_;
    sex->setChecked(true);

    yearOfBirth_ = new QDateEdit(this);
    yearOfBirth_->setObjectName(QStringLiteral("yearOfBirthEdit"));
    yearOfBirth_->setDisplayFormat(QStringLiteral("yyyy"));
    yearOfBirth_->setDateRange(QDate(kFirstYear, 1, 1), QDate(kLastYear, 12, 31));
    yearOfBirth_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    yearOfBirth_->setDate(QDate(shownYear_, 1, 1));

    registrationNumber_ = MakeDigitsField(*this, "registrationNumberEdit", 81, 6);
    // An unknown DSV-ID shows as nothing, which is how it is entered.
    const bool unknownDsvId =
        modern && (swimmer.registrationNumber == kUnknownDsvId || swimmer.registrationNumber == "0");
    registrationNumber_->setText(unknownDsvId ? QString() : ToQString(swimmer.registrationNumber));

    if (modern) {
        for (std::size_t i = 0; i < kNationalities; ++i) {
            nationalities_[i] = MakeTextField(*this, qPrintable(QStringLiteral("nationality%1Edit").arg(i + 1)), 24, 3);
            if (i < swimmer.nationalities.size())
                nationalities_[i]->setText(ToQString(swimmer.nationalities[i]));
        }
        coach_ = new QComboBox(this);
        coach_->setObjectName(QStringLiteral("coachComboBox"));
        coach_->setEditable(true);
        coach_->setInsertPolicy(QComboBox::NoInsert);
        coach_->setMinimumWidth(HorizontalUnits(*coach_, 81));
        coach_->addItem(QString());
        for (const Coach& coach : coaches) {
            coach_->addItem(ToQString(coach.name));
            if (coach.number == swimmer.coachNumber)
                coach_->setCurrentIndex(coach_->count() - 1);
        }
    }

    const DialogButtons buttons = MakeDialogButtons(*this);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(MakeLabel(*this, "surnameLabel", QStringLiteral("Nachname"), surname_), 0, 0);
    grid->addWidget(surname_, 0, 1);
    grid->addWidget(MakeLabel(*this, "firstNameLabel", QStringLiteral("Vorname"), firstName_), 1, 0);
    grid->addWidget(firstName_, 1, 1);
    grid->addWidget(male_, 2, 0, Qt::AlignLeft);
    if (diverse_ == nullptr) {
        grid->addWidget(female_, 2, 1, Qt::AlignLeft);
    } else {
        auto* femaleDiverse = new QHBoxLayout;
        femaleDiverse->addWidget(female_);
        femaleDiverse->addWidget(diverse_);
        femaleDiverse->addStretch();
        grid->addLayout(femaleDiverse, 2, 1);
    }
    grid->addWidget(MakeLabel(*this, "yearOfBirthLabel", QStringLiteral("Jahrgang"), yearOfBirth_), 3, 0);
    grid->addWidget(yearOfBirth_, 3, 1);
    const QString numberLabel = modern ? QStringLiteral("DSV-ID") : QStringLiteral("Registriernummer");
    grid->addWidget(MakeLabel(*this, "registrationNumberLabel", numberLabel, registrationNumber_), 4, 0);
    grid->addWidget(registrationNumber_, 4, 1);
    int row = 5;
    if (modern) {
        grid->addWidget(MakeLabel(*this, "nationalityLabel", QStringLiteral("Nationalität"), nationalities_[0]), row,
                        0);
        auto* nationalities = new QHBoxLayout;
        for (QLineEdit* nationality : nationalities_) {
            nationality->setFixedWidth(nationality->minimumWidth());
            nationalities->addWidget(nationality);
        }
        nationalities->addStretch();
        grid->addLayout(nationalities, row++, 1);
        grid->addWidget(MakeLabel(*this, "coachLabel", QStringLiteral("Trainer"), coach_), row, 0);
        grid->addWidget(coach_, row++, 1);
    }
    grid->setRowMinimumHeight(row++, VerticalUnits(*this, 4));
    grid->addWidget(buttons.ok, row, 0, Qt::AlignLeft);
    grid->addWidget(buttons.cancel, row, 1, Qt::AlignLeft);

    SetTabOrder({surname_, firstName_, male_, female_, diverse_, yearOfBirth_, registrationNumber_, nationalities_[0],
                 nationalities_[1], nationalities_[2], coach_, buttons.ok, buttons.cancel});
}

void SwimmerDialog::accept()
{
    const auto name = ReadPersonName(*this, *surname_, *firstName_);
    if (!name)
        return;
    const bool modern = coach_ != nullptr;
    const auto registrationNumber =
        modern ? ReadDsvId() : ReadTextField(*this, *registrationNumber_, "Registriernummer");
    if (!registrationNumber)
        return;
    std::optional<std::vector<std::string>> nationalities;
    std::optional<std::string> coach;
    if (modern) {
        nationalities = ReadNationalities();
        if (!nationalities)
            return;
        coach = ReadTextField(*this, *coach_->lineEdit(), "Trainer");
        if (!coach)
            return;
        *coach = TrimRight(*coach);
        coach->erase(0, coach->find_first_not_of(" \t"));
    }

    // A stored year outside the picker's range is shown clamped and kept
    // unless the user set another year.
    Swimmer changed = swimmer_;
    const int year = yearOfBirth_->date().year();
    if (year != shownYear_)
        changed.yearOfBirth = year;
    changed.surname = name->surname;
    changed.firstName = name->firstName;
    changed.registrationNumber = *registrationNumber;
    changed.sex = male_->isChecked()                             ? Sex::Male
                  : diverse_ != nullptr && diverse_->isChecked() ? Sex::Diverse
                                                                 : Sex::Female;
    if (nationalities)
        changed.nationalities = std::move(*nationalities);
    if (!SettleEntriesBarredBy(changed))
        return;
    swimmer_ = changed;
    chosenCoach_ = std::move(coach);
    QDialog::accept();
}

std::optional<std::string> SwimmerDialog::ReadDsvId()
{
    auto dsvId = ReadTextField(*this, *registrationNumber_, "DSV-ID");
    if (!dsvId)
        return std::nullopt;
    if (dsvId->empty() || *dsvId == "0")
        return std::string(kUnknownDsvId);
    const bool digits = std::all_of(dsvId->begin(), dsvId->end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits && dsvId->size() == 6)
        return dsvId;
    RefuseField(*this, *registrationNumber_,
                "Im Feld \"DSV-ID\" stehen sechs Ziffern, oder 0 oder nichts, wenn sie nicht bekannt ist.");
    return std::nullopt;
}

std::optional<std::vector<std::string>> SwimmerDialog::ReadNationalities()
{
    std::vector<std::string> nationalities;
    for (std::size_t i = 0; i < kNationalities; ++i) {
        const std::string fieldName = "Nationalität " + std::to_string(i + 1);
        const auto nationality = ReadNationCode(*this, *nationalities_[i], fieldName, false);
        if (!nationality)
            return std::nullopt;
        if (!nationality->empty())
            nationalities.push_back(*nationality);
    }
    return nationalities;
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
