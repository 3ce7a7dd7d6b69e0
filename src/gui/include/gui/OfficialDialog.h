#pragma once

#include <QDialog>

#include "model/MeetDefinition.h"
#include "model/Participant.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace natarix {

// "Kampfrichter bearbeiten": name, group, duty wish and the sections of the
// meet an official can serve in. The official changes only on an OK
// that passes the checks.
class OfficialDialog : public QDialog {
    Q_OBJECT

public:
    OfficialDialog(Official& official, const MeetDefinition& meet, QWidget* parent = nullptr);

    void accept() override;

private:
    Official& official_;
    QLineEdit* surname_;
    QLineEdit* firstName_;
    QComboBox* group_;
    QLineEdit* wish_;
    QListWidget* sections_;
};

}  // namespace natarix
