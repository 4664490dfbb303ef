// Fuzz target: any bytes as the tariff file -> full recalculations of the example case for start
// groups at both ends and in the middle of the table -> the CSV text.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "fuzzpruefung.h"
#include "kommandozeile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace korvalt;
    static const fuzz::Arbeitsordner ordner;
    ordner.schreiben(tarifdateiName, daten, groesse);

    auto fall = std::make_unique<Speicherfall>();
    GesammelteMeldungen meldungen;
    fall->anzeige.laden({{ordner.pfad()}}, meldungen);
    fuzz::fallPruefen(*fall);
    for (const char* startgruppe : {"1", "15", "13"}) {
        fall->felder.setzeText({Feldname::Startgruppe}, startgruppe);
        fall->anzeige.starten();
        fuzz::fallPruefen(*fall);
    }
    ordner.nurDiese({tarifdateiName});
    ordner.unveraendert(tarifdateiName, daten, groesse);
    return 0;
}
