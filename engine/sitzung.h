// One case being worked on: the shared state (TarifDaten, the case tables), the open tariff file
// and the Rechner on them. The window, the command line and the tests each hold one; nothing else
// owns calculation state.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "einstellungsdatei.h"
#include "einstellungssatz.h"
#include "falltabellen.h"
#include "kalenderangaben.h"
#include "meldungen.h"
#include "rechner.h"
#include "tarifdatei.h"
#include "tarifdaten.h"

namespace korvalt {

// Calendar settings given for this run in place of the case's own; what is not given stays as the
// case has it.
struct Kalendervorgaben {
    std::optional<KalenderMonat> beginn;
    // Working-time shares of the normal and the individual case, hundredths of a percent.
    std::optional<std::pair<int, int>> anteile;
    std::optional<AngenommeneErhoehung> erhoehung;
    // Counted into the durations of column 1 once the other settings are in place.
    std::optional<AktuelleStufe> aktuelleStufe;

    bool leer() const { return !beginn && !anteile && !erhoehung && !aktuelleStufe; }
};

// What the start-up is told: where it finds its files, and what the command line asks for.
struct Startoptionen {
    Startoptionen(std::vector<std::filesystem::path> tarifdatei = {},
                  std::filesystem::path einstellungsdatei = {}, std::string tabelle = {})
        : tarifdatei(std::move(tarifdatei)),
          einstellungsdatei(std::move(einstellungsdatei)),
          tabelle(std::move(tabelle)) {}

    std::vector<std::filesystem::path> tarifdatei;  // searched in this order
    // The saved case; a relative name resolves against the working directory. Empty: the example
    // case, and Speichern writes the settings file in the working directory.
    std::filesystem::path einstellungsdatei;
    // Without a window an unusable settings file ends the start-up with its message, and so does a
    // missing one that was named; the window warns and opens the example case.
    bool ohneFenster = false;
    bool einstellungsdateiGenannt = false;
    // A key of the list of tables in place of the table the case names; its start group keeps its
    // label, as when the window switches tables.
    std::string tabelle;
    // Without a window a case calculated by date must have a start month, its own or given here.
    Kalendervorgaben kalender;
};

// How the start-up ended.
struct Eroeffnung {
    std::optional<Integer> startgruppe;  // the saved start group; nothing for the example case
    std::string fehler;                  // why the case could not be opened; empty when it is open
};

class Sitzung {
  public:
    // The start-up up to the first calculation: the settings file, month names, focus, tariff
    // file, the case's table, then the saved case or the example case. The caller then runs
    // `starten` with the start group it shows.
    Eroeffnung oeffnen(const Startoptionen& optionen, Meldungen& meldungen);

    // Writes the case, with the start group as `startgruppentext` names it in the case's table, to
    // `datei` as the settings records: the case, then its table when that is not the one of 2006.
    // False with the reason in `fehler`; the file is then as it was.
    bool speichern(std::string_view startgruppentext, const std::filesystem::path& datei,
                   std::string& fehler) const;
    // The records `speichern` writes: what the window compares to see whether the case changed.
    std::vector<Einstellungssatz> saetze(std::string_view startgruppentext) const;

    // What the views show; every change goes through the operations below.
    const TarifDaten& daten() const { return daten_; }
    const Falltabellen& tabellen() const { return tabellen_; }
    const Rechner& rechner() const { return rechner_; }
    const Tarifdatei& tarifdatei() const { return tarifdatei_; }
    // The table the case is calculated in.
    const Tariftabelle& tabelle() const { return rechner_.tabelle(); }
    // The window caption: the tariff area as the case named it at start-up, and the table.
    const std::string& titel() const { return titel_; }
    // The settings file the case came from and that Speichern writes.
    const std::filesystem::path& einstellungsdatei() const { return einstellungsdatei_; }
    // Why the case opened in the window is calculated in another table than the one it names, as
    // a German notice; empty when it is not. A case by date whose calendar record gives no start
    // month (damaged, or none) is calculated in its side's latest table until it gets one, and is
    // saved with the table it names.
    const std::string& vertretungsgrund() const { return vertretungsgrund_; }
    // The notice after opening a case: the reader's `hinweis` on records passed over, then the
    // reason for another table; empty when there is nothing to say.
    std::string oeffnungshinweis(const std::string& hinweis) const;

    // The calculation's steps, as the Rechner runs them.
    void starten(Integer startgruppe) { rechner_.starten(startgruppe); }
    void fortschreiten(Seite seite) { rechner_.fortschreiten(seite); }
    void vergleichen() { rechner_.vergleichen(); }

    // A duration of one case in one column: its group duration for stufe 0, otherwise that step's.
    // The caller keeps it within its limit.
    void dauerSetzen(Seite seite, int spalte, int stufe, Integer wert);
    // The input the arrow buttons act on.
    void fokusSetzen(Fokusart art, Integer seite, Integer spalte, Integer stufe);

    // Calculates the case in the table of `schluessel` from the next `starten` on; the caption
    // follows. Refuses, with a German reason and changing nothing, a key the list lacks and a
    // table by date while the case has no start month.
    bool tabelleWaehlen(std::string_view schluessel, std::string& fehler);
    // The calendar settings and the current step, as the Rechner takes them; the caller then runs
    // `starten`. A start month brings a case that waited for one back to its table by date (the
    // caption follows).
    bool kalenderSetzen(const Kalenderangaben& angaben, std::string& fehler);
    bool aktuelleStufeSetzen(const AktuelleStufe& aktuell, std::string& fehler) {
        return rechner_.aktuelleStufeSetzen(aktuell, fehler);
    }

    // Another case after start-up, from the records of a case file: the table the second record
    // names (the standard table without one; an unknown key is reported through `meldungen`), then
    // the durations. Returns the saved start group; the caller then runs `starten`.
    std::optional<Integer> fallLaden(const Einstellungssatz& satz,
                                     const Einstellungssatz& tabellensatz,
                                     const Einstellungssatz& kalendersatz, Meldungen& meldungen);
    // The example case of the first start: the default durations and no calendar settings, in the
    // table of `schluessel` (for a table by date, which needs the start month the example lacks,
    // its side's latest table), without one in the standard table.
    void beispielfallLaden(std::string_view schluessel = {});

  private:
    // Calculates the case in the table of `schluessel`, which the list has; the caption follows.
    void tabelleSetzen(const std::string& schluessel);
    // A case by date without a start month goes to its side's latest table (see vertretungsgrund).
    void ohneBeginnVertreten();

    TarifDaten daten_;
    Falltabellen tabellen_;
    Tarifdatei tarifdatei_;
    Rechner rechner_{daten_, tabellen_, tarifdatei_};
    // The caption as built at start-up, and the tariff-area index it was built with: once the
    // first pay table is read, the index in the case record no longer names the entry that holds
    // the area's name.
    std::string titel_;
    Integer titeltarif_ = 0;
    std::filesystem::path einstellungsdatei_ = einstellungsdateiName;
    // The table by date the case names while it waits for a start month; empty otherwise.
    std::string nachDatumVorgemerkt_;
    std::string vertretungsgrund_;

    // Puts the given settings over the case's own; false with a German reason, and the case
    // unchanged, when the Rechner refuses them.
    bool kalenderVorgeben(const Kalendervorgaben& vorgaben, std::string& fehler);
};

}  // namespace korvalt
