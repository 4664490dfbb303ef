// The rates of the annual bonus (Jahressonderzahlung) by employer side, calendar year and band of
// pay groups, read from "jahressonderzahlung.csv" beside the tariff file.
#pragma once

#include <array>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arbeitgeberseite.h"

namespace korvalt {

inline constexpr const char* sonderzahlungssaetzeName = "jahressonderzahlung.csv";

// The three bands the rates distinguish: EGr. 1–8, 9a–12, 13–15.
enum class Entgeltband { egr1bis8, egr9bis12, egr13bis15 };

// The band of a group by its label's number: "8" -> 1–8, "9a" and "12" -> 9a–12, "13" -> 13–15.
Entgeltband entgeltband(std::string_view gruppenbezeichnung);

class Sonderzahlungssaetze {
  public:
    struct Zeile {
        Arbeitgeberseite seite = Arbeitgeberseite::vka;
        int abJahr = 0;             // the first calendar year of the rates
        std::array<int, 3> satz{};  // hundredths of a percent, by band
    };

    // Lines of one side ordered by ascending year.
    explicit Sonderzahlungssaetze(std::vector<Zeile> zeilen) : zeilen_(std::move(zeilen)) {}

    // The rate in hundredths of a percent (8500 = 85 %): the line of the side with the latest year
    // up to `jahr`. Nothing for a side the file lacks or a year before its first line.
    std::optional<int> satz(Arbeitgeberseite seite, int jahr, Entgeltband band) const;

  private:
    std::vector<Zeile> zeilen_;
};

// Reads the file: a heading line, then "side (vka or bund);first year;rate 1–8;rate 9a–12;rate
// 13–15", the rates in hundredths of a percent, the years of a side ascending. Nothing, and a
// German reason with the line number, when it is not sound.
std::optional<Sonderzahlungssaetze> sonderzahlungssaetzeLesen(std::istream& quelle,
                                                              std::string& fehler);

// The file in `verzeichnis` (where the tariff file was found). Nothing, and a German reason, when
// it is missing or damaged; the caller decides whether that needs saying.
std::optional<Sonderzahlungssaetze> sonderzahlungssaetzeLaden(
    const std::filesystem::path& verzeichnis, std::string& fehler);

}  // namespace korvalt
