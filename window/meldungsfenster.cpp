// Qt message boxes behind the message interface.
#include "meldungsfenster.h"

#include <QMessageBox>

namespace korvalt {

namespace {

QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void Meldungsfenster::warnen(std::string_view titel, std::string_view text) {
    QMessageBox::warning(eltern_, qtext(titel), qtext(text));
}

std::int16_t Meldungsfenster::okAbbrechen(std::string_view titel, std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, qtext(titel), qtext(text),
                    QMessageBox::Ok | QMessageBox::Cancel, eltern_);
    box.setEscapeButton(QMessageBox::Cancel);
    // Closing the box counts as Abbrechen.
    return box.exec() == QMessageBox::Ok ? 1 : 2;
}

}  // namespace korvalt
