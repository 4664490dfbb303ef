// The tariff tables the program knows: key, caption, ordered group labels and promotion rule of
// each, read at start-up from the list of tables beside the tariff file.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arbeitgeberseite.h"
#include "grenzen.h"
#include "meldungen.h"
#include "reihen.h"
#include "tarifdateiformat.h"

namespace korvalt {

// The list of tables lies beside the tariff file and has this name.
inline constexpr const char* tabellenlisteName = "zelbar06.tabellen";
// The table of a case whose settings name none, and the first line of the list.
inline constexpr const char* standardtabelle = "2006";
inline constexpr int gruppen2006 = 15;
inline constexpr int schluesselLaengeHoechst = 73;

enum class Aufstiegsregel {
    von2006,       // entry step chosen by pay, small gains topped up by the guarantee
    stufengleich,  // the step is kept (at least step 2), no guarantee
};

// The months a step lasts before the next under § 16 Abs. 3 TVöD: 12, 24, 36, 48 and 60 in steps 1
// to 5; step 6 is the last. EGr. 1 has no step 1 and stays 48 months in each of steps 2 to 5 (§ 16
// Abs. 4 TVöD).
inline constexpr std::array<int, 5> regelStufendauern{12, 24, 36, 48, 60};
inline constexpr int stufendauerEgr1 = 48;

// The pay of one step in cents; empty when the table has no such step.
using Stufenentgelt = std::optional<std::int32_t>;
using Gruppenentgelte = Reihe<Stufenentgelt, 1, tarifStufen>;

struct Tariftabelle {
    std::string schluessel;            // "2026-05"
    std::string ueberschrift;          // "Tariftabellen Stand MAI 2026"
    std::vector<std::string> gruppen;  // labels; the group number is the position, from 1
    Aufstiegsregel regel = Aufstiegsregel::von2006;
    std::string quelle;  // the CSV the tariff file is built from
    int satzbasis = 0;   // first record of the table's block in the tariff file
    Arbeitgeberseite seite = Arbeitgeberseite::vka;
    std::string inKraft;  // the first month the table is paid, "2026-05"
    // The table of 2006 shows and totals whole euros as the program always did; the later tables
    // show their cents rounded to whole euros and total the cents.
    bool inCent = false;
    // A table by date ("vka", "bund") pays each month from its side's table in force then; it needs
    // the case's start month. It has no block of its own: `satzbasis` is that of the side's first
    // table.
    bool nachDatum = false;

    int gruppenzahl() const { return static_cast<int>(gruppen.size()); }
    int niedrigsteStartgruppe() const { return kleinsteStartgruppe; }
    int hoechsteStartgruppe() const { return gruppenzahl(); }
    // The group an arrow button steps to, held within the start groups.
    int naechsteGruppe(int gruppe) const;
    int vorigeGruppe(int gruppe) const;
    // The caption after "Stand ": "MAI 2026", "JANUAR 2006 WEST"; "VKA nach Datum" for a table by
    // date.
    std::string menuetitel() const;
    // Whether some group has a letter after its digits ("9a"); then the start group is typed and
    // shown by its label, otherwise by its number.
    bool hatBuchstabengruppen() const;
    // "9a" for group 9 of the tables from 2024, "9" in the one of 2006; empty outside the table.
    std::string gruppenbezeichnung(int gruppe) const;
    // The label where the table has the group, otherwise the group's number.
    std::string gruppentext(int gruppe) const;
    std::optional<int> gruppennummer(std::string_view bezeichnung) const;
    // A typed start group, limited to the table's groups: "9" alone means the first 9 ("9a"), a
    // letter after the digits picks 9a/9b/9c (either case), a letter the table lacks is ignored.
    // Numbers are read as everywhere in the program: "10.5" is 10, below the first group is 1.
    int startgruppeLesen(std::string_view text) const;
    // Whether a typed character belongs in the start group field: a digit, or a letter some group
    // label of the table carries (either case).
    bool startgruppenzeichen(int zeichen) const;
    // The text the start group field shows once Enter confirms `text`: with lettered groups the
    // label of the group it names ("9" becomes "9a"); otherwise the typed number, replaced only
    // when it lies outside the start groups. Nothing when the text stays.
    std::optional<std::string> startgruppeBestaetigt(std::string_view text) const;
    // The field's text after an arrow button stepped the start group in `text` by `schritt`.
    std::string startgruppeGeschritten(std::string_view text, int schritt) const;
    // The months step `stufe` (1..5) of `gruppe` lasts by the agreement; 0 for a step the group
    // does not have.
    int stufendauer(int gruppe, int stufe) const;
    int satznummer(int gruppe) const { return tarifsatzNummer(satzbasis, gruppenzahl(), gruppe); }
    int letzterSatz() const { return satznummer(1); }
};

// The table of 2006 as the program knew it before it had a list: what applies when a tariff file
// comes without one.
Tariftabelle tabelle2006();

// Why a case cannot be calculated in `tabelle` without a start month: "„VKA nach Datum“ braucht
// einen Beginn."; "" when it can.
std::string beginnFehlt(const Tariftabelle& tabelle, bool hatBeginn);

// Why a case in `tabelle` has no calendar settings: „Die Tariftabelle 2006 rechnet ohne Kalender;
// …“; "" for the tables with cents, which have them.
std::string ohneKalenderGrund(const Tariftabelle& tabelle);

class Tabellenkatalog {
  public:
    Tabellenkatalog() : tabellen_{tabelle2006()} {}
    // Derives the tables by date of each side whose tables with cents all name their month in
    // force.
    explicit Tabellenkatalog(std::vector<Tariftabelle> tabellen);

    // The tables of the tariff file.
    const std::vector<Tariftabelle>& tabellen() const { return tabellen_; }
    // The tables by date, "vka" before "bund"; each side's only when it has tables in force.
    const std::vector<Tariftabelle>& tabellenNachDatum() const { return nachDatum_; }
    // The side's tables with cents of a table by date, in the order they come into force.
    std::vector<const Tariftabelle*> datierteTabellen(Arbeitgeberseite seite) const;
    const Tariftabelle* finden(std::string_view schluessel) const;
    const Tariftabelle& standard() const { return tabellen_.front(); }
    // The table of a key, the standard table for a key the list lacks.
    const Tariftabelle& tabelle(std::string_view schluessel) const;
    // "2006, 2024-03, 2025-04, 2026-05, vka"
    std::string schluesselliste() const;
    // The records the tariff file must hold for every table of the list.
    int saetzeNoetig() const;

  private:
    std::vector<Tariftabelle> tabellen_;
    std::vector<Tariftabelle> nachDatum_;
};

// Reads the list: a heading line, then one line per table
// "key;caption;group labels separated by blanks;rule (2006 or stufengleich);CSV file;employer
// side (vka or bund);month in force (YYYY-MM)"; a line without the last two is a VKA table whose
// month in force is unknown.
// The n-th table (from 0) is the block of tariff area 12 + n; the first must be the one of 2006.
// Nothing and a German reason with the line number when the list is not sound.
std::optional<Tabellenkatalog> tabellenlisteLesen(std::istream& quelle, std::string& fehler);

// The list in `verzeichnis`. Without one the table of 2006 alone applies, silently; a damaged list
// is reported and the table of 2006 applies.
Tabellenkatalog tabellenlisteLaden(const std::filesystem::path& verzeichnis, Meldungen& meldungen);

// A group of one table in another, by its label: "10" stays "10", "9" becomes "9a", and 9a, 9b
// and 9c become "9" in the table of 2006.
int gruppeUebertragen(const Tariftabelle& von, int gruppe, const Tariftabelle& nach);

}  // namespace korvalt
