// The calculation: tariff file -> pay table -> normal and individual progression -> comparison.
//
// `starten` runs the whole chain for a start group; a duration edit runs only the progression of
// its case and `vergleichen`. Every procedure reads and writes the shared state (TarifDaten and the
// case tables) and nothing else: showing the results is the board's job.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "falltabellen.h"
#include "kalenderangaben.h"
#include "monatsplan.h"
#include "tabellenfolge.h"
#include "tarifdatei.h"
#include "tarifdaten.h"
#include "tariftabellen.h"

namespace korvalt {

// The months of a case paid from one table of a table by date: its key, its first and last month.
// The table's assumed raises count as the table.
struct Tabellenabschnitt {
    std::string schluessel;
    KalenderMonat von;
    KalenderMonat bis;
    bool operator==(const Tabellenabschnitt&) const = default;
};

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

    // Whether some month of the last calculation was paid from a table raised by the assumed
    // raise; then every output says so once, with `erhoehungshinweis`.
    bool erhoehungGenutzt() const;
    // "angenommene Erhöhung 2,5 % jährlich ab 04/2027" when it was used, otherwise "".
    std::string erhoehungshinweis() const;
    // The tables the last calculation of a case by date paid its months from, in the order they
    // came into force; empty for a case in one table.
    std::vector<Tabellenabschnitt> tabellenabschnitte() const;

  private:
    // Returns whether the step was served: then it is the step held and its pay the pay so far.
    bool stufenregel(int seite, int spalte, int stufe, Integer dauer);
    void regel2006Gehen(Seite seite);
    void stufengleichGehen(Seite seite);
    void keineMonate(int seite, int spalte, int stufe);
    void monateZuordnen(Seite seite, int spalte, int stufe);
    // Fills the month series of `von`..`bis` (up to the period's end) with a step's group, step,
    // pay and whether it is paid.
    void monateFuellen(Seite seite, int spalte, int stufe, int von, int bis);
    // The calendar months the next step of the walk takes, from the month after `summemonate`:
    // its step time (`dauer`) with the months the step clock stops; a harmful interruption within
    // them restarts its time (`volleDauer`) on return, or ends it there when the case goes back to
    // the step `zurueck`.
    struct Schritt {
        int laenge = 0;
        int zurueck = 0;
        int rueckkehr = 0;
    };
    Schritt schrittBemessen(Seite seite, int stufe, int dauer, int volleDauer) const;
    // Keeps the months the steps `zurueck`..`stufe` of a column held so far, before the walk goes
    // back to `zurueck` and writes those steps anew.
    void zurueckStufen(int seite, int spalte, int stufe, int zurueck);
    // Whether the case runs in calendar time: a start month in a table with cents.
    bool imKalender() const;
    // The last month a case's months are kept for: Ende, or the end of the month series.
    int periodengrenze() const;
    // The pay in cents of a step in month `monat`, the share of `seite` applied: from the table in
    // force then in a case by date (`folge`), else the pay table's.
    Long monatscent(Seite seite, int spalte, int stufe, int monat,
                    const Tabellenfolge* folge) const;
    // Keeps a case whose months end before `ende` in its last group and step, month by month.
    void bisZumEndeHalten(Seite seite, int ende);
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
    // The months of each case under its periods, as last walked.
    std::array<std::optional<Monatsplan>, 2> plaene_;
    const Monatsplan& plan(Seite seite) const { return *plaene_[seite == Seite::normal ? 0 : 1]; }
    void planAufstellen(Seite seite) {
        auto& plan = plaene_[seite == Seite::normal ? 0 : 1];
        if (!plan || !plan->gilt(t_, seite, tabelle().seite)) plan.emplace(t_, seite, tabelle().seite);
    }
    std::optional<Tabellenfolge> folge_;
    // What `folge_` was built for.
    std::optional<KalenderMonat> folgeBeginn_;
    std::optional<AngenommeneErhoehung> folgeErhoehung_;
};

}  // namespace korvalt
