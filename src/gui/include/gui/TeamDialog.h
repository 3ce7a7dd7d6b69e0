#pragma once

#include <QDialog>

#include "model/Participant.h"

class QComboBox;
class QLineEdit;

namespace natarix {

class MeetDefinition;

// "Staffel bearbeiten": number, name and class label of one relay team. On a
// meet of formats 6 to 8 the name is the Name der Staffel, and the class is
// the team's Wertungsklasse (JG or AK with its two bounds) instead of a
// label. The team changes only on an OK that passes the checks.
class TeamDialog : public QDialog {
    Q_OBJECT

public:
    explicit TeamDialog(Team& team, QWidget* parent = nullptr, const MeetDefinition* meet = nullptr);

    void accept() override;

private:
    void LayOutFormat5();
    void LayOutModern();
    // The class the fields give, or false after the dialog has said what is wrong.
    bool ReadClass(Team& changed);

    Team& team_;
    bool modern_;
    QLineEdit* teamNumber_;
    QLineEdit* teamName_;
    QLineEdit* classLabel_ = nullptr;
    QComboBox* classType_ = nullptr;
    QLineEdit* classMinimum_ = nullptr;
    QLineEdit* classMaximum_ = nullptr;
};

}  // namespace natarix
