// What the output buttons of the window do.
#include "ausgabeknoepfe.h"

#include "ergebnisseite.h"
#include "korvaltei.h"
#include "monatsliste.h"
#include "qtdrucker.h"
#include "rechner.h"
#include "speichern.h"

namespace korvalt {

bool monatslisteDrucken(Rechner& rechner, QPrinter& printer, std::string& fehler) {
    QtDrucker drucker(printer);
    return monatslisteDrucken(rechner.daten(), rechner.tabellen(),
                              rechner.felder().text({Feldname::Korvaltei}), drucker, fehler);
}

void ausgabeAnschliessen(Korvaltei& fenster, std::shared_ptr<Druckumgebung> umgebung) {
    if (!umgebung) umgebung = std::make_shared<Desktopdruck>(&fenster);
    fenster.setzeKlick(Feldname::Speichern, [&fenster] {
        einstellungenSpeichern(fenster.daten(), fenster.tabellen(), fenster, fenster.meldungen(),
                               fenster.einstellungsdatei());
    });
    fenster.setzeKlick(Feldname::Liste, [&fenster, umgebung] {
        druckenOderPdf(
            [&fenster](QPrinter& printer, std::string& fehler) {
                return monatslisteDrucken(fenster.rechner(), printer, fehler);
            },
            "die Monatsliste", "Monatsliste.pdf", *umgebung, fenster.meldungen());
    });
    fenster.setzeKlick(Feldname::Ergebnisdrucken, [&fenster, umgebung] {
        druckenOderPdf(
            [&fenster](QPrinter& printer, std::string& fehler) {
                return ergebnisseiteDrucken(fenster, printer, fehler);
            },
            "das Ergebnis", "Ergebnis.pdf", *umgebung, fenster.meldungen());
    });
}

}  // namespace korvalt
