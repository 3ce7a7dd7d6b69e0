#pragma once

#include <QDialog>

#include "dsv/Participant.h"

class QDateEdit;
class QLineEdit;
class QRadioButton;

namespace natarix {

// "Teilnehmer bearbeiten": name, sex, year of birth and registration number
// of one swimmer. The swimmer changes only on an OK that passes the checks.
class SwimmerDialog : public QDialog {
    Q_OBJECT

public:
    explicit SwimmerDialog(Swimmer& swimmer, QWidget* parent = nullptr);

    void accept() override;

private:
    Swimmer& swimmer_;
    QLineEdit* surname_;
    QLineEdit* firstName_;
    QRadioButton* male_;
    QRadioButton* female_;
    QDateEdit* yearOfBirth_;
    QLineEdit* registrationNumber_;
    int shownYear_;
};

}  // namespace natarix
