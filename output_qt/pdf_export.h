// The printouts as PDF files from the command line: the same printouts as the buttons, with the
// printer pointed at a file.
#pragma once

#include <filesystem>
#include <ostream>

#include "kommandozeile.h"

namespace korvalt {

// Both need a QApplication. They return the exit status and write German messages to
// `fehlerausgabe`.
int monatslistePdfExportieren(const Aufruf& aufruf,
                              const std::filesystem::path& programmverzeichnis,
                              std::ostream& fehlerausgabe);
// Renders the real window offscreen as the result page.
int ergebnisPdfExportieren(const Aufruf& aufruf, const std::filesystem::path& programmverzeichnis,
                           std::ostream& fehlerausgabe);

// Every export the call asks for (a CSV or PDF month list, the result page), in a running
// QApplication. Returns the first failing status, or 0.
int exportieren(const Aufruf& aufruf, const std::filesystem::path& programmverzeichnis,
                std::ostream& aus, std::ostream& fehlerausgabe);

// Runs `exportieren` inside a QApplication of its own, which uses the offscreen platform when there
// is no display.
int exportierenMitQt(int& argc, char** argv, const Aufruf& aufruf,
                     const std::filesystem::path& programmverzeichnis, std::ostream& aus,
                     std::ostream& fehlerausgabe);

}  // namespace korvalt
