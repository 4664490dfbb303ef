// The period record's fields. Positions count from 1, as in the other settings records.
#include "zeitraumsatz.h"

#include <array>
#include <vector>

#include "satzfelder.h"

namespace korvalt {

namespace {

// The values in the order of `felder`.
enum Feld : std::size_t {
    art,     // 1 change of hours, 2 parental leave, 3 unpaid special leave, 4 counted leave
    fuer,    // 0 both cases, 1 the normal one, 2 the individual one
    von,     // JJJJMM
    bis,     // JJJJMM; blank for a change of hours
    anteil,  // hundredths of a percent; blank for an interruption
    geburt,  // JJJJMM; blank: the period's first month
};

constexpr std::array<Satzfeld, 6> felder{{
    {"Art", 3, 1, Feldart::ziffern},
    {"Fall", 4, 1, Feldart::ziffern},
    {"von", 5, 6, Feldart::ziffern},
    {"bis", 11, 6, Feldart::ziffern},
    {"Arbeitszeitanteil", 17, 5, Feldart::ziffern},
    {"Geburt des Kindes", 22, 6, Feldart::ziffern},
}};
static_assert(lueckenlos(felder));
constexpr Satzbeschreibung zeitraumsatz{"zr", felder};

}  // namespace

Einstellungssatz zeitraumsatzBilden(const Zeitraum& z) {
    std::vector<Feldwert> werte(felder.size());
    werte[art] = Feldwert::zahlwert(static_cast<int>(z.art) + 1);
    werte[fuer] = Feldwert::zahlwert(static_cast<int>(z.fuer));
    werte[von] = monatswert(z.von);
    werte[bis] = monatswert(z.bis);
    if (z.art == Zeitraumart::teilzeit) werte[anteil] = Feldwert::zahlwert(z.anteil);
    werte[geburt] = monatswert(z.geburt);
    Einstellungssatz gelesen;
    gelesen.fill(' ');
    std::copy(z.spaeter.begin(), z.spaeter.end(), gelesen.begin() + zeitraumsatz.letzteStelle());
    return satzSchreiben(zeitraumsatz, werte, z.spaeter.empty() ? nullptr : &gelesen);
}

std::optional<Zeitraum> zeitraumsatzLesen(const Einstellungssatz& satz, std::string& fehler) {
    const std::vector<Feldwert> w = satzLesen(satz, zeitraumsatz);
    const auto falsch = [&](std::size_t feld) {
        fehler =
            "Der Satz eines Zeitraums ist beschädigt (" + std::string(felder[feld].name) + ").";
        return std::nullopt;
    };
    for (std::size_t f = 0; f < w.size(); ++f)
        if (w[f].beschaedigt) return falsch(f);
    if (!w[art].gesetzt || w[art].zahl < 1 || w[art].zahl > 4) return falsch(art);
    if (!w[fuer].gesetzt || w[fuer].zahl > 2) return falsch(fuer);
    Zeitraum z;
    z.art = static_cast<Zeitraumart>(w[art].zahl - 1);
    z.fuer = static_cast<Zeitraumfall>(w[fuer].zahl);
    const auto anfang = feldmonat(w[von]);
    if (!anfang) return falsch(von);
    z.von = *anfang;
    z.bis = feldmonat(w[bis]);
    if (z.unterbricht() != z.bis.has_value() || (w[bis].gesetzt && !z.bis)) return falsch(bis);
    if (z.art == Zeitraumart::teilzeit) {
        if (!w[anteil].gesetzt || w[anteil].zahl < 100 || w[anteil].zahl > 10000)
            return falsch(anteil);
        z.anteil = int(w[anteil].zahl);
    }
    z.geburt = feldmonat(w[geburt]);
    if (w[geburt].gesetzt && !z.geburt) return falsch(geburt);
    // A later version's positions go back into the file as read.
    if (unbekanntesBelegt(satz, zeitraumsatz))
        z.spaeter.assign(satz.begin() + zeitraumsatz.letzteStelle(), satz.end());
    return z;
}

}  // namespace korvalt
