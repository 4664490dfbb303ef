// The results of both cases on the display fields.
#include "fallanzeige.h"

#include <array>
#include <string>
#include <string_view>

#include "dauerfelder.h"
#include "einstellungssatz.h"
#include "feldtabelle.h"
#include "monatszeile.h"
#include "zahlen.h"

namespace korvalt {

namespace {

// What differs between the two cases' step displays: which fields a step has and how they look.
struct Seitenfelder {
    Farbe erreichtFarbe;
    std::array<Feldname, 3> gefaerbt;  // the step's coloured fields, the first `gefaerbtAnzahl`
    int gefaerbtAnzahl;
    Feldname anfang;
    Feldname ende;
    Feldname garantie;  // the guarantee field of column 2
    std::string_view garantieVorsatz;
    // The normal case's amount is always see-through; the individual case leaves a reached step's
    // amount to the comparison's marking.
    bool betragImmerDurchsichtig;
    // The individual guarantee field shows yellow with a guarantee, green without.
    bool garantieGefaerbt;
};

constexpr Seitenfelder normalFelder{farben::hellgruen,
                                    {Feldname::Träger1, Feldname::Träger1, Feldname::Träger1},
                                    1,
                                    Feldname::nanfang1,
                                    Feldname::nende1,
                                    Feldname::Garn2,
                                    " ",
                                    true,
                                    false};
constexpr Seitenfelder individuelleFelder{farben::hellgelb,
                                          {Feldname::ianfang1, Feldname::iende1, Feldname::gelb1},
                                          3,
                                          Feldname::ianfang1,
                                          Feldname::iende1,
                                          Feldname::Gar2,
                                          "",
                                          false,
                                          true};

const Seitenfelder& felderDer(Seite seite) {
    return seite == Seite::normal ? normalFelder : individuelleFelder;
}

}  // namespace

std::string Fallanzeige::laden(const Startoptionen& optionen, Meldungen& meldungen) {
    const Eroeffnung eroeffnung = sitzung_.oeffnen(optionen, meldungen);
    if (!eroeffnung.fehler.empty()) return eroeffnung.fehler;
    felder_.setzeText({Feldname::Korvaltei}, sitzung_.titel());
    gitterVorbereiten();
    fallZeigen(eroeffnung.startgruppe);
    return {};
}

bool Fallanzeige::fallLaden(const Einstellungslesung& lesung, Meldungen& meldungen) {
    const std::optional<Integer> startgruppe = sitzung_.fallLaden(lesung, meldungen);
    if (!startgruppe) return false;
    felder_.setzeText({Feldname::Korvaltei}, sitzung_.titel());
    fallZeigen(startgruppe);
    const std::string hinweis = sitzung_.oeffnungshinweis(lesung.hinweis);
    if (!hinweis.empty()) meldungen.hinweisen("Fall öffnen", hinweis);
    return true;
}

void Fallanzeige::standZeigen(const Fallangaben& fall) {
    sitzung_.fallSetzen(fall);
    felder_.setzeText({Feldname::Korvaltei}, sitzung_.titel());
    fallZeigen(fall.startgruppe);
}

void Fallanzeige::beispielfallLaden(std::string_view schluessel) {
    sitzung_.beispielfallLaden(schluessel);
    felder_.setzeText({Feldname::Korvaltei}, sitzung_.titel());
    felder_.setzeText({Feldname::Startgruppe}, beschreibung(Feldname::Startgruppe).anfangstext);
    fallZeigen(std::nullopt);
}

// A saved start group, and any in a table with lettered groups ("9" is "9a"), shows its label;
// without a saved one the field keeps the start group it shows (the default case's).
void Fallanzeige::fallZeigen(std::optional<Integer> gespeichert) {
    const FeldId startfeld{Feldname::Startgruppe};
    if (gespeichert || tabelle().hatBuchstabengruppen())
        felder_.setzeText(startfeld, tabelle().gruppenbezeichnung(gespeichert.value_or(
                                         tabelle().startgruppeLesen(felder_.text(startfeld)))));
    dauernZeigen();
    starten();
}

void Fallanzeige::starten() {
    sitzung_.starten(
        static_cast<Integer>(tabelle().startgruppeLesen(felder_.text({Feldname::Startgruppe}))));
    spaltenZeigen();
    seiteZeigen(Seite::normal);
    seiteZeigen(Seite::individuell);
    vergleichZeigen();
    if (nachRechnung_) nachRechnung_();
}

void Fallanzeige::fortschreiten(Seite seite) {
    sitzung_.fortschreiten(seite);
    seiteZeigen(seite);
}

void Fallanzeige::vergleichen() {
    sitzung_.vergleichen();
    vergleichZeigen();
    if (nachRechnung_) nachRechnung_();
}

// The column titles and the six amounts of every column.
void Fallanzeige::spaltenZeigen() {
    const Falltabellen& t = sitzung_.tabellen();
    for (int k = 2; k <= 4; ++k) {
        const FeldId titel{Feldname::Gruppetit, static_cast<std::int8_t>(k)};
        felder_.setzeText(titel, t.gruppe(k) < 1 ? std::string("entfällt")
                                                 : "EGr. " + tabelle().gruppentext(t.gruppe(k)));
    }
    // Without a start group the pay table was not read, and the amounts stay as they were.
    if (t.gruppe(1) < 1) return;
    // The tables with cents show a step's pay rounded to whole euros, as the grid does, and
    // nothing for a step the table lacks.
    const bool inCent = tabelle().inCent;
    for (int k = 1; k <= 4; ++k)
        for (int stufe = 1; stufe <= 6; ++stufe) {
            std::string text("    0");
            if (t.gruppe(k) >= 1 && !t.stufeVorhanden(k, stufe))
                text.clear();
            else if (t.gruppe(k) >= 1 && inCent)
                text = tausenderText(double(euroGerundet(t.entgeltCent(k, stufe))));
            else if (t.gruppe(k) >= 1)
                text = betragsanzeige(t.entgeltCent(k, stufe));
            felder_.setzeText(betrag(k, stufe), text);
        }
}

void Fallanzeige::seiteZeigen(Seite seite) {
    for (int spalte = 1; spalte <= 4; ++spalte)
        for (int stufe = 1; stufe <= 6; ++stufe) stufeZeigen(seite, spalte, stufe);
}

void Fallanzeige::stufeZeigen(Seite seite, int spalte, int stufe) {
    const Seitenfelder& f = felderDer(seite);
    const Falltabellen& t = sitzung_.tabellen();
    const int s = static_cast<int>(seite);
    const Integer anfang = sitzung_.rechner().anfangsmonat(seite, spalte, stufe);
    const bool erreicht = anfang >= 1;

    const Farbe farbe = erreicht ? f.erreichtFarbe : farben::hellgrau;
    for (int i = 0; i < f.gefaerbtAnzahl; ++i)
        felder_.setzeHintergrund(spaltenfeld(f.gefaerbt[std::size_t(i)], 1, spalte, stufe), farbe);
    if (f.betragImmerDurchsichtig || !erreicht) felder_.setzeDeckend(betrag(spalte, stufe), false);
    const std::string stufenname = "Stufe " + std::to_string(stufe);
    const std::string gruppe =
        t.gruppe(spalte) >= 1 ? "EGr. " + tabelle().gruppentext(t.gruppe(spalte)) : "";
    monatZeigen(spaltenfeld(f.ende, 1, spalte, stufe), t.stufenende(s, spalte, stufe),
                stufenname + " bis ", gruppe);
    monatZeigen(spaltenfeld(f.anfang, 1, spalte, stufe), anfang, stufenname + " ab ", gruppe);
    if (spalte >= 2) {
        const Single g = t.garantie(seite)(spalte, stufe);
        const FeldId feld = spaltenfeld(f.garantie, 2, spalte, stufe);
        felder_.setzeText(
            feld, g > 0 ? std::string(f.garantieVorsatz) + allgemeinText(g) : std::string());
        if (f.garantieGefaerbt)
            felder_.setzeHintergrund(feld, g > 0 ? farben::hellgelb : farben::hellgruen);
    }
}

// A month of a step: its number, or with a start month "07/26"; the note says it in words,
// „Stufe 5 ab 07/2033 (EGr. 9b, Monat 87)“, for whom "07/33" says little.
void Fallanzeige::monatZeigen(FeldId feld, Integer monat, const std::string& wovon,
                              const std::string& gruppe) {
    const auto datum =
        monat >= 1 ? sitzung_.tabellen().kalender.kalendermonat(monat) : std::nullopt;
    felder_.setzeText(feld, datum ? datum->kurztext() : ganzzahlText(monat));
    // A month number says what it is; a date in short form is spelled out.
    if (!datum) {
        felder_.setzeHinweis(feld, {});
        return;
    }
    felder_.setzeHinweis(feld, wovon + datum->text() + " (" +
                                   (gruppe.empty() ? "" : gruppe + ", ") + "Monat " +
                                   ganzzahlText(monat) + ")");
}

void Fallanzeige::vergleichZeigen() {
    const Falltabellen& t = sitzung_.tabellen();
    // A step only the individual case reaches gets a yellow amount; otherwise its step panel shows
    // through.
    for (int stufe = 1; stufe <= 6; ++stufe) {
        for (int g = 1; g <= 4; ++g) {
            const FeldId feld = betrag(g, stufe);
            if (t.stufenmonate(1, g, stufe) == 0 && t.stufenmonate(2, g, stufe) > 0) {
                felder_.setzeHintergrund(feld, farben::hellgelb);
                felder_.setzeDeckend(feld, true);
            } else {
                felder_.setzeDeckend(feld, false);
            }
        }
    }

    const int anzahl = sitzung_.daten().monatsanzahl;
    felder_.gitterVerbergen();
    Gitterspeicher& gitter = felder_.gitter();
    gitter.setzeZeilenzahl(anzahl + 4);
    kopfZeigen();
    const Tariftabelle& tab = tabelle();
    monate_.zeigen(t, tab, anzahl, gitter);
    const int schlusszeile = anzahl + 3;
    for (int spalte = 0; spalte < gitterSpalten; ++spalte)
        gitter.setzeText(schlusszeile, spalte, {});
    gitter.setzeFarbe(schlusszeile, 3, farben::gitterGrund);
    gitter.setzeFarbe(schlusszeile, 6, farben::gitterGrund);
    felder_.gitterZeigen();

    const Monatssummen summen = monatssummen(t, tab);
    felder_.setzeText({Feldname::Ergebnis1}, tausenderText(double(summen.euroDer(Seite::normal))));
    felder_.setzeText({Feldname::Ergebnis2},
                      tausenderText(double(summen.euroDer(Seite::individuell))));
    const std::int64_t differenz = summen.differenzEuro;
    felder_.setzeHintergrund({Feldname::Differenz},
                             differenz < 0 ? farben::hellrot : farben::schwarz);
    felder_.setzeText({Feldname::Differenz}, tausenderText(double(differenz)));
}

bool Fallanzeige::tabelleWechseln(const Tariftabelle& neu, std::string& fehler,
                                  const std::optional<Kalenderangaben>& kalender) {
    const Tariftabelle& alt = tabelle();
    const int gruppe =
        gruppeUebertragen(alt, alt.startgruppeLesen(felder_.text({Feldname::Startgruppe})), neu);
    if (!sitzung_.tabelleWaehlen(neu.schluessel, fehler, kalender)) return false;
    felder_.setzeText({Feldname::Korvaltei}, sitzung_.titel());
    felder_.setzeText({Feldname::Startgruppe}, neu.gruppenbezeichnung(gruppe));
    starten();
    return true;
}

bool Fallanzeige::hoehergruppierungEinrichten(const Hoehergruppierung& h, std::string& fehler) {
    if (!sitzung_.hoehergruppierungEinrichten(h, fehler)) return false;
    felder_.setzeText({Feldname::Korvaltei}, sitzung_.titel());
    fallZeigen(sitzung_.fall().startgruppe);
    return true;
}

void Fallanzeige::gitterVorbereiten() {
    Gitterspeicher& gitter = felder_.gitter();
    gitter.setzeZeilenhoehe(0, static_cast<int>(rundeGerade(gitter.zeilenhoehe(0) * 1.5)));
    gitter.verbindenErlaubt = true;
    gitter.kopfzeileVerbinden = true;
    gitter.schriftgroesse = 10;
    gitter.fett = true;
    gitter.setzeText(0, 0, "Monat");
    gitter.setzeText(0, 7, "Differenz");
    // Above the month rows the grid heads only the columns of the two cases.
    for (int spalte = 1; spalte <= 6; ++spalte)
        gitter.setzeText(1, spalte, std::string(monatsspalten[std::size_t(spalte)]));
}

// The cases over their three columns each, by the names every other output gives them; the
// normal case's default name letter-spaced, as its heading always was. The totals' hints name
// them too.
void Fallanzeige::kopfZeigen() {
    const Falltabellen& t = sitzung_.tabellen();
    std::string normal = t.namen.normal;
    if (normal == standardnameNormal) {
        normal.clear();
        for (char c : std::string_view(standardnameNormal))
            normal += std::string(normal.empty() ? "" : " ") + c;
    }
    const std::string& individuell = t.namen.individuell;
    Gitterspeicher& gitter = felder_.gitter();
    for (int spalte = 1; spalte <= 3; ++spalte) {
        gitter.setzeText(0, spalte, normal);
        gitter.setzeText(0, spalte + 3, individuell);
    }
    felder_.setzeHinweis({Feldname::Ergebnis1}, "Summe " + t.namen.normal);
    felder_.setzeHinweis({Feldname::Ergebnis2}, "Summe " + t.namen.individuell);
    felder_.setzeHinweis({Feldname::Differenz},
                         "Differenz " + t.namen.individuell + " \u2212 " + t.namen.normal);
}

void Fallanzeige::dauernZeigen() {
    const Falltabellen& t = sitzung_.tabellen();
    for (Seite seite : {Seite::normal, Seite::individuell})
        for (int spalte = 1; spalte <= 4; ++spalte)
            for (int stufe = 0; stufe <= 6; ++stufe) {
                const Dauerfeld d{seite, spalte, stufe};
                felder_.setzeText(feldVon(d), ganzzahlText(gespeicherterWert(t, d)));
            }
}

}  // namespace korvalt
