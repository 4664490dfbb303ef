// The command line: exporting a case without opening the window.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "meldungen.h"
#include "speicherfall.h"

namespace korvalt {

enum Exitstatus : int { exitGut = 0, exitSchreibfehler = 1, exitEingabefehler = 2 };

struct Aufruf {
    bool hilfe = false;
    bool version = false;
    std::string monatsliste;  // target file of the month list; "-" is standard output
    std::string ergebnis;     // target file of the result printout
    std::string jahresliste;  // target file of the year view; "-" is standard output
    std::string vermerk;      // target file of the file note, a PDF file
    bool ohneSonderzahlung = false;
    std::string einstellungen;  // settings file that names the case
    std::string tabelle;        // key of the tariff table, in place of the one the case names
    // --beginn, --teilzeit, --stufe with --seit, --erhoehung with --erhoehung-ab: in place of the
    // case's own calendar settings.
    Kalendervorgaben kalender;
    // --steuerklasse, --kinderfreibetraege, --kirchensteuer, --kinder, --sachsen,
    // --kv-zusatzbeitrag, --privat-kv, --zusatzversorgung: over the case's tax settings.
    Steuervorgaben steuer;
    // --teilzeit-ab, --elternzeit, --sonderurlaub, --sonderurlaub-angerechnet, each repeatable:
    // in place of the case's own periods, for both cases.
    Zeitraeume zeitraeume;
    std::string gruppe;      // --gruppe: the start group by its label ("9a")
    std::string zielgruppe;  // --hoehergruppierung: the group promoted to
    std::string zum;         // --zum: the month of the promotion
    // The promotion check of --hoehergruppierung, which takes the calendar options in place of
    // `kalender` and sets up the case itself.
    std::optional<Hoehergruppierung> hoehergruppierung;
    bool tabellenZeigen = false;
    std::string falldatei;  // case file the window opens on
    // Whether the call writes some output without a window; every option about the case needs one.
    bool ausgabe() const;
    bool fensterOeffnen() const { return !hilfe && !version && !tabellenZeigen && !ausgabe(); }
    // PDF files are drawn with Qt's printing, which needs a QApplication.
    bool brauchtQt() const;
};

// Whether a target names a PDF file (".pdf" in any case).
bool istPdfZiel(std::string_view ziel);

std::optional<Aufruf> aufrufLesen(const std::vector<std::string>& argumente, std::string& fehler);
std::string aufrufHilfe();
// The answer to --version: program name and version.
std::string versionsText();

// Collects the warnings of a run without a window, to print them and end with an error status,
// and apart from them the notes after which the run goes on.
class GesammelteMeldungen : public Meldungen {
  public:
    void warnen(std::string_view titel, std::string_view text) override;
    void hinweisen(std::string_view titel, std::string_view text) override;
    const std::string& hinweise() const { return hinweise_; }
    std::int16_t okAbbrechen(std::string_view, std::string_view) override { return 2; }
    const std::string& text() const { return text_; }
    // The warnings as one error message, without the last line break.
    std::string fehlertext() const {
        return text_.empty() || text_.back() != '\n' ? text_ : text_.substr(0, text_.size() - 1);
    }

  private:
    std::string text_;
    std::string hinweise_;
};

// The start-up the command line asks for: the case of --einstellungen (which must exist and be
// usable), else of the program's settings file in the working directory (usable, when it is
// there), else the example case; in the table of --tabelle, when given; with the start group of
// --gruppe. A promotion check sets up its case from the example case.
Startoptionen startoptionen(const Aufruf& aufruf, const std::filesystem::path& programmverzeichnis);

// Prints the keys of the tables with their captions (--tabellen); returns the exit status.
int tabellenAuflisten(const std::filesystem::path& programmverzeichnis, std::ostream& aus,
                      std::ostream& fehlerausgabe);

// Loads the case for the command line and computes it. Notes the run goes on after, and the
// German message when input is unreadable, go to `fehlerausgabe`; then nothing is returned and the
// run ends with `exitEingabefehler`.
std::unique_ptr<Speicherfall> fallRechnen(const Aufruf& aufruf,
                                          const std::filesystem::path& programmverzeichnis,
                                          std::ostream& fehlerausgabe);

// Writes `text` to standard output `aus` and flushes it; false with a German reason when it could
// not be written (a full disk, a closed pipe).
bool standardausgabeSchreiben(std::ostream& aus, std::string_view text, std::string& fehler);

// Writes a text to a file, whole or not at all, or, for "-", to `standardausgabe`.
bool textSchreiben(const std::string& ziel, const std::string& text, std::ostream& standardausgabe,
                   std::string& fehler);

// Runs the CSV export; returns the exit status.
int monatslisteCsvExportieren(const Aufruf& aufruf,
                              const std::filesystem::path& programmverzeichnis, std::ostream& aus,
                              std::ostream& fehlerausgabe);

}  // namespace korvalt
