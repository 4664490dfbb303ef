// Every field of the main window with its initial text and look. All fonts are Arial.
#include "feldtabelle.h"

#include <array>
#include <cassert>
#include <string>

namespace korvalt {

namespace {

using F = Feldname;
using A = Feldart;
namespace fb = farben;

constexpr Feldbeschreibung einzeln(F n, std::string_view t, A a, std::string_view text = {},
                                   std::optional<Farbe> grund = {}, double groesse = 8.25,
                                   bool fett = false) {
    return {n, t, a, 0, 0, -1, text, grund, true, groesse, fett};
}

constexpr Feldbeschreibung stufenreihe(F n, std::string_view t, A a, std::string_view text,
                                       std::optional<Farbe> grund, double groesse,
                                       bool fett = false) {
    return {n, t, a, 1, 6, -1, text, grund, true, groesse, fett};
}

constexpr Feldbeschreibung inSpalte(Feldbeschreibung b, int spalte) {
    b.spalte = static_cast<std::int8_t>(spalte);
    return b;
}

constexpr auto M = Ausrichtung::mitte;
constexpr auto kopf = Anordnung::Spaltenkopf;
constexpr auto tafel = Anordnung::inTafel;

// One array per column for each kind of field in a step row, each at the same place in its panel.
#define KORVALT_SPALTE(name, k, wo, art, text, grund, groesse, fett, x, y, b, h, ausr) \
    inSpalte(stufenreihe(F::name##k, #name #k, art, text, grund, groesse, fett), k)    \
        .bei(x, y, b, h, wo)                                                           \
        .ausgerichtet(ausr)
#define KORVALT_VIER(name, wo, art, text, grund, groesse, fett, x, y, b, h, ausr)       \
    KORVALT_SPALTE(name, 1, wo, art, text, grund, groesse, fett, x, y, b, h, ausr),     \
        KORVALT_SPALTE(name, 2, wo, art, text, grund, groesse, fett, x, y, b, h, ausr), \
        KORVALT_SPALTE(name, 3, wo, art, text, grund, groesse, fett, x, y, b, h, ausr), \
        KORVALT_SPALTE(name, 4, wo, art, text, grund, groesse, fett, x, y, b, h, ausr)
// The guarantee fields flank the amount in the bottom row of the panels of columns 2..4.
#define KORVALT_GARANTIE(name, k, text, grund, x, b) \
    KORVALT_SPALTE(name, k, tafel, A::Beschriftung, text, grund, 8.25, false, x, 960, b, 210, M)

// Positions in twips in the design client area of 11025 x 9030. The column heads read, top to
// bottom: normal-case group duration on green, individual one on yellow, " Monate in", the group.
// The step panels' text fields are a little wider than the design's 405 twips, so that three bold
// digits fit inside the field's margins.
constexpr std::array tabelle{
    einzeln(F::Korvaltei, "Korvaltei", A::Fenster, {}, fb::hellgrau).bei(0, 0, 11025, 9030),
    einzeln(F::Startgruppe, "Startgruppe", A::Textfeld, "9", fb::weiss, 12, true)
        .bei(810, 885, 420, 300)
        .ausgerichtet(M),
    einzeln(F::Label1, "Label1", A::Beschriftung, "EGr.", {}, 12, true)
        .bei(240, 915, 555, 285)
        .ausgerichtet(Ausrichtung::rechts),
    einzeln(F::Ergebnis1, "Ergebnis1", A::Tafel, "1.475.000", fb::hellgruen, 14.25, true)
        .bei(5400, 390, 1605, 390)
        .ausgerichtet(M),
    einzeln(F::Ergebnis2, "Ergebnis2", A::Tafel, "2.475.000", fb::blassgelb, 14.25, true)
        .bei(9390, 390, 1605, 390)
        .ausgerichtet(M),
    einzeln(F::Differenz, "Differenz", A::Tafel, "2.475.000", fb::dunkelgrau, 14.25, true)
        .bei(7410, 390, 1575, 390)
        .ausgerichtet(M)
        .inSchriftfarbe(fb::weiss),
    einzeln(F::plus, "plus", A::Beschriftung, "+", fb::hellgrau, 20.25)
        .bei(7035, 345, 345, 480)
        .ausgerichtet(M),
    einzeln(F::Gleichzeichen, "minus", A::Beschriftung, "=", fb::hellgrau, 20.25)
        .bei(9015, 345, 345, 480)
        .ausgerichtet(M),
    einzeln(F::nachoben, "nachoben", A::Knopf).bei(4860, 30, 555, 375),
    einzeln(F::nachunten, "nachunten", A::Knopf).bei(4860, 390, 555, 375),
    einzeln(F::Speichern, "Speichern", A::Knopf, "Speichern", {}, 9.75).bei(5460, 0, 960, 345),
    einzeln(F::Ergebnisdrucken, "Ergebnisdrucken", A::Knopf, "Ergebnis drucken")
        .bei(6480, 0, 1665, 345),
    einzeln(F::Liste, "Liste", A::Knopf, "Liste Drucken").bei(8160, 0, 1350, 345),
    einzeln(F::Hilfe, "Hilfe", A::Knopf, "Hilfe").bei(9540, 0, 510, 345),
    einzeln(F::Schließen, "Schließen", A::Knopf, "Schließen").bei(10080, 0, 930, 345),
    einzeln(F::Monatsgitter, "Monatsgitter", A::Gitter, {}, fb::gitterGrund, 9)
        .bei(4860, 780, 5985, 8175),
    Feldbeschreibung{F::fürwen, "fürwen", A::Beschriftung, 0, 0, -1, {}, fb::weiss, false, 12, true}
        .bei(5400, 0, 5625, 345),
    einzeln(F::Unterschrift, "Unterschrift", A::Beschriftung, {}, {}, 12, true)
        .bei(30, 9060, 10995, 375),
    einzeln(F::Stufennummer1, "Label2", A::Beschriftung, "1", {}, 14.25, true)
        .bei(30, 1620, 195, 345)
        .ausgerichtet(M),
    einzeln(F::Stufennummer2, "Label3", A::Beschriftung, "2", {}, 14.25, true)
        .bei(30, 2910, 195, 345)
        .ausgerichtet(M),
    einzeln(F::Stufennummer3, "Label4", A::Beschriftung, "3", {}, 14.25, true)
        .bei(30, 4200, 195, 345)
        .ausgerichtet(M),
    einzeln(F::Stufennummer4, "Label5", A::Beschriftung, "4", {}, 14.25, true)
        .bei(30, 5550, 195, 345)
        .ausgerichtet(M),
    einzeln(F::Stufennummer5, "Label6", A::Beschriftung, "5", {}, 14.25, true)
        .bei(30, 6870, 195, 345)
        .ausgerichtet(M),
    einzeln(F::Stufennummer6, "Label7", A::Beschriftung, "6", {}, 14.25, true)
        .bei(30, 8220, 195, 345)
        .ausgerichtet(M),
    einzeln(F::Spaltenlinie1, "Line1", A::Linie).bei(1350, 0, 15, 8900),
    einzeln(F::Spaltenlinie2, "Line2", A::Linie).bei(2520, 0, 15, 8900),
    einzeln(F::Spaltenlinie3, "Line3", A::Linie).bei(3690, 0, 15, 8900),
    Feldbeschreibung{F::GrDauer, "GrDauer", A::Textfeld, 1, 4, -1, "120", fb::weiss, true, 9.75,
                     true}
        .bei(270, 30, 480, 270, kopf)
        .ausgerichtet(M),
    Feldbeschreibung{F::GrDauer1, "GrDauer1", A::Textfeld, 1, 4, -1, "120", fb::weiss, true, 9.75,
                     true}
        .bei(270, 360, 480, 270, kopf)
        .ausgerichtet(M),
    Feldbeschreibung{F::grün, "grün", A::Beschriftung, 0, 3, -1, {}, fb::hellgruen}.bei(0, 0, 1020,
                                                                                        330, kopf),
    Feldbeschreibung{F::gelb, "gelb", A::Beschriftung, 0, 4, 3, {}, fb::blassgelb}.bei(0, 330, 1020,
                                                                                       330, kopf),
    Feldbeschreibung{F::Label8, "Label8", A::Beschriftung, 0, 3, -1, " Monate in", {}, true, 9.75}
        .bei(0, 675, 1020, 240, kopf)
        .ausgerichtet(M),
    Feldbeschreibung{F::Gruppetit, "Gruppetit", A::Beschriftung, 2, 4, -1, "EGr. ", fb::hellgrau,
                     true, 12, true}
        .bei(0, 915, 1020, 285, kopf)
        .ausgerichtet(M),
    KORVALT_VIER(Träger, Anordnung::Stufentafel, A::Tafel, {}, fb::hellgrau, 8.25, false, 0, 0,
                 1020, 1170, Ausrichtung::links),
    KORVALT_VIER(normal, tafel, A::Textfeld, "600", fb::weiss, 11.25, true, 30, 60, 465, 270, M),
    KORVALT_VIER(indi, tafel, A::Textfeld, "600", fb::weiss, 11.25, true, 540, 60, 465, 270, M),
    KORVALT_VIER(gelb, tafel, A::Beschriftung, {}, fb::blassgelb, 8.25, false, 510, 0, 510, 405, M),
    KORVALT_VIER(nanfang, tafel, A::Beschriftung, "111", fb::hellgrau, 8.25, false, 0, 390, 510,
                 225, M),
    KORVALT_VIER(nende, tafel, A::Beschriftung, "111", fb::hellgrau, 8.25, false, 0, 615, 510, 225,
                 M),
    KORVALT_VIER(ianfang, tafel, A::Beschriftung, "111", fb::hellgrau, 8.25, false, 510, 390, 510,
                 225, M),
    KORVALT_VIER(iende, tafel, A::Beschriftung, "111", fb::hellgrau, 8.25, false, 510, 615, 510,
                 225, M),
    KORVALT_VIER(Betrag, tafel, A::Beschriftung, "1.235", fb::blassgelb, 9.75, false, 255, 885, 540,
                 240, M),
    KORVALT_GARANTIE(Garn, 2, " 50", fb::garantiegruen, 0, 255).inSchriftfarbe(rgb(0, 0, 255)),
    KORVALT_GARANTIE(Garn, 3, " 50", fb::garantiegruen, 0, 255).inSchriftfarbe(rgb(0, 0, 255)),
    KORVALT_GARANTIE(Garn, 4, " 50", fb::garantiegruen, 0, 255).inSchriftfarbe(rgb(0, 0, 255)),
    KORVALT_GARANTIE(Gar, 2, "50", fb::hellgruen, 795, 225),
    KORVALT_GARANTIE(Gar, 3, "50", fb::hellgruen, 795, 225),
    KORVALT_GARANTIE(Gar, 4, "50", fb::hellgruen, 795, 225),
};
#undef KORVALT_GARANTIE
#undef KORVALT_VIER
#undef KORVALT_SPALTE

static_assert(tabelle.size() == feldnamenAnzahl);

constexpr bool inNamensfolge() {
    for (std::size_t i = 0; i < tabelle.size(); ++i)
        if (static_cast<std::size_t>(tabelle[i].name) != i) return false;
    return true;
}
static_assert(inNamensfolge(), "the table lists the fields in the order of Feldname");

}  // namespace

std::span<const Feldbeschreibung> feldtabelle() {
    return tabelle;
}

const Feldbeschreibung& beschreibung(Feldname name) {
    return tabelle[static_cast<std::size_t>(name)];
}

std::string anfangstext(FeldId feld) {
    std::string text(beschreibung(feld.name).anfangstext);
    if (feld.name == F::Gruppetit) text += std::to_string(feld.index + 8);
    return text;
}

int spaltenlinks(int spalte) {
    constexpr int links[] = {240, 1440, 2610, 3750};
    assert(spalte >= 1 && spalte <= 4);
    return links[spalte - 1];
}

int stufenoben(int stufe) {
    constexpr int oben[] = {1200, 2490, 3780, 5130, 6450, 7800};
    assert(stufe >= 1 && stufe <= 6);
    return oben[stufe - 1];
}

std::optional<FeldId> traegerVon(FeldId feld) {
    const auto& b = beschreibung(feld.name);
    if (b.anordnung != Anordnung::inTafel) return std::nullopt;
    return traeger(b.spalte, feld.index);
}

Rechteck entwurfsrechteck(FeldId feld) {
    const auto& b = beschreibung(feld.name);
    Rechteck r = b.lage;
    switch (b.anordnung) {
        case Anordnung::Fenster:
        case Anordnung::inTafel:
            break;
        case Anordnung::Spaltenkopf: {
            // The patches of the heads are numbered from 0; gelb(4) lies behind column 1.
            int spalte = feld.index;
            if (feld.name == F::grün || feld.name == F::Label8) spalte = feld.index + 1;
            if (feld.name == F::gelb) spalte = feld.index == 4 ? 1 : feld.index + 2;
            r.x += spaltenlinks(spalte);
            break;
        }
        case Anordnung::Stufentafel:
            r.x += spaltenlinks(b.spalte);
            r.y += stufenoben(feld.index);
            break;
    }
    return r;
}

Rechteck fensterrechteck(FeldId feld) {
    Rechteck r = entwurfsrechteck(feld);
    if (const auto t = traegerVon(feld)) {
        const Rechteck aussen = entwurfsrechteck(*t);
        r.x += aussen.x;
        r.y += aussen.y;
    }
    return r;
}

std::string feldText(FeldId feld) {
    const auto& b = beschreibung(feld.name);
    std::string text(b.text);
    if (b.istArray()) {
        text += '(';
        text += std::to_string(feld.index);
        text += ')';
    }
    return text;
}

}  // namespace korvalt
