// Which stored duration an input field shows, and back: the one mapping between the duration fields
// and the case tables.
#pragma once

#include <optional>
#include <string>

#include "falltabellen.h"
#include "feldname.h"
#include "sitzung.h"

namespace korvalt {

// A group duration (stufe 0) or a step duration of one case in one column.
struct Dauerfeld {
    Seite seite;
    int spalte;
    int stufe;
    bool istGruppe() const { return stufe == 0; }
    int grenze() const { return istGruppe() ? groessteGruppendauer : groessteStufendauer; }
};

// What the status line says when a value was limited: "600 Monate ist die Obergrenze".
std::string grenzeText(const Dauerfeld& d);

// GrDauer(i), GrDauer1(i), normal<n>(j) and indi<n>(j); nothing for any other field. The index is
// not checked against the existing range.
std::optional<Dauerfeld> dauerfeld(FeldId feld);
FeldId feldVon(const Dauerfeld& d);
Integer gespeicherterWert(const Falltabellen& t, const Dauerfeld& d);
void dauerSetzen(Sitzung& sitzung, const Dauerfeld& d, Integer wert);

}  // namespace korvalt
