#include "gui/AboutDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogParts.h"

namespace natarix {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("Info"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    QLabel* version = MakeLabel(*this, "versionLabel", QStringLiteral("Natarix Version " NATARIX_VERSION));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    ok->setMinimumWidth(HorizontalUnits(*ok, 50));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(ok);

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->addSpacing(VerticalUnits(*this, 8));
    column->addWidget(version);
    column->addSpacing(VerticalUnits(*this, 12));
    column->addLayout(buttonRow);
    column->addStrut(HorizontalUnits(*this, 230) - column->contentsMargins().left() -
                     column->contentsMargins().right());
}

}  // namespace natarix
