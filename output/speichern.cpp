// Saving the case as the settings record.
#include "speichern.h"

#include <string>

#include "einstellungsdatei.h"
#include "einstellungssatz.h"

namespace korvalt {

bool einstellungenSpeichern(TarifDaten& daten, const Falltabellen& t, const Anzeigefelder& felder,
                            Meldungen& meldungen, const std::filesystem::path& datei, bool fragen) {
    daten.antwort = fragen ? meldungen.okAbbrechen(speichernTitel, "") : std::int16_t(1);
    if (daten.antwort != 1) return false;
    const auto saetze = einstellungssaetzeBilden(felder.text({Feldname::Startgruppe}), t,
                                                 daten.tabellenkatalog.tabelle(daten.tabelle));
    std::string fehler;
    if (!einstellungsdateiSchreiben(datei, saetze, fehler)) {
        meldungen.warnen("Speichern nicht möglich",
                         "Die Einstellungen wurden nicht gespeichert.\n" + fehler);
        return false;
    }
    daten.einstellungssatz = saetze[0];
    if (saetze.size() > 1)
        daten.einstellungssatz2 = saetze[1];
    else
        daten.einstellungssatz2.fill(' ');
    // The file holds exactly one record, so the record just written is number 1.
    daten.einstellungsnr = 1;
    return true;
}

}  // namespace korvalt
