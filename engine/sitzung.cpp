// The start-up of a case up to its first calculation.
#include "sitzung.h"

#include <algorithm>
#include <tuple>

#include "einstellungssatz.h"
#include "festertext.h"
#include "jahressonderzahlung.h"
#include "kalenderangabentext.h"
#include "kalenderpruefung.h"
#include "kalendersatz.h"
#include "sicheredatei.h"
#include "steuerangaben.h"

namespace korvalt {

namespace {

std::string ruhenderKalenderHinweis(const Kalenderangaben& gelesen, const std::string& grund) {
    return "Die Kalenderangaben des Falls (" + kalenderangabenText(gelesen) +
           ") bleiben unbeachtet: " + grund +
           " Beim Speichern bleiben sie unverändert in der Datei.";
}

std::string ruhendeSteuerHinweis(const Steuerangaben& gelesen, const std::string& grund) {
    return "Die Angaben zu Steuer und Sozialversicherung (" + steuerangabenText(gelesen) +
           ") bleiben unbeachtet: " + grund +
           " Beim Speichern bleiben sie unverändert in der Datei.";
}

}  // namespace

Eroeffnung Sitzung::oeffnen(const Startoptionen& optionen, Meldungen& meldungen) {
    netto_.reset();
    std::string hinweis;
    Einstellungssatz fallsatz;
    fallsatz.fill(' ');
    Einstellungssatz tabellensatz = fallsatz;
    Einstellungssatz kalendersatz = fallsatz;
    Personenangaben person;
    std::optional<Einstellungssatz> steuersatz;
    Fallnamen namen;
    std::vector<BehaltenerSatz> behalten;
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
                person = lesung.person;
                steuersatz = lesung.steuersatz;
                namen = lesung.fallnamen;
                behalten = lesung.behalten;
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
    sonderzahlungsfehler_.clear();
    sonderzahlungssaetze_ =
        sonderzahlungssaetzeLaden(tarifdatei_.pfad().parent_path(), sonderzahlungsfehler_);
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
                                                        rechner_.tabelle().gruppenzahl(), person,
                                                        namen, steuersatz, behalten);
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
    const Kalenderangaben gelesen = tabellen_.kalender;
    if (std::string grund = kalenderNachLaden(kalendersatz); !grund.empty()) {
        // Without a window settings its table of cents refuses end the run, as given ones would.
        if (optionen.ohneFenster && tabelle().inCent)
            return {std::nullopt, "Die Kalenderangaben des Falls gelten nicht: " + grund};
        meldungen.hinweisen("Einstellungsdatei", ruhenderKalenderHinweis(gelesen, grund));
    }
    std::string fehler;
    if (!kalenderVorgeben(optionen.kalender, fehler)) {
        if (!hinweis.empty()) meldungen.hinweisen("Einstellungsdatei", hinweis);
        return {std::nullopt, fehler};
    }
    if (!optionen.startgruppe.empty() &&
        !startgruppeVorgeben(optionen.startgruppe, startgruppe, fehler))
        return {std::nullopt, fehler};
    if (optionen.hoehergruppierung) {
        if (!hoehergruppierungEinrichten(*optionen.hoehergruppierung, fehler))
            return {std::nullopt, fehler};
        startgruppe = tabellen_.gruppe(1);
    }
    // Net pay needs the start month the promotion check gives the case.
    if (!steuerVorgeben(optionen.steuer, fehler)) {
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
    if (std::string ruhend = steuerNachLaden(); !ruhend.empty())
        meldungen.hinweisen("Einstellungsdatei", ruhend);
    if (!fehler.empty()) return {std::nullopt, fehler};
    return {startgruppe, {}};
}

bool Sitzung::startgruppeVorgeben(const std::string& bezeichnung,
                                  std::optional<Integer>& startgruppe, std::string& fehler) {
    const auto gruppe = tabelle().gruppennummer(bezeichnung);
    if (!gruppe) {
        std::string bekannt;
        for (const std::string& g : tabelle().gruppen) bekannt += (bekannt.empty() ? "" : ", ") + g;
        fehler = "Die Entgeltgruppe " + zitat(bezeichnung) + " gibt es in \u201E" +
                 tabelle().ueberschrift + "\u201C nicht (dort: " + bekannt + ").";
        return false;
    }
    startgruppe = static_cast<Integer>(*gruppe);
    tabellen_.gruppe(1) = *startgruppe;
    return true;
}

bool Sitzung::kalenderVorgeben(const Kalendervorgaben& vorgaben, std::string& fehler) {
    if (vorgaben.leer()) return true;
    Kalenderangaben angaben = tabellen_.kalender;
    if (vorgaben.beginn) angaben.beginn = vorgaben.beginn;
    if (vorgaben.ende) angaben.ende = vorgaben.ende;
    if (vorgaben.anteile) std::tie(angaben.anteilN, angaben.anteilI) = *vorgaben.anteile;
    if (vorgaben.erhoehung) angaben.erhoehung = vorgaben.erhoehung;
    if (vorgaben.aktuelleStufe) angaben.aktuelleStufe = vorgaben.aktuelleStufe;
    return kalenderSetzen(angaben, fehler);
}

bool Sitzung::steuerVorgeben(const Steuervorgaben& v, std::string& fehler) {
    if (v.leer()) return true;
    if (!v.steuerklasse && !tabellen_.steuer) {
        fehler =
            "Ohne Steuerklasse gibt es keinen Nettolohn, und der Fall hat keine Angaben zu Steuer "
            "und Sozialversicherung.";
        return false;
    }
    Steuerangaben a = tabellen_.steuer.value_or(Steuerangaben{});
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
    if (v.zusatzversorgung) a.zusatzversorgung = *v.zusatzversorgung;
    return steuerSetzen(a, fehler);
}

std::string Sitzung::kalenderPruefen(const Kalenderangaben& neu) const {
    return kalenderPruefen(neu, tabelle());
}

std::string Sitzung::kalenderPruefen(const Kalenderangaben& neu,
                                     const Tariftabelle& tabelle) const {
    return pruefen(neu, tabellen_.kalender, tabelle);
}

std::string Sitzung::pruefen(const Kalenderangaben& neu, const Kalenderangaben& bisher,
                             const Tariftabelle& tabelle) const {
    return korvalt::kalenderPruefen(neu, bisher, tabellen_, tabelle, daten_.tabellenkatalog);
}

bool Sitzung::kalenderSetzen(const Kalenderangaben& neu, std::string& fehler) {
    // A case by date waiting for a start month goes back to its table with one.
    const Tariftabelle& ziel = !nachDatumVorgemerkt_.empty() && neu.beginn
                                   ? daten_.tabellenkatalog.tabelle(nachDatumVorgemerkt_)
                                   : tabelle();
    fehler = kalenderPruefen(neu, ziel);
    if (!fehler.empty()) return false;
    if (neu.beginn != tabellen_.kalender.beginn || neu.ende != tabellen_.kalender.ende)
        gewoehnlicherFall();
    tabellen_.kalender = neu;
    // New settings replace a damaged record read with the case.
    if (tabellen_.kalendersatz) tabellen_.kalendersatz->beschaedigt = false;
    if (ziel.schluessel != tabelle().schluessel) {
        tabelleSetzen(ziel.schluessel);
        nachDatumVorgemerkt_.clear();
        vertretungsgrund_.clear();
    }
    if (tabelle().inCent) ruhenderKalender_.reset();
    netto_.reset();
    return true;
}

std::string Sitzung::steuerPruefen(const std::optional<Steuerangaben>& neu) const {
    if (!neu) return "";
    if (std::string grund = nettolohnGrund(tabelle(), tabellen_.kalender); !grund.empty())
        return grund;
    return steuerangabenPruefen(*neu);
}

bool Sitzung::steuerSetzen(const std::optional<Steuerangaben>& neu, std::string& fehler) {
    fehler = steuerPruefen(neu);
    if (!fehler.empty()) return false;
    tabellen_.steuer = neu;
    // New settings, or none, replace a damaged record read with the case.
    if (tabellen_.steuersatz) tabellen_.steuersatz->beschaedigt = false;
    netto_.reset();
    return true;
}

std::string Sitzung::nettoGrund() const {
    return tabellen_.steuer ? nettolohnGrund(tabelle(), tabellen_.kalender) : "";
}

const Nettofall* Sitzung::netto() const {
    if (!tabellen_.steuer || !nettoGrund().empty()) return nullptr;
    if (netto_) return &*netto_;
    // The bonuses as the year view counts them: with the case's switch, from the session's rates.
    std::vector<Sonderzahlung> sonderN;
    std::vector<Sonderzahlung> sonderI;
    const Kalenderangaben& k = tabellen_.kalender;
    std::string fehler;
    if (k.mitSonderzahlung && sonderzahlungssaetze_) {
        const bool imDienst = k.aktuelleStufe.has_value();
        sonderN = sonderzahlungenDesFalls(tabellen_, Seite::normal, tabelle(), *k.beginn,
                                          *sonderzahlungssaetze_, imDienst);
        sonderI = sonderzahlungenDesFalls(tabellen_, Seite::individuell, tabelle(), *k.beginn,
                                          *sonderzahlungssaetze_, imDienst);
    } else if (k.mitSonderzahlung) {
        fehler = sonderzahlungFehltGrund(sonderzahlungsfehler_);
    }
    netto_ = nettofallRechnen(tabellen_, *tabellen_.steuer, sonderN, sonderI, &nettojahre_);
    netto_->sonderzahlungFehler = fehler;
    return &*netto_;
}

std::string Sitzung::steuerNachLaden() const {
    if (!tabellen_.steuer) return "";
    const std::string grund = nettolohnGrund(tabelle(), tabellen_.kalender);
    return grund.empty() ? "" : ruhendeSteuerHinweis(*tabellen_.steuer, grund);
}

Kalenderangaben Sitzung::kalenderIn(const Tariftabelle& tabelle) const {
    if (!tabelle.inCent || !ruhenderKalender_) return tabellen_.kalender;
    std::string fehler;
    return kalendersatzLesen(*ruhenderKalender_, fehler).value_or(tabellen_.kalender);
}

std::string Sitzung::kalenderNachLaden(const Einstellungssatz& kalendersatz) {
    ruhenderKalender_.reset();
    const Kalenderangaben& gelesen = tabellen_.kalender;
    if (gelesen.leer()) return "";
    // As read, a current step is not a change: a duration typed shorter since is walked on.
    std::string grund = pruefen(gelesen, gelesen, tabelle());
    if (grund.empty()) return "";
    ruhenderKalender_ = kalendersatz;
    tabellen_.kalender = {};
    return grund;
}

std::vector<Einstellungssatz> Sitzung::einstellungssaetze(std::string_view startgruppentext) const {
    // A case waiting for a start month is saved with the table by date it names.
    const Tariftabelle& tabelle = nachDatumVorgemerkt_.empty()
                                      ? rechner_.tabelle()
                                      : daten_.tabellenkatalog.tabelle(nachDatumVorgemerkt_);
    auto saetze = einstellungssaetzeBilden(startgruppentext, tabellen_, tabelle);
    if (ruhenderKalender_) {
        // The resting record takes the place of the calendar record, before the person's.
        const auto istKalender = [](const Einstellungssatz& satz) {
            return satzartVon(satz) == Satzart::kalender;
        };
        std::erase_if(saetze, istKalender);
        const auto nachTabelle = std::find_if(saetze.begin(), saetze.end(), [](const auto& satz) {
            return satzartVon(satz) != Satzart::fall && satzartVon(satz) != Satzart::tabelle;
        });
        saetze.insert(nachTabelle, *ruhenderKalender_);
    }
    return saetze;
}

bool Sitzung::speichern(std::string_view startgruppentext, const std::filesystem::path& datei,
                        std::string& fehler) const {
    return einstellungsdateiSchreiben(datei, einstellungssaetze(startgruppentext), fehler);
}

void Sitzung::tabelleSetzen(const std::string& schluessel) {
    daten_.tabelle = schluessel;
    netto_.reset();
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

bool Sitzung::tabelleWaehlen(std::string_view schluessel, std::string& fehler,
                             const std::optional<Kalenderangaben>& kalender) {
    const Tariftabelle* neu = daten_.tabellenkatalog.finden(schluessel);
    if (!neu) {
        fehler = "Die Tariftabelle " + zitat(schluessel) +
                 " gibt es nicht. Bekannte Tabellen: " + daten_.tabellenkatalog.schluesselliste() +
                 ".";
        return false;
    }
    Kalenderangaben angaben = kalender.value_or(tabellen_.kalender);
    std::optional<Einstellungssatz> ruhend = kalender ? std::nullopt : ruhenderKalender_;
    if (!neu->inCent && !kalender) {
        if (!angaben.leer() && !ruhend) ruhend = kalendersatzBilden(angaben);
        angaben = {};
    } else if (neu->inCent && ruhend) {
        const Kalenderangaben wieder = kalenderIn(*neu);
        if (pruefen(wieder, wieder, *neu).empty()) {
            angaben = wieder;
            ruhend.reset();
        }
    }
    fehler = pruefen(angaben, tabellen_.kalender, *neu);
    if (!fehler.empty()) return false;
    daten_.tabelle = neu->schluessel;
    tabellen_.kalender = angaben;
    ruhenderKalender_ = ruhend;
    netto_.reset();
    titel_ = fenstertitel(daten_, titeltarif_);
    // The table chosen replaces the one the case waited in.
    nachDatumVorgemerkt_.clear();
    vertretungsgrund_.clear();
    return true;
}

void Sitzung::starten(Integer startgruppe) {
    if (startgruppe != tabellen_.gruppe(1)) gewoehnlicherFall();
    rechner_.starten(startgruppe);
    netto_.reset();
}

void Sitzung::dauerSetzen(Seite seite, int spalte, int stufe, Integer wert) {
    netto_.reset();
    Integer& dauer = stufe == 0 ? tabellen_.grdauer(seite)(spalte)
                                : tabellen_.stufendauer(static_cast<int>(seite), spalte, stufe);
    if (dauer != wert) gewoehnlicherFall();
    dauer = wert;
}

std::string Sitzung::hoehergruppierungPruefen(const Hoehergruppierung& h) const {
    Falltabellen neu = tabellen_;
    std::string fehler;
    const Tariftabelle* tabelle =
        hoehergruppierungAufstellen(h, daten_.tabellenkatalog, neu, fehler);
    if (!tabelle) return fehler;
    // The case's one check, with the current step counted anew from the new durations.
    return korvalt::kalenderPruefen(neu.kalender, {}, neu, *tabelle, daten_.tabellenkatalog);
}

bool Sitzung::hoehergruppierungEinrichten(const Hoehergruppierung& h, std::string& fehler) {
    fehler = hoehergruppierungPruefen(h);
    if (!fehler.empty()) return false;
    const Falltabellen vorher = tabellen_;
    const Tariftabelle* tabelle =
        hoehergruppierungAufstellen(h, daten_.tabellenkatalog, tabellen_, fehler);
    // The table and the calendar settings change together, in the table's one check.
    const Kalenderangaben kalender = tabellen_.kalender;
    tabellen_.kalender = vorher.kalender;
    if (!tabelle || !tabelleWaehlen(tabelle->schluessel, fehler, kalender)) {
        tabellen_ = vorher;
        return false;
    }
    return true;
}

void Sitzung::fokusSetzen(Fokusart art, Integer seite, Integer spalte, Integer stufe) {
    tabellen_.fokusart = art;
    tabellen_.fokusseite = seite;
    tabellen_.fokusspalte = spalte;
    tabellen_.fokusstufe = stufe;
}

bool Sitzung::personSetzen(const Personenangaben& person, std::string& fehler) {
    for (const Personenfeld& feld : personenfelder) {
        fehler = personenangabePruefen(feld.bezeichnung, person.*feld.text);
        if (!fehler.empty()) return false;
    }
    tabellen_.person = person;
    return true;
}

std::optional<Integer> Sitzung::fallLaden(const Einstellungssatz& satz,
                                          const Einstellungssatz& tabellensatz,
                                          const Einstellungssatz& kalendersatz,
                                          Meldungen& meldungen, const Personenangaben& person,
                                          const Fallnamen& namen,
                                          const std::optional<Einstellungssatz>& steuersatz,
                                          const std::vector<BehaltenerSatz>& behalten) {
    netto_.reset();
    tabelleSetzen(tabelleDesFalls(tabellensatz, daten_.tabellenkatalog, meldungen));
    const auto startgruppe =
        einstellungssatzWiederherstellen(satz, kalendersatz, tabellen_, tabelle().gruppenzahl(),
                                         person, namen, steuersatz, behalten);
    // The case is calculated for this group from now on; its names stay with it.
    if (startgruppe) tabellen_.gruppe(1) = *startgruppe;
    const Kalenderangaben gelesen = tabellen_.kalender;
    if (std::string grund = kalenderNachLaden(kalendersatz); !grund.empty())
        meldungen.hinweisen("Fall öffnen", ruhenderKalenderHinweis(gelesen, grund));
    ohneBeginnVertreten();
    if (std::string hinweis = steuerNachLaden(); !hinweis.empty())
        meldungen.hinweisen("Fall öffnen", hinweis);
    return startgruppe;
}

std::optional<Integer> Sitzung::standSetzen(const std::vector<Einstellungssatz>& saetze) {
    // The records were the case's own a moment ago: what reading them could say is known already.
    class Stumm : public Meldungen {
      public:
        void warnen(std::string_view, std::string_view) override {}
        std::int16_t okAbbrechen(std::string_view, std::string_view) override { return 2; }
    } stumm;
    const Einstellungslesung lesung = einstellungssaetzeLesen(saetze);
    if (lesung.ergebnis != Einstellungslesung::Ergebnis::gelesen) return std::nullopt;
    Einstellungssatz leer;
    leer.fill(' ');
    return fallLaden(lesung.satz, lesung.tabellensatz.value_or(leer),
                     lesung.kalendersatz.value_or(leer), stumm, lesung.person, lesung.fallnamen,
                     lesung.steuersatz, lesung.behalten);
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
    ruhenderKalender_.reset();
    netto_.reset();
    nachDatumVorgemerkt_.clear();
    vertretungsgrund_.clear();
}

}  // namespace korvalt
