// A printout sent to the default printer, or to a PDF file: when there is no printer or it refuses
// the job, the user is told and offered a PDF file instead.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "meldungen.h"

class QPrinter;
class QWidget;

namespace korvalt {

class Korvaltei;

// Runs one printout on the given printer; false with a German reason when it failed.
using Druckvorgang = std::function<bool(QPrinter&, std::string& fehler)>;

// The two printouts.
enum class Ausdruck { ergebnis, monatsliste };

// The name the printouts give the case: the case file's name without its ending when the window
// shows one ("Müller 2026"), otherwise the case's stored name ("Beispielfall").
std::string fallbezeichnung(Korvaltei& fenster);

// A file proposed for an output of the case, in the case file's folder when there is a case file;
// otherwise the name alone, which the dialog puts in the folder used last.
std::string vorschlagBeimFall(Korvaltei& fenster, const std::string& name);
// The PDF file proposed for a printout, "Müller 2026 – Monatsliste.pdf", beside the case file.
std::string pdfVorschlag(Korvaltei& fenster, Ausdruck was);

// What a printout needs from the desktop besides message boxes; tests swap it.
class Druckumgebung {
  public:
    virtual ~Druckumgebung() = default;
    // The default printer, or nothing when none is set up.
    virtual std::unique_ptr<QPrinter> standarddrucker() = 0;
    // The PDF file to write instead, asked with a file dialog; nothing when the user cancels. A
    // proposal without a folder starts in the folder used last. The name ends in ".pdf": a name
    // typed without it gets it before the user is asked whether to replace a file of that name.
    virtual std::optional<std::string> pdfDateiWaehlen(std::string_view vorschlag) = 0;
};

// The desktop's default printer and a file dialog over `eltern`.
class Desktopdruck : public Druckumgebung {
  public:
    explicit Desktopdruck(QWidget* eltern) : eltern_(eltern) {}
    std::unique_ptr<QPrinter> standarddrucker() override;
    std::optional<std::string> pdfDateiWaehlen(std::string_view vorschlag) override;

    // Where a file dialog starts: a proposal with a folder there, one without in the folder of
    // the file chosen last in any file dialog, at first the working directory.
    std::filesystem::path imOrdner(std::string_view vorschlag) const;
    void ordnerMerken(const std::filesystem::path& datei) { letzterOrdner_ = datei.parent_path(); }

  private:
    QWidget* eltern_;
    std::filesystem::path letzterOrdner_;
};

// A printer that writes an A4 PDF file.
std::unique_ptr<QPrinter> pdfDrucker(const std::string& datei);

// Writes the printout as a PDF file, whole or not at all: the file Qt wrote replaces `datei` only
// when it is a complete PDF file and has reached the disk. A read-only `datei` is not replaced.
bool pdfSchreiben(const std::string& datei, const Druckvorgang& drucken, std::string& fehler);
// The same on a PDF printer set up elsewhere (the printer dialog's "print to file"), keeping its
// page settings.
bool pdfSchreiben(QPrinter& printer, const std::string& datei, const Druckvorgang& drucken,
                  std::string& fehler);

// Prints on a printer the printer dialog set up. A file target there ("print to file") is written
// as every other file is, whole or not at all, and named in `datei`; on paper `datei` stays
// empty. False with a German reason.
bool druckerDrucken(QPrinter& printer, const Druckvorgang& drucken, std::string& fehler,
                    std::filesystem::path& datei);

// Prints on the default printer; without one, or when it refuses the job, explains why and offers
// to save `was` ("die Monatsliste") as a PDF file, proposing `vorschlag` as its name. True when the
// printout was printed or saved.
bool druckenOderPdf(const Druckvorgang& drucken, std::string_view was, std::string_view vorschlag,
                    Druckumgebung& umgebung, Meldungen& meldungen);

}  // namespace korvalt
