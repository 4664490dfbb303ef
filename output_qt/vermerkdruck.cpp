// Draws the file note's page.
#include "vermerkdruck.h"

#include <QPainter>
#include <QPrinter>

#include "blockseite.h"
#include "druckauftrag.h"
#include "qtumwandlung.h"

namespace korvalt {

namespace {

// Draws lines one below the other from `y`, each wrapped in `breite`; returns the new `y`.
double zeilen(QPainter& p, double y, double breite, const std::vector<std::string>& texte) {
    for (const std::string& text : texte) {
        const QRectF platz(0, y, breite, 10000);
        const QRectF belegt =
            p.boundingRect(platz, Qt::AlignLeft | Qt::TextWordWrap, alsQString(text));
        p.drawText(platz, Qt::AlignLeft | Qt::TextWordWrap, alsQString(text));
        y += belegt.height();
    }
    return y;
}

double abschnitt(QPainter& p, double y, double breite, const char* titel,
                 const std::vector<std::string>& texte) {
    p.setFont(seitenschrift(3.4, true));
    y = zeilen(p, y, breite, {titel});
    p.setFont(seitenschrift(3.2));
    return zeilen(p, y + 5, breite, texte) + 30;
}

// The twelve months as columns under a column of row heads.
double monatstabelle(QPainter& p, double y, double breite, const Vermerk& v) {
    p.setFont(seitenschrift(3.4, true));
    y = zeilen(p, y, breite, {v.monatsueberschrift});
    const double kopf = breite * 0.07;
    const double spalte = (breite - kopf) / 12;
    const double hoehe = 48;
    p.setFont(seitenschrift(2.5));
    const auto zeile = [&](double oben, const QString& name, auto wert, bool fett) {
        p.setFont(seitenschrift(2.5, fett));
        p.drawText(QRectF(0, oben, kopf, hoehe), Qt::AlignLeft | Qt::AlignVCenter, name);
        for (std::size_t i = 0; i < v.monate.size(); ++i)
            p.drawText(QRectF(kopf + double(i) * spalte, oben, spalte - 8, hoehe),
                       Qt::AlignRight | Qt::AlignVCenter, alsQString(wert(v.monate[i])));
    };
    y += 8;
    zeile(
        y, QStringLiteral("Monat"), [](const Vermerksmonat& m) { return m.monat; }, true);
    p.drawLine(QPointF(0, y + hoehe), QPointF(breite, y + hoehe));
    y += hoehe;
    zeile(
        y, QStringLiteral("brutto"), [](const Vermerksmonat& m) { return m.brutto; }, false);
    y += hoehe;
    if (v.mitNetto) {
        zeile(
            y, QStringLiteral("netto"), [](const Vermerksmonat& m) { return m.netto; }, false);
        y += hoehe;
    }
    return y + 30;
}

}  // namespace

bool vermerkDrucken(const Vermerk& v, QPrinter& printer, std::string& fehler) {
    QPainter p;
    const auto seite = seiteBeginnen(p, printer, QPageLayout::Portrait);
    if (!seite) {
        fehler = "Die Seite des Vermerks konnte nicht gezeichnet werden.";
        return false;
    }
    const double breite = seite->width();
    const double hoehe = seite->height();

    Blockseite rahmen(p, QRectF(0, 0, breite, hoehe), seitenschrift(3), v.block);
    double y = rahmen.kopfZeichnen("Vermerk") + 30;
    y = abschnitt(p, y, breite, "Frage", v.frage);
    y = abschnitt(p, y, breite, "Stufen", v.stufen);
    if (!v.monate.empty()) y = monatstabelle(p, y, breite, v);
    abschnitt(p, y, breite, "Ergebnis", v.ergebnis);
    rahmen.fussZeichnen(1, 1);
    return p.end();
}

int vermerkPdfExportieren(const Aufruf& aufruf, const std::filesystem::path& programmverzeichnis,
                          std::ostream& fehlerausgabe) {
    const auto fall = fallRechnen(aufruf, programmverzeichnis, fehlerausgabe);
    if (!fall) return exitEingabefehler;
    const Vermerk vermerk = vermerkBilden(fall->sitzung);
    const auto drucken = [&](QPrinter& printer, std::string& grund) {
        return vermerkDrucken(vermerk, printer, grund);
    };
    std::string fehler;
    if (!pdfSchreiben(aufruf.vermerk, drucken, fehler)) {
        fehlerausgabe << "korvalt: " << fehler << "\n";
        return exitSchreibfehler;
    }
    return exitGut;
}

}  // namespace korvalt
