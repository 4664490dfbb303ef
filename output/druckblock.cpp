// The lines of the block every printout carries.
#include "druckblock.h"

#include <cstdlib>
#include <ctime>

#include "monatsliste.h"
#include "prozentzahlen.h"
#include "sitzung.h"
#include "stufendaten.h"

namespace korvalt {

std::vector<std::string> Druckblock::zeilen() const {
    std::vector<std::string> alle;
    for (const auto* teil : {&person, &tabellen, &kalender, &netto, &hinweise})
        alle.insert(alle.end(), teil->begin(), teil->end());
    return alle;
}

std::string druckdatumText() {
    std::time_t zeit = std::time(nullptr);
    std::tm tag{};
    const char* epoche = std::getenv("SOURCE_DATE_EPOCH");
    char* ende = nullptr;
    const long long sekunden = epoche ? std::strtoll(epoche, &ende, 10) : 0;
    if (epoche && *epoche && ende && *ende == '\0') {
        zeit = static_cast<std::time_t>(sekunden);
        gmtime_r(&zeit, &tag);
    } else {
        localtime_r(&zeit, &tag);
    }
    char text[16];
    std::strftime(text, sizeof text, "%d.%m.%Y", &tag);
    return text;
}

Druckblock druckblockBilden(const TarifDaten& daten, const Falltabellen& t,
                            const std::vector<Tabellenabschnitt>& abschnitte,
                            std::string_view erhoehungshinweis, std::string_view fall,
                            std::string_view datum, const Nettofall* netto) {
    Druckblock block;
    const std::string kurz = personKurz(t.person);
    block.titel = !kurz.empty() ? kurz : fall.empty() ? t.namen.individuell : std::string(fall);
    for (const Personenfeld& feld : personenfelder)
        if (const std::string& text = t.person.*feld.text; !text.empty())
            block.person.push_back(std::string(feld.bezeichnung) + ": " + text);
    // A printout filed without a name says so, rather than leaving the reader to guess whose it
    // is.
    if (block.person.empty()) block.person.push_back(ohnePersonText);

    const Tabellenkatalog& katalog = daten.tabellenkatalog;
    block.tabellen.push_back("Tabelle: " + katalog.tabelle(t.tabelle).ueberschrift);
    for (const Tabellenabschnitt& a : abschnitte)
        block.tabellen.push_back("  " + a.von.text() + " bis " + a.bis.text() + ": " +
                                 katalog.tabelle(a.schluessel).ueberschrift);

    const Kalenderangaben& k = t.kalender;
    const int monate = daten.monatsanzahl;
    const std::string dauer = monate < 1 ? "keine Monate" : std::to_string(monate) + " Monate";
    if (k.beginn && monate >= 1)
        block.kalender.push_back("Beginn: " + k.beginn->text() + ", Ende: " +
                                 (*k.beginn + (monate - 1)).text() + " (" + dauer + ")");
    else if (k.beginn)
        block.kalender.push_back("Beginn: " + k.beginn->text() + " (" + dauer + ")");
    else
        block.kalender.push_back("Beginn: ohne Datum (" + dauer + ")");
    if (k.aktuelleStufe)
        block.kalender.push_back("Aktuelle Stufe: Stufe " + std::to_string(k.aktuelleStufe->stufe) +
                                 " seit " + k.aktuelleStufe->seit.text());
    auto anteil = [](int a) { return anteilText(a) + " (" + wochenstundenText(a) + ")"; };
    block.kalender.push_back("Arbeitszeit: " + t.namen.normal + " " + anteil(k.anteilN) + ", " +
                             t.namen.individuell + " " + anteil(k.anteilI));
    if (!erhoehungshinweis.empty()) {
        std::string erhoehung(erhoehungshinweis);
        // The Rechner's note begins a sentence here.
        if (erhoehung[0] >= 'a' && erhoehung[0] <= 'z')
            erhoehung[0] = char(erhoehung[0] - 'a' + 'A');
        block.kalender.push_back(erhoehung);
    }
    for (const std::string& zeile : zeitraumzeilen(t.zeitraeume, t.namen))
        block.kalender.push_back(zeile);

    if (netto) block.netto = nettohinweise(*netto);

    block.hinweise = {"Rechtsgrundlage: \u00A7\u00A7 15\u201317, 20 TVöD",
                      "Unverbindliche Modellrechnung; maßgeblich ist die Entgeltabrechnung"};
    block.gedruckt = "Gedruckt am " + std::string(datum);
    return block;
}

Druckblock druckblockBilden(const Sitzung& sitzung, std::string_view fall) {
    const Rechner& r = sitzung.rechner();
    Druckblock block =
        druckblockBilden(sitzung.daten(), sitzung.tabellen(), r.tabellenabschnitte(),
                         r.erhoehungshinweis(), fall, druckdatumText(), sitzung.netto());
    for (const std::string& zeile : sitzung.stufendatenzeilen()) block.kalender.push_back(zeile);
    return block;
}

}  // namespace korvalt
