// The start-up of a case up to its first calculation.
#include "sitzung.h"

#include <tuple>

#include "aktuellestufe.h"
#include "einstellungssatz.h"
#include "festertext.h"
#include "sicheredatei.h"

namespace korvalt {

Eroeffnung Sitzung::oeffnen(const Startoptionen& optionen, Meldungen& meldungen) {
    std::string hinweis;
    Einstellungssatz fallsatz;
    fallsatz.fill(' ');
    Einstellungssatz tabellensatz = fallsatz;
    Einstellungssatz kalendersatz = fallsatz;
    if (!optionen.einstellungsdatei.empty()) {
        // A save goes to the file read here, and the window's messages name it in full; the
        // command line's name it as it was given.
        einstellungsdatei_ = vollerPfad(optionen.einstellungsdatei);
        const Einstellungslesung lesung = einstellungsdateiLesen(
            optionen.ohneFenster ? optionen.einstellungsdatei : einstellungsdatei_);
        switch (lesung.ergebnis) {
            case Einstellungslesung::Ergebnis::gelesen:
                fallsatz = lesung.satz;
                tabellensatz = lesung.tabellensatz.value_or(tabellensatz);
                kalendersatz = lesung.kalendersatz.value_or(kalendersatz);
                hinweis = lesung.hinweis;
                break;
            case Einstellungslesung::Ergebnis::fehlt:
                if (optionen.ohneFenster && optionen.einstellungsdateiGenannt)
                    return {std::nullopt, lesung.fehler};
                break;
            case Einstellungslesung::Ergebnis::unbrauchbar:
                if (optionen.ohneFenster) return {std::nullopt, lesung.fehler};
                meldungen.warnen("Einstellungsdatei",
                                 lesung.fehler + "\nKorvalt öffnet den Beispielfall.");
                break;
        }
    }

    static constexpr const char* monate[] = {"JANUAR",    "FEBRUAR", "MÄRZ",     "APRIL",
                                             "MAI",       "JUNI",    "JULI",     "AUGUST",
                                             "SEPTEMBER", "OKTOBER", "NOVEMBER", "DEZEMBER"};
    for (int i = 0; i <= 11; ++i) daten_.monatsname(i) = monate[i];
    tabellen_.anfangsfokusSetzen();
    daten_.gebiet = daten_.ost == 0 ? " WEST" : " OST";
    tarifdateiöffnen(daten_, tarifdatei_, optionen.tarifdatei, meldungen);
    const Tabellenkatalog& katalog = daten_.tabellenkatalog;
    const Tariftabelle* gewaehlt = nullptr;
    if (!optionen.tabelle.empty()) {
        gewaehlt = katalog.finden(optionen.tabelle);
        if (!gewaehlt)
            return {std::nullopt,
                    "Die Tariftabelle " + zitat(optionen.tabelle) +
                        " gibt es nicht. Bekannte Tabellen: " + katalog.schluesselliste() + "."};
        // The case's own table only carries its start group across.
        daten_.tabelle =
            katalog.tabelle(tabellensatzLesen(tabellensatz).value_or(katalog.standard().schluessel))
                .schluessel;
    } else {
        daten_.tabelle = tabelleDesFalls(tabellensatz, katalog, meldungen);
    }
    titeltarif_ = daten_.fall.tarif();

    auto startgruppe = einstellungssatzWiederherstellen(fallsatz, kalendersatz, tabellen_,
                                                        rechner_.tabelle().gruppenzahl());
    if (gewaehlt) {
        if (startgruppe)
            startgruppe = static_cast<Integer>(
                gruppeUebertragen(rechner_.tabelle(), *startgruppe, *gewaehlt));
        daten_.tabelle = gewaehlt->schluessel;
    }
    titel_ = fenstertitel(daten_, titeltarif_);
    if (startgruppe)
        tabellen_.gruppe(1) = *startgruppe;
    else
        standardfallSetzen(tabellen_);
    std::string fehler;
    if (!kalenderVorgeben(optionen.kalender, fehler)) {
        if (!hinweis.empty()) meldungen.hinweisen("Einstellungsdatei", hinweis);
        return {std::nullopt, fehler};
    }
    // Without a window a case by date without a start month is refused; the window opens it.
    if (optionen.ohneFenster)
        fehler = beginnFehlt(rechner_.tabelle(), tabellen_.kalender.beginn.has_value());
    else if (!gewaehlt)
        ohneBeginnVertreten();
    hinweis = oeffnungshinweis(hinweis);
    if (!hinweis.empty()) meldungen.hinweisen("Einstellungsdatei", hinweis);
    if (!fehler.empty()) return {std::nullopt, fehler};
    return {startgruppe, {}};
}

bool Sitzung::kalenderVorgeben(const Kalendervorgaben& vorgaben, std::string& fehler) {
    if (vorgaben.leer()) return true;
    Kalenderangaben angaben = tabellen_.kalender;
    if (vorgaben.beginn) angaben.beginn = vorgaben.beginn;
    if (vorgaben.anteile) std::tie(angaben.anteilN, angaben.anteilI) = *vorgaben.anteile;
    if (vorgaben.erhoehung) angaben.erhoehung = vorgaben.erhoehung;
    const Kalenderangaben vorher = tabellen_.kalender;
    if (!rechner_.kalenderSetzen(angaben, fehler)) return false;
    return !vorgaben.aktuelleStufe ||
           stufeSchonAngerechnet(vorher, *vorgaben.aktuelleStufe, angaben.beginn) ||
           rechner_.aktuelleStufeSetzen(*vorgaben.aktuelleStufe, fehler);
}

bool Sitzung::speichern(std::string_view startgruppentext, const std::filesystem::path& datei,
                        std::string& fehler) const {
    return einstellungsdateiSchreiben(datei, saetze(startgruppentext), fehler);
}

std::vector<Einstellungssatz> Sitzung::saetze(std::string_view startgruppentext) const {
    const Tariftabelle& tabelle = nachDatumVorgemerkt_.empty()
                                      ? rechner_.tabelle()
                                      : daten_.tabellenkatalog.tabelle(nachDatumVorgemerkt_);
    return einstellungssaetzeBilden(startgruppentext, tabellen_, tabelle);
}

void Sitzung::tabelleSetzen(const std::string& schluessel) {
    daten_.tabelle = schluessel;
    titel_ = fenstertitel(daten_, titeltarif_);
}

std::string Sitzung::oeffnungshinweis(const std::string& hinweis) const {
    if (vertretungsgrund_.empty()) return hinweis;
    return hinweis + (hinweis.empty() ? "" : "\n\n") + vertretungsgrund_;
}

void Sitzung::ohneBeginnVertreten() {
    nachDatumVorgemerkt_.clear();
    vertretungsgrund_.clear();
    const Tariftabelle& tabelle = rechner_.tabelle();
    if (!tabelle.nachDatum || tabellen_.kalender.beginn) return;
    const auto datiert = daten_.tabellenkatalog.datierteTabellen(tabelle.seite);
    if (datiert.empty()) return;
    const Tariftabelle& letzte = *datiert.back();
    const bool beschaedigt = tabellen_.kalendersatz && tabellen_.kalendersatz->beschaedigt;
    vertretungsgrund_ =
        "Der Fall wird nach Datum gerechnet (\u201E" + tabelle.menuetitel() +
        "\u201C) und braucht dafür einen Beginn, den " +
        (beschaedigt ? "sein beschädigter Kalendersatz nicht nennt" : "er nicht hat") +
        ". Bis Sie unter Fall \u203A Beginn, Stufe und Teilzeit einen Beginn "
        "angeben, rechnet Korvalt ihn mit der Tabelle Stand " +
        letzte.menuetitel() + "; gespeichert wird er weiter nach Datum" +
        (beschaedigt ? ", mit seinem Kalendersatz, wie er ist." : ".");
    nachDatumVorgemerkt_ = tabelle.schluessel;
    tabelleSetzen(letzte.schluessel);
}

bool Sitzung::tabelleWaehlen(std::string_view schluessel, std::string& fehler) {
    if (!rechner_.tabelleWaehlen(schluessel, fehler)) return false;
    titel_ = fenstertitel(daten_, titeltarif_);
    // The table chosen replaces the one the case waited in.
    nachDatumVorgemerkt_.clear();
    vertretungsgrund_.clear();
    return true;
}

bool Sitzung::kalenderSetzen(const Kalenderangaben& angaben, std::string& fehler) {
    if (!rechner_.kalenderSetzen(angaben, fehler)) return false;
    if (!nachDatumVorgemerkt_.empty() && angaben.beginn) {
        tabelleSetzen(nachDatumVorgemerkt_);
        nachDatumVorgemerkt_.clear();
        vertretungsgrund_.clear();
    }
    return true;
}

void Sitzung::dauerSetzen(Seite seite, int spalte, int stufe, Integer wert) {
    if (stufe == 0)
        tabellen_.grdauer(seite)(spalte) = wert;
    else
        tabellen_.stufendauer(static_cast<int>(seite), spalte, stufe) = wert;
}

void Sitzung::fokusSetzen(Fokusart art, Integer seite, Integer spalte, Integer stufe) {
    tabellen_.fokusart = art;
    tabellen_.fokusseite = seite;
    tabellen_.fokusspalte = spalte;
    tabellen_.fokusstufe = stufe;
}

std::optional<Integer> Sitzung::fallLaden(const Einstellungssatz& satz,
                                          const Einstellungssatz& tabellensatz,
                                          const Einstellungssatz& kalendersatz,
                                          Meldungen& meldungen) {
    tabelleSetzen(tabelleDesFalls(tabellensatz, daten_.tabellenkatalog, meldungen));
    const auto startgruppe =
        einstellungssatzWiederherstellen(satz, kalendersatz, tabellen_, tabelle().gruppenzahl());
    ohneBeginnVertreten();
    return startgruppe;
}

void Sitzung::beispielfallLaden(std::string_view schluessel) {
    const Tabellenkatalog& katalog = daten_.tabellenkatalog;
    const Tariftabelle* tabelle = schluessel.empty() ? nullptr : katalog.finden(schluessel);
    if (tabelle && tabelle->nachDatum) {
        const auto datiert = katalog.datierteTabellen(tabelle->seite);
        tabelle = datiert.empty() ? nullptr : datiert.back();
    }
    tabelleSetzen(tabelle ? tabelle->schluessel : katalog.standard().schluessel);
    standardfallSetzen(tabellen_);
    nachDatumVorgemerkt_.clear();
    vertretungsgrund_.clear();
}

}  // namespace korvalt
