#pragma once

#include <QDialog>

#include "model/Event.h"
#include "model/Participant.h"

class QCheckBox;

namespace natarix {

class EntryTimeField;

// "Meldung bearbeiten": enters a swimmer or relay team into one event with an
// entry time, or takes the entry back. OK sets or removes the participant's
// entry for the event; cancel changes nothing.
class EntryDialog : public QDialog {
    Q_OBJECT

public:
    EntryDialog(Participant& participant, const Event& event, QWidget* parent = nullptr);

    void accept() override;

private:
    Participant& participant_;
    const Event& event_;
    QCheckBox* enter_;
    EntryTimeField* entryTime_;
};

}  // namespace natarix
