#pragma once

#include <array>

#include <QDialog>

#include "model/Club.h"

class QComboBox;
class QLineEdit;

namespace natarix {

// "Vereinsdaten bearbeiten": the club's name, contact, regional association
// ("LSV") and id. The club changes only on an OK that passes the checks.
class ClubDialog : public QDialog {
    Q_OBJECT

public:
    explicit ClubDialog(Club& club, QWidget* parent = nullptr);

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
    Club& club_;
    QLineEdit* clubName_;
    std::array<QLineEdit*, kContactEdits> contact_;
    QComboBox* lsv_;
    QLineEdit* clubId_;
};

}  // namespace natarix
