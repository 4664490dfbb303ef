// Test helper: a desktop whose default printer writes PDF files into a test directory (or refuses
// the job, or is missing) and whose file dialog answers as told.
#pragma once

#include <QPrinter>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "druckauftrag.h"

namespace korvalt::test {

enum class Standarddrucker { keiner, lehntAb, druckt };

class Testdesktop : public Druckumgebung {
  public:
    Testdesktop(std::filesystem::path verzeichnis, Standarddrucker drucker,
                std::optional<std::string> wahl)
        : verzeichnis_(std::move(verzeichnis)), drucker_(drucker), wahl_(std::move(wahl)) {}

    // The printer's paper: what it printed, as a PDF file.
    std::filesystem::path papier() const { return verzeichnis_ / "papier.pdf"; }

    std::unique_ptr<QPrinter> standarddrucker() override {
        switch (drucker_) {
            case Standarddrucker::keiner:
                return nullptr;
            case Standarddrucker::lehntAb:
                return pdfDrucker((verzeichnis_ / "fehlt" / "papier.pdf").string());
            case Standarddrucker::druckt:
                return pdfDrucker(papier().string());
        }
        return nullptr;
    }
    std::optional<std::string> pdfDateiWaehlen(std::string_view vorschlag) override {
        vorschlaege.emplace_back(vorschlag);
        if (!wahl_) return std::nullopt;
        return (verzeichnis_ / *wahl_).string();
    }

    std::vector<std::string> vorschlaege;

  private:
    std::filesystem::path verzeichnis_;
    Standarddrucker drucker_;
    std::optional<std::string> wahl_;
};

}  // namespace korvalt::test
