// The 57 input fields: the focus handler records the field for the arrow buttons, the key handler
// lets digits through, empties the field on Backspace and confirms the value on Enter.
#pragma once

#include "fallanzeige.h"
#include "falltabellen.h"
#include "feldname.h"

namespace korvalt {

inline constexpr int zeichenRueckschritt = 8;
inline constexpr int zeichenEingabe = 13;

// Startgruppe, GrDauer(1..4), GrDauer1(1..4), normal1..4(1..6) and indi1..4(1..6).
bool istEingabefeld(FeldId feld);

// Sets the four focus values together for the field that has just received the focus.
void eingabefeldFokus(Falltabellen& t, FeldId feld);

// Sees a character key before the field does and returns the code the field receives, 0 when the
// key is swallowed. Only digits pass, so the field only ever holds digits. Backspace empties the
// field and stores nothing. Enter stores the field's number, limited to its duration limit or the
// start-group range (in its text), and recalculates the case it belongs to: a number of any length
// is limited like any other number above the limit.
int eingabefeldTaste(Fallanzeige& anzeige, FeldId feld, int zeichen);

}  // namespace korvalt
