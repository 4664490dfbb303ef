// The parts every case dialog shares.
#include "dialogteile.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace korvalt {

QLabel* grundzeile(QDialog& dialog) {
    auto* grund = new QLabel(&dialog);
    grund->setObjectName("Grund");
    grund->setWordWrap(true);
    QPalette rot = grund->palette();
    rot.setColor(QPalette::WindowText, QColor(0xC0, 0, 0));
    grund->setPalette(rot);
    return grund;
}

QDialogButtonBox* okAbbrechen(QDialog& dialog) {
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return knoepfe;
}

}  // namespace korvalt
