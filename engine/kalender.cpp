// The case in calendar time: choosing a table by date, the calendar settings, the current step and
// the tables in force month by month.
#include <cassert>

#include "aktuellestufe.h"
#include "festertext.h"
#include "prozentzahlen.h"
#include "rechner.h"

namespace korvalt {

namespace {

// Why the settings are outside their limits, or "".
std::string angabenPruefen(const Kalenderangaben& k) {
    if (k.beginn) {
        if (std::string grund = beginnPruefen(*k.beginn); !grund.empty()) return grund;
    }
    for (int anteil : {k.anteilN, k.anteilI})
        if (anteil < kleinsterAnteil || anteil > vollzeitAnteil)
            return "Der Arbeitszeitanteil " + anteilText(anteil) +
                   " liegt nicht zwischen 1 und 100 %.";
    if (k.erhoehung &&
        (k.erhoehung->zehntelProzent < 0 || k.erhoehung->zehntelProzent > groessteErhoehung))
        return "Die angenommene Erhöhung von " +
               erhoehungsprozentText(k.erhoehung->zehntelProzent) +
               " liegt nicht zwischen 0 und 10 %.";
    if (k.aktuelleStufe && !k.beginn) return "Die aktuelle Stufe braucht einen Beginn.";
    return "";
}

}  // namespace

bool Rechner::tabelleWaehlen(std::string_view schluessel, std::string& fehler) {
    const Tariftabelle* neu = daten_.tabellenkatalog.finden(schluessel);
    if (!neu) {
        fehler = "Die Tariftabelle " + zitat(schluessel) +
                 " gibt es nicht. Bekannte Tabellen: " + daten_.tabellenkatalog.schluesselliste() +
                 ".";
        return false;
    }
    fehler = beginnFehlt(*neu, t_.kalender.beginn.has_value());
    if (!fehler.empty()) return false;
    daten_.tabelle = neu->schluessel;
    return true;
}

bool Rechner::kalenderSetzen(const Kalenderangaben& angaben, std::string& fehler) {
    fehler = angabenPruefen(angaben);
    if (fehler.empty()) fehler = beginnFehlt(tabelle(), angaben.beginn.has_value());
    if (!fehler.empty()) return false;
    t_.kalender = angaben;
    // New settings replace a damaged record read with the case.
    if (t_.kalendersatz) t_.kalendersatz->beschaedigt = false;
    return true;
}

bool Rechner::aktuelleStufeSetzen(const AktuelleStufe& aktuell, std::string& fehler) {
    if (!t_.kalender.beginn) {
        fehler = "Die aktuelle Stufe braucht einen Beginn.";
        return false;
    }
    if (!korvalt::aktuelleStufeSetzen(t_, aktuell, *t_.kalender.beginn, fehler)) return false;
    t_.kalender.aktuelleStufe = aktuell;
    return true;
}

bool Rechner::erhoehungGenutzt() const {
    if (!folge_ || !t_.kalender.beginn || daten_.monatsanzahl < 1) return false;
    const KalenderMonat von = *t_.kalender.beginn;
    return folge_->erhoehungGenutzt(von, von + (daten_.monatsanzahl - 1));
}

std::string Rechner::erhoehungshinweis() const {
    return erhoehungGenutzt() ? erhoehungText(*t_.kalender.erhoehung) : "";
}

void Rechner::datierteTabellenLesen(const Tariftabelle& tabelle) {
    datierte_.clear();
    folge_.reset();
    for (const Tariftabelle* t : daten_.tabellenkatalog.datierteTabellen(tabelle.seite))
        datierte_.push_back(
            {*kalenderMonatLesen(t->inKraft), t->schluessel, entgelttabelleLesen(datei_, *t)});
}

const Tabellenfolge* Rechner::kalenderfolge() {
    if (!tabelle().nachDatum || !t_.kalender.beginn || datierte_.empty()) return nullptr;
    if (!folge_ || folgeBeginn_ != t_.kalender.beginn || folgeErhoehung_ != t_.kalender.erhoehung) {
        folge_.emplace(datierte_, t_.kalender.erhoehung, *t_.kalender.beginn + (letzterMonat - 1));
        folgeBeginn_ = t_.kalender.beginn;
        folgeErhoehung_ = t_.kalender.erhoehung;
    }
    return &*folge_;
}

Gruppenentgelte Rechner::gruppenentgelteIm(int monat, int spalte) {
    const Integer gruppe = t_.gruppe(spalte);
    if (const Tabellenfolge* folge = kalenderfolge(); folge && gruppe >= 1)
        return folge->gruppenentgelte(*t_.kalender.kalendermonat(monat), gruppe);
    Gruppenentgelte entgelte;
    for (int stufe = 1; stufe <= 6; ++stufe)
        if (t_.stufeVorhanden(spalte, stufe)) entgelte(stufe) = t_.entgeltCent(spalte, stufe);
    return entgelte;
}

}  // namespace korvalt
