// The calculation: tariff file -> pay table -> normal and individual progression -> comparison.
//
// `starten` runs the whole chain for a start group; a duration edit runs only the progression of
// its case and `vergleichen`. Every procedure reads and writes the shared state (TarifDaten and the
// case tables) and nothing else: showing the results is the board's job.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "falltabellen.h"
#include "kalenderangaben.h"
#include "tabellenfolge.h"
#include "tarifdatei.h"
#include "tarifdaten.h"
#include "tariftabellen.h"

namespace korvalt {

class Rechner {
  public:
    Rechner(TarifDaten& daten, Falltabellen& tabellen, Tarifdatei& datei)
        : daten_(daten), t_(tabellen), datei_(datei) {}

    // The full recalculation: the four columns' groups, their pay table, both progressions and the
    // comparison.
    void starten(Integer startgruppe);
    void tabellefüllen();
    void vergleichen();

    // The progression of one case, the normal or the individual one.
    void fortschreiten(Seite seite);

    // The first month of a step, 0 for a step the case never entered.
    Integer anfangsmonat(Seite seite, int spalte, int stufe) const;

    // The table the case is calculated in.
    const Tariftabelle& tabelle() const;

    // Calculates the case in the table of `schluessel` from the next `starten` on. Refuses, with a
    // German reason and changing nothing, a key the list lacks and a table by date while the case
    // has no start month.
    bool tabelleWaehlen(std::string_view schluessel, std::string& fehler);
    // Takes the calendar settings as they are (the current step only as a note: its durations are
    // set by `aktuelleStufeSetzen`), in place of a damaged calendar record the case was read with;
    // the caller then runs `starten`. Refuses, with a German reason
    // and changing nothing, values outside their limits and a case by date without a start month.
    bool kalenderSetzen(const Kalenderangaben& angaben, std::string& fehler);
    // "In step s since MM/JJJJ": sets the durations of column 1 of both cases below s to 0 and that
    // of s to what is left of it at the start month, and notes the step; the caller then runs
    // `starten`. Without a start month, or when the months served exceed the step's duration in
    // either case, a German reason and nothing changes.
    bool aktuelleStufeSetzen(const AktuelleStufe& aktuell, std::string& fehler);
    // Whether some month of the last calculation was paid from a table raised by the assumed
    // raise; then every output says so once, with `erhoehungshinweis`.
    bool erhoehungGenutzt() const;
    // "angenommene Erhöhung 2,5 % jährlich ab 04/2027" when it was used, otherwise "".
    std::string erhoehungshinweis() const;

  private:
    // Returns whether the step was served: then it is the step held and its pay the pay so far.
    bool stufenregel(int seite, int spalte, int stufe);
    void regel2006Gehen(Seite seite);
    void stufengleichGehen(Seite seite);
    void keineMonate(int seite, int spalte, int stufe);
    void monateZuordnen(Seite seite, int spalte, int stufe);
    // The side's tables of a table by date, read anew on every full recalculation.
    void datierteTabellenLesen(const Tariftabelle& tabelle);
    // The tables in force month by month when the case is by date and has a start month, built
    // once for its start month and raise; otherwise nothing.
    const Tabellenfolge* kalenderfolge();
    // The pays of a column's group in the month `monat` of the case: from the table in force then
    // in a case by date, otherwise from the pay table.
    Gruppenentgelte gruppenentgelteIm(int monat, int spalte);

    TarifDaten& daten_;
    Falltabellen& t_;
    Tarifdatei& datei_;
    std::vector<DatierteTabelle> datierte_;
    std::optional<Tabellenfolge> folge_;
    // What `folge_` was built for.
    std::optional<KalenderMonat> folgeBeginn_;
    std::optional<AngenommeneErhoehung> folgeErhoehung_;
};

}  // namespace korvalt
