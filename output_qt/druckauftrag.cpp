// Choosing where a printout goes, and the way out to a PDF file.
#include "druckauftrag.h"
#include "dateinamen.h"
#include "hauptfenster.h"
#include "kommandozeile.h"
#include "monatsliste.h"
#include "qtumwandlung.h"
#include "sicheredatei.h"
#include "systemfehler.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string_view>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace korvalt {

namespace {

// Qt's painter and PDF printer report success even when the disk filled up under them: a complete
// file begins with "%PDF" and ends with "%%EOF" (a line end may follow).
bool pdfVollstaendig(const std::filesystem::path& datei) {
    std::ifstream pdf(datei, std::ios::binary);
    char anfang[4] = {};
    if (!pdf.read(anfang, sizeof anfang) || std::string_view(anfang, 4) != "%PDF") return false;
    constexpr std::streamoff schluss = 32;
    pdf.seekg(0, std::ios::end);
    const std::streamoff groesse = pdf.tellg();
    pdf.seekg(std::max<std::streamoff>(groesse - schluss, 0));
    std::string ende(static_cast<std::size_t>(std::min(groesse, schluss)), '\0');
    if (!pdf.read(ende.data(), static_cast<std::streamsize>(ende.size()))) return false;
    return ende.find("%%EOF") != std::string::npos;
}

}  // namespace

std::string fallbezeichnung(Korvaltei& fenster) {
    // Printed from the command line the case has no main window, and no case file.
    const auto* haupt = dynamic_cast<const Hauptfenster*>(fenster.window());
    if (haupt && haupt->falldatei()) return haupt->falldatei()->stem().string();
    return fenster.sitzung().tabellen().namen.individuell;
}

std::string vorschlagBeimFall(Korvaltei& fenster, const std::string& name) {
    const auto* haupt = dynamic_cast<const Hauptfenster*>(fenster.window());
    if (haupt && haupt->falldatei()) return (haupt->falldatei()->parent_path() / name).string();
    return name;
}

std::string pdfVorschlag(Korvaltei& fenster, Ausdruck was) {
    return vorschlagBeimFall(fenster, fallbezeichnung(fenster) + " \u2013 " +
                                          (was == Ausdruck::ergebnis ? "Ergebnis" : "Monatsliste") +
                                          ".pdf");
}

std::unique_ptr<QPrinter> Desktopdruck::standarddrucker() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

std::filesystem::path Desktopdruck::imOrdner(std::string_view vorschlag) const {
    std::error_code kein;
    return (letzterOrdner_.empty() ? std::filesystem::current_path(kein) : letzterOrdner_) /
           std::filesystem::path(vorschlag);
}

std::optional<std::string> Desktopdruck::pdfDateiWaehlen(std::string_view vorschlag) {
    std::error_code kein;
    // Names stay the system's bytes: the dialog shows them, and a name it gives back unchanged is
    // the proposal's own.
    std::filesystem::path gewuenscht = imOrdner(vorschlag);
    const QString titel = QStringLiteral("Als PDF speichern");
    for (;;) {
        const Dialogvorschlag vorgabe(gewuenscht);
        QFileDialog dialog(eltern_, titel, vorgabe.text(), QStringLiteral("PDF-Dateien (*.pdf)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The dialog adds the ending before it asks whether to replace a file, so it asks about
        // the file that is then written.
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        std::filesystem::path datei = vorgabe.datei(dialog.selectedFiles().constFirst());
        ordnerMerken(datei);
        if (istPdfZiel(datei.native())) return datei.native();
        // A name with another ending ("Bericht 1.5") still becomes a PDF file that opens as one;
        // the dialog asked about the name without ".pdf", so a file of the new name is asked
        // about here.
        datei += ".pdf";
        if (!std::filesystem::exists(datei, kein) ||
            QMessageBox::question(
                eltern_, titel,
                QStringLiteral("\u201E%1\u201C gibt es schon.\nSoll die Datei ersetzt werden?")
                    .arg(dateinameAlsText(datei.filename())),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes)
            return datei.native();
        gewuenscht = datei;
    }
}

std::unique_ptr<QPrinter> pdfDrucker(const std::string& datei) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(dateinameAlsText(datei));
    printer->setCreator(QStringLiteral("Korvalt"));
    // About the printable area of an office printer, so the file looks like the paper.
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(6.35, 10, 6.35, 10), QPageLayout::Millimeter));
    return printer;
}

bool pdfSchreiben(const std::string& datei, const Druckvorgang& drucken, std::string& fehler) {
    return pdfSchreiben(*pdfDrucker(datei), datei, drucken, fehler);
}

bool pdfSchreiben(QPrinter& printer, const std::string& datei, const Druckvorgang& drucken,
                  std::string& fehler) {
    SichereDatei ziel(datei);
    // A file that cannot be written is reported here, before the printer tries and complains.
    if (!ziel.anlegen(fehler)) return false;
    // The printer's own reason would name the temporary file.
    std::string grund;
    printer.setOutputFormat(QPrinter::PdfFormat);
    // A name Qt can spell, whatever bytes the target's name has.
    printer.setOutputFileName(QFile::decodeName(QByteArray::fromStdString(ziel.erzeugername())));
    const bool gut = drucken(printer, grund);
    printer.setOutputFileName(QFile::decodeName(QByteArray::fromStdString(datei)));
    if (!gut || !pdfVollstaendig(ziel.temporaer())) {
        fehler = ziel.fehlertext(ziel.datentraegerVoll()
                                     ? systemfehlerText(ENOSPC)
                                     : "Die PDF-Datei wurde nicht vollständig geschrieben");
        return false;
    }
    return ziel.uebernehmen(fehler);
}

bool druckerDrucken(QPrinter& printer, const Druckvorgang& drucken, std::string& fehler,
                    std::filesystem::path& datei) {
    datei.clear();
    if (printer.outputFormat() != QPrinter::PdfFormat) return drucken(printer, fehler);
    datei = dateinameDesSystems(printer.outputFileName());
    return pdfSchreiben(printer, datei.native(), drucken, fehler);
}

bool druckenOderPdf(const Druckvorgang& drucken, std::string_view was, std::string_view vorschlag,
                    Druckumgebung& umgebung, Meldungen& meldungen) {
    std::string grund;
    if (auto printer = umgebung.standarddrucker()) {
        if (drucken(*printer, grund)) return true;
    } else {
        grund = "Es ist kein Standarddrucker eingerichtet.";
    }
    const std::string frage =
        grund + "\n\nSoll " + std::string(was) + " stattdessen als PDF-Datei gespeichert werden?";
    if (!meldungen.jaNein("Drucken nicht möglich", frage)) return false;
    const auto datei = umgebung.pdfDateiWaehlen(vorschlag);
    if (!datei) return false;
    std::string fehler;
    if (pdfSchreiben(*datei, drucken, fehler)) return true;
    meldungen.warnen("Speichern nicht möglich", fehler);
    return false;
}

}  // namespace korvalt
