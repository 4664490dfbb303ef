// One case being worked on: the shared state (TarifDaten, the case tables), the open tariff file
// and the Rechner on them. The window, the command line and the tests each hold one; nothing else
// owns calculation state.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "einstellungsdatei.h"
#include "einstellungssatz.h"
#include "falltabellen.h"
#include "hoehergruppierung.h"
#include "kalenderangaben.h"
#include "meldungen.h"
#include "nettofall.h"
#include "nettojahrspeicher.h"
#include "rechner.h"
#include "sonderzahlungssaetze.h"
#include "tarifdatei.h"
#include "tarifdaten.h"

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

// Tax and insurance settings given for this run over the case's own; what is not given stays as
// the case has it. A tax class gives a case without settings net pay, with the defaults of
// `Steuerangaben` for what is not given; a statutory additional rate replaces a private premium
// and the other way round.
struct Steuervorgaben {
    std::optional<int> steuerklasse;
    std::optional<int> kinderfreibetraegeZehntel;
    std::optional<int> kirchensteuerProzent;
    std::optional<int> kinder;
    bool sachsen = false;
    std::optional<Prozentsatz> zusatzbeitrag;
    std::optional<std::int64_t> privatbeitrag;
    std::optional<Prozentsatz> zusatzversorgung;

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
    // Put over the case's tax settings after the calendar settings.
    Steuervorgaben steuer;
    // The start group by its label in the case's table ("9a", "10"), in place of the case's own.
    std::string startgruppe;
    // The case a promotion check sets up, in place of the saved or the example case; its person
    // stays.
    std::optional<Hoehergruppierung> hoehergruppierung;
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

    // The settings records of the case, with the start group as `startgruppentext` names it in
    // the case's table: the case, its table when that is not the one of 2006, its calendar
    // settings when it has any (or, unchanged, those it was read with and cannot use), the names of
    // its cases when they are not the default ones, its person; a case waiting for a start month
    // with the table by date it names. What the window compares to see whether the case changed.
    std::vector<Einstellungssatz> einstellungssaetze(std::string_view startgruppentext) const;
    // Writes those records to `datei`. False with the reason in `fehler`; the file is then as it
    // was.
    bool speichern(std::string_view startgruppentext, const std::filesystem::path& datei,
                   std::string& fehler) const;

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
    // The rates of the annual bonus, read at start-up beside the tariff file; null when they are
    // missing or damaged, and then `sonderzahlungsfehler` says what is wrong with them.
    const Sonderzahlungssaetze* sonderzahlungssaetze() const {
        return sonderzahlungssaetze_ ? &*sonderzahlungssaetze_ : nullptr;
    }
    const std::string& sonderzahlungsfehler() const { return sonderzahlungsfehler_; }
    // Why the case opened in the window is calculated in another table than the one it names, as
    // a German notice; empty when it is not. A case by date whose calendar record gives no start
    // month (damaged, or none) is calculated in its side's latest table until it gets one, and is
    // saved with the table it names.
    const std::string& vertretungsgrund() const { return vertretungsgrund_; }
    // The notice after opening a case: the reader's `hinweis` on records passed over, then the
    // reason for another table; empty when there is nothing to say.
    std::string oeffnungshinweis(const std::string& hinweis) const;

    // The net pay of both cases as the last calculation left them; null for a case without tax
    // settings and for one that cannot use them (`nettoGrund`). Computed when first asked for
    // after a change of the case, so that an Enter pays for it only while something shows it.
    const Nettofall* netto() const;
    // Why the case's tax settings give no net pay; "" when they do or when there are none.
    std::string nettoGrund() const;

    // The calculation's steps, as the Rechner runs them. Another start group than the one
    // calculated last makes a case set up by the promotion check an ordinary one.
    void starten(Integer startgruppe);
    void fortschreiten(Seite seite) {
        rechner_.fortschreiten(seite);
        netto_.reset();
    }
    void vergleichen() {
        rechner_.vergleichen();
        netto_.reset();
    }

    // A duration of one case in one column: its group duration for stufe 0, otherwise that step's.
    // The caller keeps it within its limit. A changed duration makes a case set up by the promotion
    // check an ordinary one.
    void dauerSetzen(Seite seite, int spalte, int stufe, Integer wert);
    // The input the arrow buttons act on.
    void fokusSetzen(Fokusart art, Integer seite, Integer spalte, Integer stufe);

    // Calculates the case in the table of `schluessel` from the next `starten` on; the caption
    // follows. The table of 2006 has no calendar: the case's settings rest until a table with
    // cents takes them up again. With `kalender`, those settings come with the table. Refuses,
    // with a German reason and changing nothing, a key the list lacks and settings the table
    // cannot take (a table by date without a start month, a raise in a table of one date).
    bool tabelleWaehlen(std::string_view schluessel, std::string& fehler,
                        const std::optional<Kalenderangaben>& kalender = std::nullopt);
    // Why `neu` cannot be the case's calendar settings (start month, Ende, current step, shares,
    // raise, the bonus switch) in its table, or in `tabelle`; "" when it can: the check the dialog
    // shows while the user types.
    std::string kalenderPruefen(const Kalenderangaben& neu) const;
    std::string kalenderPruefen(const Kalenderangaben& neu, const Tariftabelle& tabelle) const;
    // The settings the case would have in `tabelle`: its own, or those resting while it is in the
    // table of 2006.
    Kalenderangaben kalenderIn(const Tariftabelle& tabelle) const;
    // The one change of the calendar settings, the current step among them: the whole settings
    // after the change, checked by `kalenderPruefen`; refused with its reason, the case then
    // unchanged. The settings before are `tabellen().kalender`, so that a change can be put back
    // by setting them again. The durations stay as typed; the caller then runs `starten`. Another
    // Beginn or Ende makes a case set up by the promotion check an ordinary one.
    bool kalenderSetzen(const Kalenderangaben& neu, std::string& fehler);

    // Why `neu` cannot be the case's tax and insurance settings, or "": settings outside their
    // limits or that do not go together (`steuerangabenPruefen`), and any in a case without net
    // pay (`nettolohnGrund`: the table of 2006, no start month). Nothing, net pay switched off, is
    // always accepted.
    std::string steuerPruefen(const std::optional<Steuerangaben>& neu) const;
    // The one change of the tax and insurance settings, checked by `steuerPruefen`; refused with
    // its reason, the case then unchanged. The month pays stay as they are.
    bool steuerSetzen(const std::optional<Steuerangaben>& neu, std::string& fehler);
    // Why the promotion check `h` cannot set up the case, or "": the one check of the dialog while
    // the user types, of the command line and of `hoehergruppierungEinrichten`.
    std::string hoehergruppierungPruefen(const Hoehergruppierung& h) const;
    // The case of the promotion check (`hoehergruppierungAufstellen`): its table by date with its
    // calendar settings, its start group, durations and the names of its cases; the person stays.
    // Refused with the reason of `hoehergruppierungPruefen`, the case then unchanged. The caller
    // then runs `starten` with the start group `tabellen().gruppe(1)`. Its durations stay
    // editable: a change of them, of the start group, of Beginn or of Ende (whose months they
    // count) makes it an ordinary case, called "Normalfall" and "Beispielfall" again.
    bool hoehergruppierungEinrichten(const Hoehergruppierung& h, std::string& fehler);

    // Whom the case is calculated for. Refuses, with a German reason and changing nothing, a field
    // that cannot be saved (`personenangabePruefen`). Nothing is recalculated.
    bool personSetzen(const Personenangaben& person, std::string& fehler);

    // Another case after start-up, from the records of a case file: the table the second record
    // names (the standard table without one; an unknown key is reported through `meldungen`), then
    // the durations, calendar settings, person, the names of the cases and the tax settings.
    // Returns the saved start group; the caller then runs `starten`.
    std::optional<Integer> fallLaden(
        const Einstellungssatz& satz, const Einstellungssatz& tabellensatz,
        const Einstellungssatz& kalendersatz, Meldungen& meldungen,
        const Personenangaben& person = {}, const Fallnamen& namen = {},
        const std::optional<Einstellungssatz>& steuersatz = std::nullopt);
    // Puts back a case as `einstellungssaetze` gave it, without a file: read and restored as
    // `fallLaden` restores a case file, but silently (what it would say was said when the case
    // came in) and with the case file, the settings file and the caption's tariff area as they
    // are. Returns the start group; nothing, and the case unchanged, for records that are no
    // case. The caller then runs `starten`.
    std::optional<Integer> standSetzen(const std::vector<Einstellungssatz>& saetze);
    // The example case of the first start: the default durations, no calendar and no tax settings,
    // in the table of `schluessel` (for a table by date, which needs the start month the example
    // lacks, its side's latest table), without one in the standard table.
    void beispielfallLaden(std::string_view schluessel = {});

  private:
    // Calculates the case in the table of `schluessel`, which the list has; the caption follows.
    void tabelleSetzen(const std::string& schluessel);
    // The case set up by a promotion check becomes an ordinary one: its names go back to the
    // default ones, since its set-up no longer holds.
    void gewoehnlicherFall() { tabellen_.namen = {}; }
    // The start group of the command line, by its label; false with a German reason when the
    // case's table lacks it.
    bool startgruppeVorgeben(const std::string& bezeichnung, std::optional<Integer>& startgruppe,
                             std::string& fehler);
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
    std::optional<Sonderzahlungssaetze> sonderzahlungssaetze_;
    std::string sonderzahlungsfehler_;
    // The net pay of the case as last computed; nothing until it is asked for after a change.
    mutable std::optional<Nettofall> netto_;
    // The years of net pay computed so far: typing into one case leaves the other's years and
    // those before the change as they were.
    mutable Nettojahrspeicher nettojahre_;
    // The table by date the case names while it waits for a start month; empty otherwise.
    std::string nachDatumVorgemerkt_;
    std::string vertretungsgrund_;

    // Puts the given settings over the case's own; false with a German reason, and the case
    // unchanged, when they are refused.
    bool kalenderVorgeben(const Kalendervorgaben& vorgaben, std::string& fehler);
    bool steuerVorgeben(const Steuervorgaben& vorgaben, std::string& fehler);
    // `kalenderPruefen` of `neu` in place of `bisher`, on the case's durations and tables.
    std::string pruefen(const Kalenderangaben& neu, const Kalenderangaben& bisher,
                        const Tariftabelle& tabelle) const;
    // After a case's records are restored: settings its table cannot use rest, and the reason is
    // returned; "" when the table uses them all.
    std::string kalenderNachLaden(const Einstellungssatz& kalendersatz);
    // After a case's records are restored: what to say once of tax settings the case cannot use
    // (its table, no start month). They stay with the case, are saved as read and count again
    // once the case can have net pay; "" when there are none or they count.
    std::string steuerNachLaden() const;
    // Calendar settings the case cannot use in its table (the one of 2006, or settings its table
    // refuses), as the record it was read with: the case is calculated without them, a save writes
    // the record back unchanged, and a table that can use them takes them up again.
    std::optional<Einstellungssatz> ruhenderKalender_;
};

}  // namespace korvalt
