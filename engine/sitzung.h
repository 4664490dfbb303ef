// The running program around one case: the tariff data read at start-up, the current case (a
// value, `Fallangaben`), and what is derived from it (the Rechner's month rows, the net pay),
// each kept with the inputs it was computed from. The window, the command line and the tests each
// hold one; a change of the case is a function of `fallaenderungen.h` handed to `aendern`.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "einstellungsdatei.h"
#include "einstellungssatz.h"
#include "fallaenderungen.h"
#include "fallstart.h"
#include "falltabellen.h"
#include "meldungen.h"
#include "nettofall.h"
#include "nettojahrspeicher.h"
#include "rechner.h"
#include "sonderzahlungssaetze.h"
#include "tarifdatei.h"
#include "tarifdaten.h"

namespace korvalt {

class Sitzung {
  public:
    // The start-up up to the first calculation: the settings file, month names, focus, tariff
    // file, the case read (`fallLesen`) or the example case, the command line's settings over it
    // (`vorgabenAnwenden`). The caller then runs `starten` with the start group it shows.
    Eroeffnung oeffnen(const Startoptionen& optionen, Meldungen& meldungen);

    // The case, and its one way to change: a changed case, or the reason it was refused (then
    // false with the reason in `fehler`, the case unchanged).
    const Fallangaben& fall() const { return tabellen_; }
    bool aendern(const Ergebnis<Fallangaben>& neu, std::string& fehler);
    // Puts a case in place, as undo does; the caller then runs `starten`.
    void fallSetzen(const Fallangaben& neu) { static_cast<Fallangaben&>(tabellen_) = neu; }
    const Tabellenkatalog& katalog() const { return daten_.tabellenkatalog; }

    // The records the case is saved as, with the start group as `startgruppentext` names it.
    std::vector<Einstellungssatz> einstellungssaetze(std::string_view startgruppentext) const;
    // Writes them to `datei`, whole or not at all; false with the reason in `fehler`.
    bool speichern(std::string_view startgruppentext, const std::filesystem::path& datei,
                   std::string& fehler) const;

    const TarifDaten& daten() const { return daten_; }
    // The case with what its last calculation derived.
    const Falltabellen& tabellen() const { return tabellen_; }
    const Rechner& rechner() const { return rechner_; }
    const Tarifdatei& tarifdatei() const { return tarifdatei_; }
    const Tariftabelle& tabelle() const { return rechner_.tabelle(); }
    // The window caption: the tariff area as the case named it at start-up, and the table.
    std::string titel() const { return fenstertitel(daten_, titeltarif_, tabelle()); }
    // The settings file the case came from and that Speichern writes.
    const std::filesystem::path& einstellungsdatei() const { return einstellungsdatei_; }
    // The rates of the annual bonus read at start-up beside the tariff file; null when they are
    // missing or damaged, and then `sonderzahlungsfehler` says what is wrong with them.
    const Sonderzahlungssaetze* sonderzahlungssaetze() const {
        return sonderzahlungssaetze_ ? &*sonderzahlungssaetze_ : nullptr;
    }
    const std::string& sonderzahlungsfehler() const { return sonderzahlungsfehler_; }
    std::string vertretungsgrund() const { return korvalt::vertretungsgrund(fall(), katalog()); }
    // The notice after opening a case: the reader's `hinweis`, then the reason for another table.
    std::string oeffnungshinweis(const std::string& hinweis) const;

    // The net pay of both cases as the last calculation left them; null for a case without tax
    // settings and for one that cannot use them. Computed when asked for and kept while the case
    // and its month pays are the same.
    const Nettofall* netto() const;
    std::string nettoGrund() const { return korvalt::nettoGrund(fall(), katalog()); }
    // The case calculated without its interruptions, for how much later its steps come; null for
    // a case without any. Kept while the case is the same, with its step dates' lines
    // (`stufendatenDesFalls`).
    const Falltabellen* ohneUnterbrechungen() const;
    const std::vector<std::string>& stufendatenzeilen() const;

    // The calculation's steps, as the Rechner runs them. Another start group makes a case set up
    // by the promotion check an ordinary one.
    void starten(Integer startgruppe);
    void fortschreiten(Seite seite) { rechner_.fortschreiten(seite); }
    void vergleichen() { rechner_.vergleichen(); }
    // The input the arrow buttons act on.
    void fokusSetzen(Fokusart art, Integer seite, Integer spalte, Integer stufe);

    // Each change of `fallaenderungen.h` on the current case.
    void dauerSetzen(Seite seite, int spalte, int stufe, Integer wert) {
        fallSetzen(mitDauer(fall(), seite, spalte, stufe, wert));
    }
    bool tabelleWaehlen(std::string_view schluessel, std::string& fehler,
                        const std::optional<Kalenderangaben>& kalender = std::nullopt) {
        return aendern(mitTabelle(fall(), schluessel, katalog(), kalender), fehler);
    }
    std::string kalenderPruefen(const Kalenderangaben& neu) const {
        return korvalt::kalenderPruefen(fall(), neu, tabelle(), katalog());
    }
    std::string kalenderPruefen(const Kalenderangaben& neu, const Tariftabelle& t) const {
        return korvalt::kalenderPruefen(fall(), neu, t, katalog());
    }
    Kalenderangaben kalenderIn(const Tariftabelle& t) const {
        return korvalt::kalenderIn(fall(), t);
    }
    bool kalenderSetzen(const Kalenderangaben& neu, std::string& fehler) {
        return aendern(mitKalender(fall(), neu, katalog()), fehler);
    }
    std::string steuerPruefen(const std::optional<Steuerangaben>& neu) const {
        return korvalt::steuerPruefen(fall(), neu, katalog());
    }
    bool steuerSetzen(const std::optional<Steuerangaben>& neu, std::string& fehler) {
        return aendern(mitSteuer(fall(), neu, katalog()), fehler);
    }
    std::string hoehergruppierungPruefen(const Hoehergruppierung& h) const {
        return korvalt::hoehergruppierungPruefen(fall(), h, katalog());
    }
    bool hoehergruppierungEinrichten(const Hoehergruppierung& h, std::string& fehler) {
        return aendern(mitHoehergruppierung(fall(), h, katalog()), fehler);
    }
    bool personSetzen(const Personenangaben& person, std::string& fehler) {
        return aendern(mitPerson(fall(), person), fehler);
    }
    // Another case after start-up, from a case file as read: its notices go to `meldungen`.
    // Returns the saved start group, nothing for records that are no case; the caller then runs
    // `starten`.
    std::optional<Integer> fallLaden(const Einstellungslesung& lesung, Meldungen& meldungen);
    // The example case of the first start in the table of `schluessel` (`beispielfall`).
    void beispielfallLaden(std::string_view schluessel = {}) {
        fallSetzen(beispielfall(katalog(), schluessel));
    }

  private:
    // The case a start-up opens: read from the settings file, or the example case.
    Eroeffnung startfallLaden(const Startoptionen& optionen, const Einstellungslesung& lesung,
                              Meldungen& meldungen);

    TarifDaten daten_;
    Falltabellen tabellen_;
    // Reading moves the file's position; what it holds stays.
    mutable Tarifdatei tarifdatei_;
    Rechner rechner_{daten_, tabellen_, tarifdatei_};
    // The tariff-area index the caption was built with at start-up: once the first pay table is
    // read, the index in the case record no longer names the entry that holds the area's name.
    Integer titeltarif_ = 0;
    std::filesystem::path einstellungsdatei_ = einstellungsdateiName;
    std::optional<Sonderzahlungssaetze> sonderzahlungssaetze_;
    std::string sonderzahlungsfehler_;
    // The net pay as last computed, with every input it was computed from.
    struct Nettostand {
        Fallangaben fall;
        Monatscent centN, centI;
        Monatszahlen gruppeN, gruppeI;
        Reihe<Integer, 1, 2> letztermonat;
        bool operator==(const Nettostand&) const = default;
    };
    mutable std::optional<std::pair<Nettostand, Nettofall>> netto_;
    struct Ohne {
        Fallangaben fall;
        std::unique_ptr<Falltabellen> tabellen;
        std::optional<std::vector<std::string>> zeilen;
    };
    mutable std::optional<Ohne> ohne_;
    // The years of net pay computed so far: typing into one case leaves the other's years and
    // those before the change as they were.
    mutable Nettojahrspeicher nettojahre_;
};

}  // namespace korvalt
