// Saving the case as the settings record.
#include "speichern.h"

#include <string>

namespace korvalt {

bool einstellungenSpeichern(const Sitzung& sitzung, const Anzeigefelder& felder,
                            Meldungen& meldungen, bool fragen) {
    if (fragen && meldungen.okAbbrechen(speichernTitel, "") != 1) return false;
    std::string fehler;
    if (!sitzung.speichern(felder.text({Feldname::Startgruppe}), sitzung.einstellungsdatei(),
                           fehler)) {
        meldungen.warnen("Speichern nicht möglich",
                         "Die Einstellungen wurden nicht gespeichert.\n" + fehler);
        return false;
    }
    return true;
}

}  // namespace korvalt
