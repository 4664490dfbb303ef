// Shows a case on the display fields and runs the recalculations the board asks for: each named
// step of the calculation (`starten`, `fortschreiten`, `vergleichen`) computes through the Rechner
// and then writes its results into the fields.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "anzeigefelder.h"
#include "einstellungsdatei.h"
#include "gittermonate.h"
#include "meldungen.h"
#include "sitzung.h"

namespace korvalt {

class Fallanzeige {
  public:
    Fallanzeige(Sitzung& sitzung, Anzeigefelder& felder) : sitzung_(sitzung), felder_(felder) {}

    // The start-up up to the first complete result: the session's start-up, caption, grid
    // headings, the start group and every duration into their fields, then `starten`. Returns why
    // the case could not be opened, empty when it is open; then the fields stay as they were.
    std::string laden(const Startoptionen& optionen, Meldungen& meldungen);

    // Another case after start-up, from the records of a case file as read: the table its record
    // names (the standard table without one; an unknown key is reported through `meldungen`), the
    // calendar settings, the tax settings, the person, the durations and the start group, shown,
    // then `starten`; the reader's notice of records passed over goes to `meldungen` too. A first
    // record that does not begin with "st" changes nothing; then false.
    bool fallLaden(const Einstellungslesung& lesung, Meldungen& meldungen);

    // Puts back a case as it was (an undo step) and shows it as opening it would: caption, start
    // group and durations, then `starten`; nothing is said.
    void standZeigen(const Fallangaben& fall);

    // The example case of the first start: the default durations and the design's start group,
    // in the table of `schluessel` as Sitzung::beispielfallLaden takes it.
    void beispielfallLaden(std::string_view schluessel = {});

    // A short note for the status line: a value typed was limited ("600 Monate ist die
    // Obergrenze"). Without a receiver the note goes nowhere.
    void setzeMeldung(std::function<void(const std::string&)> melden) {
        melden_ = std::move(melden);
    }
    void melden(const std::string& text) {
        if (melden_) melden_(text);
    }

    // Runs after every recalculation, once its results are shown.
    void setzeNachRechnung(std::function<void()> arbeit) { nachRechnung_ = std::move(arbeit); }
    // Another view of the case that follows each recalculation, after the work set before.
    void nachRechnungAnhaengen(std::function<void()> arbeit) {
        nachRechnung_ = [vorher = std::move(nachRechnung_), arbeit = std::move(arbeit)] {
            if (vorher) vorher();
            arbeit();
        };
    }

    // The full recalculation for the start group in the field Startgruppe.
    void starten();
    // The progression of one case, after one of its durations changed.
    void fortschreiten(Seite seite);
    void vergleichen();

    // Writes the stored durations of both cases into their input fields.
    void dauernZeigen();

    // Calculates the case in another table of the tariff file: the start group keeps its label
    // where the table has it, the durations stay, the caption follows; with `kalender`, those
    // calendar settings come with it. A table the case cannot be calculated in changes nothing;
    // then false with the reason in `fehler`.
    bool tabelleWechseln(const Tariftabelle& neu, std::string& fehler,
                         const std::optional<Kalenderangaben>& kalender = std::nullopt);

    // The case of a promotion check (`Sitzung::hoehergruppierungEinrichten`), shown with its start
    // group, its durations and its names, then `starten`. A check the Sitzung refuses changes
    // nothing; then false with the reason in `fehler`.
    bool hoehergruppierungEinrichten(const Hoehergruppierung& h, std::string& fehler);

    // The table the case is calculated in.
    const Tariftabelle& tabelle() const { return sitzung_.tabelle(); }

    Sitzung& sitzung() { return sitzung_; }
    Anzeigefelder& felder() { return felder_; }

  private:
    void fallZeigen(std::optional<Integer> startgruppe);
    void gitterVorbereiten();
    void kopfZeigen();
    void spaltenZeigen();
    void seiteZeigen(Seite seite);
    void stufeZeigen(Seite seite, int spalte, int stufe);
    void monatZeigen(FeldId feld, Integer monat, const std::string& wovon,
                     const std::string& gruppe);
    void vergleichZeigen();

    Sitzung& sitzung_;
    Anzeigefelder& felder_;
    // The month rows the grid store builds when they are read.
    Gittermonate monate_;
    std::function<void()> nachRechnung_;
    std::function<void(const std::string&)> melden_;
};

}  // namespace korvalt
