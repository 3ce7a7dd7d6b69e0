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
// that passes the checks. On a meet of formats 6 to 8 the group is a
// Kampfrichtergruppe and the wish one of the format's Einsatzwunsch codes,
// both picked from a list; from format 8 the sex comes with them.
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
    QComboBox* sex_ = nullptr;
    QLineEdit* wish_ = nullptr;
    QComboBox* wishCode_ = nullptr;
    QListWidget* sections_;
};

}  // namespace natarix
