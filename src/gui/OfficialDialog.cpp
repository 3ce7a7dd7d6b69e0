#include "gui/OfficialDialog.h"

#include <QByteArray>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <span>

#include "DialogParts.h"
#include "model/Labels.h"
#include "model/OfficialCodes.h"
#include "model/ValueTexts.h"

namespace natarix {

namespace {
// Each section item keeps its number as the model holds it, each item of a
// code list its code.
constexpr int kModelRole = Qt::UserRole;

// A list of codes shown as "code: name", or the name alone where the code
// says nothing to a volunteer; the code stored is chosen.
QComboBox* MakeCodeList(QWidget& parent, const char* objectName, const std::vector<NamedCode>& codes,
                        const std::string& stored, bool showCode)
{
    auto* list = new QComboBox(&parent);
    list->setObjectName(QString::fromLatin1(objectName));
    for (const NamedCode& code : codes) {
        const QString name = ToQString(code.name);
        list->addItem(showCode && !code.code.empty() ? ToQString(code.code) + QStringLiteral(": ") + name : name,
                      QByteArray(code.code.data(), static_cast<qsizetype>(code.code.size())));
        if (code.code == stored)
            list->setCurrentIndex(list->count() - 1);
    }
    list->setMaxVisibleItems(static_cast<int>(std::min<std::size_t>(codes.size(), 20)));
    return list;
}

std::string ChosenCode(const QComboBox& list)
{
    return list.currentData(kModelRole).toByteArray().toStdString();
}
}  // namespace

OfficialDialog::OfficialDialog(Official& official, const MeetDefinition& meet, QWidget* parent)
    : QDialog(parent), official_(official)
{
    SetUpDialog(*this, "officialDialog", QStringLiteral("Kampfrichter bearbeiten"));
    CheckTextsForFormatOf(*this, &meet);

    surname_ = MakeTextField(*this, "surnameEdit", 81);
    surname_->setText(ToQString(official.surname));
    firstName_ = MakeTextField(*this, "firstNameEdit", 81);
    firstName_->setText(ToQString(official.firstName));

    const int modernFormat = ModernFormat(&meet);
    if (modernFormat == 0) {
        group_ = new QComboBox(this);
        group_->setObjectName(QStringLiteral("groupComboBox"));
        group_->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
        group_->setMaxVisibleItems(6);
        group_->setCurrentIndex(official.group >= 1 && official.group <= 4 ? official.group - 1 : -1);
        wish_ = MakeTextField(*this, "wishEdit", 81);
        wish_->setText(ToQString(official.wish));
    } else {
        const std::span<const NamedCode> groups = OfficialGroups();
        // No group is the first, WKR, as the list writes it.
        group_ = MakeCodeList(*this, "groupComboBox", {groups.begin(), groups.end()},
                              official.groupCode.empty() ? std::string(groups.front().code) : official.groupCode, true);
        if (modernFormat >= 8)
            sex_ = MakeCodeList(*this, "sexComboBox",
                                {{"", "keine Angabe"}, {"M", "männlich"}, {"W", "weiblich"}, {"D", "divers"}},
                                official.sex, false);
        std::vector<NamedCode> wishes = WishCodes(modernFormat);
        wishes.insert(wishes.begin(), NamedCode{"", "kein Wunsch"});
        wishCode_ = MakeCodeList(*this, "wishComboBox", wishes, official.wish, true);
    }
    QWidget* wish = wish_ != nullptr ? static_cast<QWidget*>(wish_) : wishCode_;

    sections_ = new QListWidget(this);
    sections_->setObjectName(QStringLiteral("sectionsList"));
    sections_->setSortingEnabled(true);
    sections_->setFixedSize(HorizontalUnits(*sections_, 81), VerticalUnits(*sections_, 37));
    const std::string chosen = ";" + SectionNumbersText(official) + ";";
    for (const auto& [number, section] : meet.sections()) {
        auto* item = new QListWidgetItem(ToQString(number));
        item->setData(kModelRole, QByteArray::fromStdString(number));
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
    int row = 3;
    if (sex_ != nullptr) {
        grid->addWidget(MakeLabel(*this, "sexLabel", QStringLiteral("Geschlecht"), sex_), row, 0);
        grid->addWidget(sex_, row++, 1, Qt::AlignLeft);
    }
    grid->addWidget(MakeLabel(*this, "wishLabel", QStringLiteral("Einsatzwunsch"), wish), row, 0);
    grid->addWidget(wish, row++, 1, wish_ != nullptr ? Qt::Alignment() : Qt::AlignLeft);
    grid->addWidget(MakeLabel(*this, "sectionsLabel", QStringLiteral("Abschnitte"), sections_), row, 0,
                    Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(sections_, row, 1);

    LayOutFormBesideButtons(*this, grid, buttons, 14);

    SetTabOrder({surname_, firstName_, group_, sex_, wish, sections_, buttons.ok, buttons.cancel});
}

void OfficialDialog::accept()
{
    const auto name = ReadPersonName(*this, *surname_, *firstName_);
    if (!name)
        return;
    std::optional<std::string> wish;
    if (wish_ != nullptr && !(wish = ReadTextField(*this, *wish_, "Einsatzwunsch")))
        return;

    official_.surname = name->surname;
    official_.firstName = name->firstName;
    if (wish_ != nullptr) {
        official_.wish = TrimRight(*wish);
        official_.group = group_->currentIndex() + 1;  // 0 when no group is chosen
    } else {
        official_.wish = ChosenCode(*wishCode_);
        official_.groupCode = ChosenCode(*group_);
    }
    if (sex_ != nullptr)
        official_.sex = ChosenCode(*sex_);
    std::vector<std::string> sectionNumbers;
    for (int row = 0; row < sections_->count(); ++row) {
        const QListWidgetItem* item = sections_->item(row);
        if (item->checkState() == Qt::Checked)
            sectionNumbers.push_back(item->data(kModelRole).toByteArray().toStdString());
    }
    official_.sectionNumbers = std::move(sectionNumbers);
    QDialog::accept();
}

}  // namespace natarix
