// Builds the tariff data file "zelbar06.1tr" from the table of monthly pay in euro cents (CSV,
// groups 15..1).
//
// The file holds 214 records of 108 bytes: record 215 - g is pay group g (steps 1..6 in cents, the
// 21 reserved elements 0); records 1..199 are all zero.
#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "sicheredatei.h"

namespace {

constexpr int satzLaenge = 108;
constexpr int saetze = 214;

bool zeileLesen(const std::string& zeile, std::array<long long, 7>& werte) {
    std::stringstream teile(zeile);
    std::string teil;
    for (std::size_t i = 0; i < werte.size(); ++i) {
        if (!std::getline(teile, teil, ';')) return false;
        try {
            std::size_t gelesen = 0;
            werte[i] = std::stoll(teil, &gelesen);
            if (gelesen != teil.size() && teil.substr(gelesen) != "\r") return false;
        } catch (...) {
            return false;
        }
    }
    return !std::getline(teile, teil, ';');
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Aufruf: tarifdatei_bauen TABELLE.csv ZIELDATEI\n";
        return 2;
    }
    std::ifstream quelle(argv[1]);
    if (!quelle) {
        std::cerr << "Die Tariftabelle \u201E" << argv[1] << "\u201C kann nicht gelesen werden.\n";
        return 1;
    }
    std::vector<unsigned char> inhalt(std::size_t{saetze} * satzLaenge, 0);
    std::array<bool, 16> gesehen{};
    std::string zeile;
    std::getline(quelle, zeile);  // the heading
    int nummer = 1;
    while (std::getline(quelle, zeile)) {
        ++nummer;
        if (zeile.empty() || zeile == "\r") continue;
        std::array<long long, 7> werte{};
        if (!zeileLesen(zeile, werte) || werte[0] < 1 || werte[0] > 15 || gesehen[werte[0]]) {
            std::cerr << argv[1] << ":" << nummer
                      << ": erwartet: EGr. 1..15 (einmal) und sechs Beträge in Cent\n";
            return 1;
        }
        gesehen[werte[0]] = true;
        const std::size_t satz = static_cast<std::size_t>(215 - werte[0]);
        for (int stufe = 1; stufe <= 6; ++stufe) {
            const auto wert = static_cast<std::uint32_t>(static_cast<std::int32_t>(werte[stufe]));
            const std::size_t stelle = (satz - 1) * satzLaenge + 4 * (stufe - 1);
            for (int b = 0; b < 4; ++b)
                inhalt[stelle + b] = static_cast<unsigned char>(wert >> (8 * b));
        }
    }
    for (int g = 1; g <= 15; ++g) {
        if (!gesehen[g]) {
            std::cerr << argv[1] << ": EGr. " << g << " fehlt\n";
            return 1;
        }
    }
    std::string fehler;
    const std::string_view bytes(reinterpret_cast<const char*>(inhalt.data()), inhalt.size());
    if (!korvalt::dateiSchreiben(argv[2], bytes, fehler)) {
        std::cerr << fehler << "\n";
        return 1;
    }
    return 0;
}
