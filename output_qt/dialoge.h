// The dialogs the menu items need besides message boxes: file dialogs, the choice of printout, the
// printer dialog and the print preview. They extend what a printout needs from the desktop
// (Druckumgebung), so that buttons and menus share one object; tests swap it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "druckauftrag.h"
#include "hilfefenster.h"
#include "hoehergruppierungsdialog.h"
#include "kalenderangaben.h"
#include "kalenderdialog.h"
#include "personenangaben.h"
#include "steuerdialog.h"
#include "zeitraumdialog.h"

namespace korvalt {

// The answers to the question whether a changed case is saved before it goes.
enum class Aenderungsantwort { speichern, verwerfen, abbrechen };

// File names come and go as the system's bytes, which need not be UTF-8.
class Dialoge : public Druckumgebung {
  public:
    // The file to open, nothing when the user cancels. `filter` as Qt writes it:
    // "Korvalt-Fälle (*.korvalt);;Alle Dateien (*)". The dialog starts in `ordner` (the open case
    // file's), or without one in the folder used last.
    virtual std::optional<std::string> oeffnenWaehlen(std::string_view titel,
                                                      std::string_view filter,
                                                      std::string_view ordner) = 0;
    // The file to write, proposing `vorschlag` (without a folder: in the folder used last); a name
    // typed without any ending gets `endung` ("korvalt", no dot), a name with an ending is taken
    // as typed. Nothing when the user cancels.
    virtual std::optional<std::string> speichernWaehlen(std::string_view titel,
                                                        std::string_view vorschlag,
                                                        std::string_view filter,
                                                        std::string_view endung) = 0;
    // Which printout, asked before the printer dialog or the preview; nothing when cancelled.
    virtual std::optional<Ausdruck> ausdruckWaehlen(std::string_view titel) = 0;
    // The printer dialog on `printer`; false when the user cancels.
    virtual bool druckerWaehlen(QPrinter& printer) = 0;
    // The print preview of a printout, which can also be printed from there. Returns after the
    // preview is closed; false with a German reason when a page could not be drawn.
    virtual bool vorschauZeigen(std::string_view titel, const Druckvorgang& drucken,
                                std::string& fehler) = 0;
    // A modal box with information and OK (Über Korvalt).
    virtual void hinweisen(std::string_view titel, std::string_view text) = 0;
    // "Änderungen an „NAME“ speichern?" with Speichern, Verwerfen and Abbrechen; closing the box
    // is Abbrechen.
    virtual Aenderungsantwort aenderungenFragen(std::string_view name) = 0;
    // Beginn, Stufe und Teilzeit, showing the case's settings `jetzt`: the settings entered,
    // accepted by `pruefung`; nothing when the user cancels.
    virtual std::optional<Kalenderangaben> kalenderWaehlen(const Kalenderangaben& jetzt,
                                                           const Kalenderpruefung& pruefung) = 0;
    // Teilzeit und Unterbrechungen, showing the case's periods `jetzt` and its cases by `namen`:
    // the periods entered, accepted by `pruefung`; nothing when the user cancels.
    virtual std::optional<Zeitraeume> zeitraeumeWaehlen(const Zeitraeume& jetzt,
                                                        const Fallnamen& namen,
                                                        const Zeitraumpruefung& pruefung) = 0;
    // Angaben zur Person, showing the case's person `jetzt`: the person entered, each field
    // checked as the dialog checks it; nothing when the user cancels.
    virtual std::optional<Personenangaben> personWaehlen(const Personenangaben& jetzt) = 0;
    // Steuer und Sozialversicherung, showing the case's settings `jetzt` (nothing: no net pay):
    // the settings entered, accepted by `pruefung`, and nothing inside for net pay switched off;
    // nothing at all when the user cancels.
    virtual std::optional<std::optional<Steuerangaben>> steuerWaehlen(
        const std::optional<Steuerangaben>& jetzt, const Steuerpruefung& pruefung) = 0;
    // Höhergruppierung prüfen, showing `vorschlag`: the promotion entered, accepted by
    // `pruefung`; nothing when the user cancels.
    virtual std::optional<Hoehergruppierung> hoehergruppierungWaehlen(
        const Hoehergruppierungsvorschlag& vorschlag,
        const Hoehergruppierungspruefung& pruefung) = 0;
};

// Qt's dialogs over `eltern`, and the desktop's default printer. F1 in the program's own dialogs
// opens their section of the help through `hilfe`.
class Desktopdialoge : public Dialoge {
  public:
    explicit Desktopdialoge(QWidget* eltern, Hilfeaufruf hilfe = {})
        : eltern_(eltern), hilfe_(std::move(hilfe)), druck_(eltern) {}

    std::unique_ptr<QPrinter> standarddrucker() override;
    std::optional<std::string> pdfDateiWaehlen(std::string_view vorschlag) override;
    std::optional<std::string> oeffnenWaehlen(std::string_view titel, std::string_view filter,
                                              std::string_view ordner) override;
    std::optional<std::string> speichernWaehlen(std::string_view titel, std::string_view vorschlag,
                                                std::string_view filter,
                                                std::string_view endung) override;
    std::optional<Ausdruck> ausdruckWaehlen(std::string_view titel) override;
    bool druckerWaehlen(QPrinter& printer) override;
    bool vorschauZeigen(std::string_view titel, const Druckvorgang& drucken,
                        std::string& fehler) override;
    void hinweisen(std::string_view titel, std::string_view text) override;
    Aenderungsantwort aenderungenFragen(std::string_view name) override;
    std::optional<Kalenderangaben> kalenderWaehlen(const Kalenderangaben& jetzt,
                                                   const Kalenderpruefung& pruefung) override;
    std::optional<Zeitraeume> zeitraeumeWaehlen(const Zeitraeume& jetzt, const Fallnamen& namen,
                                                const Zeitraumpruefung& pruefung) override;
    std::optional<Personenangaben> personWaehlen(const Personenangaben& jetzt) override;
    std::optional<std::optional<Steuerangaben>> steuerWaehlen(
        const std::optional<Steuerangaben>& jetzt, const Steuerpruefung& pruefung) override;
    std::optional<Hoehergruppierung> hoehergruppierungWaehlen(
        const Hoehergruppierungsvorschlag& vorschlag,
        const Hoehergruppierungspruefung& pruefung) override;

  private:
    QWidget* eltern_;
    Hilfeaufruf hilfe_;
    Desktopdruck druck_;
};

}  // namespace korvalt
