// Formats the year rows for the CSV file.
#include "jahresliste_csv.h"

#include <memory>

#include "tabellenmappe.h"
#include "zahlen.h"

namespace korvalt {

namespace {

// `netto` is the same year of the net pays, or null.
void zeileSchreiben(std::string& aus, const Jahresdaten& d, const Jahreszeile& z,
                    const Jahreszeile* netto, bool mitKumuliert) {
    const auto bonus = [&](std::int64_t cent) {
        return d.mitSonderzahlung ? jahresbetragText(d, cent) : std::string();
    };
    aus += z.bezeichnung + ';' + std::to_string(z.monate) + ';' + jahresbetragText(d, z.centN) +
           ';' + bonus(z.sonderzahlungN) + ';' + jahresbetragText(d, z.centI) + ';' +
           bonus(z.sonderzahlungI) + ';' + jahresbetragText(d, z.differenz) + ';' +
           (mitKumuliert ? jahresbetragText(d, z.kumuliert) : std::string());
    if (netto)
        aus += ';' + jahresbetragText(d, netto->centN) + ';' + jahresbetragText(d, netto->centI) +
               ';' + jahresbetragText(d, netto->differenz) + ';' +
               (mitKumuliert ? jahresbetragText(d, netto->kumuliert) : std::string());
    aus += '\n';
}

}  // namespace

std::string jahresbetragText(const Jahresdaten& daten, std::int64_t cent) {
    return daten.inCent ? centText(cent) : ganzzahlText(euroGerundet(cent));
}

std::string jahreslisteCsv(const Jahresdaten& daten) {
    std::string aus =
        "Jahr;Monate;Entgelt Normalfall;Jahressonderzahlung Normalfall;Entgelt Beispielfall;"
        "Jahressonderzahlung Beispielfall;Differenz;Differenz kumuliert";
    const auto& netto = daten.netto;
    if (netto)
        aus += ";Netto Normalfall;Netto Beispielfall;Differenz netto;Differenz netto kumuliert";
    aus += '\n';
    const Jahresuebersicht& u = daten.uebersicht;
    // Both are built over the same months, so their years stand side by side.
    for (std::size_t i = 0; i < u.jahre.size(); ++i)
        zeileSchreiben(aus, daten, u.jahre[i], netto ? &netto->jahre[i] : nullptr, true);
    zeileSchreiben(aus, daten, u.gesamt, netto ? &netto->gesamt : nullptr, false);
    for (const std::string& satz : ausgleichSaetze(daten)) aus += satz + '\n';
    for (const std::string& hinweis : daten.nettohinweise) aus += hinweis + '\n';
    return aus;
}

int jahreslisteCsvExportieren(const Aufruf& aufruf,
                              const std::filesystem::path& programmverzeichnis, std::ostream& aus,
                              std::ostream& fehlerausgabe) {
    if (istTabellenZiel(aufruf.jahresliste))
        return jahreslisteMappeExportieren(aufruf, programmverzeichnis, fehlerausgabe);
    const auto fall = fallRechnen(aufruf, programmverzeichnis, fehlerausgabe);
    if (!fall) return exitEingabefehler;
    const Jahresdaten daten = jahresdatenBilden(fall->sitzung, true);
    // A bonus that cannot be computed is an error, not an empty column.
    if (!daten.sonderzahlungFehler.empty()) {
        fehlerausgabe << "korvalt: " << daten.sonderzahlungFehler << "\n";
        return exitEingabefehler;
    }
    std::string fehler;
    if (!textSchreiben(aufruf.jahresliste, jahreslisteCsv(daten), aus, fehler)) {
        fehlerausgabe << "korvalt: " << fehler << "\n";
        return exitSchreibfehler;
    }
    return exitGut;
}

}  // namespace korvalt
