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

// A case in the sentence, with its article: „der Beispielfall“, „den Normalfall“, or by a name of
// its own „der Fall „ohne Höhergruppierung““. Both default names are masculine, as "Fall" is.
std::string imSatz(const Jahresdaten& d, Seite seite, bool akkusativ) {
    const Fallnamen standard;
    const std::string& name = seite == Seite::normal ? d.namen.normal : d.namen.individuell;
    const std::string& vorgabe = seite == Seite::normal ? standard.normal : standard.individuell;
    return std::string(akkusativ ? "den " : "der ") +
           (name == vorgabe ? name : "Fall \u201E" + name + "\u201C");
}

// The same at the start of a sentence.
std::string amAnfang(const Jahresdaten& d, Seite seite) {
    std::string text = imSatz(d, seite, false);
    text[0] = 'D';
    return text;
}

std::vector<Integer> gruppenreihe(const Falltabellen& t, Seite seite) {
    std::vector<Integer> gruppe;
    for (int m = 1; m <= t.letztermonat(static_cast<int>(seite)); ++m)
        gruppe.push_back(t.monatsgruppe(seite)(m));
    return gruppe;
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
        d.sonderzahlungGrund = "Die Jahressonderzahlung fehlt: " + fall.saetzeFehler;
        if (mitSonderzahlung) d.sonderzahlungFehler = d.sonderzahlungGrund;
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
    return d;
}

Jahresdaten jahresdatenBilden(const Sitzung& sitzung, bool mitSonderzahlung) {
    // The case's own switch counts as well as the caller's (--ohne-jahressonderzahlung).
    const Kalenderangaben& kalender = sitzung.tabellen().kalender;
    return jahresdatenBilden({sitzung.tabellen(), sitzung.rechner().tabelle(), kalender.beginn,
                              sitzung.sonderzahlungssaetze(), sitzung.sonderzahlungsfehler(),
                              kalender.aktuelleStufe.has_value()},
                             mitSonderzahlung && kalender.mitSonderzahlung);
}

bool gleichBezahlt(const Jahresdaten& daten) {
    const auto& kumuliert = daten.uebersicht.kumuliert;
    return !kumuliert.empty() &&
           std::all_of(kumuliert.begin(), kumuliert.end(), [](std::int64_t k) { return k == 0; });
}

std::string ausgleichSatz(const Jahresdaten& daten) {
    const Jahresuebersicht& u = daten.uebersicht;
    if (u.jahre.empty()) return "Der Fall hat keine Monate.";
    const std::string individuell = amAnfang(daten, Seite::individuell);
    if (gleichBezahlt(daten))
        return individuell + " und " + imSatz(daten, Seite::normal, false) +
               " sind in jedem Monat gleich hoch bezahlt.";
    if (u.ausgleichsmonat)
        return individuell + " liegt ab " + jahresmonatText(u, *u.ausgleichsmonat) +
               " dauerhaft vorn.";
    const std::string bis = jahresmonatText(u, int(u.kumuliert.size()));
    const std::string einholen =
        individuell + " holt " + imSatz(daten, Seite::normal, true) + " bis " + bis;
    if (u.gesamt.kumuliert == 0) return einholen + " ein, liegt aber nicht vorn.";
    return einholen + " nicht ein.";
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
        return zeile + "größter Rückstand " + euro(r->cent, false) + " im " +
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
    const std::int64_t betrag = cent < 0 ? -cent : cent;
    const std::int64_t rest = betrag % 100;
    return (cent < 0 ? "-" : "") + tausenderText(static_cast<double>(betrag / 100)) + ',' +
           char('0' + rest / 10) + char('0' + rest % 10);
}

}  // namespace korvalt
