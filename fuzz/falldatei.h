// What the case-file fuzz targets share: a case that stays open from input to input, as in the
// window, into which each input is opened as a case file and calculated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

#include "einstellungsdatei.h"
#include "fuzzpruefung.h"
#include "kommandozeile.h"

namespace korvalt::fuzz {

inline const Arbeitsordner& fallordner() {
    static const Arbeitsordner o;
    return o;
}

inline Sitzung& offeneSitzung() {
    static const auto s = std::make_unique<Sitzung>();
    return *s;
}

// The tariff file built with the program and its list of tables, so that a second record can name
// any table; read once, as by the window.
inline void fallVorbereiten() {
    const std::filesystem::path tarifdatei = KORVALT_TARIFDATEI;
    for (const auto& datei : {tarifdatei, tarifdatei.parent_path() / tabellenlisteName}) {
        std::ifstream quelle(datei, std::ios::binary);
        const std::string inhalt{std::istreambuf_iterator<char>(quelle), {}};
        if (inhalt.empty()) verletzt("Datei fehlt: " + datei.string());
        fallordner().schreiben(datei.filename().string(),
                               reinterpret_cast<const std::uint8_t*>(inhalt.data()), inhalt.size());
    }
    GesammelteMeldungen meldungen;
    const Eroeffnung eroeffnung = offeneSitzung().oeffnen({{fallordner().pfad()}}, meldungen);
    if (!eroeffnung.fehler.empty() || !offeneSitzung().tarifdatei().offen())
        verletzt("Beispielfall nicht geöffnet: " + eroeffnung.fehler);
}

// The bytes as a case file, opened as "Fall öffnen" opens it, and calculated with the start group
// the window would show.
inline const Sitzung& fallRechnen(const std::uint8_t* daten, std::size_t groesse) {
    Sitzung& sitzung = offeneSitzung();
    fallordner().schreiben(einstellungsdateiName, daten, groesse);
    const Einstellungslesung lesung =
        einstellungsdateiLesen(fallordner().pfad() / einstellungsdateiName);
    GesammelteMeldungen meldungen;
    std::optional<Integer> startgruppe;
    if (lesung.ergebnis == Einstellungslesung::Ergebnis::gelesen) {
        KORVALT_PRUEFEN(istFallsatz(lesung.satz), "gelesen ohne Fallsatz");
        startgruppe = sitzung.fallLaden(lesung, meldungen);
    } else {
        // The window names the reason and keeps the case it has; here the example case follows,
        // so that what an input computes does not depend on the one before.
        KORVALT_PRUEFEN(!lesung.fehler.empty(), "unbrauchbar ohne Meldung");
        sitzung.beispielfallLaden();
    }
    sitzung.starten(startgruppeImFenster(sitzung, startgruppe));
    return sitzung;
}

// Reading and calculating wrote nothing and left the case file as it was.
inline void fallordnerPruefen(const std::uint8_t* daten, std::size_t groesse) {
    fallordner().nurDiese({tarifdateiName, tabellenlisteName, einstellungsdateiName});
    fallordner().unveraendert(einstellungsdateiName, daten, groesse);
}

}  // namespace korvalt::fuzz
