// Opening a case: the records of a case file read into a case with what there is to say about
// them, and the settings of the command line put over it. Free functions of the case and the
// tariff's list of tables, used by the start-up, by Fall öffnen and by the command line alike.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "einstellungsdatei.h"
#include "ergebnis.h"
#include "fallangaben.h"
#include "hoehergruppierung.h"
#include "kalenderangaben.h"
#include "meldungen.h"
#include "tariftabellen.h"

namespace korvalt {

// Calendar settings given for this run in place of the case's own; what is not given stays as the
// case has it.
struct Kalendervorgaben {
    std::optional<KalenderMonat> beginn;
    std::optional<KalenderMonat> ende;
    // Working-time shares of the normal and the individual case, hundredths of a percent.
    std::optional<std::pair<int, int>> anteile;
    std::optional<AngenommeneErhoehung> erhoehung;
    std::optional<AktuelleStufe> aktuelleStufe;

    bool leer() const { return !beginn && !ende && !anteile && !erhoehung && !aktuelleStufe; }
};

// The supplementary pension given for this run: a fund, or own rates (both 0: none).
struct Zusatzversorgungsvorgabe {
    Versorgungskasse kasse = Versorgungskasse::eigeneSaetze;
    Prozentsatz anteil;
    Prozentsatz umlage;

    bool operator==(const Zusatzversorgungsvorgabe&) const = default;
};

// Tax and insurance settings given for this run over the case's own; what is not given stays as
// the case has it. A tax class gives a case without settings net pay, with the defaults of
// `neueSteuerangaben` for what is not given; a statutory additional rate replaces a private
// premium and the other way round.
struct Steuervorgaben {
    std::optional<int> steuerklasse;
    std::optional<int> kinderfreibetraegeZehntel;
    std::optional<int> kirchensteuerProzent;
    std::optional<int> kinder;
    bool sachsen = false;
    std::optional<Prozentsatz> zusatzbeitrag;
    std::optional<std::int64_t> privatbeitrag;
    std::optional<Zusatzversorgungsvorgabe> zusatzversorgung;

    bool leer() const {
        return !steuerklasse && !kinderfreibetraegeZehntel && !kirchensteuerProzent && !kinder &&
               !sachsen && !zusatzbeitrag && !privatbeitrag && !zusatzversorgung;
    }
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
    // In place of the case's periods when any is given, after the promotion check.
    Zeitraeume zeitraeume;
    // Put over the case's tax settings after the calendar settings.
    Steuervorgaben steuer;
    // The start group by its label in the case's table ("9a", "10"), in place of the case's own.
    std::string startgruppe;
    // The case a promotion check sets up, in place of the saved or the example case; its person
    // stays.
    std::optional<Hoehergruppierung> hoehergruppierung;
    // The current month, for a start without a saved case (`ersterFall`); nothing: the example
    // case. The window passes the system clock's month, the command line none, so that its
    // outputs stay the same from day to day.
    std::optional<KalenderMonat> heute;
};

// How the start-up ended.
struct Eroeffnung {
    std::optional<Integer> startgruppe;  // the saved start group; nothing for the example case
    std::string fehler;                  // why the case could not be opened; empty when it is open
};

// A case read from the records of a case file, and what to say about it.
struct Fallgelesen {
    Fallangaben fall;
    // The saved start group, in the case's table.
    Integer startgruppe = 0;
    // The case names a table the list lacks: it is calculated in the standard table.
    std::string tabellenwarnung;
    // Why the calendar settings read rest (its table refuses them), and the notice saying so; ""
    // when they count.
    std::string kalendergrund;
    std::string kalenderhinweis;
};

// The case of a reading whose first record is a saved case (`istFallsatz`), in the table its
// second record names, or in `statt`, which then takes over the start group by its label. Nothing
// for records that are no case.
std::optional<Fallgelesen> fallLesen(const Einstellungslesung& lesung,
                                     const Tabellenkatalog& katalog,
                                     const Tariftabelle* statt = nullptr);

// What to say once of tax settings the case cannot use (its table, no start month); they stay
// with the case, are saved as read and count again once the case can have net pay. "" when there
// are none or they count.
std::string steuerhinweis(const Fallangaben& fall, const Tabellenkatalog& katalog);

// The case a first start shows: someone starting today in the VKA's tables by date, start group
// 9a, Beginn `heute`; the example case where the list has no VKA tables by date.
Fallangaben ersterFall(const Tabellenkatalog& katalog, KalenderMonat heute);

// The settings of the command line put over the case: calendar, start group, the promotion check,
// then tax (net pay needs the start month the promotion check gives the case).
Ergebnis<Fallangaben> vorgabenAnwenden(const Fallangaben& fall, const Startoptionen& optionen,
                                       const Tabellenkatalog& katalog);

}  // namespace korvalt
