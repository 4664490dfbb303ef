// The case in calendar time: the tables in force month by month and the assumed raise.
#include "prozentzahlen.h"
#include "rechner.h"

namespace korvalt {

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
