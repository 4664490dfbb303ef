// The changes of a case: each a function from a case to the changed case, or to the German reason
// it is refused. The Sitzung, the command line and undo all change a case through them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ergebnis.h"
#include "fallangaben.h"
#include "hoehergruppierung.h"
#include "kalenderangaben.h"
#include "personenangaben.h"
#include "steuerangaben.h"
#include "tariftabellen.h"

namespace korvalt {

// The example case of the first start in the table of `schluessel`: the default durations, no
// calendar and no tax settings. A table by date, which needs the start month the example lacks,
// gives its side's latest table; no key or an unknown one the standard table.
Fallangaben beispielfall(const Tabellenkatalog& katalog, std::string_view schluessel = {});

// Why `neu` cannot be the calendar settings of `fall` in `tabelle` (its own table without one),
// or "": the check the dialog shows while the user types.
std::string kalenderPruefen(const Fallangaben& fall, const Kalenderangaben& neu,
                            const Tariftabelle& tabelle, const Tabellenkatalog& katalog);
// The settings `fall` would have in `tabelle`: its own, or those resting while it is in the table
// of 2006.
Kalenderangaben kalenderIn(const Fallangaben& fall, const Tariftabelle& tabelle);
// The one change of the calendar settings, the current step among them. A case by date waiting
// for a start month goes back to its table with one. Another Beginn or Ende makes a case set up by
// the promotion check an ordinary one.
Ergebnis<Fallangaben> mitKalender(const Fallangaben& fall, const Kalenderangaben& neu,
                                  const Tabellenkatalog& katalog);

// The case calculated in the table of `schluessel`. The table of 2006 has no calendar: the case's
// settings rest until a table with cents takes them up again. With `kalender`, those settings come
// with the table. Refused: a key the list lacks, settings the table cannot take.
Ergebnis<Fallangaben> mitTabelle(const Fallangaben& fall, std::string_view schluessel,
                                 const Tabellenkatalog& katalog,
                                 const std::optional<Kalenderangaben>& kalender = std::nullopt);

// Why `fall`'s tax settings give no net pay; "" when they do or when there are none.
std::string nettoGrund(const Fallangaben& fall, const Tabellenkatalog& katalog);
// Why `neu` cannot be the case's tax and insurance settings, or "": settings outside their limits,
// and any in a case without net pay (the table of 2006, no start month). None is always accepted.
std::string steuerPruefen(const Fallangaben& fall, const std::optional<Steuerangaben>& neu,
                          const Tabellenkatalog& katalog);
Ergebnis<Fallangaben> mitSteuer(const Fallangaben& fall, const std::optional<Steuerangaben>& neu,
                                const Tabellenkatalog& katalog);

// Changes of the working-time share and interruptions: refused in a table without calendar, in a
// case without a start month and where `zeitraeumePruefen` finds a fault.
std::string zeitraeumePruefen(const Fallangaben& fall, const Zeitraeume& neu,
                              const Tabellenkatalog& katalog);
Ergebnis<Fallangaben> mitZeitraeumen(const Fallangaben& fall, const Zeitraeume& neu,
                                     const Tabellenkatalog& katalog);

// Refuses a field that cannot be saved.
Ergebnis<Fallangaben> mitPerson(const Fallangaben& fall, const Personenangaben& person);

// Another start group or duration (stufe 0: the group duration) makes a case set up by the
// promotion check an ordinary one, called "Normalfall" and "Beispielfall" again.
Fallangaben mitStartgruppe(const Fallangaben& fall, Integer startgruppe);
Fallangaben mitDauer(const Fallangaben& fall, Seite seite, int spalte, int stufe, Integer wert);

// Why the promotion check `h` cannot set up the case, or "".
std::string hoehergruppierungPruefen(const Fallangaben& fall, const Hoehergruppierung& h,
                                     const Tabellenkatalog& katalog);
// The case of the promotion check: its table by date with its calendar settings, its start group,
// durations and the names of its cases; the person and the tax settings stay.
Ergebnis<Fallangaben> mitHoehergruppierung(const Fallangaben& fall, const Hoehergruppierung& h,
                                           const Tabellenkatalog& katalog);

// A case by date without a start month is calculated in its side's latest table and saved by date
// (`Fallangaben::nachDatum`) until it gets one; any other case is returned as it is.
Fallangaben ohneBeginnVertreten(Fallangaben fall, const Tabellenkatalog& katalog);
// Why the case is calculated in another table than the one it names, as a German notice; "" when
// it is not.
std::string vertretungsgrund(const Fallangaben& fall, const Tabellenkatalog& katalog);

}  // namespace korvalt
