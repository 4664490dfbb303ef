// Reading the command line and exporting the month list as CSV.
#include "kommandozeile.h"

#include <cctype>
#include <memory>

#include "einstellungsdatei.h"
#include "monatsliste_csv.h"
#include "sicheredatei.h"

namespace korvalt {

bool istPdfZiel(std::string_view ziel) {
    if (ziel.size() < 4) return false;
    std::string endung(ziel.substr(ziel.size() - 4));
    for (char& c : endung) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return endung == ".pdf";
}

bool Aufruf::brauchtQt() const {
    return !hilfe && (istPdfZiel(monatsliste) || !ergebnis.empty());
}

std::optional<Aufruf> aufrufLesen(const std::vector<std::string>& argumente, std::string& fehler) {
    Aufruf aufruf;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        if (a == "--help" || a == "-h") {
            aufruf.hilfe = true;
            continue;
        }
        std::string* ziel = nullptr;
        if (a == "--monatsliste") ziel = &aufruf.monatsliste;
        if (a == "--ergebnis") ziel = &aufruf.ergebnis;
        if (a == "--einstellungen") ziel = &aufruf.einstellungen;
        if (!ziel) {
            fehler = "Unbekanntes Argument \u201E" + a + "\u201C.";
            return std::nullopt;
        }
        if (i + 1 >= argumente.size() || argumente[i + 1].empty()) {
            fehler = "Nach \u201E" + a + "\u201C fehlt der Dateiname.";
            return std::nullopt;
        }
        if (!ziel->empty()) {
            fehler = "\u201E" + a + "\u201C ist zweimal angegeben.";
            return std::nullopt;
        }
        *ziel = argumente[++i];
    }
    if (!aufruf.hilfe && !aufruf.einstellungen.empty() && aufruf.monatsliste.empty() &&
        aufruf.ergebnis.empty()) {
        fehler =
            "\u201E--einstellungen\u201C braucht \u201E--monatsliste\u201C oder "
            "\u201E--ergebnis\u201C.";
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
           "Ohne Argumente öffnet Korvalt sein Fenster.\n"
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
           "  --help                  zeigt diese Hilfe\n"
           "\n"
           "Rückgabewerte: 0 gelungen, 1 Ausgabe nicht schreibbar, 2 falscher Aufruf oder Eingabe "
           "nicht lesbar.\n";
}

void GesammelteMeldungen::warnen(std::string_view titel, std::string_view text) {
    text_ += std::string(titel) + ": " + std::string(text) + "\n";
}

bool einstellungenFuerAufruf(const Aufruf& aufruf, TarifDaten& daten, std::string& fehler) {
    const bool genannt = !aufruf.einstellungen.empty();
    const Einstellungslesung lesung = einstellungsdateiLesen(
        genannt ? std::filesystem::path(aufruf.einstellungen) : einstellungsdateiName);
    switch (lesung.ergebnis) {
        case Einstellungslesung::Ergebnis::gelesen:
            daten.einstellungssatz = lesung.satz;
            return true;
        case Einstellungslesung::Ergebnis::fehlt:
            // Without a saved case in the working directory the example case is meant.
            if (!genannt) return true;
            break;
        case Einstellungslesung::Ergebnis::unbrauchbar:
            break;
    }
    fehler = lesung.fehler;
    return false;
}

bool fallRechnen(const Aufruf& aufruf, OhneFenster& fall,
                 const std::filesystem::path& programmverzeichnis, std::string& fehler) {
    if (!einstellungenFuerAufruf(aufruf, fall.daten, fehler)) return false;
    GesammelteMeldungen meldungen;
    fall.rechner.laden(tarifdateiSuchorte(programmverzeichnis), meldungen);
    if (!meldungen.text().empty()) {
        fehler = meldungen.text();
        if (fehler.back() == '\n') fehler.pop_back();
        return false;
    }
    return true;
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
    auto fall = std::make_unique<OhneFenster>();
    std::string fehler;
    if (!fallRechnen(aufruf, *fall, programmverzeichnis, fehler)) {
        fehlerausgabe << "korvalt: " << fehler << "\n";
        return exitEingabefehler;
    }
    if (!textSchreiben(aufruf.monatsliste, monatslisteCsv(fall->daten, fall->tabellen), aus,
                       fehler)) {
        fehlerausgabe << "korvalt: " << fehler << "\n";
        return exitSchreibfehler;
    }
    return exitGut;
}

}  // namespace korvalt
