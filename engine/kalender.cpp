// The case in calendar time: the tables in force month by month and the assumed raise.
#include "prozentzahlen.h"
#include "rechner.h"

namespace korvalt {

bool Rechner::erhoehungGenutzt() const {
    // The months of a case switched to a table of its own were paid from that table: the tables
    // by date it had before stay behind until it is by date again.
    if (!tabelle().nachDatum || !folge_ || !t_.kalender.beginn || daten_.monatsanzahl < 1)
        return false;
    const KalenderMonat von = *t_.kalender.beginn;
    return folge_->erhoehungGenutzt(von, von + (daten_.monatsanzahl - 1));
}

std::string Rechner::erhoehungshinweis() const {
    return erhoehungGenutzt() ? erhoehungText(*t_.kalender.erhoehung) : "";
}

std::vector<Tabellenabschnitt> Rechner::tabellenabschnitte() const {
    std::vector<Tabellenabschnitt> abschnitte;
    if (!tabelle().nachDatum || !folge_ || !t_.kalender.beginn) return abschnitte;
    const KalenderMonat von = *t_.kalender.beginn;
    for (KalenderMonat m = von; m < von + daten_.monatsanzahl; m = m + 1) {
        const std::string& schluessel = folge_->tabelleIm(m).schluessel;
        if (abschnitte.empty() || abschnitte.back().schluessel != schluessel)
            abschnitte.push_back({schluessel, m, m});
        else
            abschnitte.back().bis = m;
    }
    return abschnitte;
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
