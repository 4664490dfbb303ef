// Test helper: dialogs that answer as told and note what they were asked, and a printer dialog
// whose printer writes a PDF file into the test directory.
#pragma once

#include <QPrinter>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialoge.h"

namespace korvalt::test {

class Testdialoge : public Dialoge {
  public:
    explicit Testdialoge(std::filesystem::path verzeichnis)
        : verzeichnis_(std::move(verzeichnis)) {}

    // What the chosen printer printed, and what the preview showed, as PDF files.
    std::filesystem::path papier() const { return verzeichnis_ / "papier.pdf"; }
    std::filesystem::path vorschau() const { return verzeichnis_ / "vorschau.pdf"; }

    // No default printer.
    std::unique_ptr<QPrinter> standarddrucker() override { return nullptr; }
    std::optional<std::string> pdfDateiWaehlen(std::string_view vorschlag) override {
        gefragt.push_back("PDF " + std::string(vorschlag));
        return antwort();
    }
    std::optional<std::string> oeffnenWaehlen(std::string_view titel, std::string_view filter,
                                              std::string_view ordner) override {
        gefragt.push_back(std::string(titel) + " | " + std::string(filter));
        oeffnenIn = ordner;
        return antwort();
    }
    std::optional<std::string> speichernWaehlen(std::string_view titel, std::string_view vorschlag,
                                                std::string_view filter,
                                                std::string_view endung) override {
        gefragt.push_back(std::string(titel) + " | " + std::string(vorschlag) + " | " +
                          std::string(filter) + " | " + std::string(endung));
        return antwort();
    }
    std::optional<Ausdruck> ausdruckWaehlen(std::string_view titel) override {
        gefragt.push_back("Ausdruck? " + std::string(titel));
        return ausdruck;
    }
    bool druckerWaehlen(QPrinter& printer) override {
        gefragt.push_back("Drucker? " + printer.docName().toStdString());
        if (!druckerGewaehlt) return false;
        // As the user who picks "print to file" in the printer dialog.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(papier().string()));
        return true;
    }
    bool vorschauZeigen(std::string_view titel, const Druckvorgang& drucken,
                        std::string& fehler) override {
        gefragt.push_back("Vorschau " + std::string(titel));
        bool gut = false;
        {
            const auto printer = pdfDrucker(vorschau().string());
            gut = drucken(*printer, fehler);
        }
        return gut;
    }
    void hinweisen(std::string_view titel, std::string_view text) override {
        hinweise.push_back(std::string(titel) + ": " + std::string(text));
    }
    Aenderungsantwort aenderungenFragen(std::string_view name) override {
        gefragt.push_back("Änderungen an " + std::string(name) + "?");
        return aenderungsantwort;
    }
    std::optional<Kalenderangaben> kalenderWaehlen(const Kalenderangaben& jetzt,
                                                   const Kalenderpruefung& pruefung) override {
        gefragt.push_back("Kalender?");
        kalenderGezeigt = jetzt;
        kalenderOhne = pruefung.ohneKalender;
        // As the dialog does: OK only for settings the check accepts, and its reason shown.
        kalenderGrund = kalender && pruefung.pruefen ? pruefung.pruefen(*kalender) : "";
        if (!kalenderGrund.empty()) return {};
        return kalender;
    }
    std::optional<Zeitraeume> zeitraeumeWaehlen(const Zeitraeume& jetzt, const Fallnamen&,
                                                const Zeitraumpruefung& pruefung) override {
        gefragt.push_back("Zeiträume?");
        zeitraeumeGezeigt = jetzt;
        zeitraeumeOhne = pruefung.ohneKalender;
        // As the dialog does: OK only for periods the check accepts, and its reason shown.
        zeitraeumeGrund = zeitraeume && pruefung.pruefen ? pruefung.pruefen(*zeitraeume) : "";
        if (!zeitraeumeGrund.empty()) return {};
        return zeitraeume;
    }

    std::optional<Personenangaben> personWaehlen(const Personenangaben& jetzt) override {
        gefragt.push_back("Person?");
        personGezeigt = jetzt;
        return person;
    }
    std::optional<std::optional<Steuerangaben>> steuerWaehlen(
        const std::optional<Steuerangaben>& jetzt, const Steuerpruefung& pruefung) override {
        gefragt.push_back("Steuer?");
        steuerGezeigt = jetzt;
        steuerOhne = pruefung.ohneNetto;
        // As the dialog does: OK only for settings the check accepts.
        if (steuer && pruefung.pruefen && !pruefung.pruefen(*steuer).empty()) return {};
        return steuer;
    }

    std::optional<Hoehergruppierung> hoehergruppierungWaehlen(
        const Hoehergruppierungsvorschlag& vorschlag,
        const Hoehergruppierungspruefung& pruefung) override {
        gefragt.push_back("Höhergruppierung?");
        hoehergruppierungGezeigt = vorschlag;
        hoehergruppierungTabellen.clear();
        for (const Tariftabelle& t : pruefung.tabellen)
            hoehergruppierungTabellen.push_back(t.schluessel);
        // As the dialog does: OK only for a promotion the check accepts, and its reason shown.
        hoehergruppierungGrund =
            hoehergruppierung && pruefung.pruefen ? pruefung.pruefen(*hoehergruppierung) : "";
        if (!hoehergruppierungGrund.empty()) return {};
        return hoehergruppierung;
    }

    // The file the next file dialog answers with, in the test directory; nothing: cancelled.
    std::optional<std::string> datei;
    std::optional<Ausdruck> ausdruck;
    bool druckerGewaehlt = true;
    Aenderungsantwort aenderungsantwort = Aenderungsantwort::verwerfen;
    // What Beginn, Stufe und Teilzeit answers (nothing: cancelled) and what it was shown.
    std::optional<Kalenderangaben> kalender;
    Kalenderangaben kalenderGezeigt;
    std::string kalenderOhne;   // the line why the table has no calendar
    std::string kalenderGrund;  // why the settings in `kalender` were not accepted
    // What Teilzeit und Unterbrechungen answers (nothing: cancelled), what it was shown, the line
    // why the table has none and why the periods in `zeitraeume` were not accepted.
    std::optional<Zeitraeume> zeitraeume;
    Zeitraeume zeitraeumeGezeigt;
    std::string zeitraeumeOhne;
    std::string zeitraeumeGrund;
    // What Angaben zur Person answers (nothing: cancelled) and what it was shown.
    std::optional<Personenangaben> person;
    Personenangaben personGezeigt;
    // What Steuer und Sozialversicherung answers (nothing: cancelled) and what it was shown.
    std::optional<std::optional<Steuerangaben>> steuer;
    std::optional<Steuerangaben> steuerGezeigt;
    std::string steuerOhne;
    // What Höhergruppierung prüfen answers (nothing: cancelled), what it showed first, the tables
    // it offered and why the promotion in `hoehergruppierung` was not accepted.
    std::optional<Hoehergruppierung> hoehergruppierung;
    Hoehergruppierungsvorschlag hoehergruppierungGezeigt;
    std::vector<std::string> hoehergruppierungTabellen;
    std::string hoehergruppierungGrund;
    std::vector<std::string> gefragt;
    std::string oeffnenIn;  // the folder the last open dialog was to start in
    std::vector<std::string> hinweise;

  private:
    std::optional<std::string> antwort() const {
        if (!datei) return std::nullopt;
        return (verzeichnis_ / *datei).string();
    }

    std::filesystem::path verzeichnis_;
};

}  // namespace korvalt::test
