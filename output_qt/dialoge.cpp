// Qt's file, printer and preview dialogs behind the dialog interface.
#include "dialoge.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <algorithm>

#include "dateinamen.h"
#include "hilfeabschnitte.h"
#include "kalenderdialog.h"
#include "persondialog.h"
#include "qtumwandlung.h"
#include "sicheredatei.h"

namespace korvalt {

namespace {

// F1 in one of the program's dialogs opens its section of the help. The dialog is modal to the
// main window only, so that the help window, which has no parent, stays usable beside it.
void hilfeZeigbar(QDialog& dialog, std::string_view abschnitt, const Hilfeaufruf& hilfe) {
    dialog.setWindowModality(Qt::WindowModal);
    hilfeAnbinden(dialog, abschnitt, hilfe);
}

}  // namespace

std::unique_ptr<QPrinter> Desktopdialoge::standarddrucker() {
    return druck_.standarddrucker();
}

std::optional<std::string> Desktopdialoge::pdfDateiWaehlen(std::string_view vorschlag) {
    return druck_.pdfDateiWaehlen(vorschlag);
}

std::optional<std::string> Desktopdialoge::oeffnenWaehlen(std::string_view titel,
                                                          std::string_view filter,
                                                          std::string_view ordner) {
    // A name in the folder, so that a folder Qt cannot spell opens as well.
    const Dialogvorschlag vorgabe(ordner.empty() ? druck_.imOrdner("")
                                                 : std::filesystem::path(ordner) / "");
    QFileDialog dialog(eltern_, alsQString(titel), vorgabe.text(), alsQString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const std::filesystem::path datei = vorgabe.datei(dialog.selectedFiles().constFirst());
    druck_.ordnerMerken(datei);
    return datei.native();
}

std::optional<std::string> Desktopdialoge::speichernWaehlen(std::string_view titel,
                                                            std::string_view vorschlag,
                                                            std::string_view filter,
                                                            std::string_view endung) {
    const Dialogvorschlag vorgabe(druck_.imOrdner(vorschlag));
    QFileDialog dialog(eltern_, alsQString(titel), vorgabe.text(), alsQString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog adds the ending before it asks whether to replace a file, so it asks about the
    // file that is then written.
    dialog.setDefaultSuffix(alsQString(endung));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const std::filesystem::path datei = vorgabe.datei(dialog.selectedFiles().constFirst());
    druck_.ordnerMerken(datei);
    return datei.native();
}

std::optional<Ausdruck> Desktopdialoge::ausdruckWaehlen(std::string_view titel) {
    QMessageBox box(QMessageBox::Question, alsQString(titel),
                    QStringLiteral("Was soll gedruckt werden?"), QMessageBox::NoButton, eltern_);
    box.setInformativeText(
        QStringLiteral("Ergebnis: das Fenster als eine Seite.\n"
                       "Monatsliste: jeder Monat beider Fälle mit den Summen."));
    QPushButton* ergebnis = box.addButton(QStringLiteral("Ergebnis"), QMessageBox::AcceptRole);
    QPushButton* liste = box.addButton(QStringLiteral("Monatsliste"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(ergebnis);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == ergebnis) return Ausdruck::ergebnis;
    if (box.clickedButton() == liste) return Ausdruck::monatsliste;
    return std::nullopt;
}

namespace {

// Qt's printer dialog checks a file target itself before it closes, by opening it for appending:
// a FIFO then blocks the window, and a link whose file does not exist yet is replaced by a file
// while an empty one is left at the link's target. So the writer's rules come first: a target it
// refuses keeps the dialog open with its reason, and a link reaches Qt as the file it points to.
void dateizielVorpruefen(QPrintDialog& dialog) {
    auto* knoepfe = dialog.findChild<QDialogButtonBox*>();
    auto* dateiname = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    if (!knoepfe || !dateiname ||
        !QObject::disconnect(knoepfe, SIGNAL(accepted()), &dialog, SLOT(_q_checkFields())))
        return;
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, [&dialog, dateiname] {
        if (dateiname->isEnabled() && !dateiname->text().isEmpty()) {
            SichereDatei ziel(dateinameDesSystems(dateiname->text()));
            std::string fehler;
            if (!ziel.pruefen(fehler)) {
                QMessageBox::warning(&dialog, dialog.windowTitle(), alsQString(fehler));
                return;
            }
            const QString durchVerweis = dateinameAlsText(ziel.ziel());
            if (durchVerweis != dateiname->text()) dateiname->setText(durchVerweis);
        }
        QMetaObject::invokeMethod(&dialog, "_q_checkFields");
    });
}

}  // namespace

bool Desktopdialoge::druckerWaehlen(QPrinter& printer) {
    QPrintDialog dialog(&printer, eltern_);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    dateizielVorpruefen(dialog);
    return dialog.exec() == QDialog::Accepted;
}

bool Desktopdialoge::vorschauZeigen(std::string_view titel, const Druckvorgang& drucken,
                                    std::string& fehler) {
    // The resolution the printouts have on a real printer, so the preview shows what prints.
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog vorschau(&printer, eltern_);
    vorschau.setWindowTitle(alsQString(titel));
    if (eltern_) vorschau.resize(eltern_->window()->size());
    bool gut = true;
    // Qt asks for the pages again whenever the page setup changes, and once more when the user
    // prints from the preview.
    QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, [&](QPrinter* seite) {
        std::string grund;
        if (!drucken(*seite, grund) && gut) {
            gut = false;
            fehler = grund;
        }
    });
    vorschau.exec();
    return gut;
}

void Desktopdialoge::hinweisen(std::string_view titel, std::string_view text) {
    QMessageBox box(QMessageBox::Information, alsQString(titel), alsQString(text), QMessageBox::Ok,
                    eltern_);
    box.setTextFormat(Qt::PlainText);
    // Wide enough for its longest line, a file path, up to most of the screen: a message box
    // otherwise wraps at a fixed width and breaks paths in two.
    int breite = 0;
    for (const QString& zeile : alsQString(text).split('\n'))
        breite = std::max(breite, box.fontMetrics().horizontalAdvance(zeile));
    // The icon stands beside the text.
    breite += box.iconPixmap().width() + 4 * box.fontMetrics().averageCharWidth();
    if (const QScreen* schirm = box.screen())
        breite = std::min(breite, schirm->availableGeometry().width() * 3 / 4);
    if (auto* raster = qobject_cast<QGridLayout*>(box.layout()))
        raster->addItem(new QSpacerItem(breite, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                        raster->rowCount(), 0, 1, raster->columnCount());
    box.exec();
}

Aenderungsantwort Desktopdialoge::aenderungenFragen(std::string_view name) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Korvalt"),
                    QStringLiteral("Änderungen an \u201E%1\u201C speichern?").arg(alsQString(name)),
                    QMessageBox::NoButton, eltern_);
    box.setTextFormat(Qt::PlainText);
    QPushButton* speichern = box.addButton(QStringLiteral("&Speichern"), QMessageBox::AcceptRole);
    QPushButton* verwerfen =
        box.addButton(QStringLiteral("&Verwerfen"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("&Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(speichern);
    box.exec();
    if (box.clickedButton() == speichern) return Aenderungsantwort::speichern;
    if (box.clickedButton() == verwerfen) return Aenderungsantwort::verwerfen;
    return Aenderungsantwort::abbrechen;
}

std::optional<Kalenderangaben> Desktopdialoge::kalenderWaehlen(const Kalenderangaben& jetzt,
                                                               const Kalenderpruefung& pruefung) {
    Kalenderdialog dialog(jetzt, pruefung, eltern_);
    hilfeZeigbar(dialog, hilfeabschnitt::kalender, hilfe_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.angaben();
}

std::optional<Zeitraeume> Desktopdialoge::zeitraeumeWaehlen(const Zeitraeume& jetzt,
                                                            const Fallnamen& namen,
                                                            const Zeitraumpruefung& pruefung) {
    Zeitraumdialog dialog(jetzt, namen, pruefung, eltern_);
    hilfeZeigbar(dialog, hilfeabschnitt::zeitraeume, hilfe_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.angaben();
}

std::optional<Hoehergruppierung> Desktopdialoge::hoehergruppierungWaehlen(
    const Hoehergruppierungsvorschlag& vorschlag, const Hoehergruppierungspruefung& pruefung) {
    Hoehergruppierungsdialog dialog(vorschlag, pruefung, eltern_);
    hilfeZeigbar(dialog, hilfeabschnitt::hoehergruppierung, hilfe_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.angaben();
}

std::optional<Personenangaben> Desktopdialoge::personWaehlen(const Personenangaben& jetzt) {
    Persondialog dialog(jetzt, eltern_);
    hilfeZeigbar(dialog, hilfeabschnitt::person, hilfe_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.angaben();
}

std::optional<std::optional<Steuerangaben>> Desktopdialoge::steuerWaehlen(
    const std::optional<Steuerangaben>& jetzt, const Steuerpruefung& pruefung) {
    Steuerdialog dialog(jetzt, pruefung, eltern_);
    hilfeZeigbar(dialog, hilfeabschnitt::steuer, hilfe_);
    if (dialog.exec() != QDialog::Accepted || !dialog.gueltig()) return std::nullopt;
    return dialog.angaben();
}

}  // namespace korvalt
