// The parts every case dialog shares.
#include "dialogteile.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "qtumwandlung.h"

namespace korvalt {

QLineEdit* feld(QWidget* eltern, const char* name, const std::string& text,
                const char* platzhalter) {
    auto* f = new QLineEdit(alsQString(text), eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setPlaceholderText(QString::fromUtf8(platzhalter));
    // The hint says what to type; a cut hint says nothing.
    f->setMinimumWidth(f->fontMetrics().horizontalAdvance(f->placeholderText()) + 16);
    return f;
}

std::string feldtext(const QLineEdit* f) {
    return f->text().trimmed().toStdString();
}

QWidget* zeile(std::initializer_list<QWidget*> teile) {
    auto* z = new QWidget;
    auto* layout = new QHBoxLayout(z);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* teil : teile) layout->addWidget(teil, teil == *(teile.end() - 1) ? 1 : 0);
    return z;
}

void formularzeile(QFormLayout& formular, const QString& text,
                   std::initializer_list<QWidget*> teile) {
    auto* beschriftung = new QLabel(text);
    beschriftung->setBuddy(*teile.begin());
    formular.addRow(beschriftung, zeile(teile));
}

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
