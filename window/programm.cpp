// Running the window program.
#include "programm.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "meldungsfenster.h"

namespace korvalt {

int fensterAusfuehren(int& argc, char** argv, Sitzung& sitzung, const Startorte& orte,
                      const std::function<void(Hauptfenster&)>& vorDemZeigen) {
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName("Korvalt");
    // Qt's own texts (the buttons of the message boxes) in German, as the rest of the program.
    QTranslator qtTexte;
    if (qtTexte.load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    Meldungsfenster meldungen;
    Hauptfenster fenster(sitzung, meldungen);
    fenster.korvaltei().laden(orte);
    if (vorDemZeigen) vorDemZeigen(fenster);
    meldungen.setzeEltern(&fenster);
    fenster.show();
    return QApplication::exec();
}

}  // namespace korvalt
