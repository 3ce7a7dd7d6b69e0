#pragma once

#include <QDialog>

#include "model/Participant.h"

class QDateEdit;
class QLineEdit;
class QRadioButton;

namespace natarix {

class MeetDefinition;

// "Teilnehmer bearbeiten": name, sex, year of birth and registration number
// of one swimmer. The swimmer changes only on an OK that passes the checks.
// With the meet given, OK asks about the entries that the change makes
// impossible in it: to delete them, to keep them, or to go back.
class SwimmerDialog : public QDialog {
    Q_OBJECT

public:
    explicit SwimmerDialog(Swimmer& swimmer, QWidget* parent = nullptr, const MeetDefinition* meet = nullptr);

    void accept() override;

private:
    // False when the user goes back to the dialog.
    bool SettleEntriesBarredBy(Swimmer& changed);

    Swimmer& swimmer_;
    const MeetDefinition* meet_;
    QLineEdit* surname_;
    QLineEdit* firstName_;
    QRadioButton* male_;
    QRadioButton* female_;
    QDateEdit* yearOfBirth_;
    QLineEdit* registrationNumber_;
    int shownYear_;
};

}  // namespace natarix
