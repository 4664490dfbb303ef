// TarifDaten, the state shared by the whole run: month names, case record, tariff names, settings
// records, the tables of the tariff file and the counters.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include <filesystem>
#include <vector>

#include "festertext.h"
#include "meldungen.h"
#include "reihen.h"
#include "tariftabellen.h"

namespace korvalt {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;

// The case record: of its 21 elements, three carry meaning.
struct Fall {
    Reihe<Integer, 0, 20> werte;
    Integer& nummer() { return werte(0); }
    Integer& tarif() { return werte(4); }
    Integer& standmonat() { return werte(20); }
    Integer nummer() const { return werte(0); }
    Integer tarif() const { return werte(4); }
    Integer standmonat() const { return werte(20); }
};

inline constexpr std::size_t einstellungssatzLaenge = 75;

// 75 bytes; the start group and the step durations are stored as byte codes, not as digits.
using Einstellungssatz = std::array<unsigned char, einstellungssatzLaenge>;

// A record this version cannot read (of a kind it does not know, or damaged), kept to be written
// back as it was read: after the first `nach` records the case itself writes.
struct BehaltenerSatz {
    Einstellungssatz satz;
    std::size_t nach = 0;
    bool operator==(const BehaltenerSatz&) const = default;
};

struct TarifDaten {
    Reihe<FesterText<40>, 0, 11> monatsname;
    Reihe<FesterText<35>, 0, 0> fallname;
    Reihe<FesterText<35>, 0, 12> tarifname;
    Integer ost = 0;
    std::string gebiet;
    Fall fall;
    Integer satzbasis = 0;
    Integer tarifjahr = 2006;
    Integer tarifdatei = 14;
    Reihe<Long, 1, 27> tarifsatz;
    Integer monatsanzahl = 0;

    // The tables of the tariff file.
    Tabellenkatalog tabellenkatalog;
};

class Tarifdatei;

// Opens the tariff file for the whole run, takes its list of tables, names the case, the tariff
// area and the tariff year.
void tarifdateiöffnen(TarifDaten& daten, Tarifdatei& datei,
                      const std::vector<std::filesystem::path>& suchorte, Meldungen& meldungen);

// The window caption: "Korvalt für TVöD-Gemeinden (VKA), Tariftabellen Stand JANUAR 2006 WEST", or
// with the caption of the case's table, "…, Tariftabellen Stand MAI 2026".
std::string fenstertitel(const TarifDaten& daten, Integer tarif, const Tariftabelle& tabelle);

}  // namespace korvalt
