#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace natarix {

// The line under the form that says where the last export went, with a
// button that opens the folder. Empty and hidden until an export succeeds.
class ExportStatusLine : public QWidget {
    Q_OBJECT

public:
    using FolderOpener = std::function<void(const QUrl&)>;

    explicit ExportStatusLine(QWidget* parent = nullptr);

    // The two file names and the folder, as the file system spells them.
    void ShowExport(const QString& dsvName, const QString& pdfName, const QString& folder);
    void Clear();

    void SetFolderOpener(FolderOpener opener) { openFolder_ = std::move(opener); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowText();

    QLabel* text_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QString fullText_;
    QString folder_;
    FolderOpener openFolder_;
};

}  // namespace natarix
