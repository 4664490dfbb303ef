// The names of the window's fields; a field is addressed by its name and, in a control array, its
// index.
#pragma once

#include <cstdint>

namespace korvalt {

// Column arrays are consecutive (Träger1..Träger4, Garn2..Garn4), so a column digit can be added to
// the first.
enum class Feldname : std::uint8_t {
    Korvaltei,  // the window itself; its text is the caption
    Startgruppe,
    Label1,  // "EGr." above the start-group field
    Ergebnis1,
    Ergebnis2,
    Differenz,
    plus,
    Gleichzeichen,  // "=" between the totals (design name "minus")
    nachoben,
    nachunten,
    Speichern,
    Ergebnisdrucken,
    Liste,
    Hilfe,
    Schließen,
    Monatsgitter,  // the month grid of both cases (design name "Monatsgitter")
    fürwen,
    Unterschrift,
    Stufennummer1,  // "1" at the left edge, beside step row 1 (design names "Label2".."Label7")
    Stufennummer2,
    Stufennummer3,
    Stufennummer4,
    Stufennummer5,
    Stufennummer6,
    Spaltenlinie1,  // the rule between group columns 1 and 2 (design names "Line1".."Line3")
    Spaltenlinie2,
    Spaltenlinie3,
    GrDauer,
    GrDauer1,
    grün,
    gelb,
    Label8,  // " Monate in" under each column head, above the column title
    Gruppetit,
    Träger1,
    Träger2,
    Träger3,
    Träger4,
    normal1,
    normal2,
    normal3,
    normal4,
    indi1,
    indi2,
    indi3,
    indi4,
    gelb1,
    gelb2,
    gelb3,
    gelb4,
    nanfang1,
    nanfang2,
    nanfang3,
    nanfang4,
    nende1,
    nende2,
    nende3,
    nende4,
    ianfang1,
    ianfang2,
    ianfang3,
    ianfang4,
    iende1,
    iende2,
    iende3,
    iende4,
    Betrag1,
    Betrag2,
    Betrag3,
    Betrag4,
    Garn2,
    Garn3,
    Garn4,
    Gar2,
    Gar3,
    Gar4,
    anzahl
};

inline constexpr int feldnamenAnzahl = static_cast<int>(Feldname::anzahl);
inline constexpr int groessterIndex = 7;

struct FeldId {
    Feldname name;
    std::int8_t index = 0;  // 0 for a field that is not in a control array
    bool operator==(const FeldId&) const = default;
};

// The field of a column array: spaltenfeld(Feldname::Träger1, 3, 5) is Träger3(5).
// `erste` is the array of the lowest column that exists (Garn2 for the guarantee fields).
constexpr FeldId spaltenfeld(Feldname erste, int ersteSpalte, int spalte, int index) {
    return FeldId{static_cast<Feldname>(static_cast<int>(erste) + spalte - ersteSpalte),
                  static_cast<std::int8_t>(index)};
}

constexpr FeldId traeger(int spalte, int stufe) {
    return spaltenfeld(Feldname::Träger1, 1, spalte, stufe);
}
constexpr FeldId betrag(int spalte, int stufe) {
    return spaltenfeld(Feldname::Betrag1, 1, spalte, stufe);
}

}  // namespace korvalt
