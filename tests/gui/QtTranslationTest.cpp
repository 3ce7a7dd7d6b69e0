#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "gui/ApplicationStart.h"

using namespace natarix;

// Qt's own texts in German although the test runs with LANG=C.
class QtTranslationTest : public QObject {
    Q_OBJECT

private slots:
    void FileDialogSpeaksGerman();
};

void QtTranslationTest::FileDialogSpeaksGerman()
{
    LoadGermanQtTranslations();
    // Qt's own dialog, as on a desktop without a dialog service of its own.
    QFileDialog dialog(nullptr, QStringLiteral("Öffnen"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    QVERIFY(buttons != nullptr);
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(buttons->button(QDialogButtonBox::Open)->text(), QStringLiteral("&Öffnen"));
    auto* lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    QVERIFY(lookIn != nullptr);
    QCOMPARE(lookIn->text(), QStringLiteral("Suchen in:"));
    QCOMPARE(QLocale().language(), QLocale::German);
}

QTEST_MAIN(QtTranslationTest)
#include "QtTranslationTest.moc"
