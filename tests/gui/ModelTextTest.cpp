#include <QTest>

#include "codec/Cp1252Literal.h"
#include "gui/ModelText.h"

using namespace natarix;

class ModelTextTest : public QObject {
    Q_OBJECT

private slots:
    void EveryByteRoundTrips();
    void UnrepresentableTextIsNoModelText_data();
    void UnrepresentableTextIsNoModelText();
    void Refusal_data();
    void Refusal();
};

void ModelTextTest::EveryByteRoundTrips()
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    const QString shown = ToQString(all);
    QCOMPARE(shown.size(), qsizetype{255});
    QCOMPARE(shown.at(0x80 - 1), QChar(0x20AC));  // the euro sign
    QCOMPARE(shown.at(0x81 - 1), QChar(0x81));    // undefined bytes keep their number
    QCOMPARE(ToModelText(shown), std::optional<std::string>(all));
}

void ModelTextTest::UnrepresentableTextIsNoModelText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("Polish L with stroke") << QString::fromUtf8("Łukasz");
    QTest::newRow("outside the BMP") << QString::fromUtf8("Anna 😀");
    QTest::newRow("lone surrogate") << QString(QChar(0xD83D));
}

void ModelTextTest::UnrepresentableTextIsNoModelText()
{
    QFETCH(QString, text);
    QCOMPARE(ToModelText(text), std::optional<std::string>());
}

void ModelTextTest::Refusal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("surname");
    QTest::addColumn<QString>("expected");  // empty: the text is stored

    const QString none;
    QTest::newRow("umlauts, euro and typographic quotes") << QString::fromUtf8("Müller € „Ö“ ß") << true << none;
    QTest::newRow("comma in a first name") << QStringLiteral("Anna, Maria") << false << none;
    QTest::newRow("comment closer alone") << QStringLiteral("a*)b") << false << none;
    QTest::newRow("opener split by a blank") << QStringLiteral("( *") << false << none;
    QTest::newRow("semicolon") << QStringLiteral("A;B") << false
                               << QString::fromUtf8("Im Feld \"Feld\" ist das Zeichen \";\" nicht erlaubt.");
    QTest::newRow("comma in a surname") << QStringLiteral("Meier,Anna") << true
                                        << QString::fromUtf8("Im Feld \"Feld\" ist das Zeichen \",\" nicht erlaubt.");
    QTest::newRow("comment opener") << QStringLiteral("x (*y*)") << false
                                    << QString::fromUtf8("Im Feld \"Feld\" ist die Zeichenfolge \"(*\" nicht erlaubt.");
    QTest::newRow("not in Windows-1252") << QString::fromUtf8("Łukasz") << false
                                         << QString::fromUtf8("Im Feld \"Feld\" ist das Zeichen U+0141 nicht erlaubt.");
    QTest::newRow("outside the BMP") << QString::fromUtf8("a😀") << false
                                     << QString::fromUtf8("Im Feld \"Feld\" ist das Zeichen U+1F600 nicht erlaubt.");
    QTest::newRow("lone surrogate") << QString(QChar(0xDC00)) << false
                                    << QString::fromUtf8("Im Feld \"Feld\" ist das Zeichen U+DC00 nicht erlaubt.");
    QTest::newRow("the first fault is named")
        << QString::fromUtf8("a(*b;Ł") << false
        << QString::fromUtf8("Im Feld \"Feld\" ist die Zeichenfolge \"(*\" nicht erlaubt.");
}

void ModelTextTest::Refusal()
{
    QFETCH(QString, text);
    QFETCH(bool, surname);
    QFETCH(QString, expected);
    const auto refusal = RefusalOf(text, "Feld", surname ? FieldKind::Surname : FieldKind::Text);
    QCOMPARE(refusal ? ToQString(*refusal) : QString(), expected);
}

QTEST_GUILESS_MAIN(ModelTextTest)
#include "ModelTextTest.moc"
