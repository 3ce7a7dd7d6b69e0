#include "gui/ClubDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <string_view>

#include "DialogParts.h"
#include "model/LsvItems.h"
#include "model/MeetDefinition.h"

namespace natarix {

namespace {

// The contact fields in the order of the dialog's edits, with their names in
// messages.
struct ContactField {
    std::string Address::*field;
    const char* objectName;
    std::string_view name;
};
const std::array<ContactField, ClubDialog::kContactEdits> kContactFields = {{
    {&Address::name, "contactNameEdit", "Ansprechpartner"},
    {&Address::street, "streetEdit", "Straße"},
    {&Address::postcode, "postcodeEdit", "PLZ"},
    {&Address::town, "townEdit", "Ort"},
    {&Address::phone, "phoneEdit", "Telefon"},
    {&Address::fax, "faxEdit", "FAX"},
    {&Address::email, "emailEdit", "E-Mail"},
    {&Address::country, "countryEdit", "Land"},
}};

}  // namespace

ClubDialog::ClubDialog(Club& club, QWidget* parent, const MeetDefinition* meet)
    : QDialog(parent), club_(club), modernFormat_(ModernFormat(meet))
{
    SetUpDialog(*this, "clubDialog", QStringLiteral("Vereinsdaten bearbeiten"));
    CheckTextsForFormatOf(*this, meet);

    clubName_ = MakeTextField(*this, "clubNameEdit", 183);
    clubName_->setText(ToQString(club.clubName));
    for (std::size_t i = 0; i < kContactEdits; ++i) {
        const ContactField& contact = kContactFields[i];
        QLineEdit* field = i == PostcodeEdit ? MakeDigitsField(*this, contact.objectName, 35)
                           : i == TownEdit   ? MakeTextField(*this, contact.objectName, 144)
                                             : MakeTextField(*this, contact.objectName, 183);
        field->setText(ToQString(club.contact.*contact.field));
        contact_[i] = field;
    }
    lsv_ = new QComboBox(this);
    lsv_->setObjectName(QStringLiteral("lsvComboBox"));
    // Formats 6 to 8 keep only the number: "9" is "09: Landesschwimmverband Niedersachsen".
    const QString storedLsv = ToQString(modernFormat_ != 0 ? LsvItemOf(club.lsv) : club.lsv);
    int chosen = -1;
    for (std::size_t i = 0; i < LsvItems().size(); ++i) {
        const QString item = ToQString(LsvItems()[i]);
        lsv_->addItem(item);
        if (chosen < 0 && item.startsWith(storedLsv, Qt::CaseInsensitive))
            chosen = static_cast<int>(i);
    }
    lsv_->setMaxVisibleItems(10);
    lsv_->setCurrentIndex(std::max(chosen, 0));  // "00: Ausland" when no item begins with the stored text
    clubId_ =
        modernFormat_ != 0 ? MakeDigitsField(*this, "clubIdEdit", 183, 4) : MakeTextField(*this, "clubIdEdit", 183);
    clubId_->setText(ToQString(club.clubId));
    if (modernFormat_ != 0) {
        nation_ = MakeTextField(*this, "nationEdit", 183, 3);
        nation_->setText(club.nation.empty() ? QStringLiteral("GER") : ToQString(club.nation));
    }
    if (modernFormat_ >= 8) {
        directDebit_ = new QCheckBox(QStringLiteral("Lastschrift erlaubt"), this);
        directDebit_->setObjectName(QStringLiteral("directDebitCheckBox"));
        directDebit_->setChecked(club.directDebitConsent);
    }

    const DialogButtons buttons = MakeDialogButtons(*this);

    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const char* labelName, const QString& label, QWidget* field) {
        grid->addWidget(MakeLabel(*this, labelName, label, field), row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };
    addRow("clubNameLabel", QStringLiteral("Vereinsname"), clubName_);
    addRow("contactNameLabel", QStringLiteral("Ansprechpartner"), contact_[NameEdit]);
    addRow("streetLabel", QStringLiteral("Straße"), contact_[StreetEdit]);
    grid->addWidget(MakeLabel(*this, "postcodeTownLabel", QStringLiteral("PLZ, Ort"), contact_[PostcodeEdit]), row, 0);
    auto* postcodeTown = new QHBoxLayout;
    contact_[PostcodeEdit]->setFixedWidth(contact_[PostcodeEdit]->minimumWidth());
    postcodeTown->addWidget(contact_[PostcodeEdit]);
    postcodeTown->addWidget(contact_[TownEdit], 1);
    grid->addLayout(postcodeTown, row++, 1);
    addRow("phoneLabel", QStringLiteral("Telefon"), contact_[PhoneEdit]);
    addRow("faxLabel", QStringLiteral("FAX"), contact_[FaxEdit]);
    addRow("emailLabel", QStringLiteral("E-Mail"), contact_[EmailEdit]);
    addRow("countryLabel", QStringLiteral("Land"), contact_[CountryEdit]);
    addRow("lsvLabel", QStringLiteral("LSV"), lsv_);
    if (modernFormat_ == 0) {
        addRow("clubIdLabel", QStringLiteral("Vereins-ID"), clubId_);
    } else {
        addRow("clubIdLabel", QStringLiteral("Vereinskennzahl"), clubId_);
        addRow("nationLabel", QStringLiteral("Nation"), nation_);
    }
    if (directDebit_ != nullptr)
        grid->addWidget(directDebit_, row++, 1, Qt::AlignLeft);

    LayOutFormBesideButtons(*this, grid, buttons, 11);

    SetTabOrder({clubName_, contact_[NameEdit], contact_[StreetEdit], contact_[PostcodeEdit], contact_[TownEdit],
                 contact_[PhoneEdit], contact_[FaxEdit], contact_[EmailEdit], contact_[CountryEdit], lsv_, clubId_,
                 nation_, directDebit_, buttons.ok, buttons.cancel});
}

std::optional<std::string> ClubDialog::ReadClubNumber()
{
    auto number = ReadTextField(*this, *clubId_, "Vereinskennzahl");
    if (!number)
        return std::nullopt;
    const bool digits = std::all_of(number->begin(), number->end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits && (number->size() == 4 || *number == "0"))
        return number;
    RefuseField(*this, *clubId_,
                "Im Feld \"Vereinskennzahl\" stehen vier Ziffern; ein Verein außerhalb des DSV hat die 0.");
    return std::nullopt;
}

void ClubDialog::accept()
{
    const auto clubName = ReadTextField(*this, *clubName_, "Vereinsname");
    if (!clubName)
        return;
    Address contact;
    for (std::size_t i = 0; i < kContactEdits; ++i) {
        auto text = ReadTextField(*this, *contact_[i], kContactFields[i].name);
        if (!text)
            return;
        contact.*kContactFields[i].field = std::move(*text);
    }
    const auto clubId = modernFormat_ != 0 ? ReadClubNumber() : ReadTextField(*this, *clubId_, "Vereins-ID");
    if (!clubId)
        return;
    std::optional<std::string> nation;
    if (nation_ != nullptr && !(nation = ReadNationCode(*this, *nation_, "Nation", true)))
        return;
    // Stored as typed: no field is trimmed or required here.
    club_.clubName = *clubName;
    club_.contact = contact;
    club_.clubId = *clubId;
    club_.lsv = LsvItems()[static_cast<std::size_t>(lsv_->currentIndex())];
    if (nation)
        club_.nation = *nation;
    if (directDebit_ != nullptr)
        club_.directDebitConsent = directDebit_->isChecked();
    QDialog::accept();
}

}  // namespace natarix
