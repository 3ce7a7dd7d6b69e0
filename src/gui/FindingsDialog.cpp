#include "gui/FindingsDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "DialogParts.h"
#include "gui/MessageBoxes.h"

namespace natarix {

namespace {

bool IsError(const Finding& finding)
{
    return finding.severity == Finding::Severity::Error;
}

QString Summary(const std::vector<Finding>& findings, bool canMend)
{
    const auto errors = std::count_if(findings.begin(), findings.end(), IsError);
    const auto warnings = static_cast<std::ptrdiff_t>(findings.size()) - errors;
    if (findings.empty())
        return QStringLiteral("Die Prüfung hat nichts gefunden.");
    QStringList parts;
    if (errors > 0)
        parts << (errors == 1 ? QStringLiteral("1 Fehler") : QStringLiteral("%1 Fehler").arg(errors));
    if (warnings > 0)
        parts << (warnings == 1 ? QStringLiteral("1 Warnung") : QStringLiteral("%1 Warnungen").arg(warnings));
    QString text = parts.join(QStringLiteral(" und ")) + QStringLiteral(".");
    if (errors > 0)
        text += QStringLiteral(" Mit Fehlern kann der Ausrichter die Meldeliste nicht verwenden.");
    if (canMend)
        text += QStringLiteral(" Ein Doppelklick auf eine Zeile öffnet, was zu ändern ist.");
    return text;
}

}  // namespace

FindingsDialog::FindingsDialog(std::vector<Finding> findings, Purpose purpose, Mender mend, QWidget* parent)
    : QDialog(parent), findings_(std::move(findings)), purpose_(purpose), mend_(std::move(mend))
{
    SetUpDialog(*this, "findingsDialog",
                purpose == Purpose::Export ? QStringLiteral("Vor dem Versand prüfen") : QStringLiteral("Prüfen"));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summaryLabel"));
    summary_->setWordWrap(true);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("findingsList"));
    list_->setHeaderLabels({QStringLiteral("Art"), QStringLiteral("Befund"), QStringLiteral("Was tun")});
    list_->setRootIsDecorated(false);
    list_->setMinimumSize(HorizontalUnits(*list_, 560), VerticalUnits(*list_, 220));
    list_->header()->setStretchLastSection(true);
    list_->header()->resizeSection(0, HorizontalUnits(*list_, 50));
    list_->header()->resizeSection(1, HorizontalUnits(*list_, 300));
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &FindingsDialog::Mend);
    // The chosen finding in full below the list, where a long advice wraps.
    detail_ = new QLabel(this);
    detail_->setObjectName(QStringLiteral("detailLabel"));
    detail_->setWordWrap(true);
    detail_->setTextFormat(Qt::PlainText);
    detail_->setMinimumHeight(3 * detail_->fontMetrics().lineSpacing());
    detail_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* row) {
        detail_->setText(row == nullptr ? QString() : row->text(1) + QStringLiteral(".\n") + row->text(2));
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    if (purpose == Purpose::Export) {
        accept_ = new QPushButton(QStringLiteral("Trotzdem exportieren"), this);
        accept_->setObjectName(QStringLiteral("exportButton"));
        connect(accept_, &QPushButton::clicked, this, &QDialog::accept);
        buttons->addWidget(accept_);
    }
    auto* close =
        new QPushButton(purpose == Purpose::Export ? QStringLiteral("Abbrechen") : QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    layout->addWidget(detail_);
    layout->addLayout(buttons);
    Fill();
}

bool FindingsDialog::AskBeforeExport(std::vector<Finding> findings, Mender mend, QWidget* parent)
{
    if (findings.empty())
        return true;
    const std::string question = FindingLines(findings) + "\n\nTrotzdem exportieren?";
    if (const auto answer = MessageBoxes::RecordedAnswer(question, "Vor dem Versand prüfen"))
        return *answer;
    return FindingsDialog(std::move(findings), Purpose::Export, std::move(mend), parent).exec() == QDialog::Accepted;
}

void FindingsDialog::Fill()
{
    // Errors first; within each kind the check's order, which follows the window.
    std::stable_sort(findings_.begin(), findings_.end(),
                     [](const Finding& a, const Finding& b) { return IsError(a) && !IsError(b); });
    summary_->setText(Summary(findings_, static_cast<bool>(mend_)));
    list_->clear();
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (std::size_t i = 0; i < findings_.size(); ++i) {
        const Finding& finding = findings_[i];
        auto* row = new QTreeWidgetItem(list_, {IsError(finding) ? QStringLiteral("Fehler") : QStringLiteral("Warnung"),
                                                ToQString(finding.text), ToQString(finding.advice)});
        row->setIcon(0, IsError(finding) ? errorIcon : warningIcon);
        row->setData(0, Qt::UserRole, static_cast<qulonglong>(i));
        row->setToolTip(1, row->text(1));
        row->setToolTip(2, row->text(2));
    }
    list_->setCurrentItem(list_->topLevelItem(0));
    if (accept_ != nullptr)
        accept_->setText(findings_.empty() ? QStringLiteral("Exportieren") : QStringLiteral("Trotzdem exportieren"));
}

void FindingsDialog::Mend(QTreeWidgetItem* row)
{
    if (!mend_ || row == nullptr)
        return;
    const auto index = static_cast<std::size_t>(row->data(0, Qt::UserRole).toULongLong());
    // The finding is copied: the check made after the change replaces the list.
    const Finding finding = findings_.at(index);
    findings_ = mend_(finding);
    Fill();
}

}  // namespace natarix
