#pragma once

// Building blocks shared by the edit dialogs.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "gui/ModelText.h"

class QDialog;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

namespace natarix {

// Title, modality and a caption without system menu or close box: the dialog
// ends with OK, "Abbrechen" or Escape.
void SetUpDialog(QDialog& dialog, const char* objectName, const QString& title);

// Sizes in the dialog units of the layouts the dialogs follow (a quarter of
// the average character width, an eighth of the line height), so that fields
// keep their proportions at any font and scaling.
int HorizontalUnits(const QWidget& widget, int units);
int VerticalUnits(const QWidget& widget, int units);

QLabel* MakeLabel(QWidget& parent, const char* objectName, const QString& text, QWidget* buddy = nullptr);

// A text field that holds at most `maxLength` characters.
QLineEdit* MakeTextField(QWidget& parent, const char* objectName, int widthUnits, int maxLength = 254);
// The same, accepting digits only.
QLineEdit* MakeDigitsField(QWidget& parent, const char* objectName, int widthUnits, int maxLength = 254);

struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
};
// "OK" (the default button, accepts) and "Abbrechen" (rejects).
DialogButtons MakeDialogButtons(QDialog& dialog);

// The dialog's own layout: the form on the left and, `gapUnits` dialog units
// apart, the buttons stacked at the top right; the dialog keeps its size.
void LayOutFormBesideButtons(QDialog& dialog, QLayout* form, const DialogButtons& buttons, int gapUnits);

// Tab order in the order given.
void SetTabOrder(std::initializer_list<QWidget*> widgets);

// A failed check, shown as the dialogs show them: caption "Fehler", no icon,
// owned by the dialog.
void ShowCheckFailure(QDialog& dialog, std::string text);

// The field's text for the model, or nullopt after the dialog has said why the
// club entry list could not carry it back; the focus then goes to the field.
std::optional<std::string> ReadTextField(QDialog& dialog, QLineEdit& field, std::string_view fieldName,
                                         FieldKind kind = FieldKind::Text);

struct PersonName {
    std::string surname;
    std::string firstName;
};

// Surname and first name, checked like every text field, trimmed on the right
// and both required; nullopt after the dialog has said what is wrong.
std::optional<PersonName> ReadPersonName(QDialog& dialog, QLineEdit& surname, QLineEdit& firstName);

}  // namespace natarix
