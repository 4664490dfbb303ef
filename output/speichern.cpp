// Saving the case as the settings record.
#include "speichern.h"

#include <filesystem>
#include <string>

#include "sicheredatei.h"

namespace korvalt {

std::string speichernFrage(const std::filesystem::path& datei) {
    std::error_code fehler;
    const bool vorhanden = std::filesystem::exists(datei, fehler);
    return "Der angezeigte Fall wird in \u201E" + vollerPfad(datei).string() +
           "\u201C gespeichert: die Startgruppe, alle Laufzeiten, die Tariftabelle und die "
           "Angaben zu Beginn, Stufe und Teilzeit. Korvalt öffnet ihn beim nächsten Start." +
           (vorhanden ? "\nDer dort bisher gespeicherte Fall wird ersetzt." : "");
}

bool einstellungenSpeichern(const Sitzung& sitzung, const Anzeigefelder& felder,
                            Meldungen& meldungen, bool fragen) {
    if (fragen &&
        meldungen.okAbbrechen(speichernTitel, speichernFrage(sitzung.einstellungsdatei())) != 1)
        return false;
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
