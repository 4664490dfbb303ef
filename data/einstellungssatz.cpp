// The records "st" and "tb", and the records that save a case. Positions count from 1.
#include "einstellungssatz.h"

#include <algorithm>
#include <array>
#include <string>

#include "festertext.h"
#include "kalendersatz.h"
#include "satzfelder.h"
#include "svsatz.h"
#include "textsatz.h"
#include "zahlen.h"
#include "zeitraumsatz.h"

namespace korvalt {

namespace {

// "st": the start group, the group durations of both cases, then the step durations of both cases.
// The values are in the order of `fallfelder`.
constexpr std::size_t startgruppenwert = 0;
constexpr std::size_t gruppendauerwert(int seite, int spalte) {
    return std::size_t(1 + 4 * (seite - 1) + (spalte - 1));
}
constexpr std::size_t stufendauerwert(int seite, int spalte, int stufe) {
    return std::size_t(9 + 24 * (seite - 1) + 6 * (spalte - 1) + (stufe - 1));
}

constexpr auto fallfelder = [] {
    std::array<Satzfeld, 57> f{};
    f[startgruppenwert] = {"Startgruppe", 3, 1, Feldart::byte};
    for (int seite = 1; seite <= 2; ++seite)
        for (int spalte = 1; spalte <= 4; ++spalte) {
            const auto i = gruppendauerwert(seite, spalte);
            f[i] = {"Gruppendauer", 4 + 3 * int(i - 1), 3, Feldart::ziffern};
            for (int stufe = 1; stufe <= 6; ++stufe) {
                const auto k = stufendauerwert(seite, spalte, stufe);
                f[k] = {"Stufendauer", 28 + int(k - 9), 1, Feldart::byte};
            }
        }
    return f;
}();
static_assert(lueckenlos(fallfelder) && fallfelder.back().ende() == int(einstellungssatzLaenge));
constexpr Satzbeschreibung fallsatz{"st", fallfelder};

// "tb": the key, padded with blanks.
constexpr std::array<Satzfeld, 1> tabellenfelder{{{"Tabelle", 3, 73, Feldart::text}}};
static_assert(lueckenlos(tabellenfelder) &&
              tabellenfelder.back().ende() == int(einstellungssatzLaenge));
constexpr Satzbeschreibung tabellensatz{"tb", tabellenfelder};

}  // namespace

Einstellungssatz einstellungssatzBilden(double startgruppe, const Fallangaben& t, int gruppenzahl) {
    std::vector<Feldwert> werte(fallfelder.size());
    werte[startgruppenwert] = Feldwert::zahlwert(static_cast<std::int64_t>(
        std::clamp<double>(rundeGerade(startgruppe), kleinsteStartgruppe, gruppenzahl)));
    for (int c = 1; c <= 4; ++c) {
        werte[gruppendauerwert(1, c)] =
            Feldwert::zahlwert(std::clamp<int>(t.grdauerN(c), 0, groessteGruppendauer));
        werte[gruppendauerwert(2, c)] =
            Feldwert::zahlwert(std::clamp<int>(t.grdauerI(c), 0, groessteGruppendauer));
        for (int seite = 1; seite <= 2; ++seite)
            for (int s = 1; s <= 6; ++s)
                werte[stufendauerwert(seite, c, s)] = Feldwert::zahlwert(
                    std::clamp<int>(t.stufendauer(seite, c, s), 0, groessteStufendauer));
    }
    return satzSchreiben(fallsatz, werte);
}

bool istFallsatz(const Einstellungssatz& satz) {
    return satzfelder::feld(satz, 1, 2) == fallsatz.kennung;
}

std::optional<Integer> einstellungssatzWiederherstellen(const Einstellungssatz& satz,
                                                        Fallangaben& t, int gruppenzahl) {
    Einstellungssatz ohneKalender;
    ohneKalender.fill(' ');
    return einstellungssatzWiederherstellen(satz, ohneKalender, t, gruppenzahl);
}

std::optional<Integer> einstellungssatzWiederherstellen(
    const Einstellungssatz& satz, const Einstellungssatz& kalendersatz, Fallangaben& t,
    int gruppenzahl, const Personenangaben& person, const Fallnamen& namen,
    const std::optional<Einstellungssatz>& steuersatz,
    const std::vector<BehaltenerSatz>& behalten) {
    if (!istFallsatz(satz)) return std::nullopt;
    std::string fehler;
    const auto angaben = kalendersatzLesen(kalendersatz, fehler);
    t.kalender = angaben.value_or(Kalenderangaben{});
    t.kalendersatz.reset();
    if (satzartVon(kalendersatz) == Satzart::kalender)
        t.kalendersatz = GelesenerKalendersatz{kalendersatz, !angaben};
    t.steuer.reset();
    t.steuersatz.reset();
    if (steuersatz) {
        t.steuer = svSatzLesen(*steuersatz, fehler);
        t.steuersatz = GelesenerSatz{*steuersatz, !t.steuer};
    }
    t.namen = namen;
    t.person = person;
    t.behalten = behalten;
    const std::vector<Feldwert> werte = satzLesen(satz, fallsatz);
    // The group durations are read as far as they are a number, as the first version did.
    auto gruppendauer = [&](int seite, int c) {
        return static_cast<Integer>(
            std::clamp<double>(rundeGerade(zahlAmAnfang(werte[gruppendauerwert(seite, c)].text)), 0,
                               groessteGruppendauer));
    };
    for (int c = 1; c <= 4; ++c) {
        t.grdauerN(c) = gruppendauer(1, c);
        t.grdauerI(c) = gruppendauer(2, c);
        for (int seite = 1; seite <= 2; ++seite)
            for (int s = 1; s <= 6; ++s)
                t.stufendauer(seite, c, s) =
                    static_cast<Integer>(werte[stufendauerwert(seite, c, s)].zahl);
    }
    return static_cast<Integer>(
        std::clamp<std::int64_t>(werte[startgruppenwert].zahl, kleinsteStartgruppe, gruppenzahl));
}

Einstellungssatz tabellensatzBilden(std::string_view schluessel) {
    return satzSchreiben(tabellensatz, {Feldwert::textwert(schluessel)});
}

std::optional<std::string> tabellensatzLesen(const Einstellungssatz& satz) {
    if (satzfelder::feld(satz, 1, 2) != tabellensatz.kennung) return std::nullopt;
    return std::string(getrimmt(satzLesen(satz, tabellensatz).front().text));
}

std::string tabelleDesFalls(const Einstellungssatz& satz2, const Tabellenkatalog& katalog,
                            Meldungen& meldungen) {
    const auto schluessel = tabellensatzLesen(satz2);
    if (!schluessel) return katalog.standard().schluessel;
    if (katalog.finden(*schluessel)) return *schluessel;
    meldungen.warnen("Einstellungen",
                     "Der gespeicherte Fall nennt die Tariftabelle \u201E" + *schluessel +
                         "\u201C, die Korvalt nicht kennt (bekannt: " + katalog.schluesselliste() +
                         ").\nEr wird mit der Tabelle " + katalog.standard().schluessel +
                         " gerechnet; die Einstellungsdatei bleibt unverändert.");
    return katalog.standard().schluessel;
}

std::vector<Einstellungssatz> einstellungssaetzeBilden(std::string_view startgruppentext,
                                                       const Fallangaben& t,
                                                       const Tariftabelle& tabelle) {
    std::vector<Einstellungssatz> saetze{einstellungssatzBilden(
        tabelle.startgruppeLesen(startgruppentext), t, tabelle.gruppenzahl())};
    if (tabelle.schluessel != standardtabelle)
        saetze.push_back(tabellensatzBilden(tabelle.schluessel));
    const Einstellungssatz* gelesen = t.kalendersatz ? &t.kalendersatz->satz : nullptr;
    // Settings the case's table cannot use rest as the record they were read with.
    if (t.ruhenderKalender)
        saetze.push_back(*t.ruhenderKalender);
    else if (t.kalendersatz && t.kalendersatz->beschaedigt)
        saetze.push_back(*gelesen);
    else if (!t.kalender.leer() || (gelesen && unbekanntesBelegt(*gelesen)))
        saetze.push_back(kalendersatzBilden(t.kalender, gelesen));
    for (const Einstellungssatz& satz : fallnamensaetzeBilden(t.namen)) saetze.push_back(satz);
    const Einstellungssatz* steuersatz = t.steuersatz ? &t.steuersatz->satz : nullptr;
    if (t.steuersatz && t.steuersatz->beschaedigt)
        saetze.push_back(*steuersatz);
    else if (t.steuer)
        saetze.push_back(svSatzBilden(*t.steuer, steuersatz));
    for (const Einstellungssatz& satz : personensaetzeBilden(t.person)) saetze.push_back(satz);
    for (const Zeitraum& z : t.zeitraeume) saetze.push_back(zeitraumsatzBilden(z));
    // The records kept go back after as many of the case's own as they followed when read (after
    // all of them when the case now has fewer); inserted from the last, so that each one goes
    // before those that followed it.
    const std::size_t eigene = saetze.size();
    for (auto k = t.behalten.rbegin(); k != t.behalten.rend(); ++k)
        saetze.insert(saetze.begin() + std::ptrdiff_t(std::min(k->nach, eigene)), k->satz);
    return saetze;
}

}  // namespace korvalt
