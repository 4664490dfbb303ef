// The one reader and writer of the settings records' fields.
#include "satzfelder.h"

#include <algorithm>

namespace korvalt {

using satzfelder::feld;
using satzfelder::leer;

std::vector<Feldwert> satzLesen(const Einstellungssatz& satz, const Satzbeschreibung& art) {
    std::vector<Feldwert> werte;
    werte.reserve(art.felder.size());
    for (const Satzfeld& f : art.felder) {
        Feldwert w;
        w.text = feld(satz, f.position, f.laenge);
        switch (f.art) {
            case Feldart::ziffern:
                w.gesetzt = !leer(w.text);
                for (char c : w.text) {
                    if (!w.gesetzt) break;
                    if (c < '0' || c > '9') {
                        w.beschaedigt = true;
                        w.zahl = 0;
                        break;
                    }
                    w.zahl = w.zahl * 10 + (c - '0');
                }
                break;
            case Feldart::byte:
                w.gesetzt = true;
                w.zahl = satz[std::size_t(f.position - 1)];
                break;
            case Feldart::text:
                w.gesetzt = !leer(w.text);
                break;
        }
        werte.push_back(std::move(w));
    }
    return werte;
}

Feldwert monatswert(const std::optional<KalenderMonat>& m) {
    return m ? Feldwert::zahlwert(m->jahr() * 100 + m->monat()) : Feldwert{};
}

std::optional<KalenderMonat> feldmonat(const Feldwert& w) {
    const int jahr = int(w.zahl / 100);
    const int monat = int(w.zahl % 100);
    if (!w.gesetzt || monat < 1 || monat > 12 || jahr < 1) return std::nullopt;
    return KalenderMonat(jahr, monat);
}

Einstellungssatz satzSchreiben(const Satzbeschreibung& art, const std::vector<Feldwert>& werte,
                               const Einstellungssatz* gelesen) {
    Einstellungssatz satz;
    satz.fill(' ');
    if (gelesen)
        std::copy(gelesen->begin() + art.letzteStelle(), gelesen->end(),
                  satz.begin() + art.letzteStelle());
    std::copy(art.kennung.begin(), art.kennung.end(), satz.begin());
    for (std::size_t i = 0; i < art.felder.size(); ++i) {
        const Satzfeld& f = art.felder[i];
        const Feldwert& w = werte[i];
        const auto anfang = satz.begin() + (f.position - 1);
        if (!w.gesetzt) continue;
        switch (f.art) {
            case Feldart::ziffern: {
                std::int64_t rest = w.zahl;
                for (int k = f.laenge - 1; k >= 0; --k, rest /= 10)
                    anfang[k] = static_cast<unsigned char>('0' + rest % 10);
                break;
            }
            case Feldart::byte:
                *anfang = static_cast<unsigned char>(w.zahl);
                break;
            case Feldart::text:
                std::copy_n(w.text.begin(), std::min(w.text.size(), std::size_t(f.laenge)), anfang);
                break;
        }
    }
    return satz;
}

bool unbekanntesBelegt(const Einstellungssatz& satz, const Satzbeschreibung& art) {
    return !leer(feld(satz, art.letzteStelle() + 1, int(satz.size()) - art.letzteStelle()));
}

}  // namespace korvalt
