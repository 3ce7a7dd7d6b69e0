#pragma once

#include <QGroupBox>

#include "review/MeetGlance.h"

class QTextBrowser;

namespace natarix {

// The meet at a glance beside the lists: deadline and days left, the
// organiser's remarks, where to send the entries, the invitation, the fees
// and what the club's entries cost so far. Links open in the desktop's
// browser or mail program.
class MeetGlancePanel : public QGroupBox {
    Q_OBJECT

public:
    explicit MeetGlancePanel(QWidget* parent = nullptr);

    void Show(const MeetGlance& glance);
    void Clear();

private:
    QTextBrowser* text_ = nullptr;
};

// The panel's text as HTML; the deadline is red once it has passed.
QString GlanceHtml(const MeetGlance& glance);

}  // namespace natarix
