// The parts every case dialog shares: the red line giving the reason OK is off, and OK/Abbrechen.
#pragma once

class QDialog;
class QDialogButtonBox;
class QLabel;

namespace korvalt {

// An empty, word-wrapped label in dark red, named "Grund", for the reason an entry is refused.
QLabel* grundzeile(QDialog& dialog);

// OK and "Abbrechen", wired to accept and reject the dialog.
QDialogButtonBox* okAbbrechen(QDialog& dialog);

}  // namespace korvalt
