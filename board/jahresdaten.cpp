// Gathers the year view's figures from the case tables.
#include "jahresdaten.h"

#include "stufendaten.h"

#include <algorithm>
#include <string_view>

#include "zahlen.h"

namespace korvalt {

namespace {

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

// A case in the sentence, with its article: „der Beispielfall“, „den Normalfall“, or by a name of
// its own „der Fall „ohne Höhergruppierung““. Both default names are masculine, as "Fall" is.
std::string imSatz(const Jahresdaten& d, Seite seite, bool akkusativ) {
    const Fallnamen standard;
    const std::string& name = seite == Seite::normal ? d.namen.normal : d.namen.individuell;
    const std::string& vorgabe = seite == Seite::normal ? standard.normal : standard.individuell;
    return std::string(akkusativ ? "den " : "der ") +
           (name == vorgabe ? name : "Fall \u201E" + name + "\u201C");
}

}  // namespace

Jahresdaten jahresdatenBilden(const Jahresfall& fall, bool mitSonderzahlung) {
    Jahresdaten d;
    d.inCent = fall.tabelle.inCent;
    d.namen = fall.tabellen.namen;
    d.centN = monatsreihe(fall, Seite::normal);
    d.centI = monatsreihe(fall, Seite::individuell);
    if (!fall.tabelle.inCent || !fall.beginn) {
        d.sonderzahlungGrund = ohneSonderzahlungGrund;
    } else if (!fall.saetze) {
        d.sonderzahlungGrund = sonderzahlungFehltGrund(fall.saetzeFehler);
        if (mitSonderzahlung) d.sonderzahlungFehler = d.sonderzahlungGrund;
    } else {
        d.sonderzahlungMoeglich = true;
    }
    d.mitSonderzahlung = d.sonderzahlungMoeglich && mitSonderzahlung;

    std::vector<Sonderzahlung> sonderN;
    std::vector<Sonderzahlung> sonderI;
    if (d.mitSonderzahlung) {
        sonderN = sonderzahlungenDesFalls(fall.tabellen, Seite::normal, fall.tabelle, *fall.beginn,
                                          *fall.saetze, fall.imDienstVorBeginn);
        sonderI = sonderzahlungenDesFalls(fall.tabellen, Seite::individuell, fall.tabelle,
                                          *fall.beginn, *fall.saetze, fall.imDienstVorBeginn);
    }
    d.uebersicht = jahresuebersichtBilden({d.centN, sonderN}, {d.centI, sonderI}, fall.beginn);
    if (fall.netto) {
        // The net pays include the bonus's net in its month, so the year rows count no bonus.
        for (const Nettomonat& n : fall.netto->reihe(Seite::normal).monate)
            d.nettoN.push_back(static_cast<Long>(n.netto));
        for (const Nettomonat& n : fall.netto->reihe(Seite::individuell).monate)
            d.nettoI.push_back(static_cast<Long>(n.netto));
        d.netto = jahresuebersichtBilden({d.nettoN, {}}, {d.nettoI, {}}, fall.beginn);
        d.nettohinweise = nettohinweise(*fall.netto);
    }
    return d;
}

Jahresdaten jahresdatenBilden(const Sitzung& sitzung, bool mitSonderzahlung) {
    // The case's own switch counts as well as the caller's (--ohne-jahressonderzahlung).
    const Kalenderangaben& kalender = sitzung.tabellen().kalender;
    Jahresdaten d =
        jahresdatenBilden({sitzung.tabellen(), sitzung.rechner().tabelle(), kalender.beginn,
                           sitzung.sonderzahlungssaetze(), sitzung.sonderzahlungsfehler(),
                           kalender.aktuelleStufe.has_value(), sitzung.netto()},
                          mitSonderzahlung && kalender.mitSonderzahlung);
    d.nettoGrund = sitzung.nettoGrund();
    d.stufendaten = sitzung.stufendatenzeilen();
    return d;
}

bool gleichBezahlt(const Jahresuebersicht& u) {
    return !u.kumuliert.empty() && std::all_of(u.kumuliert.begin(), u.kumuliert.end(),
                                               [](std::int64_t k) { return k == 0; });
}

namespace {

// „Der Beispielfall liegt …“, or for net pay „Netto liegt der Beispielfall …“.
std::string satz(bool netto, std::string subjekt, std::string_view praedikat,
                 std::string_view rest) {
    if (netto) return "Netto " + std::string(praedikat) + " " + subjekt + " " + std::string(rest);
    subjekt[0] = 'D';
    return subjekt + " " + std::string(praedikat) + " " + std::string(rest);
}

// The promotion check names its individual case so; its sentence speaks of the promotion.
bool hoehergruppierungsfall(const Fallnamen& namen) {
    return namen.individuell.rfind("mit Höhergruppierung", 0) == 0;
}

// The sentence on `u`, the gross or the net overview of the case `d`.
std::string satzZu(const Jahresdaten& d, const Jahresuebersicht& u, bool netto) {
    const std::string individuell = imSatz(d, Seite::individuell, false);
    if (gleichBezahlt(u))
        return satz(netto, individuell + " und " + imSatz(d, Seite::normal, false), "sind",
                    "in jedem Monat gleich hoch bezahlt.");
    if (hoehergruppierungsfall(d.namen)) {
        const std::string rest =
            u.ausgleichsmonat
                ? "ab " + jahresmonatText(u, *u.ausgleichsmonat) + " ausgezahlt (kumuliert)."
                : "bis " + jahresmonatText(u, int(u.kumuliert.size())) +
                      (u.gesamt.kumuliert == 0 ? " ausgeglichen, aber nicht ausgezahlt (kumuliert)."
                                               : " nicht ausgezahlt (kumuliert).");
        return netto ? "Netto hat sich die Höhergruppierung " + rest
                     : "Die Höhergruppierung hat sich " + rest;
    }
    if (u.ausgleichsmonat)
        return satz(netto, individuell, "liegt",
                    "ab " + jahresmonatText(u, *u.ausgleichsmonat) + " dauerhaft vorn.");
    const std::string bis = jahresmonatText(u, int(u.kumuliert.size()));
    const std::string normal = imSatz(d, Seite::normal, true);
    if (u.gesamt.kumuliert == 0)
        return satz(netto, individuell, "holt",
                    normal + " bis " + bis + " ein, liegt aber nicht vorn.");
    return satz(netto, individuell, "holt", normal + " bis " + bis + " nicht ein.");
}

}  // namespace

bool gleichBezahlt(const Jahresdaten& daten) {
    return gleichBezahlt(daten.uebersicht);
}

std::string ausgleichSatz(const Jahresdaten& daten) {
    if (daten.uebersicht.jahre.empty()) return "Der Fall hat keine Monate.";
    return satzZu(daten, daten.uebersicht, false);
}

std::string nettoAusgleichSatz(const Jahresdaten& daten) {
    if (!daten.netto || daten.netto->jahre.empty()) return "";
    return satzZu(daten, *daten.netto, true);
}

namespace {

std::string monatlichZu(const Jahresuebersicht& u, bool netto) {
    if (u.kumuliert.empty() || gleichBezahlt(u)) return "";
    const std::string anfang = netto ? "Netto Monat für Monat " : "Monat für Monat ";
    if (u.monatlichMehrAb)
        return anfang + "mehr ab " + jahresmonatText(u, *u.monatlichMehrAb) + ".";
    return anfang + (u.jemalsMehr ? "nicht dauerhaft mehr." : "nie mehr.");
}

}  // namespace

std::string monatlichSatz(const Jahresdaten& daten) {
    return monatlichZu(daten.uebersicht, false);
}

std::string nettoMonatlichSatz(const Jahresdaten& daten) {
    return daten.netto ? monatlichZu(*daten.netto, true) : "";
}

std::vector<std::string> ausgleichSaetze(const Jahresdaten& daten) {
    std::vector<std::string> saetze;
    for (std::string satz : {ausgleichSatz(daten), monatlichSatz(daten), nettoAusgleichSatz(daten),
                             nettoMonatlichSatz(daten)})
        if (!satz.empty()) saetze.push_back(std::move(satz));
    return saetze;
}

std::string ausgleichZahlen(const Jahresdaten& daten) {
    const Jahresuebersicht& u = daten.uebersicht;
    if (u.kumuliert.empty() || gleichBezahlt(daten)) return "";
    const auto euro = [](std::int64_t cent, bool plus) {
        const std::int64_t e = euroGerundet(cent);
        const std::string betrag = tausenderText(static_cast<double>(e < 0 ? -e : e)) + " \u20AC";
        if (e < 0) return "\u2212" + betrag;
        if (e == 0) return "\u00B1" + betrag;
        return (plus ? "+" : "") + betrag;
    };
    std::string zeile = "Bis " + jahresmonatText(u, int(u.kumuliert.size())) + " kumuliert " +
                        euro(u.gesamt.kumuliert, true) + "; ";
    if (const auto& r = u.groessterRueckstand)
        return zeile + "größter Rückstand " + euro(r->cent, false) + " in " +
               jahresmonatText(u, r->monat) + ".";
    return zeile + "nie im Rückstand.";
}

std::pair<std::string, std::string> fallzeichen(const Fallnamen& namen) {
    if (namen.standard()) return {"N.", "B."};
    return {"(1)", "(2)"};
}

std::string fallnamenZeile(const Fallnamen& namen) {
    if (namen.standard()) return "";
    const auto [n, i] = fallzeichen(namen);
    return n + " " + namen.normal + "   " + i + " " + namen.individuell;
}

std::string jahresmonatText(const Jahresuebersicht& u, int monat) {
    if (u.beginn) return (*u.beginn + (monat - 1)).text();
    return "Monat " + std::to_string(monat);
}

std::string jahresbetragAnzeige(const Jahresdaten& daten, std::int64_t cent) {
    if (!daten.inCent) return tausenderText(static_cast<double>(euroGerundet(cent)));
    return centTausenderText(cent);
}

}  // namespace korvalt
