#include <QTest>
#include <QWidget>

#include "GuiTestSupport.h"
#include "gui/MessageBoxes.h"

using namespace natarix;
using natarix::test::AnswerNextMessageBox;

class MessageBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void ShowsEachKind_data();
    void ShowsEachKind();
    void ShowsTextAsPlainText();
    void KeepsLongTextsInTheDetails_data();
    void KeepsLongTextsInTheDetails();
    void AsksYesOrNo_data();
    void AsksYesOrNo();
    void RecorderTakesThePlaceOfTheUser();
};

void MessageBoxesTest::ShowsEachKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::newRow("warning") << int(MessageKind::Warning) << QStringLiteral("Fehler") << int(QMessageBox::Warning);
    QTest::newRow("plain") << int(MessageKind::Plain) << QString() << int(QMessageBox::NoIcon);
    QTest::newRow("captioned") << int(MessageKind::Captioned) << QString::fromUtf8("Löschwarnung")
                               << int(QMessageBox::NoIcon);
}

void MessageBoxesTest::ShowsEachKind()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(int, icon);
    const std::string text("Die Datei »Bezirk.dsv« konnte nicht geöffnet werden!");
    const Message message = kind == int(MessageKind::Warning) ? Message::Warning(text)
                            : kind == int(MessageKind::Plain) ? Message::Plain(text)
                                                              : Message::Captioned(text, std::string("Löschwarnung"));
    QWidget owner;
    owner.setObjectName(QStringLiteral("owner"));
    const auto box = AnswerNextMessageBox();
    MessageBoxes::Show(message, &owner);
    QVERIFY(box->shown);
    QCOMPARE(box->text, QString::fromUtf8("Die Datei »Bezirk.dsv« konnte nicht geöffnet werden!"));
    QCOMPARE(box->title, title);
    QCOMPARE(int(box->icon), icon);
    QCOMPARE(box->buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(box->owner, QStringLiteral("owner"));
}

void MessageBoxesTest::ShowsTextAsPlainText()
{
    const auto box = AnswerNextMessageBox();
    MessageBoxes::Show(Message::Plain("<b>SV Blau & Weiss</b>"));
    QVERIFY(box->shown);
    QCOMPARE(box->text, QStringLiteral("<b>SV Blau & Weiss</b>"));
    QCOMPARE(box->owner, QString());

    // A reading failure says below its text where the reading stopped.
    const auto located = AnswerNextMessageBox();
    MessageBoxes::Show(Message::ReadFailure("Falsches Format", {"Bezirk.dsv", 2}));
    QVERIFY(located->shown);
    QCOMPARE(located->text, QStringLiteral("Falsches Format\nDatei Bezirk.dsv, Zeile 2"));
}

void MessageBoxesTest::KeepsLongTextsInTheDetails_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("linesShown");
    QTest::newRow("15 lines: all in the text") << 15 << 15;
    QTest::newRow("16 lines: 12 and a note") << 16 << 13;
    QTest::newRow("1000 lines: 12 and a note") << 1000 << 13;
}

void MessageBoxesTest::KeepsLongTextsInTheDetails()
{
    QFETCH(int, lineCount);
    QFETCH(int, linesShown);
    QStringList lines;
    for (int line = 1; line <= lineCount; ++line)
        lines << QStringLiteral("Zeile %1: Hinweis").arg(line);
    const QString text = lines.join(QLatin1Char('\n'));
    const auto box = AnswerNextMessageBox();
    MessageBoxes::Show(Message::Captioned(text.toStdString(), "Hinweise"));
    QVERIFY(box->shown);
    const QStringList shown = box->text.split(QLatin1Char('\n'));
    QCOMPARE(shown.size(), linesShown);
    QCOMPARE(shown.first(), lines.first());
    if (linesShown == lineCount) {
        QCOMPARE(box->details, QString());
    } else {
        QCOMPARE(shown.at(11), lines.at(11));
        QCOMPARE(shown.last(),
                 QString::fromUtf8("… und %1 weitere Zeilen; alle stehen in den Details.").arg(lineCount - 12));
        QCOMPARE(box->details, text);
    }
}

void MessageBoxesTest::AsksYesOrNo_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("answer");
    QTest::newRow("Ja") << int(QMessageBox::Yes) << true;
    QTest::newRow("Nein") << int(QMessageBox::No) << false;
}

void MessageBoxesTest::AsksYesOrNo()
{
    QFETCH(int, button);
    QFETCH(bool, answer);
    const auto box = AnswerNextMessageBox(QMessageBox::StandardButton(button));
    QCOMPARE(MessageBoxes::AskYesNo(std::string("Teilnehmer wirklich löschen?"), std::string("Löschwarnung")), answer);
    QVERIFY(box->shown);
    QCOMPARE(box->text, QString::fromUtf8("Teilnehmer wirklich löschen?"));
    QCOMPARE(box->title, QString::fromUtf8("Löschwarnung"));
    QCOMPARE(int(box->icon), int(QMessageBox::NoIcon));
    QCOMPARE(box->buttons, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
}

void MessageBoxesTest::RecorderTakesThePlaceOfTheUser()
{
    MessageBoxes::Recorder outer;
    {
        MessageBoxes::Recorder recorder;
        recorder.answers = {true};
        MessageBoxes::Show(Message::Warning("kaputt"));
        QCOMPARE(MessageBoxes::AskYesNo("erste?", "Frage"), true);
        QCOMPARE(MessageBoxes::AskYesNo("zweite?", "Frage"), false);  // no answer left: "Nein"
        QCOMPARE(recorder.messages, std::vector<Message>{Message::Warning("kaputt")});
        QCOMPARE(recorder.questions,
                 (std::vector<Message>{Message::Captioned("erste?", "Frage"), Message::Captioned("zweite?", "Frage")}));
        recorder.choices = {MessageBoxes::Answer::No};
        QVERIFY(MessageBoxes::AskYesNoCancel("dritte?", "Frage") == MessageBoxes::Answer::No);
        // No choice left: "Abbrechen", which changes nothing.
        QVERIFY(MessageBoxes::AskYesNoCancel("vierte?", "Frage") == MessageBoxes::Answer::Cancel);
        QCOMPARE(recorder.questions.size(), std::size_t(4));
    }
    // The outer recorder is back in place once the inner one has gone.
    MessageBoxes::Show(Message::Plain("danach"));
    QCOMPARE(outer.messages, std::vector<Message>{Message::Plain("danach")});
}

QTEST_MAIN(MessageBoxesTest)
#include "MessageBoxesTest.moc"
