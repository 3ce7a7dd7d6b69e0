#include "gui/ExportStatusLine.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace natarix {

ExportStatusLine::ExportStatusLine(QWidget* parent)
    : QWidget(parent), openFolder_([](const QUrl& url) { QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("exportStatus"));
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("exportStatusText"));
    text_->setTextFormat(Qt::PlainText);
    // Long paths are shortened rather than widening the window.
    text_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    openButton_ = new QPushButton(QStringLiteral("Ordner öffnen"), this);
    openButton_->setObjectName(QStringLiteral("openExportFolderButton"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_, 1);
    layout->addWidget(openButton_);
    connect(openButton_, &QPushButton::clicked, this, [this] { openFolder_(QUrl::fromLocalFile(folder_)); });
    Clear();
}

void ExportStatusLine::ShowExport(const QString& dsvName, const QString& pdfName, const QString& folder)
{
    folder_ = folder;
    fullText_ = QStringLiteral("Exportiert: „%1“ und „%2“ im Ordner „%3“").arg(dsvName, pdfName, folder);
    ShowText();
    text_->setToolTip(fullText_);
    setVisible(true);
}

void ExportStatusLine::Clear()
{
    folder_.clear();
    fullText_.clear();
    text_->clear();
    text_->setToolTip(QString());
    setVisible(false);
}

void ExportStatusLine::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ShowText();
}

void ExportStatusLine::ShowText()
{
    // The middle goes first: the file names and the folder's end stay readable.
    text_->setText(text_->fontMetrics().elidedText(fullText_, Qt::ElideMiddle, std::max(text_->width(), 1)));
}

}  // namespace natarix
