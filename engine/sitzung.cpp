// The start-up of a case up to its first calculation, its changes, and what is derived from it.
#include "sitzung.h"

#include <algorithm>

#include "festertext.h"
#include "jahressonderzahlung.h"
#include "kalendersatz.h"
#include "sicheredatei.h"
#include "stufendaten.h"

namespace korvalt {

Eroeffnung Sitzung::oeffnen(const Startoptionen& optionen, Meldungen& meldungen) {
    Einstellungslesung lesung;
    if (!optionen.einstellungsdatei.empty()) {
        // A save goes to the file read here, and the window's messages name it in full; the
        // command line's name it as it was given.
        einstellungsdatei_ = vollerPfad(optionen.einstellungsdatei);
        lesung = einstellungsdateiLesen(optionen.ohneFenster ? optionen.einstellungsdatei
                                                             : einstellungsdatei_);
        switch (lesung.ergebnis) {
            case Einstellungslesung::Ergebnis::gelesen:
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
    titeltarif_ = daten_.fall.tarif();
    return startfallLaden(optionen, lesung, meldungen);
}

Eroeffnung Sitzung::startfallLaden(const Startoptionen& optionen, const Einstellungslesung& lesung,
                                   Meldungen& meldungen) {
    const Tariftabelle* gewaehlt = nullptr;
    if (!optionen.tabelle.empty() && !(gewaehlt = katalog().finden(optionen.tabelle)))
        return {std::nullopt, mitTabelle(fall(), optionen.tabelle, katalog()).grund()};
    const bool vorhanden = lesung.ergebnis == Einstellungslesung::Ergebnis::gelesen;
    const std::string hinweis = vorhanden ? lesung.hinweis : "";
    const auto gelesen = vorhanden ? fallLesen(lesung, katalog(), gewaehlt) : std::nullopt;
    Fallangaben fall =
        gelesen ? gelesen->fall : beispielfall(katalog(), gewaehlt ? gewaehlt->schluessel : "");
    const bool heuteBeginnen = !gelesen && !gewaehlt && optionen.heute;
    if (heuteBeginnen) fall = ersterFall(katalog(), *optionen.heute);
    // A table named on the command line is taken as it is, by date or not.
    if (gewaehlt) fall.tabelle = gewaehlt->schluessel;
    std::optional<Integer> startgruppe;
    if (gelesen) {
        startgruppe = gelesen->startgruppe;
        if (!gelesen->tabellenwarnung.empty())
            meldungen.warnen("Einstellungen", gelesen->tabellenwarnung);
        // Without a window settings its table of cents refuses end the run, as given ones would.
        if (optionen.ohneFenster && !gelesen->kalendergrund.empty() &&
            katalog().tabelle(fall.tabelle).inCent)
            return {std::nullopt,
                    "Die Kalenderangaben des Falls gelten nicht: " + gelesen->kalendergrund};
        if (!gelesen->kalenderhinweis.empty())
            meldungen.hinweisen("Einstellungsdatei", gelesen->kalenderhinweis);
    }
    const Ergebnis<Fallangaben> vorgegeben = vorgabenAnwenden(fall, optionen, katalog());
    if (!vorgegeben) {
        if (!hinweis.empty()) meldungen.hinweisen("Einstellungsdatei", hinweis);
        return {std::nullopt, vorgegeben.grund()};
    }
    fall = *vorgegeben;
    if (!optionen.startgruppe.empty() || optionen.hoehergruppierung || heuteBeginnen)
        startgruppe = fall.startgruppe;
    // Without a window a case by date without a start month is refused; the window opens it.
    std::string fehler;
    if (optionen.ohneFenster)
        fehler = beginnFehlt(katalog().tabelle(fall.tabelle), fall.kalender.beginn.has_value());
    else if (!gewaehlt)
        fall = ohneBeginnVertreten(fall, katalog());
    fallSetzen(fall);
    if (const std::string h = oeffnungshinweis(hinweis); !h.empty())
        meldungen.hinweisen("Einstellungsdatei", h);
    if (const std::string h = steuerhinweis(fall, katalog()); !h.empty())
        meldungen.hinweisen("Einstellungsdatei", h);
    if (!fehler.empty()) return {std::nullopt, fehler};
    return {startgruppe, {}};
}

std::optional<Integer> Sitzung::fallLaden(const Einstellungslesung& lesung, Meldungen& meldungen) {
    const auto gelesen = fallLesen(lesung, katalog());
    if (!gelesen) return std::nullopt;
    if (!gelesen->tabellenwarnung.empty())
        meldungen.warnen("Einstellungen", gelesen->tabellenwarnung);
    if (!gelesen->kalenderhinweis.empty())
        meldungen.hinweisen("Fall öffnen", gelesen->kalenderhinweis);
    fallSetzen(ohneBeginnVertreten(gelesen->fall, katalog()));
    if (const std::string h = steuerhinweis(fall(), katalog()); !h.empty())
        meldungen.hinweisen("Fall öffnen", h);
    return gelesen->startgruppe;
}

bool Sitzung::aendern(const Ergebnis<Fallangaben>& neu, std::string& fehler) {
    fehler = neu.grund();
    if (!neu) return false;
    fallSetzen(*neu);
    return true;
}

const Nettofall* Sitzung::netto() const {
    if (!fall().steuer || !nettoGrund().empty()) return nullptr;
    const Falltabellen& t = tabellen_;
    Nettostand stand{fall(),          t.monatscentN,   t.monatscentI,
                     t.monatsgruppeN, t.monatsgruppeI, t.letztermonat};
    if (netto_ && netto_->first == stand) return &netto_->second;
    // The bonuses as the year view counts them: with the case's switch, from the session's rates.
    std::vector<Sonderzahlung> sonderN;
    std::vector<Sonderzahlung> sonderI;
    const Kalenderangaben& k = t.kalender;
    std::string fehler;
    if (k.mitSonderzahlung && sonderzahlungssaetze_) {
        const bool imDienst = k.aktuelleStufe.has_value();
        sonderN = sonderzahlungenDesFalls(t, Seite::normal, tabelle(), *k.beginn,
                                          *sonderzahlungssaetze_, imDienst);
        sonderI = sonderzahlungenDesFalls(t, Seite::individuell, tabelle(), *k.beginn,
                                          *sonderzahlungssaetze_, imDienst);
    } else if (k.mitSonderzahlung) {
        fehler = sonderzahlungFehltGrund(sonderzahlungsfehler_);
    }
    Nettofall netto =
        nettofallRechnen(t, *t.steuer, tabelle().seite, sonderN, sonderI, &nettojahre_);
    netto.sonderzahlungFehler = fehler;
    netto_.emplace(std::move(stand), std::move(netto));
    return &netto_->second;
}

const Falltabellen* Sitzung::ohneUnterbrechungen() const {
    const auto unterbricht = [](const Zeitraum& z) { return z.unterbricht(); };
    if (std::none_of(fall().zeitraeume.begin(), fall().zeitraeume.end(), unterbricht))
        return nullptr;
    if (ohne_ && ohne_->fall == fall()) return ohne_->tabellen.get();
    // A calculation of its own: the Rechner counts into the shared state it is given.
    TarifDaten daten = daten_;
    auto t = std::make_unique<Falltabellen>();
    static_cast<Fallangaben&>(*t) = fall();
    std::erase_if(t->zeitraeume, unterbricht);
    Rechner(daten, *t, tarifdatei_).starten(fall().startgruppe);
    ohne_.emplace(Ohne{fall(), std::move(t), std::nullopt});
    return ohne_->tabellen.get();
}

const std::vector<std::string>& Sitzung::stufendatenzeilen() const {
    static const std::vector<std::string> keine;
    if (!ohneUnterbrechungen()) return keine;
    if (!ohne_->zeilen) ohne_->zeilen = stufendatenDesFalls(*this);
    return *ohne_->zeilen;
}

std::vector<Einstellungssatz> Sitzung::einstellungssaetze(std::string_view startgruppentext) const {
    // A case waiting for a start month is saved with the table by date it names.
    const Tariftabelle& tabelle =
        katalog().tabelle(fall().nachDatum.empty() ? fall().tabelle : fall().nachDatum);
    return einstellungssaetzeBilden(startgruppentext, fall(), tabelle);
}

bool Sitzung::speichern(std::string_view startgruppentext, const std::filesystem::path& datei,
                        std::string& fehler) const {
    return einstellungsdateiSchreiben(datei, einstellungssaetze(startgruppentext), fehler);
}

std::string Sitzung::oeffnungshinweis(const std::string& hinweis) const {
    const std::string grund = vertretungsgrund();
    if (grund.empty()) return hinweis;
    return hinweis + (hinweis.empty() ? "" : "\n\n") + grund;
}

void Sitzung::starten(Integer startgruppe) {
    fallSetzen(mitStartgruppe(fall(), startgruppe));
    rechner_.starten(startgruppe);
}

void Sitzung::fokusSetzen(Fokusart art, Integer seite, Integer spalte, Integer stufe) {
    tabellen_.fokusart = art;
    tabellen_.fokusseite = seite;
    tabellen_.fokusspalte = spalte;
    tabellen_.fokusstufe = stufe;
}

}  // namespace korvalt
