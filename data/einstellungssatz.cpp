// Layout of the settings records. Positions below count from 1, the first byte being position 1.
#include "einstellungssatz.h"

#include <algorithm>
#include <string>

#include "fallnamensatz.h"
#include "festertext.h"
#include "kalendersatz.h"
#include "personensatz.h"
#include "svsatz.h"
#include "zahlen.h"

namespace korvalt {

namespace {

unsigned char& stelle(Einstellungssatz& satz, int position) {
    return satz[position - 1];
}
unsigned char stelle(const Einstellungssatz& satz, int position) {
    return satz[position - 1];
}

void dreiZiffernSchreiben(Einstellungssatz& satz, int position, Integer wert) {
    const std::string text = "00" + ganzzahlText(wert);
    const std::string letzte = text.substr(text.size() - 3);
    for (int k = 0; k < 3; ++k) stelle(satz, position + k) = static_cast<unsigned char>(letzte[k]);
}

Integer dreiZiffernLesen(const Einstellungssatz& satz, int position) {
    const std::string text(reinterpret_cast<const char*>(&satz[position - 1]), 3);
    return static_cast<Integer>(
        std::clamp<double>(rundeGerade(zahlAmAnfang(text)), 0, groessteGruppendauer));
}

}  // namespace

Einstellungssatz einstellungssatzBilden(double startgruppe, const Fallangaben& t,
                                        int gruppenzahl) {
    Einstellungssatz satz;
    stelle(satz, 1) = 's';
    stelle(satz, 2) = 't';
    stelle(satz, 3) = static_cast<unsigned char>(
        std::clamp<double>(rundeGerade(startgruppe), kleinsteStartgruppe, gruppenzahl));
    for (int c = 1; c <= 4; ++c) {
        dreiZiffernSchreiben(satz, 3 * c + 1, t.grdauerN(c));
        dreiZiffernSchreiben(satz, 3 * c + 13, t.grdauerI(c));
        for (int s = 1; s <= 6; ++s) {
            stelle(satz, 6 * c + 21 + s) = static_cast<unsigned char>(
                std::clamp<int>(t.stufendauer(1, c, s), 0, groessteStufendauer));
            stelle(satz, 6 * c + 45 + s) = static_cast<unsigned char>(
                std::clamp<int>(t.stufendauer(2, c, s), 0, groessteStufendauer));
        }
    }
    return satz;
}

bool istFallsatz(const Einstellungssatz& satz) {
    return stelle(satz, 1) == 's' && stelle(satz, 2) == 't';
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
    const std::optional<Einstellungssatz>& steuersatz) {
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
    for (int i = 1; i <= 4; ++i) {
        t.grdauerN(i) = dreiZiffernLesen(satz, 3 * i + 1);
        t.grdauerI(i) = dreiZiffernLesen(satz, 3 * i + 13);
        for (int j = 1; j <= 6; ++j) {
            t.stufendauer(1, i, j) = stelle(satz, 6 * i + 21 + j);
            t.stufendauer(2, i, j) = stelle(satz, 6 * i + 45 + j);
        }
    }
    return static_cast<Integer>(std::clamp<int>(stelle(satz, 3), kleinsteStartgruppe, gruppenzahl));
}

Einstellungssatz tabellensatzBilden(std::string_view schluessel) {
    Einstellungssatz satz;
    satz.fill(' ');
    stelle(satz, 1) = 't';
    stelle(satz, 2) = 'b';
    const std::size_t laenge = std::min(schluessel.size(), satz.size() - 2);
    std::copy_n(schluessel.begin(), laenge, satz.begin() + 2);
    return satz;
}

std::optional<std::string> tabellensatzLesen(const Einstellungssatz& satz) {
    if (stelle(satz, 1) != 't' || stelle(satz, 2) != 'b') return std::nullopt;
    const std::string text(satz.begin() + 2, satz.end());
    return std::string(getrimmt(text));
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
    if (t.kalendersatz && t.kalendersatz->beschaedigt)
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
    return saetze;
}

}  // namespace korvalt
