// Gathers the year view's figures from the case tables.
#include "jahresdaten.h"

#include <algorithm>

#include "zahlen.h"

namespace korvalt {

namespace {

const char* seitenname(Arbeitgeberseite seite) {
    return seite == Arbeitgeberseite::bund ? "bund" : "vka";
}

// The 2006 table pays whole euros; its month amounts become cents exactly.
std::vector<Long> monatsreihe(const Jahresfall& fall, Seite seite) {
    const Falltabellen& t = fall.tabellen;
    std::vector<Long> cent;
    const int letzter = t.letztermonat(static_cast<int>(seite));
    for (int m = 1; m <= letzter; ++m)
        cent.push_back(fall.tabelle.inCent ? t.monatscent(seite)(m)
                                           : alsLong(t.monatsbetrag(seite)(m)) * 100);
    return cent;
}

std::vector<Integer> gruppenreihe(const Falltabellen& t, Seite seite) {
    std::vector<Integer> gruppe;
    for (int m = 1; m <= t.letztermonat(static_cast<int>(seite)); ++m)
        gruppe.push_back(t.monatsgruppe(seite)(m));
    return gruppe;
}

// Adds each bonus to the month it is booked in.
void sonderzahlungenBuchen(std::vector<std::int64_t>& monate, std::span<const Sonderzahlung> liste,
                           KalenderMonat beginn, int vorzeichen) {
    for (const Sonderzahlung& s : liste) {
        const int index = s.gebucht - beginn;
        if (index >= 0 && index < static_cast<int>(monate.size()))
            monate[std::size_t(index)] += vorzeichen * s.cent;
    }
}

}  // namespace

Jahresdaten jahresdatenBilden(const Jahresfall& fall, bool mitSonderzahlung) {
    Jahresdaten d;
    d.inCent = fall.tabelle.inCent;
    d.centN = monatsreihe(fall, Seite::normal);
    d.centI = monatsreihe(fall, Seite::individuell);
    if (!fall.tabelle.inCent || !fall.beginn) {
        d.sonderzahlungGrund = ohneSonderzahlungGrund;
    } else if (!fall.saetze) {
        d.sonderzahlungGrund = std::string("Die Jahressonderzahlung fehlt: die Datei \u201E") +
                               sonderzahlungssaetzeName + "\u201C ist nicht da.";
    } else {
        d.sonderzahlungMoeglich = true;
    }
    d.mitSonderzahlung = d.sonderzahlungMoeglich && mitSonderzahlung;

    std::vector<Sonderzahlung> sonderN;
    std::vector<Sonderzahlung> sonderI;
    if (d.mitSonderzahlung) {
        const char* seite = seitenname(fall.tabelle.seite);
        const auto gruppeN = gruppenreihe(fall.tabellen, Seite::normal);
        const auto gruppeI = gruppenreihe(fall.tabellen, Seite::individuell);
        sonderN = jahressonderzahlungen({*fall.beginn, d.centN, gruppeN, fall.imDienstVorBeginn},
                                        fall.tabelle, *fall.saetze, seite);
        sonderI = jahressonderzahlungen({*fall.beginn, d.centI, gruppeI, fall.imDienstVorBeginn},
                                        fall.tabelle, *fall.saetze, seite);
    }
    d.uebersicht = jahresuebersichtBilden({d.centN, sonderN}, {d.centI, sonderI}, fall.beginn);

    const std::size_t monate = std::max(d.centN.size(), d.centI.size());
    d.kumuliert.assign(monate, 0);
    for (std::size_t i = 0; i < monate; ++i)
        d.kumuliert[i] = std::int64_t{i < d.centI.size() ? d.centI[i] : 0} -
                         (i < d.centN.size() ? d.centN[i] : 0);
    if (fall.beginn) {
        sonderzahlungenBuchen(d.kumuliert, sonderI, *fall.beginn, 1);
        sonderzahlungenBuchen(d.kumuliert, sonderN, *fall.beginn, -1);
    }
    for (std::size_t i = 1; i < monate; ++i) d.kumuliert[i] += d.kumuliert[i - 1];
    return d;
}

Jahresdaten jahresdatenBilden(const Sitzung& sitzung, const Sonderzahlungssaetze* saetze,
                              bool mitSonderzahlung) {
    // The case's own switch counts as well as the caller's (--ohne-jahressonderzahlung).
    const Kalenderangaben& kalender = sitzung.tabellen().kalender;
    return jahresdatenBilden({sitzung.tabellen(), sitzung.rechner().tabelle(), kalender.beginn,
                              saetze, kalender.aktuelleStufe.has_value()},
                             mitSonderzahlung && kalender.mitSonderzahlung);
}

bool gleichBezahlt(const Jahresdaten& daten) {
    return !daten.kumuliert.empty() && std::all_of(daten.kumuliert.begin(), daten.kumuliert.end(),
                                                   [](std::int64_t k) { return k == 0; });
}

std::string ausgleichSatz(const Jahresdaten& daten) {
    const Jahresuebersicht& u = daten.uebersicht;
    if (u.jahre.empty()) return "Der Fall hat keine Monate.";
    if (gleichBezahlt(daten))
        return "Der Beispielfall und der Normalfall sind in jedem Monat gleich hoch bezahlt.";
    if (u.ausgleichsmonat) {
        const std::int64_t euro = euroGerundet(u.gesamt.kumuliert);
        return "Der Beispielfall liegt ab " + jahresmonatText(u, *u.ausgleichsmonat) +
               " dauerhaft vorn (kumuliert " + (euro > 0 ? "+" : "") +
               tausenderText(static_cast<double>(euro)) + " \u20AC).";
    }
    const int monate = static_cast<int>(std::max(daten.centN.size(), daten.centI.size()));
    return "Der Beispielfall holt den Normalfall bis " + jahresmonatText(u, monate) + " nicht ein.";
}

std::string jahresmonatText(const Jahresuebersicht& u, int monat) {
    if (u.beginn) return (*u.beginn + (monat - 1)).text();
    return "Monat " + std::to_string(monat);
}

std::string jahresbetragAnzeige(const Jahresdaten& daten, std::int64_t cent) {
    if (!daten.inCent) return tausenderText(static_cast<double>(euroGerundet(cent)));
    const std::int64_t betrag = cent < 0 ? -cent : cent;
    const std::int64_t rest = betrag % 100;
    return (cent < 0 ? "-" : "") + tausenderText(static_cast<double>(betrag / 100)) + ',' +
           char('0' + rest / 10) + char('0' + rest % 10);
}

}  // namespace korvalt
