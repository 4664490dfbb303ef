// Saving the case as the settings record.
#include "speichern.h"

#include <string>

#include "einstellungsdatei.h"
#include "einstellungssatz.h"
#include "zahlen.h"

namespace korvalt {

bool einstellungenSpeichern(TarifDaten& daten, const Fenstertabellen& t,
                            const Anzeigefelder& felder, Meldungen& meldungen,
                            const std::filesystem::path& datei) {
    daten.antwort = meldungen.okAbbrechen(speichernTitel, "");
    if (daten.antwort != 1) return false;
    const Einstellungssatz satz =
        einstellungssatzBilden(zahlAmAnfang(felder.text({Feldname::Startgruppe})), t);
    std::string fehler;
    if (!einstellungsdateiSchreiben(datei, satz, fehler)) {
        meldungen.warnen("Speichern nicht möglich",
                         "Die Einstellungen wurden nicht gespeichert.\n" + fehler);
        return false;
    }
    daten.einstellungssatz = satz;
    // The file holds exactly one record, so the record just written is number 1.
    daten.einstellungsnr = 1;
    return true;
}

}  // namespace korvalt
