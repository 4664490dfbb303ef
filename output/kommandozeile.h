// The command line: exporting a case without opening the window.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "meldungen.h"
#include "ohnefenster.h"

namespace korvalt {

enum Exitstatus : int { exitGut = 0, exitSchreibfehler = 1, exitEingabefehler = 2 };

struct Aufruf {
    bool hilfe = false;
    std::string monatsliste;    // target file of the month list; "-" is standard output
    std::string ergebnis;       // target file of the result printout
    std::string einstellungen;  // settings file that names the case
    bool fensterOeffnen() const { return !hilfe && monatsliste.empty() && ergebnis.empty(); }
    // PDF files are drawn with Qt's printing, which needs a QApplication.
    bool brauchtQt() const;
};

// Whether a target names a PDF file (".pdf" in any case).
bool istPdfZiel(std::string_view ziel);

std::optional<Aufruf> aufrufLesen(const std::vector<std::string>& argumente, std::string& fehler);
std::string aufrufHilfe();

// Collects the warnings of a run without a window, to print them and end with an error status.
class GesammelteMeldungen : public Meldungen {
  public:
    void warnen(std::string_view titel, std::string_view text) override;
    std::int16_t okAbbrechen(std::string_view, std::string_view) override { return 2; }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

// Fills the settings record as the command line says: the file of --einstellungen (which must exist
// and be usable), else the program's settings file in the working directory (usable, when it is
// there), else the default case. The message for an unusable file is the window's.
bool einstellungenFuerAufruf(const Aufruf& aufruf, TarifDaten& daten, std::string& fehler);

// Loads the case for the command line and computes it; false with a German message when input is
// unreadable.
bool fallRechnen(const Aufruf& aufruf, OhneFenster& fall,
                 const std::filesystem::path& programmverzeichnis, std::string& fehler);

// Writes a text to a file, whole or not at all, or, for "-", to `standardausgabe`.
bool textSchreiben(const std::string& ziel, const std::string& text, std::ostream& standardausgabe,
                   std::string& fehler);

// Runs the CSV export; returns the exit status.
int monatslisteCsvExportieren(const Aufruf& aufruf,
                              const std::filesystem::path& programmverzeichnis, std::ostream& aus,
                              std::ostream& fehlerausgabe);

}  // namespace korvalt
