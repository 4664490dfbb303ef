// Reading the command line and exporting the month list as CSV.
#include "kommandozeile.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <utility>

#include "einstellungsdatei.h"
#include "einstellungssatz.h"
#include "falltabellen.h"
#include "monatsliste_csv.h"
#include "sicheredatei.h"
#include "tarifdatei.h"

namespace korvalt {

bool istPdfZiel(std::string_view ziel) {
    if (ziel.size() < 4) return false;
    std::string endung(ziel.substr(ziel.size() - 4));
    for (char& c : endung) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return endung == ".pdf";
}

bool Aufruf::brauchtQt() const {
    return !hilfe && !version && (istPdfZiel(monatsliste) || !ergebnis.empty());
}

std::optional<Aufruf> aufrufLesen(const std::vector<std::string>& argumente, std::string& fehler) {
    Aufruf aufruf;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        if (a == "--help" || a == "-h") {
            aufruf.hilfe = true;
            continue;
        }
        if (a == "--version") {
            aufruf.version = true;
            continue;
        }
        if (a == "--tabellen") {
            aufruf.tabellenZeigen = true;
            continue;
        }
        // A name without an option before it is the case file the window opens on.
        if (!a.empty() && a[0] != '-') {
            if (!aufruf.falldatei.empty()) {
                fehler = "Es kann nur eine Falldatei geöffnet werden.";
                return std::nullopt;
            }
            aufruf.falldatei = a;
            continue;
        }
        std::string* ziel = nullptr;
        if (a == "--monatsliste") ziel = &aufruf.monatsliste;
        if (a == "--ergebnis") ziel = &aufruf.ergebnis;
        if (a == "--einstellungen") ziel = &aufruf.einstellungen;
        if (a == "--tabelle") ziel = &aufruf.tabelle;
        if (!ziel) {
            fehler = "Unbekanntes Argument \u201E" + a + "\u201C.";
            return std::nullopt;
        }
        if (i + 1 >= argumente.size() || argumente[i + 1].empty()) {
            fehler = "Nach \u201E" + a + "\u201C fehlt " +
                     (ziel == &aufruf.tabelle ? "der Schlüssel der Tabelle." : "der Dateiname.");
            return std::nullopt;
        }
        if (!ziel->empty()) {
            fehler = "\u201E" + a + "\u201C ist zweimal angegeben.";
            return std::nullopt;
        }
        *ziel = argumente[++i];
    }
    if (aufruf.version) return aufruf;
    if (!aufruf.hilfe && aufruf.tabellenZeigen) {
        // The list of tables is all this call does: anything else asked for would be dropped.
        std::string andere;
        for (const auto& [wert, name] :
             {std::pair{&aufruf.monatsliste, "--monatsliste"},
              std::pair{&aufruf.ergebnis, "--ergebnis"},
              std::pair{&aufruf.einstellungen, "--einstellungen"},
              std::pair{&aufruf.tabelle, "--tabelle"}, std::pair{&aufruf.falldatei, "FALLDATEI"}}) {
            if (wert->empty()) continue;
            andere += std::string(andere.empty() ? "" : ", ") + "\u201E" + name + "\u201C";
        }
        if (!andere.empty()) {
            fehler =
                "\u201E--tabellen\u201C steht allein; es geht nicht zusammen mit " + andere + ".";
            return std::nullopt;
        }
    }
    const bool ausgabe = !aufruf.monatsliste.empty() || !aufruf.ergebnis.empty();
    for (const auto& [wert, name] : {std::pair{&aufruf.einstellungen, "--einstellungen"},
                                     std::pair{&aufruf.tabelle, "--tabelle"}}) {
        if (!aufruf.hilfe && !aufruf.tabellenZeigen && !wert->empty() && !ausgabe) {
            fehler = std::string("\u201E") + name +
                     "\u201C braucht \u201E--monatsliste\u201C oder \u201E--ergebnis\u201C.";
            return std::nullopt;
        }
    }
    if (!aufruf.hilfe && !aufruf.falldatei.empty() && !aufruf.fensterOeffnen()) {
        fehler =
            "Eine Falldatei wird im Fenster geöffnet; ohne Fenster nennt "
            "\u201E--einstellungen DATEI\u201C den Fall.";
        return std::nullopt;
    }
    if (!aufruf.hilfe && !aufruf.ergebnis.empty() && !istPdfZiel(aufruf.ergebnis)) {
        fehler =
            "\u201E--ergebnis\u201C schreibt eine PDF-Datei; der Dateiname muss auf "
            "\u201E.pdf\u201C enden.";
        return std::nullopt;
    }
    return aufruf;
}

std::string aufrufHilfe() {
    return "Aufruf: korvalt [--monatsliste DATEI] [--ergebnis DATEI.pdf] [--einstellungen DATEI]\n"
           "               [--tabelle SCHLÜSSEL]\n"
           "       korvalt --version\n"
           "       korvalt --tabellen\n"
           "Ohne Argumente öffnet Korvalt sein Fenster.\n"
           "\"korvalt FALLDATEI\" öffnet das Fenster mit dem Fall aus FALLDATEI (z. B. "
           "Muster.korvalt).\n"
           "\n"
           "  --monatsliste DATEI     schreibt die Monatsliste des Falls, ohne ein Fenster zu "
           "öffnen:\n"
           "                          bei DATEI.pdf als PDF, wie der Drucker sie druckt,\n"
           "                          sonst als CSV (\";\"-getrennt, UTF-8), bei DATEI \"-\" auf "
           "die Standardausgabe\n"
           "  --ergebnis DATEI.pdf    schreibt den Ergebnisdruck (das Fenster als Seite) als PDF\n"
           "  --einstellungen DATEI   nimmt den Fall aus dieser Einstellungsdatei (75 Bytes, "
           "beginnt mit \"st\");\n"
           "                          sonst aus \"korvalt-einstellungen.dat\" im "
           "Arbeitsverzeichnis,\n"
           "                          sonst den Beispielfall\n"
           "  --tabelle SCHLÜSSEL     rechnet den Fall in dieser Tariftabelle (z. B. 2026-05) "
           "statt in "
           "der,\n"
           "                          die die Einstellungsdatei nennt (sonst 2006)\n"
           "  --tabellen              zeigt die Schlüssel der Tariftabellen mit ihren "
           "Überschriften\n"
           "  --help                  zeigt diese Hilfe\n"
           "  --version               zeigt Programmname und Version\n"
           "\n"
           "Rückgabewerte: 0 gelungen, 1 Ausgabe nicht schreibbar, 2 falscher Aufruf oder Eingabe "
           "nicht lesbar.\n";
}

std::string versionsText() {
    return "Korvalt " KORVALT_VERSION "\n";
}

void GesammelteMeldungen::warnen(std::string_view titel, std::string_view text) {
    text_ += std::string(titel) + ": " + std::string(text) + "\n";
}

void GesammelteMeldungen::hinweisen(std::string_view titel, std::string_view text) {
    hinweise_ += "korvalt: " + std::string(titel) + ": " + std::string(text) + "\n";
}

Startoptionen startoptionen(const Aufruf& aufruf,
                            const std::filesystem::path& programmverzeichnis) {
    Startoptionen optionen;
    optionen.tarifdatei = tarifdateiSuchorte(programmverzeichnis);
    optionen.einstellungsdateiGenannt = !aufruf.einstellungen.empty();
    optionen.einstellungsdatei = optionen.einstellungsdateiGenannt
                                     ? std::filesystem::path(aufruf.einstellungen)
                                     : std::filesystem::path(einstellungsdateiName);
    optionen.ohneFenster = true;
    optionen.tabelle = aufruf.tabelle;
    return optionen;
}

int tabellenAuflisten(const std::filesystem::path& programmverzeichnis, std::ostream& aus,
                      std::ostream& fehlerausgabe) {
    Tarifdatei datei;
    GesammelteMeldungen meldungen;
    const Tabellenkatalog katalog =
        datei.aufsuchen(tarifdateiSuchorte(programmverzeichnis), meldungen);
    fehlerausgabe << meldungen.hinweise();
    if (!meldungen.text().empty()) {
        fehlerausgabe << "korvalt: " << meldungen.text();
        return exitEingabefehler;
    }
    std::size_t breite = 0;
    for (const auto& t : katalog.tabellen()) breite = std::max(breite, t.schluessel.size());
    for (const auto& t : katalog.tabellen())
        aus << t.schluessel << std::string(breite + 2 - t.schluessel.size(), ' ') << t.ueberschrift
            << "\n";
    aus << std::flush;
    return aus ? exitGut : exitSchreibfehler;
}

bool fallRechnen(const Aufruf& aufruf, Speicherfall& fall,
                 const std::filesystem::path& programmverzeichnis, std::string& fehler,
                 std::ostream& hinweisausgabe) {
    GesammelteMeldungen meldungen;
    fehler = fall.anzeige.laden(startoptionen(aufruf, programmverzeichnis), meldungen);
    hinweisausgabe << meldungen.hinweise() << std::flush;
    // Without a window every warning ends the run; the tariff file's come before a missing table.
    if (!meldungen.text().empty()) fehler = meldungen.fehlertext();
    return fehler.empty();
}

bool textSchreiben(const std::string& ziel, const std::string& text, std::ostream& standardausgabe,
                   std::string& fehler) {
    if (ziel == "-") {
        standardausgabe << text << std::flush;
        if (!standardausgabe) fehler = "Die Standardausgabe kann nicht geschrieben werden.";
        return bool(standardausgabe);
    }
    return dateiSchreiben(ziel, text, fehler);
}

int monatslisteCsvExportieren(const Aufruf& aufruf,
                              const std::filesystem::path& programmverzeichnis, std::ostream& aus,
                              std::ostream& fehlerausgabe) {
    auto fall = std::make_unique<Speicherfall>();
    std::string fehler;
    if (!fallRechnen(aufruf, *fall, programmverzeichnis, fehler, fehlerausgabe)) {
        fehlerausgabe << "korvalt: " << fehler << "\n";
        return exitEingabefehler;
    }
    if (!textSchreiben(aufruf.monatsliste,
                       monatslisteCsv(fall->sitzung.daten(), fall->sitzung.tabellen()), aus,
                       fehler)) {
        fehlerausgabe << "korvalt: " << fehler << "\n";
        return exitSchreibfehler;
    }
    return exitGut;
}

}  // namespace korvalt
