// Reading the tariff data file.
#include "tarifdatei.h"

#include <system_error>

#include "zahlen.h"

namespace korvalt {

std::vector<std::filesystem::path> tarifdateiSuchorte(
    const std::filesystem::path& programmverzeichnis) {
    std::vector<std::filesystem::path> orte{std::filesystem::path(".")};
    if (!programmverzeichnis.empty()) {
        orte.push_back(programmverzeichnis);
        orte.push_back(programmverzeichnis / ".." / "share" / "korvalt");
    }
    return orte;
}

Tabellenkatalog Tarifdatei::aufsuchen(const std::vector<std::filesystem::path>& suchorte,
                                      Meldungen& meldungen) {
    datei_.reset();
    pfad_.clear();
    std::string gesucht;
    for (const auto& ort : suchorte) {
        const auto kandidat = ort / tarifdateiName;
        if (!gesucht.empty()) gesucht += ", ";
        gesucht += ort.string();
        std::error_code fehler;
        const auto art = std::filesystem::status(kandidat, fehler).type();
        if (art == std::filesystem::file_type::not_found || fehler) continue;
        // Opening a FIFO would wait for ever, a device would be read as endless zeros.
        if (art != std::filesystem::file_type::regular) {
            meldungen.warnen("Tarifdatei", "Die Tarifdatei \u201E" + kandidat.string() +
                                               "\u201C ist keine gewöhnliche Datei und wird "
                                               "nicht gelesen.");
            continue;
        }
        // "rb" opens an existing file only; a missing file is never created.
        datei_.reset(std::fopen(kandidat.string().c_str(), "rb"));
        if (datei_) {
            pfad_ = kandidat;
            break;
        }
    }
    constexpr const char* titel = "Tarifdatei";
    if (!datei_) {
        meldungen.warnen(titel, std::string("Die Tarifdatei \u201E") + tarifdateiName +
                                    "\u201C wurde nicht gefunden (gesucht in: " + gesucht +
                                    ").\nAlle Tabellenentgelte werden mit 0 gerechnet.");
        return {};
    }
    Tabellenkatalog katalog = tabellenlisteLaden(pfad_.parent_path(), meldungen);
    std::error_code fehler;
    const auto groesse = std::filesystem::file_size(pfad_, fehler);
    const std::uintmax_t noetig = std::uintmax_t(katalog.saetzeNoetig()) * tarifsatzLaenge;
    if (fehler || groesse < noetig) {
        meldungen.warnen(titel, "Die Tarifdatei \u201E" + pfad_.string() + "\u201C ist zu kurz (" +
                                    tausenderText(fehler ? 0.0 : double(groesse)) +
                                    " Bytes statt mindestens " + tausenderText(double(noetig)) +
                                    ").\nFehlende Tabellenentgelte werden mit 0 gerechnet.");
    }
    entgelteVorpruefen(katalog, meldungen);
    return katalog;
}

// Pays that large, or below zero, are read and calculated as they are, but they can only come from
// a damaged or foreign file: the user hears of each kind once. The scan reads the file in one go;
// record by record it took two system calls for each of the list's hundreds of groups.
void Tarifdatei::entgelteVorpruefen(const Tabellenkatalog& katalog, Meldungen& meldungen) {
    std::vector<unsigned char> bytes(std::size_t(katalog.saetzeNoetig()) * tarifsatzLaenge);
    if (datei_ && std::fseek(datei_.get(), 0, SEEK_SET) == 0) {
        // A short file leaves the rest at 0, as a short record does.
        (void)std::fread(bytes.data(), 1, bytes.size(), datei_.get());
        std::clearerr(datei_.get());
    }
    bool zuGross = false;
    bool negativ = false;
    for (const Tariftabelle& tabelle : katalog.tabellen())
        for (int gruppe = 1; gruppe <= tabelle.gruppenzahl(); ++gruppe) {
            // A record before the first reads as 0, as in `lesen`.
            static constexpr unsigned char keinSatz[tarifsatzLaenge] = {};
            const int nummer = tabelle.satznummer(gruppe);
            const unsigned char* satz =
                nummer >= 1 ? &bytes.at(std::size_t(nummer - 1) * tarifsatzLaenge) : keinSatz;
            for (int stufe = 1; stufe <= tarifStufen; ++stufe) {
                const std::int32_t cent = elementLesen(satz, stufe);
                if (cent == keineStufe) continue;
                const bool gross = cent > groessterPlausiblerCent;
                const bool unterNull = cent < 0;
                if (!(gross && !zuGross) && !(unterNull && !negativ)) continue;
                zuGross = zuGross || gross;
                negativ = negativ || unterNull;
                meldungen.hinweisen(
                    "Tarifdatei",
                    "Die Tarifdatei \u201E" + pfad_.string() + "\u201C enthält " +
                        (gross ? "Monatsentgelte über 1.000.000 Euro" : "negative Monatsentgelte") +
                        " (" + tabelle.schluessel + ", EGr. " + tabelle.gruppenbezeichnung(gruppe) +
                        ", Stufe " + std::to_string(stufe) +
                        ").\nSie ist vermutlich beschädigt; Korvalt rechnet mit den "
                        "Beträgen, wie sie sind.");
            }
        }
}

void Tarifdatei::lesen(int satznummer, Tarifsatz& satz) {
    ++lesezugriffe_;
    unsigned char bytes[tarifsatzLaenge] = {};
    if (datei_ && satznummer >= 1 &&
        std::fseek(datei_.get(), long(satznummer - 1) * tarifsatzLaenge, SEEK_SET) == 0) {
        // A short read leaves the rest of the record at 0.
        (void)std::fread(bytes, 1, tarifsatzLaenge, datei_.get());
        std::clearerr(datei_.get());
    }
    for (int k = 1; k <= tarifsatzElemente; ++k) satz(k) = elementLesen(bytes, k);
}

Gruppenentgelte gruppenentgelte(const Tarifsatz& satz) {
    Gruppenentgelte entgelte;
    for (int stufe = 1; stufe <= tarifStufen; ++stufe)
        if (satz(stufe) != keineStufe) entgelte(stufe) = satz(stufe);
    return entgelte;
}

Gruppenentgelte gruppenentgelteLesen(Tarifdatei& datei, const Tariftabelle& tabelle, int gruppe) {
    Tarifsatz satz;
    datei.lesen(tabelle.satznummer(gruppe), satz);
    return gruppenentgelte(satz);
}

}  // namespace korvalt
