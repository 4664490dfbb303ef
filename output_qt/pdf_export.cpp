// PDF export of the month list and the result page.
#include "pdf_export.h"

#include <QApplication>
#include <QPrinter>
#include <memory>

#include "ausgabeknoepfe.h"
#include "druckauftrag.h"
#include "ergebnisseite.h"
#include "jahresdruck.h"
#include "jahresliste_csv.h"
#include "korvaltei.h"
#include "vermerkdruck.h"

namespace korvalt {

namespace {

int melden(std::ostream& fehlerausgabe, const std::string& fehler, int status) {
    fehlerausgabe << "korvalt: " << fehler << "\n";
    return status;
}

}  // namespace

int monatslistePdfExportieren(const Aufruf& aufruf,
                              const std::filesystem::path& programmverzeichnis,
                              std::ostream& fehlerausgabe) {
    const auto fall = fallRechnen(aufruf, programmverzeichnis, fehlerausgabe);
    if (!fall) return exitEingabefehler;
    std::string fehler;
    const auto drucken = [&](QPrinter& printer, std::string& grund) {
        return monatslisteDrucken(fall->sitzung, printer, grund);
    };
    if (!pdfSchreiben(aufruf.monatsliste, drucken, fehler))
        return melden(fehlerausgabe, fehler, exitSchreibfehler);
    return exitGut;
}

int ergebnisPdfExportieren(const Aufruf& aufruf, const std::filesystem::path& programmverzeichnis,
                           std::ostream& fehlerausgabe) {
    GesammelteMeldungen meldungen;
    const auto sitzung = std::make_unique<Sitzung>();
    Korvaltei fenster(*sitzung, meldungen);
    std::string fehler = fenster.laden(startoptionen(aufruf, programmverzeichnis));
    fehlerausgabe << meldungen.hinweise();
    if (!meldungen.text().empty()) fehler = meldungen.fehlertext();
    if (!fehler.empty()) return melden(fehlerausgabe, fehler, exitEingabefehler);
    // Laid out as on screen, without appearing on any screen.
    fenster.setAttribute(Qt::WA_DontShowOnScreen);
    fenster.show();
    const auto drucken = [&](QPrinter& printer, std::string& grund) {
        return ergebnisseiteDrucken(fenster, printer, grund);
    };
    if (!pdfSchreiben(aufruf.ergebnis, drucken, fehler))
        return melden(fehlerausgabe, fehler, exitSchreibfehler);
    return exitGut;
}

int exportieren(const Aufruf& aufruf, const std::filesystem::path& programmverzeichnis,
                std::ostream& aus, std::ostream& fehlerausgabe) {
    int status = exitGut;
    if (!aufruf.monatsliste.empty()) {
        status = istPdfZiel(aufruf.monatsliste)
                     ? monatslistePdfExportieren(aufruf, programmverzeichnis, fehlerausgabe)
                     : monatslisteCsvExportieren(aufruf, programmverzeichnis, aus, fehlerausgabe);
    }
    if (!aufruf.jahresliste.empty())
        status = istPdfZiel(aufruf.jahresliste)
                     ? jahreslistePdfExportieren(aufruf, programmverzeichnis, fehlerausgabe)
                     : jahreslisteCsvExportieren(aufruf, programmverzeichnis, aus, fehlerausgabe);
    if (!aufruf.ergebnis.empty() && status == exitGut)
        status = ergebnisPdfExportieren(aufruf, programmverzeichnis, fehlerausgabe);
    if (!aufruf.vermerk.empty() && status == exitGut)
        status = vermerkPdfExportieren(aufruf, programmverzeichnis, fehlerausgabe);
    return status;
}

int exportierenMitQt(int& argc, char** argv, const Aufruf& aufruf,
                     const std::filesystem::path& programmverzeichnis, std::ostream& aus,
                     std::ostream& fehlerausgabe) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName("Korvalt");
    return exportieren(aufruf, programmverzeichnis, aus, fehlerausgabe);
}

}  // namespace korvalt
