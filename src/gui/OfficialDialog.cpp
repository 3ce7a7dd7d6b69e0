#include "gui/OfficialDialog.h"

#include <QByteArray>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "DialogParts.h"
#include "model/Labels.h"
#include "model/ValueTexts.h"

namespace natarix {

namespace {
// Each section item keeps its number as the model holds it.
constexpr int kNumberRole = Qt::UserRole;
}  // namespace

OfficialDialog::OfficialDialog(Official& official, const MeetDefinition& meet, QWidget* parent)
    : QDialog(parent), official_(official)
{
    SetUpDialog(*this, "officialDialog", QStringLiteral("Kampfrichter bearbeiten"));

    surname_ = MakeTextField(*this, "surnameEdit", 81);
    surname_->setText(ToQString(official.surname));
    firstName_ = MakeTextField(*this, "firstNameEdit", 81);
    firstName_->setText(ToQString(official.firstName));

    group_ = new QComboBox(this);
    group_->setObjectName(QStringLiteral("groupComboBox"));
    group_->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    group_->setMaxVisibleItems(6);
    group_->setCurrentIndex(official.group >= 1 && official.group <= 4 ? official.group - 1 : -1);

    wish_ = MakeTextField(*this, "wishEdit", 81);
    wish_->setText(ToQString(official.wish));

    sections_ = new QListWidget(this);
    sections_->setObjectName(QStringLiteral("sectionsList"));
    sections_->setSortingEnabled(true);
    sections_->setFixedSize(HorizontalUnits(*sections_, 81), VerticalUnits(*sections_, 37));
    const std::string chosen = ";" + SectionNumbersText(official) + ";";
    for (const auto& [number, section] : meet.sections()) {
        auto* item = new QListWidgetItem(ToQString(number));
        item->setData(kNumberRole, QByteArray::fromStdString(number));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(chosen.find(";" + number + ";") != std::string::npos ? Qt::Checked : Qt::Unchecked);
        sections_->addItem(item);
    }

    const DialogButtons buttons = MakeDialogButtons(*this);

    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel(*this, "surnameLabel", QStringLiteral("Nachname"), surname_), 0, 0);
    grid->addWidget(surname_, 0, 1);
    grid->addWidget(MakeLabel(*this, "firstNameLabel", QStringLiteral("Vorname"), firstName_), 1, 0);
    grid->addWidget(firstName_, 1, 1);
    grid->addWidget(MakeLabel(*this, "groupLabel", QStringLiteral("Gruppe"), group_), 2, 0);
    grid->addWidget(group_, 2, 1, Qt::AlignLeft);
    grid->addWidget(MakeLabel(*this, "wishLabel", QStringLiteral("Einsatzwunsch"), wish_), 3, 0);
    grid->addWidget(wish_, 3, 1);
    grid->addWidget(MakeLabel(*this, "sectionsLabel", QStringLiteral("Abschnitte"), sections_), 4, 0,
                    Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(sections_, 4, 1);

    LayOutFormBesideButtons(*this, grid, buttons, 14);

    SetTabOrder({surname_, firstName_, group_, wish_, sections_, buttons.ok, buttons.cancel});
}

void OfficialDialog::accept()
{
    const auto name = ReadPersonName(*this, *surname_, *firstName_);
    if (!name)
        return;
    const auto wish = ReadTextField(*this, *wish_, "Einsatzwunsch");
    if (!wish)
        return;

    official_.surname = name->surname;
    official_.firstName = name->firstName;
    official_.wish = TrimRight(*wish);
    official_.group = group_->currentIndex() + 1;  // 0 when no group is chosen
    std::vector<std::string> sectionNumbers;
    for (int row = 0; row < sections_->count(); ++row) {
        const QListWidgetItem* item = sections_->item(row);
        if (item->checkState() == Qt::Checked)
            sectionNumbers.push_back(item->data(kNumberRole).toByteArray().toStdString());
    }
    official_.sectionNumbers = std::move(sectionNumbers);
    QDialog::accept();
}

}  // namespace natarix
