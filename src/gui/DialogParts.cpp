#include "DialogParts.h"

#include <QBoxLayout>
#include <QDialog>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVariant>
#include <cmath>

#include "gui/MessageBoxes.h"
#include "model/MeetDefinition.h"
#include "model/Messages.h"
#include "model/ValueTexts.h"

namespace natarix {

int ModernFormat(const MeetDefinition* meet)
{
    return meet != nullptr && meet->formatVersion != 5 ? meet->formatVersion : 0;
}

void SetUpDialog(QDialog& dialog, const char* objectName, const QString& title)
{
    dialog.setObjectName(QString::fromLatin1(objectName));
    dialog.setWindowTitle(title);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.setModal(true);
}

int HorizontalUnits(const QWidget& widget, int units)
{
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double average = QFontMetricsF(widget.font()).horizontalAdvance(alphabet) / alphabet.size();
    return static_cast<int>(std::lround(units * average / 4));
}

int VerticalUnits(const QWidget& widget, int units)
{
    return static_cast<int>(std::lround(units * QFontMetricsF(widget.font()).height() / 8));
}

QLabel* MakeLabel(QWidget& parent, const char* objectName, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, &parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    if (buddy != nullptr)
        label->setBuddy(buddy);
    return label;
}

QLineEdit* MakeTextField(QWidget& parent, const char* objectName, int widthUnits, int maxLength)
{
    auto* field = new QLineEdit(&parent);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setMaxLength(maxLength);
    field->setMinimumWidth(HorizontalUnits(*field, widthUnits));
    return field;
}

QLineEdit* MakeDigitsField(QWidget& parent, const char* objectName, int widthUnits, int maxLength)
{
    QLineEdit* field = MakeTextField(parent, objectName, widthUnits, maxLength);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    return field;
}

DialogButtons MakeDialogButtons(QDialog& dialog)
{
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), &dialog);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton* button : {ok, cancel})
        button->setMinimumWidth(HorizontalUnits(*button, 50));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return {ok, cancel};
}

void LayOutFormBesideButtons(QDialog& dialog, QLayout* form, const DialogButtons& buttons, int gapUnits)
{
    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->addWidget(buttons.ok);
    buttonColumn->addWidget(buttons.cancel);
    buttonColumn->addStretch();

    auto* columns = new QHBoxLayout(&dialog);
    columns->setSizeConstraint(QLayout::SetFixedSize);
    columns->addLayout(form);
    columns->addSpacing(HorizontalUnits(dialog, gapUnits));
    columns->addLayout(buttonColumn);
}

void SetTabOrder(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (widget == nullptr)
            continue;
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void ShowCheckFailure(QDialog& dialog, std::string text)
{
    MessageBoxes::Show(Message::Captioned(std::move(text), Message::kDefaultCaption), &dialog);
}

void RefuseField(QDialog& dialog, QWidget& field, std::string text)
{
    ShowCheckFailure(dialog, std::move(text));
    field.setFocus(Qt::OtherFocusReason);
}

namespace {
constexpr const char* kFormatVersionProperty = "natarixFormatVersion";
}

void CheckTextsForFormatOf(QDialog& dialog, const MeetDefinition* meet)
{
    dialog.setProperty(kFormatVersionProperty, meet != nullptr ? meet->formatVersion : 5);
}

std::optional<std::string> ReadTextField(QDialog& dialog, QLineEdit& field, std::string_view fieldName, FieldKind kind)
{
    const QVariant version = dialog.property(kFormatVersionProperty);
    if (auto refusal = RefusalOf(field.text(), fieldName, kind, version.isValid() ? version.toInt() : 5)) {
        RefuseField(dialog, field, std::move(*refusal));
        return std::nullopt;
    }
    // What passed the check converts.
    return ToModelText(field.text()).value();
}

std::optional<std::string> ReadNationCode(QDialog& dialog, QLineEdit& field, std::string_view fieldName, bool required)
{
    if (!ReadTextField(dialog, field, fieldName))
        return std::nullopt;
    const QString code = field.text().trimmed();
    static const QRegularExpression threeLetters(QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z]{3}")));
    if (threeLetters.match(code).hasMatch() || (code.isEmpty() && !required))
        return code.toUpper().toStdString();
    std::string refusal = std::string("Im Feld \"").append(fieldName).append("\" stehen drei Buchstaben, etwa GER");
    RefuseField(dialog, field, refusal.append(required ? "." : ", oder nichts."));
    return std::nullopt;
}

std::optional<PersonName> ReadPersonName(QDialog& dialog, QLineEdit& surnameField, QLineEdit& firstNameField)
{
    const auto surname = ReadTextField(dialog, surnameField, "Nachname", FieldKind::Surname);
    if (!surname)
        return std::nullopt;
    const auto firstName = ReadTextField(dialog, firstNameField, "Vorname");
    if (!firstName)
        return std::nullopt;
    PersonName name{TrimRight(*surname), TrimRight(*firstName)};
    if (name.surname.empty() || name.firstName.empty()) {
        ShowCheckFailure(dialog, std::string("Nachname und Vorname müssen angegeben werden!"));
        return std::nullopt;
    }
    return name;
}

}  // namespace natarix
