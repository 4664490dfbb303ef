// Drawing the first months of the month table in blocks.
#include "monatsausschnitt.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <array>
#include <numeric>

#include "monatsliste.h"
#include "monatszeile.h"
#include "qtumwandlung.h"
#include "zahlen.h"

namespace korvalt {

namespace {

// The gap between two blocks, in lines of the font.
constexpr double blockabstand = 1.5;
// Two head lines: the cases over their columns, then the columns.
constexpr int kopfzeilen = 2;

// The widths of the columns as shares of a block, with the date after the month when the case
// has a start month; every cell stands at the right of its column, as numbers do.
struct Spalten {
    QStringList koepfe;
    std::vector<double> breiten;
    int ersteFallspalte = 1;
};

Spalten spalten(bool datiert, double breite) {
    Spalten s;
    std::vector<double> anteile;
    const auto dazu = [&](QString kopf, double anteil) {
        s.koepfe << kopf;
        anteile.push_back(anteil);
    };
    const auto kopf = [](std::size_t i) { return alsQString(monatsspalten[i]); };
    dazu(kopf(0), 0.08);
    if (datiert) dazu(QStringLiteral("Datum"), 0.13);
    s.ersteFallspalte = int(anteile.size());
    for (std::size_t i = 1; i <= 6; ++i) dazu(kopf(i), std::array{0.07, 0.08, 0.13}[(i - 1) % 3]);
    dazu(kopf(7), 0.13);
    const double summe = std::accumulate(anteile.begin(), anteile.end(), 0.0);
    for (double anteil : anteile) s.breiten.push_back(breite * anteil / summe);
    return s;
}

QStringList zellen(const Monatszeile& z) {
    QStringList texte{alsQString(ganzzahlText(z.monat))};
    if (z.datum) texte << alsQString(z.datum->text());
    for (Seite seite : {Seite::normal, Seite::individuell}) {
        const Fallmonat& f = z.fall(seite);
        texte << alsQString(f.gruppentext)
              << (f.imFall ? alsQString(ganzzahlText(f.stufe)) : QString())
              << alsQString(tausenderText(double(f.euro)));
    }
    texte << alsQString(tausenderText(double(z.differenzEuro)));
    return texte;
}

}  // namespace

int monatsausschnittZeichnen(QPainter& maler, const QRectF& rahmen, const TarifDaten& daten,
                             const Falltabellen& t, int bloecke) {
    const double zeile = QFontMetricsF(maler.font(), maler.device()).lineSpacing();
    const int proBlock = int(rahmen.height() / zeile) - kopfzeilen;
    if (proBlock < 1 || daten.monatsanzahl < 1) return 0;
    const Tariftabelle& tabelle = daten.tabellenkatalog.tabelle(t.tabelle);
    const double abstand = zeile * blockabstand;
    const double breite = (rahmen.width() - abstand * (bloecke - 1)) / bloecke;
    const Spalten s = spalten(t.kalender.beginn.has_value(), breite);
    const int monate = std::min<int>(daten.monatsanzahl, proBlock * bloecke);

    auto zeileZeichnen = [&](double x, double y, const QStringList& texte) {
        for (int i = 0; i < texte.size(); ++i) {
            const double w = s.breiten[std::size_t(i)];
            maler.drawText(QRectF(x, y, w - zeile * 0.3, zeile), Qt::AlignVCenter | Qt::AlignRight,
                           texte[i]);
            x += w;
        }
    };
    const auto fallX =
        std::accumulate(s.breiten.begin(), s.breiten.begin() + s.ersteFallspalte, 0.0);
    const auto fallBreite = std::accumulate(s.breiten.begin() + s.ersteFallspalte,
                                            s.breiten.begin() + s.ersteFallspalte + 3, 0.0);
    for (int block = 0; block * proBlock < monate; ++block) {
        const double x = rahmen.left() + block * (breite + abstand);
        double y = rahmen.top();
        // The cases over their three columns each, by their names, a long one cut short.
        const QFontMetricsF masse(maler.font(), maler.device());
        const auto name = [&](Seite seite) {
            return masse.elidedText(alsQString(t.name(seite)), Qt::ElideRight, fallBreite);
        };
        maler.drawText(QRectF(x + fallX, y, fallBreite, zeile), Qt::AlignCenter,
                       name(Seite::normal));
        maler.drawText(QRectF(x + fallX + fallBreite, y, fallBreite, zeile), Qt::AlignCenter,
                       name(Seite::individuell));
        y += zeile;
        zeileZeichnen(x, y, s.koepfe);
        y += zeile;
        maler.drawLine(QPointF(x, y), QPointF(x + breite, y));
        const int bis = std::min(monate, (block + 1) * proBlock);
        for (int m = block * proBlock + 1; m <= bis; ++m, y += zeile)
            zeileZeichnen(x, y, zellen(monatszeile(t, tabelle, m)));
    }
    return monate;
}

}  // namespace korvalt
