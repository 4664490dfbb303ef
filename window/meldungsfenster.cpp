// Qt message boxes behind the message interface.
#include "meldungsfenster.h"
#include "qtumwandlung.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace korvalt {

void Meldungsfenster::warnen(std::string_view titel, std::string_view text) {
    QMessageBox::warning(eltern_, alsQString(titel), alsQString(text));
}

namespace {

// A box without text is as narrow as its buttons, and the title bar would cut the title short:
// room for the title, the title bar's icon and buttons, and a bold title font.
void titelPlatzLassen(QMessageBox& box) {
    const QFontMetrics metrik = box.fontMetrics();
    const int titelbreite =
        metrik.horizontalAdvance(box.windowTitle()) * 6 / 5 + 16 * metrik.averageCharWidth();
    if (auto* raster = qobject_cast<QGridLayout*>(box.layout()))
        raster->addItem(new QSpacerItem(titelbreite, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                        raster->rowCount(), 0, 1, raster->columnCount());
}

}  // namespace

std::int16_t Meldungsfenster::okAbbrechen(std::string_view titel, std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, alsQString(titel), alsQString(text),
                    QMessageBox::Ok | QMessageBox::Cancel, eltern_);
    box.setEscapeButton(QMessageBox::Cancel);
    titelPlatzLassen(box);
    // Closing the box counts as Abbrechen.
    return box.exec() == QMessageBox::Ok ? 1 : 2;
}

// German texts of their own: Qt's translations may be missing, and "Yes" would stand in a German
// box.
bool Meldungsfenster::jaNein(std::string_view titel, std::string_view text) {
    QMessageBox box(QMessageBox::Question, alsQString(titel), alsQString(text),
                    QMessageBox::Yes | QMessageBox::No, eltern_);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    titelPlatzLassen(box);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace korvalt
