#pragma once

#include <QDialog>

namespace natarix {

// "Info": the program's name and version and an OK button. Closes on OK,
// Escape or its close box.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace natarix
