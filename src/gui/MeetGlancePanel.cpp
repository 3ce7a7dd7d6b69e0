#include "gui/MeetGlancePanel.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "DialogParts.h"

namespace natarix {

namespace {

QString Escaped(const std::string& text)
{
    return ToQString(text).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString Heading(const char* text)
{
    return QStringLiteral("<p style='margin-top:6px; margin-bottom:0px'><b>%1</b><br>").arg(QString::fromUtf8(text));
}

// Only links a browser or mail program opens safely become clickable.
bool IsWebLink(const std::string& link)
{
    const QString text = ToQString(link).trimmed().toLower();
    return text.startsWith(QStringLiteral("https://")) || text.startsWith(QStringLiteral("http://")) ||
           text.startsWith(QStringLiteral("www."));
}

QString Link(const std::string& link)
{
    QString target = ToQString(link).trimmed();
    if (target.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        target.prepend(QStringLiteral("https://"));
    return QStringLiteral("<a href='%1'>%2</a>").arg(target.toHtmlEscaped(), Escaped(link));
}

}  // namespace

QString GlanceHtml(const MeetGlance& glance)
{
    QString html = Heading("Meldeschluss");
    if (glance.deadline.empty()) {
        html += QStringLiteral("nicht angegeben");
    } else {
        QString deadline = Escaped(glance.deadline);
        if (!glance.deadlineNote.empty())
            deadline += QStringLiteral(" – ") + Escaped(glance.deadlineNote);
        html += glance.DeadlinePassed() ? QStringLiteral("<span style='color:#c00000'><b>%1</b></span>").arg(deadline)
                                        : deadline;
    }
    html += QStringLiteral("</p>");
    html += Heading("Meldungen") + QStringLiteral("%1 Einzel, %2 Staffel<br>Meldegeld: <b>%3</b></p>")
                                       .arg(glance.individualEntries)
                                       .arg(glance.relayEntries)
                                       .arg(Escaped(glance.feeTotal));
    if (!glance.fees.empty()) {
        html += Heading("Meldegelder");
        QStringList lines;
        for (const GlanceFee& fee : glance.fees)
            lines << Escaped(fee.label) + QStringLiteral(": ") + Escaped(fee.amount);
        html += lines.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
    }
    if (!glance.entryAddress.empty() || !glance.entryEmail.empty()) {
        html += Heading("Meldeadresse");
        QStringList lines;
        for (const std::string& line : glance.entryAddress)
            lines << Escaped(line);
        if (!glance.entryEmail.empty())
            lines << QStringLiteral("<a href='mailto:%1'>%2</a>")
                         .arg(ToQString(glance.entryEmail).trimmed().toHtmlEscaped(), Escaped(glance.entryEmail));
        html += lines.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
    }
    if (!glance.invitationLink.empty())
        html += Heading("Ausschreibung") +
                (IsWebLink(glance.invitationLink) ? Link(glance.invitationLink) : Escaped(glance.invitationLink)) +
                QStringLiteral("</p>");
    if (!glance.remarks.empty())
        html += Heading("Besonderes") + Escaped(glance.remarks) + QStringLiteral("</p>");
    return html;
}

MeetGlancePanel::MeetGlancePanel(QWidget* parent) : QGroupBox(QStringLiteral("Auf einen Blick"), parent)
{
    setObjectName(QStringLiteral("glanceBox"));
    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("glanceText"));
    text_->setOpenExternalLinks(true);
    text_->setFrameShape(QFrame::NoFrame);
    text_->viewport()->setAutoFillBackground(false);
    setFixedWidth(HorizontalUnits(*this, 200));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
}

void MeetGlancePanel::Show(const MeetGlance& glance)
{
    text_->setHtml(GlanceHtml(glance));
}

void MeetGlancePanel::Clear()
{
    text_->clear();
}

}  // namespace natarix
