#pragma once

#include <QDialog>

#include "model/Participant.h"

class QLineEdit;

namespace natarix {

// "Staffel bearbeiten": number, name and class label of one relay team. The
// team changes only on OK.
class TeamDialog : public QDialog {
    Q_OBJECT

public:
    explicit TeamDialog(Team& team, QWidget* parent = nullptr);

    void accept() override;

private:
    Team& team_;
    QLineEdit* teamNumber_;
    QLineEdit* teamName_;
    QLineEdit* classLabel_;
};

}  // namespace natarix
