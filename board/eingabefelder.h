// The 57 input fields: the focus handler records the field for the arrow buttons, the key handler
// lets digits through, empties the field on Backspace and confirms the value on Enter; the arrow
// keys step the value and the tooltip names the field.
#pragma once

#include "fallanzeige.h"
#include "falltabellen.h"
#include "feldname.h"

#include <string>

namespace korvalt {

inline constexpr int zeichenRueckschritt = 8;
inline constexpr int zeichenEingabe = 13;

// Startgruppe, GrDauer(1..4), GrDauer1(1..4), normal1..4(1..6) and indi1..4(1..6).
bool istEingabefeld(FeldId feld);

// Sets the four focus values together for the field that has just received the focus.
void eingabefeldFokus(Sitzung& sitzung, FeldId feld);

// Sees a character key before the field does and returns the code the field receives, 0 when the
// key is swallowed. Only digits pass, so the field only ever holds digits. Backspace empties the
// field and stores nothing. Enter stores the field's number, limited to its duration limit or the
// start-group range (in its text), and recalculates the case it belongs to: a number of any length
// is limited like any other number above the limit, and a limited duration says so
// (Fallanzeige::melden).
int eingabefeldTaste(Fallanzeige& anzeige, FeldId feld, int zeichen);

// The arrow keys in a field: Up and Down step its value by one as the arrow buttons do, Page Up
// and Page Down (`schritt` ±12) by twelve months in a duration field. Returns false for a step
// the field does not take (twelve in the start group).
bool eingabefeldSchritt(Fallanzeige& anzeige, FeldId feld, int schritt);

// What the field is, by the groups and names of the case shown: "Monate in Stufe 3 der EGr. 9b,
// Beispielfall".
std::string eingabefeldHinweis(const Falltabellen& t, const Tariftabelle& tabelle, FeldId feld);

}  // namespace korvalt
