// What every fuzz target shares: a private working folder that must hold nothing but the given
// files, unchanged, afterwards; the count of file accesses; the invariants of a computed case and
// of its CSV text.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "feldtabelle.h"
#include "grenzen.h"
#include "monatsliste_csv.h"
#include "sitzung.h"
#include "zahlen.h"

namespace korvalt::fuzz {

// A broken invariant is a crash for libFuzzer, which then keeps the input that caused it.
[[noreturn]] inline void verletzt(const std::string& was) {
    std::fprintf(stderr, "\nInvariante verletzt: %s\n", was.c_str());
    std::abort();
}
#define KORVALT_PRUEFEN(bedingung, was)                   \
    do {                                                  \
        if (!(bedingung)) ::korvalt::fuzz::verletzt(was); \
    } while (0)

// A folder of its own for the whole run, made the working directory, so that a file written under
// a relative name shows up there; removed at exit. It lies in memory where the system has a place
// for it: rewriting a file on a disk (ext4) waits for the disk on every close, and that took four
// fifths of each run.
class Arbeitsordner {
  public:
    Arbeitsordner() {
        std::error_code fehler;
        const std::filesystem::path speicher = "/dev/shm";
        const auto ort = std::filesystem::is_directory(speicher, fehler)
                             ? speicher
                             : std::filesystem::temp_directory_path();
        std::string muster = (ort / "korvalt-fuzz-XXXXXX").string();
        if (!::mkdtemp(muster.data())) verletzt("kein temporärer Ordner");
        pfad_ = muster;
        std::filesystem::current_path(pfad_);
    }
    ~Arbeitsordner() {
        std::error_code fehler;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), fehler);
        std::filesystem::remove_all(pfad_, fehler);
    }
    const std::filesystem::path& pfad() const { return pfad_; }

    // The folder holds exactly the files `erlaubt`, and nothing else.
    void nurDiese(const std::set<std::string>& erlaubt) const {
        std::set<std::string> da;
        for (const auto& e : std::filesystem::directory_iterator(pfad_))
            da.insert(e.path().filename().string());
        if (da != erlaubt) {
            std::string liste;
            for (const auto& n : da) liste += " " + n;
            verletzt("im Arbeitsordner liegt anderes als erwartet:" + liste);
        }
    }

    void schreiben(const std::string& name, const std::uint8_t* daten, std::size_t groesse) const {
        std::ofstream(pfad_ / name, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(daten), static_cast<std::streamsize>(groesse));
    }
    // The file still holds exactly these bytes.
    void unveraendert(const std::string& name, const std::uint8_t* daten,
                      std::size_t groesse) const {
        std::ifstream datei(pfad_ / name, std::ios::binary | std::ios::ate);
        std::string inhalt(static_cast<std::size_t>(std::max<std::streamoff>(datei.tellg(), 0)),
                           '\0');
        datei.seekg(0).read(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
        if (!datei || inhalt != std::string_view(reinterpret_cast<const char*>(daten), groesse))
            verletzt(name + " wurde verändert");
    }

  private:
    std::filesystem::path pfad_;
};

// The process's read and write system calls so far (/proc/self/io). Taking the count is itself one
// read. The sanitizers write to a pipe of their own when they check a pointer, so this suits only
// code without such checks.
struct Ein_Ausgabe {
    long long lesevorgaenge = 0;
    long long schreibvorgaenge = 0;
};

inline Ein_Ausgabe einAusgabe() {
    static const int datei = ::open("/proc/self/io", O_RDONLY | O_CLOEXEC);
    char text[1024];
    const ssize_t n = datei < 0 ? -1 : ::pread(datei, text, sizeof text - 1, 0);
    if (n <= 0) verletzt("/proc/self/io nicht lesbar");
    text[n] = '\0';
    Ein_Ausgabe e;
    if (const char* r = std::strstr(text, "syscr: ")) e.lesevorgaenge = std::atoll(r + 7);
    if (const char* w = std::strstr(text, "syscw: ")) e.schreibvorgaenge = std::atoll(w + 7);
    return e;
}

inline std::vector<std::string> teilen(std::string_view text, char trenner) {
    std::vector<std::string> teile;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == trenner) {
            teile.emplace_back(text.substr(anfang, i - anfang));
            anfang = i + 1;
        }
    return teile;
}

// The pieces of a text as views into it, into `teile` (its memory kept for the next call): the CSV
// has thousands of fields, and find() is not instrumented character by character.
inline void stuecke(std::string_view text, char trenner, std::vector<std::string_view>& teile) {
    teile.clear();
    for (std::size_t anfang = 0;;) {
        const std::size_t ende = text.find(trenner, anfang);
        teile.push_back(text.substr(anfang, ende - anfang));
        if (ende == std::string_view::npos) return;
        anfang = ende + 1;
    }
}

// An amount of the CSV ("-12,34") in cents, read digit by digit.
inline std::int64_t centAusText(std::string_view text) {
    const bool negativ = !text.empty() && text[0] == '-';
    std::int64_t cent = 0;
    for (char c : text.substr(negativ ? 1 : 0))
        if (c >= '0' && c <= '9') cent = cent * 10 + (c - '0');
    return negativ ? -cent : cent;
}

// The whole-euro total of the table of 2006, a half to even after every month, in integers: each
// month's pay counted in halves. Nothing when a pay is not a whole number of halves.
inline std::optional<std::int64_t> summeInHalben(const Monatsbetraege& betraege, int anzahl) {
    std::int64_t summe = 0;
    for (int m = 1; m <= anzahl; ++m) {
        const double halbe = double(betraege(m)) * 2;
        if (halbe != std::floor(halbe) || std::fabs(halbe) > 1e15) return std::nullopt;
        const std::int64_t doppelt = 2 * summe + static_cast<std::int64_t>(halbe);
        const std::int64_t unten = doppelt >= 0 ? doppelt / 2 : -((1 - doppelt) / 2);
        summe = doppelt % 2 == 0 || unten % 2 == 0 ? unten : unten + 1;
    }
    return summe;
}

// The start group the window calculates a freshly opened case with: the saved one as its label
// reads back in the case's table, else the start group the field shows at first.
inline Integer startgruppeImFenster(const Sitzung& sitzung, std::optional<Integer> gespeichert) {
    const Tariftabelle& tabelle = sitzung.tabelle();
    return static_cast<Integer>(tabelle.startgruppeLesen(
        gespeichert ? tabelle.gruppenbezeichnung(*gespeichert)
                    : std::string(beschreibung(Feldname::Startgruppe).anfangstext)));
}

// The computed case: at most 600 months, and totals that agree with sums made apart from the
// program's: the tables with cents add each month's cents, whose euro amount is the one the month
// shows; the table of 2006 rounds its running total in integers.
inline void rechnungPruefen(const Sitzung& sitzung) {
    const Falltabellen& t = sitzung.tabellen();
    const int anzahl = sitzung.daten().monatsanzahl;
    KORVALT_PRUEFEN(anzahl >= 0 && anzahl <= letzterMonat,
                    "Monatsanzahl " + std::to_string(anzahl));
    std::int64_t summeN = 0;
    std::int64_t summeI = 0;
    if (sitzung.tabelle().inCent) {
        for (int m = 1; m <= anzahl; ++m)
            for (const auto& [betraege, cents, summe] :
                 {std::tuple{&t.monatsbetragN, &t.monatscentN, &summeN},
                  std::tuple{&t.monatsbetragI, &t.monatscentI, &summeI}}) {
                const std::int64_t cent = (*cents)(m);
                *summe += cent;
                // A float holds 24 bits: the euro amount shown may differ in its last bit only.
                const double euro = static_cast<double>(cent) / 100.0;
                KORVALT_PRUEFEN(std::fabs((*betraege)(m)-euro) <= std::fabs(euro) * 0x1p-23,
                                "Monat " + std::to_string(m) + ": " +
                                    std::to_string((*betraege)(m)) + " Euro zu " +
                                    std::to_string(cent) + " Cent");
            }
    } else {
        const auto n = summeInHalben(t.monatsbetragN, anzahl);
        const auto i = summeInHalben(t.monatsbetragI, anzahl);
        // Pays that are no whole number of halves come only from damaged files; their totals
        // are then summed as the program sums them.
        for (int m = 1; m <= anzahl && (!n || !i); ++m) {
            summeN = alsGanz64(static_cast<double>(summeN) + t.monatsbetragN(m));
            summeI = alsGanz64(static_cast<double>(summeI) + t.monatsbetragI(m));
        }
        if (n && i) {
            summeN = *n;
            summeI = *i;
        }
    }
    const auto& gesamt = sitzung.tabelle().inCent ? t.gesamtcent : t.gesamtbetrag;
    KORVALT_PRUEFEN(summeN == gesamt(1),
                    "Summe normal " + std::to_string(summeN) + " != " + std::to_string(gesamt(1)));
    KORVALT_PRUEFEN(summeI == gesamt(2), "Summe individuell " + std::to_string(summeI) +
                                             " != " + std::to_string(gesamt(2)));
}

// The month list of the computed case as CSV: a heading, a line for every month and the totals,
// each with the heading's fields ("Datum" comes with a start month); the amounts the month lines
// show add up to the totals of the last line, which are the case's.
inline void monatslistePruefen(const Sitzung& sitzung) {
    const Falltabellen& t = sitzung.tabellen();
    const int anzahl = sitzung.daten().monatsanzahl;
    const bool inCent = sitzung.tabelle().inCent;
    const std::string csv = monatslisteCsv(sitzung.daten(), t);
    KORVALT_PRUEFEN(!csv.empty() && csv.back() == '\n', "CSV endet nicht mit einer Zeile");
    std::vector<std::string_view> zeilen;
    zeilen.reserve(std::size_t(letzterMonat) + 2);
    stuecke(std::string_view(csv).substr(0, csv.size() - 1), '\n', zeilen);
    KORVALT_PRUEFEN(zeilen.size() == std::size_t(anzahl) + 2,
                    "CSV hat " + std::to_string(zeilen.size()) + " Zeilen bei " +
                        std::to_string(anzahl) + " Monaten");
    std::vector<std::string_view> kopf;
    stuecke(zeilen[0], ';', kopf);
    const bool mitDatum = kopf.size() > 1 && kopf[1] == "Datum";
    KORVALT_PRUEFEN(kopf.size() == (mitDatum ? 9u : 8u), "CSV-Kopf " + std::string(zeilen[0]));
    // The columns of the pays and the difference, after "Datum" where there is one.
    const std::size_t spalteN = mitDatum ? 4 : 3;
    const std::size_t spalteI = spalteN + 3;
    const std::size_t spalteD = spalteI + 1;
    std::int64_t gezeigtN = 0;
    std::int64_t gezeigtI = 0;
    std::vector<std::string_view> felder;
    for (std::size_t z = 0; z < zeilen.size(); ++z) {
        stuecke(zeilen[z], ';', felder);
        KORVALT_PRUEFEN(felder.size() == kopf.size(),
                        "CSV-Zeile mit anderen Feldern als der Kopf: " + std::string(zeilen[z]));
        if (z == 0 || z + 1 == zeilen.size()) continue;
        gezeigtN += centAusText(felder[spalteN]);
        gezeigtI += centAusText(felder[spalteI]);
    }
    auto text = [inCent](std::int64_t wert) {
        return inCent ? centText(wert) : std::to_string(wert);
    };
    const auto& gesamt = inCent ? t.gesamtcent : t.gesamtbetrag;
    std::vector<std::string_view> summe;
    stuecke(zeilen.back(), ';', summe);
    KORVALT_PRUEFEN(summe[0] == "Summe" && summe[spalteN] == text(gesamt(1)) &&
                        summe[spalteI] == text(gesamt(2)) &&
                        summe[spalteD] == text(gesamt(2) - gesamt(1)),
                    "CSV-Summenzeile " + std::string(zeilen.back()));
    // The table of 2006 shows each month to the cent and its total in whole euros.
    if (inCent)
        KORVALT_PRUEFEN(
            gezeigtN == gesamt(1) && gezeigtI == gesamt(2),
            "die Monate der CSV ergeben " + centText(gezeigtN) + " und " + centText(gezeigtI));
}

}  // namespace korvalt::fuzz
