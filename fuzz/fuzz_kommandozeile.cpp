// Fuzz target: any bytes, split at NUL into arguments -> the command-line parser, which must not
// touch a file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzzpruefung.h"
#include "kommandozeile.h"

namespace {

// `wert` follows an occurrence of `option` in the arguments.
bool folgtAuf(const std::vector<std::string>& argumente, const std::string& option,
              const std::string& wert) {
    for (std::size_t i = 0; i + 1 < argumente.size(); ++i)
        if (argumente[i] == option && argumente[i + 1] == wert) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace korvalt;
    static const fuzz::Arbeitsordner ordner;
    const std::vector<std::string> argumente =
        groesse == 0 ? std::vector<std::string>{}
                     : fuzz::teilen({reinterpret_cast<const char*>(daten), groesse}, '\0');

    const fuzz::Ein_Ausgabe vorher = fuzz::einAusgabe();
    std::string fehler;
    const auto aufruf = aufrufLesen(argumente, fehler);
    const fuzz::Ein_Ausgabe nachher = fuzz::einAusgabe();
    // The second count is the only read in between.
    KORVALT_PRUEFEN(nachher.lesevorgaenge == vorher.lesevorgaenge + 1 &&
                        nachher.schreibvorgaenge == vorher.schreibvorgaenge,
                    "der Parser hat gelesen oder geschrieben");
    ordner.nurDiese({});

    if (!aufruf) {
        KORVALT_PRUEFEN(!fehler.empty(), "abgelehnt ohne Meldung");
        return 0;
    }
    const std::pair<const char*, const std::string*> optionen[] = {
        {"--monatsliste", &aufruf->monatsliste},
        {"--ergebnis", &aufruf->ergebnis},
        {"--einstellungen", &aufruf->einstellungen}};
    for (const auto& [option, wert] : optionen)
        KORVALT_PRUEFEN(wert->empty() || folgtAuf(argumente, option, *wert),
                        std::string(option) + " mit einem Wert, der nicht gegeben war");
    // --help and --version answer alone; what else the call holds is not looked at.
    if (!aufruf->hilfe && !aufruf->version) {
        KORVALT_PRUEFEN(aufruf->ergebnis.empty() || istPdfZiel(aufruf->ergebnis),
                        "--ergebnis ohne .pdf angenommen");
        KORVALT_PRUEFEN(aufruf->einstellungen.empty() || !aufruf->fensterOeffnen(),
                        "--einstellungen ohne Ausgabe angenommen");
        KORVALT_PRUEFEN(
            !aufruf->tabellenZeigen || (aufruf->monatsliste.empty() && aufruf->ergebnis.empty() &&
                                        aufruf->einstellungen.empty() && aufruf->tabelle.empty() &&
                                        aufruf->falldatei.empty()),
            "--tabellen mit anderen Angaben angenommen");
    }
    return 0;
}
