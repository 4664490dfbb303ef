// Qt message boxes behind the message interface.
#include "meldungsfenster.h"
#include "qtumwandlung.h"

#include <QMessageBox>

namespace korvalt {

void Meldungsfenster::warnen(std::string_view titel, std::string_view text) {
    QMessageBox::warning(eltern_, alsQString(titel), alsQString(text));
}

std::int16_t Meldungsfenster::okAbbrechen(std::string_view titel, std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, alsQString(titel), alsQString(text),
                    QMessageBox::Ok | QMessageBox::Cancel, eltern_);
    box.setEscapeButton(QMessageBox::Cancel);
    // Closing the box counts as Abbrechen.
    return box.exec() == QMessageBox::Ok ? 1 : 2;
}

}  // namespace korvalt
