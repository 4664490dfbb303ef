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

// One array per column for each kind of field in a step row.
#define KORVALT_VIER(name, art, text, grund, groesse, fett)                  \
    stufenreihe(F::name##1, #name "1", art, text, grund, groesse, fett),     \
        stufenreihe(F::name##2, #name "2", art, text, grund, groesse, fett), \
        stufenreihe(F::name##3, #name "3", art, text, grund, groesse, fett), \
        stufenreihe(F::name##4, #name "4", art, text, grund, groesse, fett)

constexpr std::array tabelle{
    einzeln(F::Korvaltei, "Korvaltei", A::Fenster, {}, fb::hellgrau),
    einzeln(F::Startgruppe, "Startgruppe", A::Textfeld, "9", fb::weiss, 12, true),
    einzeln(F::Label1, "Label1", A::Beschriftung, "EGr.", {}, 12, true),
    einzeln(F::Ergebnis1, "Ergebnis1", A::Tafel, "1.475.000", fb::hellgruen, 14.25, true),
    einzeln(F::Ergebnis2, "Ergebnis2", A::Tafel, "2.475.000", fb::blassgelb, 14.25, true),
    einzeln(F::Differenz, "Differenz", A::Tafel, "2.475.000", fb::dunkelgrau, 14.25, true),
    einzeln(F::plus, "plus", A::Beschriftung, "+", fb::hellgrau, 20.25),
    einzeln(F::minus, "minus", A::Beschriftung, "=", fb::hellgrau, 20.25),
    einzeln(F::nachoben, "nachoben", A::Knopf),
    einzeln(F::nachunten, "nachunten", A::Knopf),
    einzeln(F::Speichern, "Speichern", A::Knopf, "Speichern", {}, 9.75),
    einzeln(F::Ergebnisdrucken, "Ergebnisdrucken", A::Knopf, "Ergebnis drucken"),
    einzeln(F::Liste, "Liste", A::Knopf, "Liste Drucken"),
    einzeln(F::Hilfe, "Hilfe", A::Knopf, "Hilfe"),
    einzeln(F::Schließen, "Schließen", A::Knopf, "Schließen"),
    einzeln(F::MSFlexGrid1, "MSFlexGrid1", A::Gitter, {}, fb::gitterGrund, 9),
    Feldbeschreibung{
        F::fürwen, "fürwen", A::Beschriftung, 0, 0, -1, {}, fb::weiss, false, 12, true},
    einzeln(F::Unterschrift, "Unterschrift", A::Beschriftung, {}, {}, 12, true),
    einzeln(F::Label2, "Label2", A::Beschriftung, "1", {}, 14.25, true),
    einzeln(F::Label3, "Label3", A::Beschriftung, "2", {}, 14.25, true),
    einzeln(F::Label4, "Label4", A::Beschriftung, "3", {}, 14.25, true),
    einzeln(F::Label5, "Label5", A::Beschriftung, "4", {}, 14.25, true),
    einzeln(F::Label6, "Label6", A::Beschriftung, "5", {}, 14.25, true),
    einzeln(F::Label7, "Label7", A::Beschriftung, "6", {}, 14.25, true),
    einzeln(F::Line1, "Line1", A::Linie),
    einzeln(F::Line2, "Line2", A::Linie),
    einzeln(F::Line3, "Line3", A::Linie),
    Feldbeschreibung{F::GrDauer, "GrDauer", A::Textfeld, 1, 4, -1, "120", fb::weiss, true, 9.75,
                     true},
    Feldbeschreibung{F::GrDauer1, "GrDauer1", A::Textfeld, 1, 4, -1, "120", fb::weiss, true, 9.75,
                     true},
    Feldbeschreibung{F::grün, "grün", A::Beschriftung, 0, 3, -1, {}, fb::hellgruen},
    Feldbeschreibung{F::gelb, "gelb", A::Beschriftung, 0, 4, 3, {}, fb::blassgelb},
    Feldbeschreibung{F::Label8, "Label8", A::Beschriftung, 0, 3, -1, " Monate in", {}, true, 9.75},
    Feldbeschreibung{F::Gruppetit, "Gruppetit", A::Beschriftung, 2, 4, -1, "EGr. ", fb::hellgrau,
                     true, 12, true},
    KORVALT_VIER(Träger, A::Tafel, {}, fb::hellgrau, 8.25, false),
    KORVALT_VIER(normal, A::Textfeld, "600", fb::weiss, 11.25, true),
    KORVALT_VIER(indi, A::Textfeld, "600", fb::weiss, 11.25, true),
    KORVALT_VIER(gelb, A::Beschriftung, {}, fb::blassgelb, 8.25, false),
    KORVALT_VIER(nanfang, A::Beschriftung, "111", fb::hellgrau, 8.25, false),
    KORVALT_VIER(nende, A::Beschriftung, "111", fb::hellgrau, 8.25, false),
    KORVALT_VIER(ianfang, A::Beschriftung, "111", fb::hellgrau, 8.25, false),
    KORVALT_VIER(iende, A::Beschriftung, "111", fb::hellgrau, 8.25, false),
    KORVALT_VIER(Betrag, A::Beschriftung, "1.235", fb::blassgelb, 9.75, false),
    stufenreihe(F::Garn2, "Garn2", A::Beschriftung, " 50", fb::garantiegruen, 8.25),
    stufenreihe(F::Garn3, "Garn3", A::Beschriftung, " 50", fb::garantiegruen, 8.25),
    stufenreihe(F::Garn4, "Garn4", A::Beschriftung, " 50", fb::garantiegruen, 8.25),
    stufenreihe(F::Gar2, "Gar2", A::Beschriftung, "50", {}, 8.25),
    stufenreihe(F::Gar3, "Gar3", A::Beschriftung, "50", {}, 8.25),
    stufenreihe(F::Gar4, "Gar4", A::Beschriftung, "50", {}, 8.25),
};
#undef KORVALT_VIER

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

std::string feldText(FeldId feld) {
    const auto& b = beschreibung(feld.name);
    std::string text(b.text);
    if (b.istArray()) text += "(" + std::to_string(feld.index) + ")";
    return text;
}

}  // namespace korvalt
