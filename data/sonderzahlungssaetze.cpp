// Reading the rates of the annual bonus and looking one up.
#include "sonderzahlungssaetze.h"

#include <fstream>
#include <sstream>

namespace korvalt {

namespace {

std::optional<int> zahl(const std::string& text, std::size_t hoechsteZiffern) {
    if (text.empty() || text.size() > hoechsteZiffern) return std::nullopt;
    int wert = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        wert = wert * 10 + (c - '0');
    }
    return wert;
}

}  // namespace

Entgeltband entgeltband(std::string_view gruppenbezeichnung) {
    int nummer = 0;
    for (char c : gruppenbezeichnung) {
        if (c < '0' || c > '9') break;
        nummer = nummer * 10 + (c - '0');
    }
    if (nummer <= 8) return Entgeltband::egr1bis8;
    if (nummer <= 12) return Entgeltband::egr9bis12;
    return Entgeltband::egr13bis15;
}

std::optional<int> Sonderzahlungssaetze::satz(Arbeitgeberseite seite, int jahr,
                                              Entgeltband band) const {
    std::optional<int> gefunden;
    for (const Zeile& zeile : zeilen_)
        if (zeile.seite == seite && zeile.abJahr <= jahr)
            gefunden = zeile.satz[static_cast<std::size_t>(band)];
    return gefunden;
}

std::optional<Sonderzahlungssaetze> sonderzahlungssaetzeLesen(std::istream& quelle,
                                                              std::string& fehler) {
    std::vector<Sonderzahlungssaetze::Zeile> zeilen;
    std::string zeile;
    int nummer = 0;
    auto falsch = [&](const std::string& grund) {
        fehler = "Zeile " + std::to_string(nummer) + ": " + grund;
        return std::nullopt;
    };
    while (std::getline(quelle, zeile)) {
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        if (++nummer == 1 || zeile.empty()) continue;
        std::vector<std::string> felder;
        std::stringstream strom(zeile);
        for (std::string feld; std::getline(strom, feld, ';');) felder.push_back(feld);
        if (zeile.back() == ';') felder.emplace_back();
        if (felder.size() != 5)
            return falsch(
                "erwartet: Bereich;ab Jahr;Satz EGr. 1–8;Satz EGr. 9a–12;Satz EGr. 13–15");
        Sonderzahlungssaetze::Zeile z;
        const auto seite = seiteLesen(felder[0]);
        if (!seite)
            return falsch("Der Bereich \u201E" + felder[0] +
                          "\u201C ist unbekannt (vka oder bund).");
        z.seite = *seite;
        const auto jahr = zahl(felder[1], 4);
        if (!jahr || felder[1].size() != 4)
            return falsch("Das Jahr \u201E" + felder[1] + "\u201C hat nicht vier Ziffern.");
        z.abJahr = *jahr;
        for (const Sonderzahlungssaetze::Zeile& frueher : zeilen)
            if (frueher.seite == z.seite && frueher.abJahr >= z.abJahr)
                return falsch("Die Jahre des Bereichs \u201E" + felder[0] +
                              "\u201C steigen nicht auf.");
        for (std::size_t band = 0; band < 3; ++band) {
            const auto satz = zahl(felder[band + 2], 5);
            if (!satz)
                return falsch("Der Satz \u201E" + felder[band + 2] +
                              "\u201C ist keine Zahl in Hundertstel Prozent.");
            z.satz[band] = *satz;
        }
        zeilen.push_back(std::move(z));
    }
    if (zeilen.empty()) {
        fehler = "Die Datei nennt keinen Satz.";
        return std::nullopt;
    }
    return Sonderzahlungssaetze(std::move(zeilen));
}

std::optional<Sonderzahlungssaetze> sonderzahlungssaetzeLaden(
    const std::filesystem::path& verzeichnis, std::string& fehler) {
    const auto pfad = verzeichnis / sonderzahlungssaetzeName;
    std::ifstream quelle(pfad);
    if (!quelle) {
        fehler = "Die Sätze der Jahressonderzahlung \u201E" + pfad.string() + "\u201C fehlen.";
        return std::nullopt;
    }
    std::string grund;
    if (auto saetze = sonderzahlungssaetzeLesen(quelle, grund)) return saetze;
    fehler = "Die Sätze der Jahressonderzahlung \u201E" + pfad.string() +
             "\u201C sind fehlerhaft (" + grund + ").";
    return std::nullopt;
}

}  // namespace korvalt
