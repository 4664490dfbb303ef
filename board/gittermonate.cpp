// The grid's month rows, built from the numbers of the last comparison.
#include "gittermonate.h"

#include "zahlen.h"

namespace korvalt {

void Gittermonate::zeigen(const Falltabellen& t, const Tariftabelle& tabelle, int anzahl,
                          Gitterspeicher& gitter) {
    // What of the table a row shows: its unit and its group labels.
    const bool andereTabelle =
        !tabelle_ || tabelle_->inCent != tabelle.inCent || tabelle_->gruppen != tabelle.gruppen;
    if (andereTabelle) tabelle_ = tabelle;
    gitter.zeilenBeziehen(*this, {ersteZeile, ersteZeile + anzahl});
    werte_.resize(std::size_t(anzahl));
    for (int m = 1; m <= anzahl; ++m) {
        const Monatswerte w = monatswerte(t, m);
        Monatswerte& vorher = werte_[std::size_t(m - 1)];
        if (!andereTabelle && w == vorher) continue;
        vorher = w;
        gitter.zeileErneuern(m + ersteZeile - 1);
    }
}

void Gittermonate::zeileBauen(int zeile, Gitterzeile& zellen) const {
    const int m = zeile - ersteZeile + 1;
    Monatszeile z = monatszeile(werte_.at(std::size_t(m - 1)), *tabelle_);
    const auto fallZeigen = [&](Fallmonat& f, std::size_t erste) {
        zellen[erste].text = std::move(f.gruppentext);
        zellen[erste + 1].text = f.imFall ? ganzzahlText(f.stufe) : std::string();
        zellen[erste + 2].text = tausenderText(double(f.euro));
    };
    if (z.datum)
        zellen[0] = {z.datum->text(), z.datum->kurztext(), std::nullopt};
    else
        zellen[0].text = ganzzahlText(z.monat);
    fallZeigen(z.normal, 1);
    zellen[3].hintergrund = farben::hellgruen;
    fallZeigen(z.individuell, 4);
    zellen[6].hintergrund = farben::hellgelb;
    zellen[7].text = ganzzahlText(z.differenzEuro);
}

}  // namespace korvalt
