// The parts every case dialog shares: its fields, rows and their labels, the red line giving the
// reason OK is off, and OK/Abbrechen.
#pragma once

#include <initializer_list>
#include <string>

class QDialog;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QString;
class QWidget;

namespace korvalt {

// A field named `name` for the tests, holding `text`, with a grey hint while empty.
QLineEdit* feld(QWidget* eltern, const char* name, const std::string& text,
                const char* platzhalter);

// What the field holds, without blanks around it.
std::string feldtext(const QLineEdit* f);

// Widgets side by side in one row of a form, the last one taking the room left.
QWidget* zeile(std::initializer_list<QWidget*> teile);

// A row of `teile` side by side in `formular` (as `zeile`), under a label whose mnemonic reaches
// the first of them: a row's own widget takes no focus, so Alt and the letter would do nothing.
void formularzeile(QFormLayout& formular, const QString& text,
                   std::initializer_list<QWidget*> teile);

// An empty, word-wrapped label in dark red, named "Grund", for the reason an entry is refused.
QLabel* grundzeile(QDialog& dialog);

// OK and "Abbrechen", wired to accept and reject the dialog.
QDialogButtonBox* okAbbrechen(QDialog& dialog);

}  // namespace korvalt
