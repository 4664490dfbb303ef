// Fuzz target: any bytes as the settings file -> the saved case restored -> a full recalculation
// on the plain store -> the CSV text.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "fuzzpruefung.h"
#include "kommandozeile.h"

namespace {

using namespace korvalt;

const fuzz::Arbeitsordner& ordner() {
    static const fuzz::Arbeitsordner o;
    return o;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The tariff file built with the program, copied once into the private folder.
    std::ifstream quelle(KORVALT_TARIFDATEI, std::ios::binary);
    const std::string inhalt{std::istreambuf_iterator<char>(quelle), {}};
    if (inhalt.size() != std::size_t{tarifsaetzeNoetig} * tarifsatzLaenge)
        fuzz::verletzt(std::string("Tarifdatei fehlt: ") + KORVALT_TARIFDATEI);
    ordner().schreiben(tarifdateiName, reinterpret_cast<const std::uint8_t*>(inhalt.data()),
                       inhalt.size());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    ordner().schreiben(einstellungsdateiName, daten, groesse);

    auto fall = std::make_unique<Speicherfall>();
    fall->sitzung.einstellungsdateiLesen(ordner().pfad() / einstellungsdateiName);
    GesammelteMeldungen meldungen;
    fall->anzeige.laden({ordner().pfad()}, meldungen);
    fuzz::fallPruefen(*fall);
    KORVALT_PRUEFEN(fall->sitzung.tarifdatei.offen(), "Tarifdatei nicht gefunden");
    ordner().nurDiese({tarifdateiName, einstellungsdateiName});
    ordner().unveraendert(einstellungsdateiName, daten, groesse);
    return 0;
}
