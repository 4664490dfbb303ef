// Choosing where a printout goes, and the way out to a PDF file.
#include "druckauftrag.h"
#include "qtumwandlung.h"

#include <cstdio>
#include <filesystem>

#include <QDir>
#include <QFileDialog>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace korvalt {

namespace {

std::string dateiFehler(const std::string& datei) {
    return "Die PDF-Datei \u201E" + datei + "\u201C kann nicht geschrieben werden.";
}

}  // namespace

std::unique_ptr<QPrinter> Desktopdruck::standarddrucker() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

std::optional<std::string> Desktopdruck::pdfDateiWaehlen(std::string_view vorschlag) {
    const QString vorgabe = QDir::current().filePath(alsQString(vorschlag));
    const QString datei =
        QFileDialog::getSaveFileName(eltern_, QStringLiteral("Als PDF speichern"), vorgabe,
                                     QStringLiteral("PDF-Dateien (*.pdf)"));
    if (datei.isEmpty()) return std::nullopt;
    // A name typed without its ending still becomes a PDF file that opens as one.
    if (!datei.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return (datei + QLatin1String(".pdf")).toStdString();
    return datei.toStdString();
}

std::unique_ptr<QPrinter> pdfDrucker(const std::string& datei) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(datei));
    printer->setCreator(QStringLiteral("Korvalt"));
    // About the printable area of an office printer, so the file looks like the paper.
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(6.35, 10, 6.35, 10), QPageLayout::Millimeter));
    return printer;
}

bool pdfSchreiben(const std::string& datei, const Druckvorgang& drucken, std::string& fehler) {
    const std::string temporaer = datei + ".neu";
    // A file that cannot be created is reported here, before the printer tries and complains.
    if (std::FILE* probe = std::fopen(temporaer.c_str(), "wb")) {
        std::fclose(probe);
    } else {
        fehler = dateiFehler(datei);
        return false;
    }
    bool gut = false;
    {
        const auto printer = pdfDrucker(temporaer);
        std::string grund;
        gut = drucken(*printer, grund);
    }
    std::error_code fehlercode;
    if (gut) std::filesystem::rename(temporaer, datei, fehlercode);
    if (!gut || fehlercode) {
        std::filesystem::remove(temporaer, fehlercode);
        fehler = dateiFehler(datei);
        return false;
    }
    return gut;
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
    if (meldungen.okAbbrechen("Drucken nicht möglich", frage) != 1) return false;
    const auto datei = umgebung.pdfDateiWaehlen(vorschlag);
    if (!datei) return false;
    std::string fehler;
    if (pdfSchreiben(*datei, drucken, fehler)) return true;
    meldungen.warnen("Speichern nicht möglich", fehler);
    return false;
}

}  // namespace korvalt
