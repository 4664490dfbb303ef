// The file note on paper: one A4 page in portrait, printed or saved as PDF from Datei › Vermerk
// drucken… and from `--vermerk DATEI.pdf`.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "kommandozeile.h"
#include "vermerk.h"

class QPrinter;

namespace korvalt {

// Draws the note on one page of `printer`; false with a German reason when it could not be drawn.
bool vermerkDrucken(const Vermerk& vermerk, QPrinter& printer, std::string& fehler);

// `--vermerk DATEI.pdf`; needs a QApplication, returns the exit status.
int vermerkPdfExportieren(const Aufruf& aufruf, const std::filesystem::path& programmverzeichnis,
                          std::ostream& fehlerausgabe);

}  // namespace korvalt
