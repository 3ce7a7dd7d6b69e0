#include <QTest>

#include "gui/ModelText.h"

using namespace natarix;

class ModelTextTest : public QObject {
    Q_OBJECT

private slots:
    void EveryCharacterRoundTrips();
    void ModelTextsAreUtf8();
    void LoneSurrogateIsNoModelText();
    void Refusal_data();
    void Refusal();
};

void ModelTextTest::EveryCharacterRoundTrips()
{
    // All that a format-5 file can bring, the C1 controls of its undefined bytes included.
    const std::string all = "\u0001A\u007F\u0080\u0081\u009D\u00A0\u00FF\u20AC\u0178€ÄÖÜäöüß😀";
    const QString shown = ToQString(all);
    QCOMPARE(shown.size(), qsizetype{20});  // the smiley takes two
    QCOMPARE(shown.at(4), QChar(0x81));     // undefined bytes keep their number
    QCOMPARE(ToModelText(shown), std::optional<std::string>(all));
}

void ModelTextTest::ModelTextsAreUtf8()
{
    QCOMPARE(ToModelText(QString::fromUtf8("Łukasz")), std::optional<std::string>("\xC5\x81ukasz"));
    QCOMPARE(ToQString("\xC5\x81ukasz"), QString::fromUtf8("Łukasz"));
}

void ModelTextTest::LoneSurrogateIsNoModelText()
{
    QCOMPARE(ToModelText(QString(QChar(0xD83D))), std::optional<std::string>());
}

void ModelTextTest::Refusal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("surname");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected");  // empty: the text is stored

    // The rule's own table is in tests/formats/dsv5; here what the window hands it.
    const QString none;
    QTest::newRow("umlauts, euro and typographic quotes") << QString::fromUtf8("Müller € „Ö“ ß") << true << 5 << none;
    QTest::newRow("comma in a surname") << QStringLiteral("Meier,Anna") << true << 5
                                        << QString::fromUtf8("Im Feld \"Feld\" ist das Zeichen \",\" nicht erlaubt.");
    QTest::newRow("not in Windows-1252") << QString::fromUtf8("Łukasz") << false << 5
                                         << QString::fromUtf8("Im Feld \"Feld\" ist das Zeichen U+0141 nicht erlaubt.");
    QTest::newRow("outside the BMP") << QString::fromUtf8("a😀") << false << 5
                                     << QString::fromUtf8("Im Feld \"Feld\" ist das Zeichen U+1F600 nicht erlaubt.");
    QTest::newRow("lone surrogate") << QString(QChar(0xDC00)) << false << 5
                                    << QString::fromUtf8("Im Feld \"Feld\" ist das Zeichen U+DC00 nicht erlaubt.");
    QTest::newRow("a fault before a lone surrogate")
        << QString("a;") + QChar(0xD800) << false << 5
        << QString::fromUtf8("Im Feld \"Feld\" ist das Zeichen \";\" nicht erlaubt.");
    // UTF-8 lists carry every character, but not what is no character.
    QTest::newRow("format 7: not in Windows-1252") << QString::fromUtf8("Łukasz 😀") << false << 7 << none;
    QTest::newRow("format 8: lone surrogate")
        << QString(QChar(0xDC00)) << false << 8
        << QString::fromUtf8("Im Feld \"Feld\" ist das Zeichen U+DC00 nicht erlaubt.");
    QTest::newRow("format 7: comma in a surname")
        << QStringLiteral("Meier,Anna") << true << 7
        << QString::fromUtf8("Im Feld \"Feld\" ist das Zeichen \",\" nicht erlaubt.");
    QTest::newRow("the first fault is named")
        << QString::fromUtf8("a(*b;Ł") << false << 5
        << QString::fromUtf8("Im Feld \"Feld\" ist die Zeichenfolge \"(*\" nicht erlaubt.");
}

void ModelTextTest::Refusal()
{
    QFETCH(QString, text);
    QFETCH(bool, surname);
    QFETCH(int, format);
    QFETCH(QString, expected);
    const auto refusal = RefusalOf(text, "Feld", surname ? FieldKind::Surname : FieldKind::Text, format);
    QCOMPARE(refusal ? ToQString(*refusal) : QString(), expected);
}

QTEST_GUILESS_MAIN(ModelTextTest)
#include "ModelTextTest.moc"
