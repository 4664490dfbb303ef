// Draws the year view's page and attaches its printing to the view.
#include "jahresdruck.h"

#include <QPainter>
#include <QPrinter>
#include <vector>

#include "blockseite.h"
#include "dateinamen.h"
#include "dialoge.h"
#include "druckauftrag.h"
#include "hauptfenster.h"
#include "jahresansicht.h"
#include "jahresdiagramm.h"
#include "jahresliste_csv.h"
#include "tabellenmappe.h"

namespace korvalt {

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The year table in `rahmen`, its row height fitted to the number of years; with net pay four
// more columns in a smaller type.
void tabelleZeichnen(QPainter& p, const Jahresdaten& d, const QRectF& rahmen) {
    const Jahresuebersicht& u = d.uebersicht;
    const auto& netto = d.netto;
    const QString n = q(fallzeichen(d.namen).first);
    const QString b = q(fallzeichen(d.namen).second);
    QStringList koepfe{"Jahr",         "Monate",        "Entgelt " + n, "Sonderz. " + n,
                       "Entgelt " + b, "Sonderz. " + b, "Differenz",    "kumuliert"};
    std::vector<double> anteile{0.09, 0.08, 0.14, 0.14, 0.14, 0.14, 0.13, 0.14};
    if (netto) {
        koepfe += {"Netto " + n, "Netto " + b, "Diff. netto", "kum. netto"};
        // Ten amounts alike, the year and its months narrower.
        anteile = {0.055, 0.065};
        anteile.resize(12, 0.088);
    }
    const int zeilen = int(u.jahre.size()) + 2;
    const double hoehe = std::min(rahmen.height() / zeilen, 5.0 * einheitenProMm);
    const double schriftMm = std::min(netto ? 2.4 : 3.0, hoehe / einheitenProMm * 0.7);
    auto zeileZeichnen = [&](int nr, const QStringList& werte, bool fett) {
        double x = rahmen.left();
        const double y = rahmen.top() + nr * hoehe;
        p.setFont(seitenschrift(schriftMm, fett));
        for (int s = 0; s < werte.size(); ++s) {
            const double breite = rahmen.width() * anteile[std::size_t(s)];
            p.drawText(QRectF(x + 8, y, breite - 16, hoehe),
                       Qt::AlignVCenter | (s == 0 ? Qt::AlignLeft : Qt::AlignRight), werte[s]);
            x += breite;
        }
        if (fett) p.drawLine(QPointF(rahmen.left(), y + hoehe), QPointF(rahmen.right(), y + hoehe));
    };
    // `n` is the same year of the net pays, or null.
    auto werte = [&](const Jahreszeile& z, const Jahreszeile* n, bool mitKumuliert) {
        auto betrag = [&](std::int64_t cent) { return q(jahresbetragAnzeige(d, cent)); };
        auto bonus = [&](std::int64_t cent) {
            return d.mitSonderzahlung ? betrag(cent) : QStringLiteral("\u2013");
        };
        QStringList zellen{q(z.bezeichnung),    QString::number(z.monate),
                           betrag(z.centN),     bonus(z.sonderzahlungN),
                           betrag(z.centI),     bonus(z.sonderzahlungI),
                           betrag(z.differenz), mitKumuliert ? betrag(z.kumuliert) : QString()};
        if (n)
            zellen += {betrag(n->centN), betrag(n->centI), betrag(n->differenz),
                       mitKumuliert ? betrag(n->kumuliert) : QString()};
        return zellen;
    };
    zeileZeichnen(0, koepfe, true);
    for (std::size_t i = 0; i < u.jahre.size(); ++i)
        zeileZeichnen(int(i) + 1, werte(u.jahre[i], netto ? &netto->jahre[i] : nullptr, true),
                      false);
    p.drawLine(QPointF(rahmen.left(), rahmen.top() + (zeilen - 1) * hoehe),
               QPointF(rahmen.right(), rahmen.top() + (zeilen - 1) * hoehe));
    zeileZeichnen(zeilen - 1, werte(u.gesamt, netto ? &netto->gesamt : nullptr, false), true);
}

}  // namespace

bool jahresansichtDrucken(Jahresansicht& ansicht, const Druckblock& block, QPrinter& printer,
                          std::string& fehler) {
    QPainter p;
    const auto seite = seiteBeginnen(p, printer, QPageLayout::Landscape);
    if (!seite) {
        fehler = "Die Seite der Jahresübersicht konnte nicht gezeichnet werden.";
        return false;
    }
    const double breite = seite->width();
    const double hoehe = seite->height();
    const Jahresdaten& d = ansicht.daten();

    Blockseite rahmen(p, QRectF(0, 0, breite, hoehe), seitenschrift(3), block);
    double y = rahmen.kopfZeichnen("Jahresübersicht");
    const double unten = rahmen.fussOben();
    p.setFont(seitenschrift(4, true));
    // The cumulated sentence and the one month by month on a line, the net pair on the next.
    for (const auto& [kumuliert, monatlich] :
         {std::pair{ausgleichSatz(d), monatlichSatz(d)},
          std::pair{nettoAusgleichSatz(d), nettoMonatlichSatz(d)}}) {
        if (kumuliert.empty()) continue;
        p.drawText(QRectF(0, y, breite, 55), Qt::AlignLeft | Qt::AlignVCenter,
                   q(monatlich.empty() ? kumuliert : kumuliert + "  " + monatlich));
        y += 60;
    }
    if (const std::string zahlen = ausgleichZahlen(d); !zahlen.empty()) {
        p.setFont(seitenschrift(3.5));
        p.drawText(QRectF(0, y, breite, 45), Qt::AlignLeft | Qt::AlignVCenter, q(zahlen));
        y += 50;
    }
    if (const std::string namen = fallnamenZeile(d.namen); !namen.empty()) {
        p.setFont(seitenschrift(3));
        p.drawText(QRectF(0, y, breite, 45), Qt::AlignLeft | Qt::AlignVCenter, q(namen));
        y += 50;
    }
    if (!d.sonderzahlungGrund.empty() || !d.mitSonderzahlung) {
        p.setFont(seitenschrift(3));
        const std::string zeile =
            d.sonderzahlungGrund.empty() ? "Ohne Jahressonderzahlung." : d.sonderzahlungGrund;
        p.drawText(QRectF(0, y, breite, 45), Qt::AlignLeft | Qt::AlignVCenter, q(zeile));
        y += 50;
    }
    y += 20;
    // Net pay's columns take room from the chart.
    const double tabellenanteil = d.netto ? 0.64 : 0.52;
    tabelleZeichnen(p, d, QRectF(0, y, breite * tabellenanteil, unten - y));
    const QRectF diagrammRahmen(breite * (tabellenanteil + 0.02), y,
                                breite * (0.98 - tabellenanteil),
                                std::min(unten - y, breite * 0.36));
    // Drawn at a size of its own, so that the page does not depend on the window's size.
    ansicht.diagramm().zeichnen(p, diagrammRahmen);
    rahmen.fussZeichnen();
    return p.end();
}

int jahreslistePdfExportieren(const Aufruf& aufruf,
                              const std::filesystem::path& programmverzeichnis,
                              std::ostream& fehlerausgabe) {
    const auto fall = fallRechnen(aufruf, programmverzeichnis, fehlerausgabe);
    if (!fall) return exitEingabefehler;
    Jahresansicht ansicht(fall->sitzung);
    if (!ansicht.daten().sonderzahlungFehler.empty()) {
        fehlerausgabe << "korvalt: " << ansicht.daten().sonderzahlungFehler << "\n";
        return exitEingabefehler;
    }
    // A page without its chart is not the year list.
    if (!ansicht.diagrammFehler().empty()) {
        fehlerausgabe << "korvalt: " << ansicht.diagrammFehler() << "\n";
        return exitSchreibfehler;
    }
    // Laid out as on screen, without appearing on any screen.
    ansicht.setAttribute(Qt::WA_DontShowOnScreen);
    ansicht.show();
    const auto drucken = [&](QPrinter& printer, std::string& grund) {
        return jahresansichtDrucken(ansicht, druckblockBilden(fall->sitzung), printer, grund);
    };
    std::string fehler;
    if (!pdfSchreiben(aufruf.jahresliste, drucken, fehler)) {
        fehlerausgabe << "korvalt: " << fehler << "\n";
        return exitSchreibfehler;
    }
    return exitGut;
}

void jahresansichtAnschliessen(Hauptfenster& fenster, std::shared_ptr<Dialoge> dialoge) {
    QAction* aktion = fenster.aktionen().jahresuebersicht;
    aktion->setEnabled(true);
    QObject::connect(aktion, &QAction::triggered, &fenster, [&fenster, dialoge] {
        Jahresansicht& ansicht = fenster.jahresansichtZeigen();
        auto vorgang = [&fenster, &ansicht](QPrinter& printer, std::string& fehler) {
            Korvaltei& k = fenster.korvaltei();
            return jahresansichtDrucken(ansicht, druckblockBilden(k.sitzung(), fallbezeichnung(k)),
                                        printer, fehler);
        };
        // A PDF file that could not be written is a save that failed, as for the other PDFs.
        auto melden = [&fenster](const char* titel, const std::string& fehler) {
            fenster.korvaltei().meldungen().warnen(titel, fehler);
        };
        ansicht.setzeDruckarbeit(
            [&fenster, vorgang, melden, dialoge] {
                QPrinter printer(QPrinter::HighResolution);
                printer.setPageOrientation(QPageLayout::Landscape);
                if (!dialoge->druckerWaehlen(printer)) return;
                std::string fehler;
                std::filesystem::path datei;
                if (!druckerDrucken(printer, vorgang, fehler, datei))
                    return melden("Drucken nicht möglich", fehler);
                if (!datei.empty())
                    fenster.melden("Jahresübersicht gespeichert: " + dateinameAlsText(datei));
            },
            [&fenster, vorgang, melden, dialoge] {
                const auto datei = dialoge->pdfDateiWaehlen(vorschlagBeimFall(
                    fenster.korvaltei(),
                    fallbezeichnung(fenster.korvaltei()) + " \u2013 Jahresübersicht.pdf"));
                if (!datei) return;
                std::string fehler;
                if (!pdfSchreiben(*datei, vorgang, fehler))
                    return melden("Speichern nicht möglich", fehler);
                fenster.melden("Jahresübersicht gespeichert: " + dateinameAlsText(*datei));
            });
        ansicht.setzeTabellenarbeit([&fenster, melden, dialoge] {
            const auto datei = dialoge->speichernWaehlen(
                "Jahresübersicht als Excel-Tabelle speichern",
                vorschlagBeimFall(fenster.korvaltei(), fallbezeichnung(fenster.korvaltei()) +
                                                           " \u2013 Jahresübersicht.xlsx"),
                "Excel-Tabellen (*.xlsx);;Alle Dateien (*)", "xlsx");
            if (!datei) return;
            std::string fehler;
            if (!mappeSchreiben(*datei, jahreslisteMappe(fenster.korvaltei().sitzung()), fehler))
                return melden("Speichern nicht möglich", fehler);
            fenster.melden("Jahresübersicht gespeichert: " + dateinameAlsText(*datei));
        });
    });
}

}  // namespace korvalt
