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

void Tarifdatei::aufsuchen(const std::vector<std::filesystem::path>& suchorte,
                           Meldungen& meldungen) {
    datei_.reset();
    pfad_.clear();
    std::string gesucht;
    for (const auto& ort : suchorte) {
        const auto kandidat = ort / tarifdateiName;
        if (!gesucht.empty()) gesucht += ", ";
        gesucht += ort.string();
        std::error_code fehler;
        if (!std::filesystem::is_regular_file(kandidat, fehler)) continue;
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
        return;
    }
    std::error_code fehler;
    const auto groesse = std::filesystem::file_size(pfad_, fehler);
    constexpr std::uintmax_t noetig = std::uintmax_t{tarifsaetzeNoetig} * tarifsatzLaenge;
    if (fehler || groesse < noetig) {
        meldungen.warnen(titel, "Die Tarifdatei \u201E" + pfad_.string() + "\u201C ist zu kurz (" +
                                    tausenderText(fehler ? 0.0 : double(groesse)) +
                                    " Bytes statt mindestens " + tausenderText(double(noetig)) +
                                    ").\nFehlende Tabellenentgelte werden mit 0 gerechnet.");
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
    for (int k = 1; k <= 27; ++k) {
        const unsigned char* b = bytes + 4 * (k - 1);
        const std::uint32_t wert = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                                   std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
        satz(k) = static_cast<std::int32_t>(wert);
    }
}

}  // namespace korvalt
