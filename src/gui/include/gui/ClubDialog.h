#pragma once

#include <array>
#include <optional>
#include <string>

#include <QDialog>

#include "model/Club.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace natarix {

class MeetDefinition;

// "Vereinsdaten bearbeiten": the club's name, contact, regional association
// ("LSV") and id. The club changes only on an OK that passes the checks.
// On a meet of formats 6 to 8 the id is the Vereinskennzahl, and the nation
// and, from format 8, the consent to direct debit come with it.
class ClubDialog : public QDialog {
    Q_OBJECT

public:
    explicit ClubDialog(Club& club, QWidget* parent = nullptr, const MeetDefinition* meet = nullptr);

    void accept() override;

    // The contact's edits in the order of the dialog.
    enum ContactEdit : std::size_t {
        NameEdit,
        StreetEdit,
        PostcodeEdit,
        TownEdit,
        PhoneEdit,
        FaxEdit,
        EmailEdit,
        CountryEdit,
        kContactEdits
    };

private:
    // The Vereinskennzahl: four digits, 0 for a club outside the DSV.
    std::optional<std::string> ReadClubNumber();

    Club& club_;
    int modernFormat_;
    QLineEdit* clubName_;
    std::array<QLineEdit*, kContactEdits> contact_;
    QComboBox* lsv_;
    QLineEdit* clubId_;
    QLineEdit* nation_ = nullptr;
    QCheckBox* directDebit_ = nullptr;
};

}  // namespace natarix
