// What the output buttons of the window do.
#include "ausgabeknoepfe.h"

#include "druckblock.h"
#include "ergebnisseite.h"
#include "korvaltei.h"
#include "monatsliste.h"
#include "qtdrucker.h"
#include "sitzung.h"
#include "speichern.h"

namespace korvalt {

bool monatslisteDrucken(Sitzung& sitzung, QPrinter& printer, std::string& fehler,
                        std::string_view fall) {
    QtDrucker drucker(printer);
    return monatslisteDrucken(sitzung.daten(), sitzung.tabellen(), sitzung.titel(),
                              druckblockBilden(sitzung, fall), drucker, fehler, sitzung.netto());
}

bool speichernAusfuehren(Korvaltei& fenster, bool fragen) {
    return einstellungenSpeichern(fenster.sitzung(), fenster, fenster.meldungen(), fragen);
}

Druckvorgang druckvorgang(Korvaltei& fenster, Ausdruck was) {
    if (was == Ausdruck::ergebnis)
        return [&fenster](QPrinter& printer, std::string& fehler) {
            return ergebnisseiteDrucken(fenster, printer, fehler);
        };
    return [&fenster](QPrinter& printer, std::string& fehler) {
        return monatslisteDrucken(fenster.sitzung(), printer, fehler, fallbezeichnung(fenster));
    };
}

void ausgabeAnschliessen(Korvaltei& fenster, std::shared_ptr<Druckumgebung> umgebung) {
    if (!umgebung) umgebung = std::make_shared<Desktopdruck>(&fenster);
    fenster.setzeKlick(Feldname::Speichern, [&fenster] { speichernAusfuehren(fenster); });
    fenster.setzeKlick(Feldname::Liste, [&fenster, umgebung] {
        druckenOderPdf(druckvorgang(fenster, Ausdruck::monatsliste), "die Monatsliste",
                       pdfVorschlag(fenster, Ausdruck::monatsliste), *umgebung,
                       fenster.meldungen());
    });
    fenster.setzeKlick(Feldname::Ergebnisdrucken, [&fenster, umgebung] {
        druckenOderPdf(druckvorgang(fenster, Ausdruck::ergebnis), "das Ergebnis",
                       pdfVorschlag(fenster, Ausdruck::ergebnis), *umgebung, fenster.meldungen());
    });
}

}  // namespace korvalt
