// Builds the tariff file "zelbar06.1tr" and the list of tables beside it from tarif/tabellen.txt
// and the tables it names (monthly pay in euro cents, CSV, one line per group).
//
// Each table is a block of 20 records, the first line of the list (the table of 2006) from record
// 200, the next from 220 and so on; all other records are zero. The list is copied unchanged, so
// the program reads the same lines the file was built from.
#include <cstdint>
#include <fstream>
#include <iostream>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "sicheredatei.h"
#include "tarifdateiformat.h"
#include "tariftabellen.h"

namespace {

using namespace korvalt;

// One line of a table: the group label and six cells, an empty cell for a step the group lacks.
bool zeileLesen(const std::string& zeile, std::string& gruppe, std::int32_t (&cent)[tarifStufen]) {
    std::vector<std::string> teile;
    std::stringstream strom(zeile);
    std::string teil;
    while (std::getline(strom, teil, ';')) teile.push_back(teil);
    if (!zeile.empty() && zeile.back() == ';') teile.emplace_back();
    if (teile.size() != 1 + tarifStufen) return false;
    gruppe = teile[0];
    for (int stufe = 1; stufe <= tarifStufen; ++stufe) {
        const std::string& zelle = teile[std::size_t(stufe)];
        if (zelle.empty()) {
            cent[stufe - 1] = keineStufe;
            continue;
        }
        try {
            std::size_t gelesen = 0;
            const long long wert = std::stoll(zelle, &gelesen);
            if (gelesen != zelle.size() || wert < 0 ||
                wert > std::numeric_limits<std::int32_t>::max())
                return false;
            cent[stufe - 1] = static_cast<std::int32_t>(wert);
        } catch (...) {
            return false;
        }
    }
    return true;
}

bool tabelleEintragen(const Tariftabelle& tabelle, const std::string& csv,
                      std::vector<unsigned char>& inhalt) {
    std::ifstream quelle(csv);
    if (!quelle) {
        std::cerr << "Die Tariftabelle \u201E" << csv << "\u201C kann nicht gelesen werden.\n";
        return false;
    }
    std::vector<bool> gesehen(std::size_t(tabelle.gruppenzahl()) + 1, false);
    std::string zeile;
    std::getline(quelle, zeile);  // the heading
    int nummer = 1;
    while (std::getline(quelle, zeile)) {
        ++nummer;
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        if (zeile.empty()) continue;
        std::string bezeichnung;
        std::int32_t cent[tarifStufen];
        const bool gelesen = zeileLesen(zeile, bezeichnung, cent);
        const auto gruppe = tabelle.gruppennummer(bezeichnung);
        if (!gelesen || !gruppe || gesehen[std::size_t(*gruppe)]) {
            std::cerr << csv << ":" << nummer << ": erwartet: eine Gruppe der Tabelle "
                      << tabelle.schluessel
                      << " (einmal) und sechs Beträge in Cent, leer für eine fehlende Stufe\n";
            return false;
        }
        gesehen[std::size_t(*gruppe)] = true;
        unsigned char* satz =
            inhalt.data() + std::size_t(tabelle.satznummer(*gruppe) - 1) * tarifsatzLaenge;
        for (int stufe = 1; stufe <= tarifStufen; ++stufe)
            elementSchreiben(satz, stufe, cent[stufe - 1]);
    }
    for (int g = 1; g <= tabelle.gruppenzahl(); ++g) {
        if (!gesehen[std::size_t(g)]) {
            std::cerr << csv << ": EGr. " << tabelle.gruppenbezeichnung(g) << " fehlt\n";
            return false;
        }
    }
    return true;
}

// Writes a whole file through a temporary one that then replaces the target.
bool schreiben(const std::string& ziel, const std::string& inhalt) {
    std::string fehler;
    if (korvalt::dateiSchreiben(ziel, inhalt, fehler)) return true;
    std::cerr << fehler << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Aufruf: tarifdatei_bauen tabellen.txt ZIELDATEI\n"
                     "Schreibt ZIELDATEI und daneben die Liste der Tabellen \""
                  << tabellenlisteName << "\".\n";
        return 2;
    }
    const std::filesystem::path liste = argv[1];
    const std::filesystem::path ziel = argv[2];
    std::ifstream quelle(liste, std::ios::binary);
    if (!quelle) {
        std::cerr << "Die Liste der Tabellen \u201E" << liste.string()
                  << "\u201C kann nicht gelesen werden.\n";
        return 1;
    }
    const std::string text((std::istreambuf_iterator<char>(quelle)), {});
    std::istringstream zeilen(text);
    std::string fehler;
    const auto katalog = tabellenlisteLesen(zeilen, fehler);
    if (!katalog) {
        std::cerr << liste.string() << ": " << fehler << "\n";
        return 1;
    }
    std::vector<unsigned char> inhalt(std::size_t(katalog->saetzeNoetig()) * tarifsatzLaenge, 0);
    for (const auto& tabelle : katalog->tabellen())
        if (!tabelleEintragen(tabelle, (liste.parent_path() / tabelle.quelle).string(), inhalt))
            return 1;
    const bool gut = schreiben(ziel.string(), std::string(inhalt.begin(), inhalt.end())) &&
                     schreiben((ziel.parent_path() / tabellenlisteName).string(), text);
    return gut ? 0 : 1;
}
