// The 75-byte settings record: building it from the case and restoring the case from it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "falltabellen.h"
#include "meldungen.h"
#include "tarifdaten.h"
#include "tariftabellen.h"

namespace korvalt {

// "st", the start group as a byte code, eight group durations as three digits, 48 step durations as
// byte codes. The start group is its number in the case's table, limited to 1..`gruppenzahl`.
Einstellungssatz einstellungssatzBilden(double startgruppe, const Fallangaben& t, int gruppenzahl);

// Whether the record is a saved case: it begins with exactly "st".
bool istFallsatz(const Einstellungssatz& satz);

// When the record begins with exactly "st": restores the durations (limited to the duration limits)
// and the calendar settings of `kalendersatz` (none for a record that is not a sound "kz", as a
// blank one) and the tax settings of `steuersatz` (none for a damaged one), keeps a "kz" and an
// "sv" record, sound or damaged, for saving, takes `person` and `namen` as the case's person and
// the names of its cases and `behalten` as the records it writes back unread, and returns the
// start group, limited to 1..`gruppenzahl`. Otherwise restores nothing.
std::optional<Integer> einstellungssatzWiederherstellen(
    const Einstellungssatz& satz, const Einstellungssatz& kalendersatz, Fallangaben& t,
    int gruppenzahl, const Personenangaben& person = {}, const Fallnamen& namen = {},
    const std::optional<Einstellungssatz>& steuersatz = std::nullopt,
    const std::vector<BehaltenerSatz>& behalten = {});
// The same for a case without calendar settings, without tax settings, with the default names,
// without a person and without records kept.
std::optional<Integer> einstellungssatzWiederherstellen(const Einstellungssatz& satz,
                                                        Fallangaben& t, int gruppenzahl);

// The second record of a case in any table but the one of 2006: "tb", the table's key, blanks.
Einstellungssatz tabellensatzBilden(std::string_view schluessel);

// The key in a second record, without the blanks; nothing when it does not begin with "tb".
std::optional<std::string> tabellensatzLesen(const Einstellungssatz& satz);

// The table of a saved case: without a second record the standard table. A key the list of tables
// lacks is reported, and the case is calculated in the standard table; the file is left alone.
std::string tabelleDesFalls(const Einstellungssatz& satz2, const Tabellenkatalog& katalog,
                            Meldungen& meldungen);

// The records that save a case: the first, the table record when its table is not the standard
// one, the calendar record when it has calendar settings, rests them (as read) or was read with one
// that must be kept (a damaged one as it was, a later version's positions), a name record for each
// case not called by its default name, the tax and insurance record when it has those or was read
// with a damaged one (kept the same way), a person record for each field of its person that is set;
// so that a case of 2006 without them is saved exactly as before there were other tables. The
// records the case keeps unread (`Fallangaben::behalten`) go back in their places among these.
std::vector<Einstellungssatz> einstellungssaetzeBilden(std::string_view startgruppentext,
                                                       const Fallangaben& t,
                                                       const Tariftabelle& tabelle);

}  // namespace korvalt
