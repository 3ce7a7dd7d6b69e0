#pragma once

// Building blocks shared by the edit dialogs.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "gui/ModelText.h"
#include "model/MeetDefinition.h"

class QDialog;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

namespace natarix {

class MeetDefinition;

// The format of a meet of formats 6 to 8, whose fields the dialogs show
// besides those of format 5; 0 for a format-5 meet and for none.
int ModernFormat(const MeetDefinition* meet);

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

// Tab order in the order given; null stands for a field the dialog does not
// show.
void SetTabOrder(std::initializer_list<QWidget*> widgets);

// A failed check, shown as the dialogs show them: caption "Fehler", no icon,
// owned by the dialog.
void ShowCheckFailure(QDialog& dialog, std::string text);

// A failed check of the field: shown as above, the focus then on the field.
void RefuseField(QDialog& dialog, QWidget& field, std::string text);

// The texts of the dialog are checked against the club entry list of `meet`'s
// format (none: format 5, which carries the fewest characters).
void CheckTextsForFormatOf(QDialog& dialog, const MeetDefinition* meet);

// The field's text for the model, or nullopt after the dialog has said why the
// club entry list could not carry it back; the focus then goes to the field.
std::optional<std::string> ReadTextField(QDialog& dialog, QLineEdit& field, std::string_view fieldName,
                                         FieldKind kind = FieldKind::Text);

// A code of three letters, a nation as "GER": checked like every text field,
// trimmed and in capitals; empty only where not required. nullopt after the
// dialog has said what is wrong.
std::optional<std::string> ReadNationCode(QDialog& dialog, QLineEdit& field, std::string_view fieldName, bool required);

struct PersonName {
    std::string surname;
    std::string firstName;
};

// Surname and first name, checked like every text field, trimmed on the right
// and both required; nullopt after the dialog has said what is wrong.
std::optional<PersonName> ReadPersonName(QDialog& dialog, QLineEdit& surname, QLineEdit& firstName);

}  // namespace natarix
