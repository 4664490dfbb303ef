// The list of tariff tables: reading it and the group labels of each table.
#include "tariftabellen.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <system_error>
#include <tuple>

#include "festertext.h"
#include "zahlen.h"

namespace korvalt {

namespace {

bool istZiffer(char c) {
    return c >= '0' && c <= '9';
}

// The leading digits of a label: 9 for "9b".
long zifferteil(std::string_view bezeichnung) {
    long wert = 0;
    for (char c : bezeichnung) {
        if (!istZiffer(c)) break;
        wert = wert * 10 + (c - '0');
    }
    return wert;
}

// A label is digits with at most one lower-case letter after them: "9", "9a", "15".
bool istBezeichnung(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && istZiffer(text[i])) ++i;
    if (i == 0 || i > 3) return false;
    if (i == text.size()) return true;
    return i + 1 == text.size() && text[i] >= 'a' && text[i] <= 'z';
}

bool istSchluessel(std::string_view text) {
    if (text.empty() || text.size() > std::size_t(schluesselLaengeHoechst)) return false;
    return std::all_of(text.begin(), text.end(), [](char c) {
        return istZiffer(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-';
    });
}

// "2026-05": a year and a month 01 to 12.
bool istMonat(std::string_view text) {
    if (text.size() != 7 || text[4] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6})
        if (!istZiffer(text[i])) return false;
    const int monat = (text[5] - '0') * 10 + (text[6] - '0');
    return monat >= 1 && monat <= 12;
}

std::vector<std::string> teilen(const std::string& zeile, char trenner) {
    std::vector<std::string> teile;
    std::string teil;
    std::istringstream strom(zeile);
    while (std::getline(strom, teil, trenner)) teile.push_back(teil);
    if (!zeile.empty() && zeile.back() == trenner) teile.emplace_back();
    return teile;
}

// The letter typed directly after the leading digits of a start-group text, in lower case.
std::optional<char> buchstabeNachZiffern(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t anfang = i;
    while (i < text.size() && istZiffer(text[i])) ++i;
    if (i == anfang || i >= text.size()) return std::nullopt;
    const char c = text[i];
    if (c >= 'a' && c <= 'z') return c;
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    return std::nullopt;
}

}  // namespace

std::string Tariftabelle::gruppentext(int gruppe) const {
    const std::string bezeichnung = gruppenbezeichnung(gruppe);
    return bezeichnung.empty() ? std::to_string(gruppe) : bezeichnung;
}

bool Tariftabelle::hatBuchstabengruppen() const {
    for (const std::string& g : gruppen)
        if (!g.empty() && (g.back() < '0' || g.back() > '9')) return true;
    return false;
}

int Tariftabelle::stufendauer(int gruppe, int stufe) const {
    if (gruppenbezeichnung(gruppe) == "1") return stufe == 1 ? 0 : stufendauerEgr1;
    return regelStufendauern[std::size_t(stufe - 1)];
}

std::string Tariftabelle::gruppenbezeichnung(int gruppe) const {
    if (gruppe < 1 || gruppe > gruppenzahl()) return {};
    return gruppen[std::size_t(gruppe - 1)];
}

std::optional<int> Tariftabelle::gruppennummer(std::string_view bezeichnung) const {
    const auto stelle = std::find(gruppen.begin(), gruppen.end(), bezeichnung);
    if (stelle == gruppen.end()) return std::nullopt;
    return static_cast<int>(stelle - gruppen.begin()) + 1;
}

int Tariftabelle::startgruppeLesen(std::string_view text) const {
    const double zahl = std::clamp(rundeGerade(zahlAmAnfang(text)), -1e9, 1e9);
    if (const auto buchstabe = buchstabeNachZiffern(text)) {
        const std::string bezeichnung = std::to_string(static_cast<long>(zahl)) + *buchstabe;
        if (const auto nummer = gruppennummer(bezeichnung)) return *nummer;
    }
    // The first group whose digits reach the number: "9" is 9a; past the last group, the last.
    for (int g = 1; g <= gruppenzahl(); ++g)
        if (zifferteil(gruppen[std::size_t(g - 1)]) >= zahl) return g;
    return gruppenzahl();
}

int Tariftabelle::naechsteGruppe(int gruppe) const {
    return std::clamp(gruppe + 1, niedrigsteStartgruppe(), hoechsteStartgruppe());
}

int Tariftabelle::vorigeGruppe(int gruppe) const {
    return std::clamp(gruppe - 1, niedrigsteStartgruppe(), hoechsteStartgruppe());
}

std::string Tariftabelle::menuetitel() const {
    if (nachDatum) return ueberschrift.substr(ueberschrift.find(' ') + 1);
    const std::string_view stand = "Stand ";
    const auto stelle = ueberschrift.find(stand);
    return stelle == std::string::npos ? ueberschrift : ueberschrift.substr(stelle + stand.size());
}

bool Tariftabelle::startgruppenzeichen(int zeichen) const {
    if (zeichen >= '0' && zeichen <= '9') return true;
    if (zeichen >= 'A' && zeichen <= 'Z') zeichen += 'a' - 'A';
    if (zeichen < 'a' || zeichen > 'z') return false;
    return std::any_of(gruppen.begin(), gruppen.end(),
                       [zeichen](const std::string& g) { return g.back() == zeichen; });
}

std::optional<std::string> Tariftabelle::startgruppeBestaetigt(std::string_view text) const {
    if (hatBuchstabengruppen()) return gruppenbezeichnung(startgruppeLesen(text));
    // A number table keeps the typed text as long as it names a start group.
    if (zahlAmAnfang(text) < niedrigsteStartgruppe()) return ganzzahlText(niedrigsteStartgruppe());
    if (zahlAmAnfang(text) > hoechsteStartgruppe()) return ganzzahlText(hoechsteStartgruppe());
    return std::nullopt;
}

std::string Tariftabelle::startgruppeGeschritten(std::string_view text, int schritt) const {
    if (hatBuchstabengruppen()) {
        const int gruppe = startgruppeLesen(text);
        return gruppenbezeichnung(schritt > 0 ? naechsteGruppe(gruppe) : vorigeGruppe(gruppe));
    }
    // The field of a number table holds only digits, so its number is whole; beyond the groups it
    // is limited at once instead of being written out first, which keeps a long unconfirmed number
    // from overflowing.
    const double zahl = zahlAmAnfang(text) + schritt;
    if (zahl < niedrigsteStartgruppe()) return ganzzahlText(niedrigsteStartgruppe());
    if (zahl > hoechsteStartgruppe()) return ganzzahlText(hoechsteStartgruppe());
    return ganzzahlText(alsInteger(zahl));
}

Tariftabelle tabelle2006() {
    Tariftabelle t;
    t.schluessel = standardtabelle;
    t.ueberschrift = "Tariftabellen Stand JANUAR 2006 WEST";
    for (int g = 1; g <= gruppen2006; ++g) t.gruppen.push_back(std::to_string(g));
    t.regel = Aufstiegsregel::von2006;
    t.quelle = "tvoed-vka-west-2006.csv";
    t.inKraft = "2005-10";
    t.satzbasis = bereichSatzbasis(bereich2006);
    return t;
}

std::string beginnFehlt(const Tariftabelle& tabelle, bool hatBeginn) {
    if (!tabelle.nachDatum || hatBeginn) return "";
    return "\u201E" + tabelle.menuetitel() + "\u201C braucht einen Beginn.";
}

std::string ohneKalenderGrund(const Tariftabelle& tabelle) {
    if (tabelle.inCent) return "";
    return "Die Tariftabelle " + tabelle.schluessel +
           " rechnet ohne Kalender; Beginn, Ende, Teilzeit, aktuelle Stufe und angenommene "
           "Erhöhung gibt es nur in den Tabellen ab 2024.";
}

Tabellenkatalog::Tabellenkatalog(std::vector<Tariftabelle> tabellen)
    : tabellen_(std::move(tabellen)) {
    for (const auto& [seite, schluessel, name] :
         {std::tuple{Arbeitgeberseite::vka, "vka", "VKA"},
          std::tuple{Arbeitgeberseite::bund, "bund", "Bund"}}) {
        const auto datiert = datierteTabellen(seite);
        // A key of the list keeps its table.
        if (datiert.empty() || finden(schluessel)) continue;
        // Month by month the tables must share their groups and their rule.
        const bool stimmig = std::all_of(datiert.begin(), datiert.end(), [&](const auto* t) {
            return t->gruppen == datiert.front()->gruppen && t->regel == datiert.front()->regel;
        });
        if (!stimmig) continue;
        Tariftabelle t = *datiert.front();
        t.schluessel = schluessel;
        t.ueberschrift = std::string("Tariftabellen ") + name + " nach Datum";
        t.quelle.clear();
        t.nachDatum = true;
        nachDatum_.push_back(std::move(t));
    }
}

std::vector<const Tariftabelle*> Tabellenkatalog::datierteTabellen(Arbeitgeberseite seite) const {
    std::vector<const Tariftabelle*> datiert;
    for (const auto& t : tabellen_)
        if (t.seite == seite && t.inCent && !t.inKraft.empty()) datiert.push_back(&t);
    std::stable_sort(datiert.begin(), datiert.end(),
                     [](const auto* a, const auto* b) { return a->inKraft < b->inKraft; });
    return datiert;
}

const Tariftabelle* Tabellenkatalog::finden(std::string_view schluessel) const {
    for (const auto& t : tabellen_)
        if (t.schluessel == schluessel) return &t;
    for (const auto& t : nachDatum_)
        if (t.schluessel == schluessel) return &t;
    return nullptr;
}

const Tariftabelle& Tabellenkatalog::tabelle(std::string_view schluessel) const {
    const Tariftabelle* t = finden(schluessel);
    return t ? *t : standard();
}

std::string Tabellenkatalog::schluesselliste() const {
    std::string liste;
    for (const auto* reihe : {&tabellen_, &nachDatum_})
        for (const auto& t : *reihe) {
            if (!liste.empty()) liste += ", ";
            liste += t.schluessel;
        }
    return liste;
}

int Tabellenkatalog::saetzeNoetig() const {
    int noetig = 0;
    for (const auto& t : tabellen_) noetig = std::max(noetig, t.letzterSatz());
    return noetig;
}

std::optional<Tabellenkatalog> tabellenlisteLesen(std::istream& quelle, std::string& fehler) {
    std::vector<Tariftabelle> tabellen;
    std::set<std::string> schluessel;
    std::string zeile;
    int nummer = 0;
    auto falsch = [&](const std::string& grund) {
        fehler = "Zeile " + std::to_string(nummer) + ": " + grund;
        return std::nullopt;
    };
    bool kopf = true;
    while (std::getline(quelle, zeile)) {
        ++nummer;
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        if (kopf) {
            kopf = false;
            continue;
        }
        if (zeile.empty()) continue;
        const auto felder = teilen(zeile, ';');
        if (felder.size() != 5 && felder.size() != 7)
            return falsch("erwartet: Schlüssel;Überschrift;Gruppen;Regel;Datei;Seite;in Kraft");
        Tariftabelle t;
        t.schluessel = felder[0];
        t.ueberschrift = std::string(getrimmt(felder[1]));
        t.quelle = felder[4];
        if (!istSchluessel(t.schluessel))
            return falsch("Der Schlüssel \u201E" + t.schluessel +
                          "\u201C muss aus 1 bis 73 Ziffern, Buchstaben oder \u201E-\u201C "
                          "bestehen.");
        if (!schluessel.insert(t.schluessel).second)
            return falsch("Der Schlüssel \u201E" + t.schluessel + "\u201C steht zweimal da.");
        if (tabellen.empty() && t.schluessel != standardtabelle)
            return falsch(std::string("Die erste Tabelle muss \u201E") + standardtabelle +
                          "\u201C sein.");
        if (t.ueberschrift.empty()) return falsch("Die Überschrift fehlt.");
        for (const auto& g : teilen(felder[2], ' ')) {
            if (g.empty()) continue;
            if (!istBezeichnung(g))
                return falsch("Die Gruppe \u201E" + g +
                              "\u201C ist keine Zahl mit höchstens einem Buchstaben a-z.");
            if (t.gruppennummer(g))
                return falsch("Die Gruppe \u201E" + g + "\u201C steht zweimal da.");
            if (!t.gruppen.empty() && zifferteil(g) < zifferteil(t.gruppen.back()))
                return falsch("Die Gruppen müssen aufsteigen.");
            t.gruppen.push_back(g);
        }
        if (t.gruppen.empty() || t.gruppenzahl() > bereichSaetze)
            return falsch("Eine Tabelle hat 1 bis " + std::to_string(bereichSaetze) + " Gruppen.");
        if (felder[3] == "2006")
            t.regel = Aufstiegsregel::von2006;
        else if (felder[3] == "stufengleich")
            t.regel = Aufstiegsregel::stufengleich;
        else
            return falsch("Die Regel \u201E" + felder[3] +
                          "\u201C ist unbekannt (2006 oder stufengleich).");
        if (t.quelle.empty()) return falsch("Die Datei fehlt.");
        if (felder.size() == 7) {
            const auto seite = seiteLesen(felder[5]);
            if (!seite)
                return falsch("Die Seite \u201E" + felder[5] +
                              "\u201C ist unbekannt (vka oder bund).");
            t.seite = *seite;
            if (!istMonat(felder[6]))
                return falsch("Der Monat \u201E" + felder[6] +
                              "\u201C, ab dem die Tabelle gilt, hat nicht die Form JJJJ-MM.");
            t.inKraft = felder[6];
        }
        t.inCent = t.schluessel != standardtabelle;
        t.satzbasis = bereichSatzbasis(bereich2006 + static_cast<int>(tabellen.size()));
        tabellen.push_back(std::move(t));
    }
    if (tabellen.empty()) {
        fehler = "Die Liste nennt keine Tabelle.";
        return std::nullopt;
    }
    return Tabellenkatalog(std::move(tabellen));
}

Tabellenkatalog tabellenlisteLaden(const std::filesystem::path& verzeichnis, Meldungen& meldungen) {
    const auto pfad = verzeichnis / tabellenlisteName;
    std::error_code fehlerCode;
    const auto art = std::filesystem::status(pfad, fehlerCode).type();
    if (fehlerCode || art == std::filesystem::file_type::not_found) return {};
    // A FIFO or a device is not opened: reading it would wait or never end.
    const bool gewoehnlich = art == std::filesystem::file_type::regular;
    std::ifstream quelle;
    if (gewoehnlich) quelle.open(pfad);
    std::string fehler =
        gewoehnlich ? "Die Datei ist nicht lesbar." : "Sie ist keine gewöhnliche Datei.";
    if (gewoehnlich && quelle) {
        if (auto katalog = tabellenlisteLesen(quelle, fehler)) return *std::move(katalog);
    }
    meldungen.warnen("Tarifdatei", "Die Liste der Tariftabellen \u201E" + pfad.string() +
                                       "\u201C ist fehlerhaft (" + fehler +
                                       ").\nEs gilt nur die Tabelle von 2006.");
    return {};
}

int gruppeUebertragen(const Tariftabelle& von, int gruppe, const Tariftabelle& nach) {
    return nach.startgruppeLesen(von.gruppenbezeichnung(gruppe));
}

}  // namespace korvalt
