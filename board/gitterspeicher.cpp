// The month grid's store.
#include "gitterspeicher.h"

#include <algorithm>
#include <cassert>

namespace korvalt {

void Gitterspeicher::setzeZeilenzahl(int zeilen) {
    assert(zeilen >= 0);
    const auto anzahl = static_cast<std::size_t>(zeilen);
    zeilen_.resize(anzahl);
    zeilenhoehen_.resize(anzahl, standardZeilenhoehe);
    // Rows that come back after they were dropped are new rows too.
    zustand_.resize(anzahl, geaendert);
    quelle_.bis = std::min(quelle_.bis, zeilen);
    quelle_.von = std::min(quelle_.von, quelle_.bis);
}

const Gitterzelle& Gitterspeicher::zelle(int zeile, int spalte) const {
    const std::size_t z = pruefe(zeile, spalte);
    if (zustand_[z] & ungebaut) {
        zeilen_[z] = {};
        zeilenquelle_->zeileBauen(zeile, zeilen_[z]);
        zustand_[z] &= ~ungebaut;
    }
    return zeilen_[z][static_cast<std::size_t>(spalte)];
}

Gitterzelle& Gitterspeicher::beschreibbar(int zeile, int spalte) {
    assert(!vonDerQuelle(zeile) && "a row of the source is built, not written");
    return zeilen_[pruefe(zeile, spalte)][static_cast<std::size_t>(spalte)];
}

void Gitterspeicher::setzeText(int zeile, int spalte, std::string text, std::string kurztext) {
    Gitterzelle& z = beschreibbar(zeile, spalte);
    if (z.text == text && z.kurztext == kurztext) return;
    z.text = std::move(text);
    z.kurztext = std::move(kurztext);
    zustand_[static_cast<std::size_t>(zeile)] |= geaendert;
}

void Gitterspeicher::setzeFarbe(int zeile, int spalte, Farbe farbe) {
    Gitterzelle& z = beschreibbar(zeile, spalte);
    if (z.hintergrund == farbe) return;
    z.hintergrund = farbe;
    zustand_[static_cast<std::size_t>(zeile)] |= geaendert;
}

void Gitterspeicher::zeilenBeziehen(const Zeilenquelle& quelle, Zeilenbereich bereich) {
    assert(bereich.von >= 0 && bereich.von <= bereich.bis && bereich.bis <= zeilenzahl());
    const bool andereQuelle = zeilenquelle_ != &quelle;
    for (int z = quelle_.von; z < quelle_.bis; ++z) {
        if (z >= bereich.von && z < bereich.bis) continue;
        zeilen_[std::size_t(z)] = {};
        zustand_[std::size_t(z)] = geaendert;
    }
    for (int z = bereich.von; z < bereich.bis; ++z)
        if (andereQuelle || !vonDerQuelle(z)) zustand_[std::size_t(z)] = geaendert | ungebaut;
    zeilenquelle_ = &quelle;
    quelle_ = bereich;
}

void Gitterspeicher::zeileErneuern(int zeile) {
    assert(vonDerQuelle(zeile));
    zustand_[pruefe(zeile, 0)] = geaendert | ungebaut;
}

std::vector<Zeilenbereich> Gitterspeicher::geaenderteZeilenAbholen() {
    std::vector<Zeilenbereich> bereiche;
    for (int z = 0; z < zeilenzahl(); ++z) {
        std::uint8_t& zustand = zustand_[std::size_t(z)];
        if (!(zustand & geaendert)) continue;
        zustand &= ~geaendert;
        if (!bereiche.empty() && bereiche.back().bis == z)
            bereiche.back().bis = z + 1;
        else
            bereiche.push_back({z, z + 1});
    }
    return bereiche;
}

int Gitterspeicher::zeilenhoehe(int zeile) const {
    return zeilenhoehen_[pruefe(zeile, 0)];
}

void Gitterspeicher::setzeZeilenhoehe(int zeile, int twips) {
    zeilenhoehen_[pruefe(zeile, 0)] = twips;
}

std::size_t Gitterspeicher::pruefe(int zeile, int spalte) const {
    assert(zeile >= 0 && zeile < zeilenzahl() && spalte >= 0 && spalte < gitterSpalten &&
           "Gitterzelle außerhalb des Gitters");
    (void)spalte;
    return static_cast<std::size_t>(zeile);
}

}  // namespace korvalt
