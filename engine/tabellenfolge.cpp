// The tables in force by calendar month, the assumed raises computed once per 12 months.
#include "tabellenfolge.h"

#include <algorithm>
#include <cassert>
#include <limits>

#include "bruchrundung.h"

namespace korvalt {

Entgelttabelle entgelttabelleLesen(Tarifdatei& datei, const Tariftabelle& tabelle) {
    Entgelttabelle entgelte;
    entgelte.reserve(std::size_t(tabelle.gruppenzahl()));
    for (int gruppe = 1; gruppe <= tabelle.gruppenzahl(); ++gruppe)
        entgelte.push_back(gruppenentgelteLesen(datei, tabelle, gruppe));
    return entgelte;
}

std::int32_t centErhoehen(std::int32_t cent, int zehntelProzent) {
    const std::int64_t erhoeht =
        geteiltGerundet(std::int64_t{cent} * (1000 + zehntelProzent), 1000);
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(erhoeht, std::numeric_limits<std::int32_t>::max()));
}

Entgelttabelle tabelleErhoehen(const Entgelttabelle& tabelle, int zehntelProzent) {
    Entgelttabelle erhoeht = tabelle;
    for (Gruppenentgelte& gruppe : erhoeht)
        for (int stufe = 1; stufe <= tarifStufen; ++stufe)
            if (gruppe(stufe)) gruppe(stufe) = centErhoehen(*gruppe(stufe), zehntelProzent);
    return erhoeht;
}

Tabellenfolge::Tabellenfolge(std::vector<DatierteTabelle> tabellen,
                             const std::optional<AngenommeneErhoehung>& erhoehung,
                             KalenderMonat bis) {
    assert(!tabellen.empty());
    abschnitte_.reserve(tabellen.size());
    auto naechste = tabellen.begin();
    // Before the first table nothing is in force to be raised: the first raise that counts is
    // the first one from then on.
    std::optional<KalenderMonat> erhoehungIm;
    if (erhoehung) {
        erhoehungIm = erhoehung->ab;
        while (*erhoehungIm < tabellen.front().ab) *erhoehungIm = *erhoehungIm + 12;
    }
    for (;;) {
        const bool tabelleFolgt = naechste != tabellen.end();
        const bool erhoehungFolgt = erhoehungIm && *erhoehungIm <= bis;
        if (tabelleFolgt && (!erhoehungFolgt || naechste->ab <= *erhoehungIm)) {
            abschnitte_.push_back(std::move(*naechste++));
            continue;
        }
        if (!erhoehungFolgt) break;
        DatierteTabelle erhoeht{
            *erhoehungIm, abschnitte_.back().schluessel,
            tabelleErhoehen(abschnitte_.back().entgelte, erhoehung->zehntelProzent),
            abschnitte_.back().erhoehungen + 1};
        abschnitte_.push_back(std::move(erhoeht));
        *erhoehungIm = *erhoehungIm + 12;
    }
}

const DatierteTabelle& Tabellenfolge::tabelleIm(KalenderMonat monat) const {
    // The last table in force at `monat`.
    auto nach =
        std::upper_bound(abschnitte_.begin(), abschnitte_.end(), monat,
                         [](KalenderMonat m, const DatierteTabelle& t) { return m < t.ab; });
    return nach == abschnitte_.begin() ? abschnitte_.front() : *(nach - 1);
}

const Gruppenentgelte& Tabellenfolge::gruppenentgelte(KalenderMonat monat, int gruppe) const {
    const Entgelttabelle& entgelte = tabelleIm(monat).entgelte;
    assert(gruppe >= 1 && gruppe <= static_cast<int>(entgelte.size()));
    return entgelte[std::size_t(gruppe - 1)];
}

bool Tabellenfolge::erhoehungGenutzt(KalenderMonat von, KalenderMonat bis) const {
    if (tabelleIm(von).erhoehungen > 0) return true;
    for (const DatierteTabelle& t : abschnitte_)
        if (t.erhoehungen > 0 && t.ab > von && t.ab <= bis) return true;
    return false;
}

}  // namespace korvalt
