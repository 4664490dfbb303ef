// Running the window program.
#include "programm.h"

#include <unistd.h>

#include <QApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QSocketNotifier>
#include <QStatusBar>
#include <QTranslator>
#include <algorithm>
#include <string>

#include "meldungsfenster.h"
#include "qtumwandlung.h"
#include "tabellenmenue.h"

namespace korvalt {

namespace {

// The first start shows today's tables by date and where the others, that of 2006 among them,
// are chosen.
QString ersterStartHinweis(const TarifDaten& daten, const std::string& tabelle) {
    QString text = "Tabelle: " + tabellenmenuetext(daten.tabellenkatalog.tabelle(tabelle)) + '.';
    int von = 9999;
    int bis = 0;
    for (const Tariftabelle& t : daten.tabellenkatalog.tabellen()) {
        if (t.schluessel == tabelle) continue;
        // The Federation's keys begin with "bund-"; their month in force names the year.
        const std::string& datum = t.seite == Arbeitgeberseite::vka ? t.schluessel : t.inKraft;
        const int jahr = std::atoi(datum.substr(0, 4).c_str());
        von = std::min(von, jahr);
        bis = std::max(bis, jahr);
    }
    if (bis > 0)
        text += QStringLiteral(" Die Tabellen von %1 bis %2 wählen Sie im Menü Tabelle.")
                    .arg(von)
                    .arg(bis);
    return text;
}

}  // namespace

int fensterAusfuehren(int& argc, char** argv, Sitzung& sitzung, const Startoptionen& orte,
                      int endesignal, const std::function<void(Hauptfenster&)>& vorDemZeigen) {
    QApplication anwendung(argc, argv);
    // A signal ends every event loop, a message box's too; the status also ends a start-up that
    // was still showing one.
    int signalende = 0;
    if (endesignal >= 0) {
        auto* melder = new QSocketNotifier(endesignal, QSocketNotifier::Read, &anwendung);
        QObject::connect(melder, &QSocketNotifier::activated, &anwendung,
                         [endesignal, &signalende] {
                             unsigned char nummer = 0;
                             if (::read(endesignal, &nummer, 1) != 1) return;
                             signalende = 128 + nummer;
                             QCoreApplication::exit(signalende);
                         });
    }
    // QSettings then keeps the user's list of files in ~/.config/Korvalt/Korvalt.conf.
    QApplication::setOrganizationName("Korvalt");
    QApplication::setApplicationName("Korvalt");
    // Qt's own texts (the buttons of the message boxes) in German, as the rest of the program.
    QTranslator qtTexte;
    if (qtTexte.load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    Meldungsfenster meldungen;
    Hauptfenster fenster(sitzung, meldungen);
    std::error_code fehlt;
    const bool ersterStart = !std::filesystem::exists(orte.einstellungsdatei, fehlt);
    Startoptionen start = orte;
    if (ersterStart) {
        const QDate heute = QDate::currentDate();
        start.heute = KalenderMonat(heute.year(), heute.month());
    }
    fenster.korvaltei().laden(start);
    if (vorDemZeigen) vorDemZeigen(fenster);
    meldungen.setzeEltern(&fenster);
    if (signalende) return signalende;
    fenster.show();
    // Once the window is shown, so that the note hides the case's facts in the status line.
    if (ersterStart)
        fenster.statusBar()->showMessage(
            ersterStartHinweis(sitzung.daten(), sitzung.fall().tabelle));
    const int status = QApplication::exec();
    return signalende ? signalende : status;
}

}  // namespace korvalt
