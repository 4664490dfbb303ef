// Writes the year list and the month list as a workbook with libxlsxwriter.
#include "tabellenmappe.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cctype>
#include <fstream>

#include "druckblock.h"
#include "jahresdaten.h"
#include "jahresliste_csv.h"
#include "monatsliste_csv.h"
#include "sicheredatei.h"
#include "sitzung.h"

namespace korvalt {

namespace {

std::vector<std::string> getrennt(std::string_view zeile) {
    std::vector<std::string> zellen;
    std::size_t anfang = 0;
    while (true) {
        const std::size_t ende = zeile.find(';', anfang);
        zellen.emplace_back(zeile.substr(anfang, ende - anfang));
        if (ende == std::string_view::npos) return zellen;
        anfang = ende + 1;
    }
}

// "-1234,56" as a number; nothing for any other text. The CSV writes no thousands' points.
std::optional<double> zahlLesen(const std::string& text) {
    std::size_t i = text.size() > 1 && text[0] == '-' ? 1 : 0;
    const std::size_t ziffern = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i == ziffern) return std::nullopt;
    if (i < text.size() && text[i] == ',') {
        const std::size_t komma = ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
        if (i == komma) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    std::string punkt = text;
    std::replace(punkt.begin(), punkt.end(), ',', '.');
    return std::stod(punkt);
}

bool beginntMit(std::string_view text, std::string_view anfang) {
    return text.substr(0, anfang.size()) == anfang;
}

// A complete zip file ends with its directory's last record, "PK\5\6" and 18 bytes, when it has no
// comment; libxlsxwriter writes none.
bool mappeVollstaendig(const std::filesystem::path& datei) {
    std::ifstream zip(datei, std::ios::binary | std::ios::ate);
    const std::streamoff groesse = zip.tellg();
    if (groesse < 22) return false;
    zip.seekg(groesse - 22);
    char ende[4] = {};
    return bool(zip.read(ende, 4)) && std::string_view(ende, 4) == std::string_view("PK\5\6", 4);
}

// The case's name after each column of the month list's two halves.
std::vector<std::string> monatskoepfe(const std::vector<std::string>& koepfe,
                                      const Fallnamen& namen) {
    std::vector<std::string> mit;
    int haelfte = 0;  // 0 before the first case, 1 the normal case, 2 the individual one, 3 after
    for (const std::string& kopf : koepfe) {
        if (kopf == "EGr.") ++haelfte;
        if (beginntMit(kopf, "Differenz")) haelfte = 3;
        if (haelfte == 1 || haelfte == 2)
            mit.push_back(kopf + " " + (haelfte == 1 ? namen.normal : namen.individuell));
        else
            mit.push_back(kopf);
    }
    return mit;
}

// "Entgelt Normalfall" -> "Entgelt ohne Höhergruppierung".
std::string mitNamen(std::string kopf, const Fallnamen& namen) {
    for (const auto& [vorgabe, name] :
         {std::pair{std::string_view(standardnameNormal), std::string_view(namen.normal)},
          std::pair{std::string_view(standardnameIndividuell),
                    std::string_view(namen.individuell)}})
        if (const std::size_t stelle = kopf.find(vorgabe); stelle != std::string::npos)
            return kopf.replace(stelle, vorgabe.size(), name);
    return kopf;
}

}  // namespace

Tabellenzelle tabellenzelle(std::string_view kopf, const std::string& text) {
    Tabellenzelle zelle{Zellart::text, text, 0};
    if (kopf == "Datum" && text.size() == 7 && text[2] == '/') {
        const auto monat = zahlLesen(text.substr(0, 2));
        const auto jahr = zahlLesen(text.substr(3));
        if (monat && jahr) zelle = {Zellart::monat, text, *jahr * 100 + *monat};
        return zelle;
    }
    const auto zahl = zahlLesen(text);
    if (!zahl) return zelle;
    for (std::string_view betrag : {"Entgelt", "Netto", "Differenz", "Jahressonderzahlung"})
        if (beginntMit(kopf, betrag)) return {Zellart::betrag, text, *zahl};
    for (std::string_view ganz : {"Monat", "Jahr", "Monate", "Stufe", "EGr."})
        if (beginntMit(kopf, ganz)) return {Zellart::zahl, text, *zahl};
    return zelle;
}

Tabellenmappe mappeAusCsv(std::string blattname, std::vector<std::string> koepfe,
                          std::string_view csv) {
    Tabellenmappe mappe;
    mappe.blattname = std::move(blattname);
    bool erste = true;
    std::vector<std::string> csvKoepfe;
    while (!csv.empty()) {
        const std::size_t ende = csv.find('\n');
        const std::string_view zeile = csv.substr(0, ende);
        csv = ende == std::string_view::npos ? std::string_view() : csv.substr(ende + 1);
        if (erste) {
            csvKoepfe = getrennt(zeile);
            erste = false;
            continue;
        }
        std::vector<Tabellenzelle> zellen;
        const std::vector<std::string> texte = getrennt(zeile);
        // A note line is one cell of text, whatever its column.
        for (std::size_t s = 0; s < texte.size(); ++s)
            zellen.push_back(texte.size() == 1 || s >= csvKoepfe.size()
                                 ? Tabellenzelle{Zellart::text, texte[s], 0}
                                 : tabellenzelle(csvKoepfe[s], texte[s]));
        mappe.zeilen.push_back(std::move(zellen));
    }
    mappe.koepfe = koepfe.empty() ? csvKoepfe : std::move(koepfe);
    return mappe;
}

Tabellenmappe jahreslisteMappe(const Sitzung& sitzung) {
    // The case's own switch decides, as for the CSV.
    const Jahresdaten daten = jahresdatenBilden(sitzung, true);
    const std::string csv = jahreslisteCsv(daten);
    std::vector<std::string> koepfe = getrennt(csv.substr(0, csv.find('\n')));
    for (std::string& kopf : koepfe) kopf = mitNamen(kopf, daten.namen);
    Tabellenmappe mappe = mappeAusCsv("Jahresübersicht", std::move(koepfe), csv);
    mappe.mitCent = daten.inCent;
    const Druckblock block = druckblockBilden(sitzung);
    mappe.angaben = {block.titel};
    for (const std::string& zeile : block.zeilen()) mappe.angaben.push_back(zeile);
    mappe.angaben.push_back("");
    for (const std::string& satz : ausgleichSaetze(daten)) mappe.angaben.push_back(satz);
    if (const std::string zahlen = ausgleichZahlen(daten); !zahlen.empty())
        mappe.angaben.push_back(zahlen);
    return mappe;
}

Tabellenmappe monatslisteMappe(const Sitzung& sitzung) {
    const std::string csv = monatslisteCsv(sitzung.daten(), sitzung.tabellen(),
                                           sitzung.rechner().erhoehungshinweis(), sitzung.netto());
    const std::vector<std::string> koepfe =
        monatskoepfe(getrennt(csv.substr(0, csv.find('\n'))), sitzung.tabellen().namen);
    Tabellenmappe mappe = mappeAusCsv("Monatsliste", koepfe, csv);
    mappe.mitCent = sitzung.daten().tabellenkatalog.tabelle(sitzung.tabellen().tabelle).inCent ||
                    sitzung.tabellen().kalender.beginn.has_value();
    const Druckblock block = druckblockBilden(sitzung);
    mappe.angaben = {block.titel};
    for (const std::string& zeile : block.zeilen()) mappe.angaben.push_back(zeile);
    return mappe;
}

bool mappeSchreiben(const std::filesystem::path& ziel, const Tabellenmappe& mappe,
                    std::string& fehler) {
    SichereDatei datei(ziel);
    if (!datei.anlegen(fehler)) return false;
    lxw_workbook* buch = workbook_new(datei.erzeugername().c_str());
    if (!buch) {
        fehler = datei.fehlertext("Die Tabelle konnte nicht angelegt werden.");
        return false;
    }
    lxw_format* fett = workbook_add_format(buch);
    format_set_bold(fett);
    format_set_text_wrap(fett);
    lxw_format* euro = workbook_add_format(buch);
    format_set_num_format(euro, mappe.mitCent ? "#,##0.00 \"€\"" : "#,##0 \"€\"");
    lxw_format* monat = workbook_add_format(buch);
    format_set_num_format(monat, "mm/yyyy");

    lxw_worksheet* blatt = workbook_add_worksheet(buch, mappe.blattname.c_str());
    for (std::size_t s = 0; s < mappe.koepfe.size(); ++s) {
        worksheet_write_string(blatt, 0, lxw_col_t(s), mappe.koepfe[s].c_str(), fett);
        const bool breit = mappe.koepfe[s].size() > 8;
        worksheet_set_column(blatt, lxw_col_t(s), lxw_col_t(s), breit ? 18 : 9, nullptr);
    }
    worksheet_freeze_panes(blatt, 1, 0);
    for (std::size_t z = 0; z < mappe.zeilen.size(); ++z) {
        const lxw_row_t zeile = lxw_row_t(z + 1);
        for (std::size_t s = 0; s < mappe.zeilen[z].size(); ++s) {
            const Tabellenzelle& zelle = mappe.zeilen[z][s];
            const lxw_col_t spalte = lxw_col_t(s);
            switch (zelle.art) {
                case Zellart::zahl:
                    worksheet_write_number(blatt, zeile, spalte, zelle.wert, nullptr);
                    break;
                case Zellart::betrag:
                    worksheet_write_number(blatt, zeile, spalte, zelle.wert, euro);
                    break;
                case Zellart::monat: {
                    const int wert = int(zelle.wert);
                    lxw_datetime tag{wert / 100, wert % 100, 1, 0, 0, 0};
                    worksheet_write_datetime(blatt, zeile, spalte, &tag, monat);
                    break;
                }
                case Zellart::text:
                    if (!zelle.text.empty())
                        worksheet_write_string(blatt, zeile, spalte, zelle.text.c_str(), nullptr);
                    break;
            }
        }
    }
    lxw_worksheet* angaben = workbook_add_worksheet(buch, "Angaben");
    worksheet_set_column(angaben, 0, 0, 100, nullptr);
    for (std::size_t z = 0; z < mappe.angaben.size(); ++z)
        if (!mappe.angaben[z].empty())
            worksheet_write_string(angaben, lxw_row_t(z), 0, mappe.angaben[z].c_str(),
                                   z == 0 ? fett : nullptr);
    const lxw_error ergebnis = workbook_close(buch);
    if (ergebnis != LXW_NO_ERROR || !mappeVollstaendig(datei.temporaer())) {
        fehler =
            datei.fehlertext(datei.datentraegerVoll()
                                 ? "Auf dem Datenträger ist kein Platz mehr."
                                 : std::string("Die Tabelle konnte nicht geschrieben werden (") +
                                       lxw_strerror(ergebnis) + ").");
        return false;
    }
    return datei.uebernehmen(fehler);
}

bool istTabellenZiel(std::string_view ziel) {
    if (ziel.size() < 5) return false;
    std::string endung(ziel.substr(ziel.size() - 5));
    for (char& c : endung) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return endung == ".xlsx";
}

namespace {

template <typename Bilden>
int exportieren(const Aufruf& aufruf, const std::string& ziel,
                const std::filesystem::path& programmverzeichnis, std::ostream& fehlerausgabe,
                Bilden bilden) {
    const auto fall = fallRechnen(aufruf, programmverzeichnis, fehlerausgabe);
    if (!fall) return exitEingabefehler;
    std::string fehler;
    const std::optional<Tabellenmappe> mappe = bilden(fall->sitzung, fehler);
    if (!mappe) {
        fehlerausgabe << "korvalt: " << fehler << "\n";
        return exitEingabefehler;
    }
    if (!mappeSchreiben(ziel, *mappe, fehler)) {
        fehlerausgabe << "korvalt: " << fehler << "\n";
        return exitSchreibfehler;
    }
    return exitGut;
}

}  // namespace

int jahreslisteMappeExportieren(const Aufruf& aufruf,
                                const std::filesystem::path& programmverzeichnis,
                                std::ostream& fehlerausgabe) {
    return exportieren(aufruf, aufruf.jahresliste, programmverzeichnis, fehlerausgabe,
                       [&](const Sitzung& sitzung, std::string& fehler) {
                           // A bonus that cannot be computed is an error, as in the CSV.
                           const Jahresdaten daten = jahresdatenBilden(sitzung, true);
                           fehler = daten.sonderzahlungFehler;
                           return fehler.empty() ? std::optional(jahreslisteMappe(sitzung))
                                                 : std::nullopt;
                       });
}

int monatslisteMappeExportieren(const Aufruf& aufruf,
                                const std::filesystem::path& programmverzeichnis,
                                std::ostream& fehlerausgabe) {
    return exportieren(aufruf, aufruf.monatsliste, programmverzeichnis, fehlerausgabe,
                       [](const Sitzung& sitzung, std::string&) {
                           return std::optional(monatslisteMappe(sitzung));
                       });
}

}  // namespace korvalt
