// Opening a case from its records, and the command line's settings over it.
#include "fallstart.h"

#include <algorithm>
#include <tuple>

#include "einstellungssatz.h"
#include "fallaenderungen.h"
#include "falltabellen.h"
#include "festertext.h"
#include "kalenderangabentext.h"
#include "kalenderpruefung.h"

namespace korvalt {

namespace {

// Passes the reader's warning about an unknown table on as text.
class Sammler : public Meldungen {
  public:
    void warnen(std::string_view, std::string_view text) override { gesammelt += text; }
    std::int16_t okAbbrechen(std::string_view, std::string_view) override { return 2; }
    std::string gesammelt;
};

Ergebnis<Fallangaben> kalenderVorgeben(const Fallangaben& fall, const Kalendervorgaben& v,
                                       const Tabellenkatalog& katalog) {
    if (v.leer()) return fall;
    Kalenderangaben angaben = fall.kalender;
    if (v.beginn) angaben.beginn = v.beginn;
    if (v.ende) angaben.ende = v.ende;
    if (v.anteile) std::tie(angaben.anteilN, angaben.anteilI) = *v.anteile;
    if (v.erhoehung) angaben.erhoehung = v.erhoehung;
    if (v.aktuelleStufe) angaben.aktuelleStufe = v.aktuelleStufe;
    return mitKalender(fall, angaben, katalog);
}

Ergebnis<Fallangaben> startgruppeVorgeben(const Fallangaben& fall, const std::string& bezeichnung,
                                          const Tabellenkatalog& katalog) {
    if (bezeichnung.empty()) return fall;
    const Tariftabelle& tabelle = katalog.tabelle(fall.tabelle);
    const auto gruppe = tabelle.gruppennummer(bezeichnung);
    if (!gruppe) {
        std::string bekannt;
        for (const std::string& g : tabelle.gruppen) bekannt += (bekannt.empty() ? "" : ", ") + g;
        return Grund{"Die Entgeltgruppe " + zitat(bezeichnung) + " gibt es in \u201E" +
                     tabelle.ueberschrift + "\u201C nicht (dort: " + bekannt + ")."};
    }
    Fallangaben n = fall;
    n.startgruppe = static_cast<Integer>(*gruppe);
    return n;
}

Ergebnis<Fallangaben> steuerVorgeben(const Fallangaben& fall, const Steuervorgaben& v,
                                     const Tabellenkatalog& katalog) {
    if (v.leer()) return fall;
    if (!v.steuerklasse && !fall.steuer)
        return Grund{
            "Ohne Steuerklasse gibt es keinen Nettolohn, und der Fall hat keine Angaben zu Steuer "
            "und Sozialversicherung."};
    Steuerangaben a = fall.steuer.value_or(neueSteuerangaben());
    if (v.steuerklasse) a.steuerklasse = *v.steuerklasse;
    if (v.kinderfreibetraegeZehntel) a.kinderfreibetraegeZehntel = *v.kinderfreibetraegeZehntel;
    if (v.kirchensteuerProzent) a.kirchensteuerProzent = *v.kirchensteuerProzent;
    if (v.kinder) a.kinder = *v.kinder;
    if (v.sachsen) a.sachsen = true;
    if (v.zusatzbeitrag) {
        a.zusatzbeitrag = v.zusatzbeitrag;
        a.privatbeitrag.reset();
    }
    if (v.privatbeitrag) {
        a.privatbeitrag = v.privatbeitrag;
        a.zusatzbeitrag.reset();
    }
    if (v.zusatzversorgung) {
        a.versorgungskasse = v.zusatzversorgung->kasse;
        a.zusatzversorgung = v.zusatzversorgung->anteil;
        a.umlage = v.zusatzversorgung->umlage;
    }
    return mitSteuer(fall, a, katalog);
}

}  // namespace

std::optional<Fallgelesen> fallLesen(const Einstellungslesung& lesung,
                                     const Tabellenkatalog& katalog, const Tariftabelle* statt) {
    if (!istFallsatz(lesung.satz)) return std::nullopt;
    Einstellungssatz leer;
    leer.fill(' ');
    const Einstellungssatz tabellensatz = lesung.tabellensatz.value_or(leer);
    Fallgelesen gelesen;
    Fallangaben& fall = gelesen.fall;
    if (statt) {
        // The case's own table only carries its start group across.
        fall.tabelle =
            katalog.tabelle(tabellensatzLesen(tabellensatz).value_or(katalog.standard().schluessel))
                .schluessel;
    } else {
        Sammler sammler;
        fall.tabelle = tabelleDesFalls(tabellensatz, katalog, sammler);
        gelesen.tabellenwarnung = sammler.gesammelt;
    }
    const Tariftabelle& eigene = katalog.tabelle(fall.tabelle);
    int startgruppe = *einstellungssatzWiederherstellen(
        lesung.satz, lesung.kalendersatz.value_or(leer), fall, eigene.gruppenzahl(), lesung.person,
        lesung.fallnamen, lesung.steuersatz, lesung.behalten);
    if (statt) {
        startgruppe = gruppeUebertragen(eigene, startgruppe, *statt);
        fall.tabelle = statt->schluessel;
    }
    fall.startgruppe = static_cast<Integer>(startgruppe);
    fall.zeitraeume = lesung.zeitraeume;
    gelesen.startgruppe = fall.startgruppe;
    const Kalenderangaben kalender = fall.kalender;
    if (kalender.leer()) return gelesen;
    // As read, a current step is not a change: a duration typed shorter since is walked on.
    gelesen.kalendergrund =
        kalenderPruefen(kalender, kalender, fall, katalog.tabelle(fall.tabelle), katalog);
    if (gelesen.kalendergrund.empty()) return gelesen;
    fall.ruhenderKalender = lesung.kalendersatz.value_or(leer);
    fall.kalender = {};
    gelesen.kalenderhinweis = "Die Kalenderangaben des Falls (" + kalenderangabenText(kalender) +
                              ") bleiben unbeachtet: " + gelesen.kalendergrund +
                              " Beim Speichern bleiben sie unverändert in der Datei.";
    return gelesen;
}

std::string steuerhinweis(const Fallangaben& fall, const Tabellenkatalog& katalog) {
    const std::string grund = nettoGrund(fall, katalog);
    if (grund.empty()) return "";
    return "Die Angaben zu Steuer und Sozialversicherung (" + steuerangabenText(*fall.steuer) +
           ") bleiben unbeachtet: " + grund +
           " Beim Speichern bleiben sie unverändert in der Datei.";
}

Fallangaben ersterFall(const Tabellenkatalog& katalog, KalenderMonat heute) {
    const Fallangaben beispiel = beispielfall(katalog);
    const Tariftabelle* vka = katalog.finden("vka");
    if (!vka || !vka->nachDatum) return beispiel;
    Kalenderangaben kalender;
    kalender.beginn = std::clamp(heute, fruehesterBeginn, spaetesterBeginn);
    Ergebnis<Fallangaben> fall = mitTabelle(beispiel, vka->schluessel, katalog, kalender);
    if (fall) fall = startgruppeVorgeben(*fall, "9a", katalog);
    return fall ? *fall : beispiel;
}

Ergebnis<Fallangaben> vorgabenAnwenden(const Fallangaben& fall, const Startoptionen& optionen,
                                       const Tabellenkatalog& katalog) {
    Ergebnis<Fallangaben> n = kalenderVorgeben(fall, optionen.kalender, katalog);
    if (n) n = startgruppeVorgeben(*n, optionen.startgruppe, katalog);
    if (n && optionen.hoehergruppierung)
        n = mitHoehergruppierung(*n, *optionen.hoehergruppierung, katalog);
    if (n && !optionen.zeitraeume.empty())
        n = mitZeitraeumen(*n, optionen.zeitraeume, katalog);
    if (n) n = steuerVorgeben(*n, optionen.steuer, katalog);
    return n;
}

}  // namespace korvalt
