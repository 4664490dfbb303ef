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
    // The tariff file built with the program and its list of tables, copied once into the private
    // folder, so that a second record can name any of the tables.
    const std::filesystem::path tarifdatei = KORVALT_TARIFDATEI;
    for (const auto& datei : {tarifdatei, tarifdatei.parent_path() / tabellenlisteName}) {
        std::ifstream quelle(datei, std::ios::binary);
        const std::string inhalt{std::istreambuf_iterator<char>(quelle), {}};
        if (inhalt.empty()) fuzz::verletzt("Datei fehlt: " + datei.string());
        ordner().schreiben(datei.filename().string(),
                           reinterpret_cast<const std::uint8_t*>(inhalt.data()), inhalt.size());
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    ordner().schreiben(einstellungsdateiName, daten, groesse);

    auto fall = std::make_unique<Speicherfall>();
    GesammelteMeldungen meldungen;
    fall->anzeige.laden({{ordner().pfad()}, ordner().pfad() / einstellungsdateiName}, meldungen);
    fuzz::fallPruefen(*fall);
    KORVALT_PRUEFEN(fall->sitzung.tarifdatei().offen(), "Tarifdatei nicht gefunden");
    ordner().nurDiese({tarifdateiName, tabellenlisteName, einstellungsdateiName});
    ordner().unveraendert(einstellungsdateiName, daten, groesse);
    return 0;
}
