#include "gui/ApplicationFont.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace natarix {

void SetApplicationFont()
{
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Segoe UI"), QStringLiteral("Tahoma")});
    font.setPointSize(9);
    QApplication::setFont(font);
}

}  // namespace natarix
