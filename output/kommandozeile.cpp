// Reading the command line and exporting the month list as CSV.
#include "kommandozeile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <iterator>
#include <memory>
#include <utility>

#include "einstellungsdatei.h"
#include "einstellungssatz.h"
#include "falltabellen.h"
#include "festertext.h"
#include "kalendermonat.h"
#include "monatsliste_csv.h"
#include "prozentzahlen.h"
#include "sicheredatei.h"
#include "steuerangaben.h"
#include "systemfehler.h"
#include "tabellenmappe.h"
#include "tarifdatei.h"

namespace korvalt {

bool istPdfZiel(std::string_view ziel) {
    if (ziel.size() < 4) return false;
    std::string endung(ziel.substr(ziel.size() - 4));
    for (char& c : endung) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return endung == ".pdf";
}

bool Aufruf::brauchtQt() const {
    return !hilfe && !version &&
           (istPdfZiel(monatsliste) || !ergebnis.empty() || istPdfZiel(jahresliste) ||
            !vermerk.empty());
}

namespace {

// The outputs of a run without the window; every option about the case needs one of them.
constexpr std::pair<std::string Aufruf::*, std::string_view> ausgaben[] = {
    {&Aufruf::monatsliste, "--monatsliste"},
    {&Aufruf::ergebnis, "--ergebnis"},
    {&Aufruf::jahresliste, "--jahresliste"},
    {&Aufruf::vermerk, "--vermerk"}};

// The options of the calendar settings, each with a value, and what a missing value is called.
enum Kalenderoption {
    beginn,
    bis,
    teilzeit,
    stufe,
    seit,
    erhoehung,
    erhoehungAb,
    kalenderoptionen
};
constexpr std::array<std::pair<std::string_view, std::string_view>, kalenderoptionen>
    kalenderoptionNamen = {{{"--beginn", "der Monat (JJJJ-MM)"},
                            {"--bis", "der Monat (JJJJ-MM)"},
                            {"--teilzeit", "der Arbeitszeitanteil (P oder P:Q)"},
                            {"--stufe", "die Stufe (1 bis 6)"},
                            {"--seit", "der Monat (JJJJ-MM)"},
                            {"--erhoehung", "die jährliche Erhöhung in Prozent"},
                            {"--erhoehung-ab", "der Monat (JJJJ-MM)"}}};
using Kalendertexte = std::array<std::optional<std::string>, kalenderoptionen>;

// The options that choose the case's groups, each with a value: the start group, and the
// promotion check with its target and month.
struct Gruppenoption {
    std::string Aufruf::*ziel;
    std::string_view name;
    std::string_view fehlt;
};
constexpr Gruppenoption gruppenoptionen[] = {
    {&Aufruf::gruppe, "--gruppe", "die Entgeltgruppe (etwa 9a)."},
    {&Aufruf::zielgruppe, "--hoehergruppierung", "die Entgeltgruppe danach (etwa 9b)."},
    {&Aufruf::zum, "--zum", "der Monat (JJJJ-MM)."}};

// The options of the tax and insurance settings with a value, and what a missing value is called;
// --sachsen has none.
enum Steueroption {
    steuerklasse,
    kinderfreibetraege,
    kirchensteuer,
    kinder,
    kvZusatzbeitrag,
    privatKv,
    zusatzversorgung,
    steueroptionen
};
constexpr std::array<std::pair<std::string_view, std::string_view>, steueroptionen>
    steueroptionNamen = {
        {{"--steuerklasse", "die Steuerklasse (1 bis 6)"},
         {"--kinderfreibetraege", "die Zahl der Kinderfreibeträge (0 bis 9,5)"},
         {"--kirchensteuer", "der Kirchensteuersatz (8 oder 9)"},
         {"--kinder", "die Zahl der Kinder (0 für kinderlos)"},
         {"--kv-zusatzbeitrag", "der Zusatzbeitrag der Krankenkasse in Prozent"},
         {"--privat-kv", "der Monatsbeitrag der privaten Kranken- und Pflegeversicherung"},
         {"--zusatzversorgung",
          "die Zusatzversorgung (vbl-west, keine oder die Sätze in Prozent, AN:AG)"}}};
constexpr std::string_view sachsenOption = "--sachsen";
using Steuertexte = std::array<std::optional<std::string>, steueroptionen>;

// The options of the periods, each repeatable, with what their value is.
struct Zeitraumoption {
    std::string_view name;
    Zeitraumart art;
    std::string_view wert;
};
constexpr Zeitraumoption zeitraumoptionen[] = {
    {"--teilzeit-ab", Zeitraumart::teilzeit, "der Monat und der Anteil (JJJJ-MM:P)"},
    {"--elternzeit", Zeitraumart::elternzeit, "die Monate (VON:BIS[:GEBURT])"},
    {"--sonderurlaub", Zeitraumart::sonderurlaub, "die Monate (VON:BIS)"},
    {"--sonderurlaub-angerechnet", Zeitraumart::sonderurlaubAngerechnet, "die Monate (VON:BIS)"}};

// Arguments of any length are quoted shortened.
std::string inZeichen(std::string_view text) {
    return zitat(text);
}

// „--monatsliste“ oder „--ergebnis“
std::string ausgabeNamen() {
    std::string namen;
    for (std::size_t i = 0; i < std::size(ausgaben); ++i)
        namen += (i == 0                         ? ""
                  : i + 1 == std::size(ausgaben) ? " oder "
                                                 : ", ") +
                 inZeichen(ausgaben[i].second);
    return namen;
}

std::optional<KalenderMonat> monatLesen(std::string_view text, std::string& fehler) {
    const auto monat = kalenderMonatLesen(text);
    if (!monat) fehler = inZeichen(text) + " ist kein Monat (JJJJ-MM oder MM/JJJJ, etwa 2024-04).";
    return monat;
}

// The calendar settings the options give; false with a German reason naming the option.
bool kalenderLesen(const Kalendertexte& texte, Kalendervorgaben& vorgaben, std::string& fehler) {
    for (auto [ohne, mit] :
         {std::pair{stufe, seit}, std::pair{seit, stufe}, std::pair{erhoehungAb, erhoehung}}) {
        if (texte[ohne] && !texte[mit]) {
            fehler = inZeichen(kalenderoptionNamen[ohne].first) + " braucht " +
                     inZeichen(kalenderoptionNamen[mit].first) + ".";
            return false;
        }
    }
    std::string grund;
    auto falsch = [&](Kalenderoption option) {
        fehler = inZeichen(std::string(kalenderoptionNamen[option].first) + " " + *texte[option]) +
                 ": " + grund;
        return false;
    };
    if (texte[beginn]) {
        vorgaben.beginn = beginnLesen(*texte[beginn], grund);
        if (!vorgaben.beginn) return falsch(beginn);
    }
    if (texte[bis]) {
        vorgaben.ende = monatLesen(*texte[bis], grund);
        if (!vorgaben.ende) return falsch(bis);
    }
    if (texte[teilzeit]) {
        // "P" is the share of both cases, "P:Q" that of the normal and of the individual case.
        const std::string& text = *texte[teilzeit];
        const auto trenner = text.find(':');
        const auto anteilN = anteilLesen(text.substr(0, trenner), grund);
        if (!anteilN) return falsch(teilzeit);
        const auto anteilI =
            trenner == std::string::npos ? anteilN : anteilLesen(text.substr(trenner + 1), grund);
        if (!anteilI) return falsch(teilzeit);
        vorgaben.anteile = {*anteilN, *anteilI};
    }
    if (texte[stufe]) {
        const std::string& text = *texte[stufe];
        if (text.size() != 1 || text[0] < '1' || text[0] > '0' + hoechsteAktuelleStufe) {
            grund = "Die aktuelle Stufe muss zwischen 1 und 6 liegen.";
            return falsch(stufe);
        }
        const auto monat = monatLesen(*texte[seit], grund);
        if (!monat) return falsch(seit);
        vorgaben.aktuelleStufe = AktuelleStufe{text[0] - '0', *monat};
    }
    if (texte[erhoehung]) {
        const auto prozent = erhoehungLesen(*texte[erhoehung], grund);
        if (!prozent) return falsch(erhoehung);
        AngenommeneErhoehung angenommen{*prozent};
        if (texte[erhoehungAb]) {
            const auto ab = monatLesen(*texte[erhoehungAb], grund);
            if (!ab) return falsch(erhoehungAb);
            angenommen.ab = *ab;
        }
        vorgaben.erhoehung = angenommen;
    }
    return true;
}

// One period as an option gives it: „2029-10:100“ for a change of hours, „2028-10:2029-09“ or
// „2028-10:2029-09:2028-08“ for an interruption; nothing, and a German reason, otherwise.
std::optional<Zeitraum> zeitraumLesen(const Zeitraumoption& option, const std::string& text,
                                      std::string& fehler) {
    std::vector<std::string> teile;
    for (std::size_t von = 0;;) {
        const auto trenner = text.find(':', von);
        teile.push_back(text.substr(von, trenner - von));
        if (trenner == std::string::npos) break;
        von = trenner + 1;
    }
    const bool teilzeit = option.art == Zeitraumart::teilzeit;
    const std::size_t hoechstens = option.art == Zeitraumart::elternzeit ? 3 : 2;
    std::string grund;
    const auto falsch = [&](const std::string& warum) -> std::optional<Zeitraum> {
        fehler = inZeichen(std::string(option.name) + " " + text) + ": " + warum;
        return std::nullopt;
    };
    if (teile.size() < 2 || teile.size() > hoechstens)
        return falsch("Erwartet ist " + std::string(option.wert) + ".");
    Zeitraum z;
    z.art = option.art;
    const auto von = monatLesen(teile[0], grund);
    if (!von) return falsch(grund);
    z.von = *von;
    if (teilzeit) {
        const auto anteil = anteilLesen(teile[1], grund);
        if (!anteil) return falsch(grund);
        z.anteil = *anteil;
        return z;
    }
    z.bis = monatLesen(teile[1], grund);
    if (!z.bis) return falsch(grund);
    if (teile.size() == 3) {
        z.geburt = monatLesen(teile[2], grund);
        if (!z.geburt) return falsch(grund);
    }
    return z;
}

// --zusatzversorgung: "vbl-west", "keine", "AN:AG" (the employee's share and the employer's levy)
// or "AN" alone, as before the fund was a choice: no levy.
std::optional<Zusatzversorgungsvorgabe> versorgungLesen(std::string_view text, std::string& grund) {
    if (text == "vbl-west") return Zusatzversorgungsvorgabe{Versorgungskasse::vblWest, {}, {}};
    if (text == "keine") return Zusatzversorgungsvorgabe{};
    if (text.find_first_of("0123456789") == std::string_view::npos) {
        grund = zitat(text) +
                " ist keine Zusatzversorgung (vbl-west, keine, die Sätze in Prozent wie 1,81:5,49 "
                "oder nur der Anteil des Beschäftigten).";
        return std::nullopt;
    }
    const auto trenner = text.find(':');
    Zusatzversorgungsvorgabe vorgabe;
    const auto anteil = zusatzversorgungLesen(text.substr(0, trenner), grund);
    if (!anteil) return std::nullopt;
    vorgabe.anteil = *anteil;
    if (trenner == std::string_view::npos) return vorgabe;
    const auto umlage = umlageLesen(text.substr(trenner + 1), grund);
    if (!umlage) return std::nullopt;
    vorgabe.umlage = *umlage;
    return vorgabe;
}

// The tax settings the options give; false with a German reason naming the option.
bool steuerLesen(const Steuertexte& texte, Steuervorgaben& vorgaben, std::string& fehler) {
    if (texte[kvZusatzbeitrag] && texte[privatKv]) {
        fehler = inZeichen(steueroptionNamen[kvZusatzbeitrag].first) + " und " +
                 inZeichen(steueroptionNamen[privatKv].first) +
                 " schließen einander aus: gesetzlich oder privat versichert.";
        return false;
    }
    std::string grund;
    // Each value through the reader the dialog uses, so that both accept and refuse the same.
    auto lesen = [&](Steueroption option, auto leser, auto& ziel) {
        if (!texte[option]) return true;
        ziel = leser(*texte[option], grund);
        if (ziel) return true;
        fehler = inZeichen(std::string(steueroptionNamen[option].first) + " " + *texte[option]) +
                 ": " + grund;
        return false;
    };
    return lesen(steuerklasse, steuerklasseLesen, vorgaben.steuerklasse) &&
           lesen(kinderfreibetraege, kinderfreibetraegeLesen, vorgaben.kinderfreibetraegeZehntel) &&
           lesen(kirchensteuer, kirchensteuerLesen, vorgaben.kirchensteuerProzent) &&
           lesen(kinder, kinderLesen, vorgaben.kinder) &&
           lesen(kvZusatzbeitrag, zusatzbeitragLesen, vorgaben.zusatzbeitrag) &&
           lesen(privatKv, privatbeitragLesen, vorgaben.privatbeitrag) &&
           lesen(zusatzversorgung, versorgungLesen, vorgaben.zusatzversorgung);
}

// The promotion check of --hoehergruppierung: the calendar options belong to it, for both cases;
// false with a German reason for what it lacks or cannot take.
bool hoehergruppierungLesen(Aufruf& aufruf, const Kalendertexte& texte, std::string& fehler) {
    if (aufruf.zielgruppe.empty()) {
        if (aufruf.zum.empty()) return true;
        fehler = "\u201E--zum\u201C braucht \u201E--hoehergruppierung\u201C.";
        return false;
    }
    const auto braucht = [&](std::string_view was) {
        fehler = "\u201E--hoehergruppierung\u201C braucht " + std::string(was) + ".";
        return false;
    };
    if (!aufruf.einstellungen.empty()) {
        fehler =
            "\u201E--hoehergruppierung\u201C richtet den Fall selbst ein und geht nicht zusammen "
            "mit \u201E--einstellungen\u201C.";
        return false;
    }
    if (aufruf.gruppe.empty()) return braucht("\u201E--gruppe\u201C (die Entgeltgruppe heute)");
    if (!aufruf.kalender.aktuelleStufe)
        return braucht(
            "\u201E--stufe\u201C und \u201E--seit\u201C (die Stufe heute und seit wann)");
    if (aufruf.zum.empty()) return braucht("\u201E--zum\u201C (den Monat der Höhergruppierung)");
    std::string grund;
    const auto zum = kalenderMonatLesen(aufruf.zum, grund);
    if (!zum) {
        fehler = inZeichen("--zum " + aufruf.zum) + ": " + grund;
        return false;
    }
    const Kalendervorgaben& k = aufruf.kalender;
    if (k.anteile && k.anteile->first != k.anteile->second) {
        fehler =
            "Bei \u201E--hoehergruppierung\u201C gilt \u201E--teilzeit P\u201C für beide "
            "Fälle; zwei Anteile (" +
            *texte[teilzeit] + ") gehen nicht.";
        return false;
    }
    Hoehergruppierung h;
    if (!aufruf.tabelle.empty()) h.tabelle = aufruf.tabelle;
    h.gruppe = aufruf.gruppe;
    h.stufe = *k.aktuelleStufe;
    h.zielgruppe = aufruf.zielgruppe;
    h.zum = *zum;
    h.beginn = k.beginn;
    h.ende = k.ende;
    if (k.anteile) h.anteil = k.anteile->first;
    h.erhoehung = k.erhoehung;
    aufruf.hoehergruppierung = h;
    aufruf.kalender = {};
    return true;
}

}  // namespace

bool Aufruf::ausgabe() const {
    return std::any_of(std::begin(ausgaben), std::end(ausgaben),
                       [this](const auto& a) { return !(this->*a.first).empty(); });
}

std::optional<Aufruf> aufrufLesen(const std::vector<std::string>& argumente, std::string& fehler) {
    Aufruf aufruf;
    Kalendertexte kalendertexte;
    Steuertexte steuertexte;
    std::vector<std::string_view> zeitraumGenannt;
    // The options without a value, as they were given.
    const std::pair<std::string_view, bool Aufruf::*> schalter[] = {
        {"--help", &Aufruf::hilfe},
        {"-h", &Aufruf::hilfe},
        {"--version", &Aufruf::version},
        {"--tabellen", &Aufruf::tabellenZeigen},
        {"--ohne-jahressonderzahlung", &Aufruf::ohneSonderzahlung}};
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        const auto* ein = std::find_if(std::begin(schalter), std::end(schalter),
                                       [&a](const auto& s) { return s.first == a; });
        if (ein != std::end(schalter)) {
            if (aufruf.*(ein->second)) {
                fehler = inZeichen(a) + " ist zweimal angegeben.";
                return std::nullopt;
            }
            aufruf.*(ein->second) = true;
            continue;
        }
        if (a == sachsenOption) {
            if (aufruf.steuer.sachsen) {
                fehler = inZeichen(a) + " ist zweimal angegeben.";
                return std::nullopt;
            }
            aufruf.steuer.sachsen = true;
            continue;
        }
        const auto* zeitraum =
            std::find_if(std::begin(zeitraumoptionen), std::end(zeitraumoptionen),
                         [&a](const Zeitraumoption& z) { return z.name == a; });
        if (zeitraum != std::end(zeitraumoptionen)) {
            if (i + 1 >= argumente.size() || argumente[i + 1].empty()) {
                fehler = "Nach " + inZeichen(a) + " fehlt " + std::string(zeitraum->wert) + ".";
                return std::nullopt;
            }
            auto z = zeitraumLesen(*zeitraum, argumente[++i], fehler);
            if (!z) return std::nullopt;
            aufruf.zeitraeume.push_back(std::move(*z));
            if (std::find(zeitraumGenannt.begin(), zeitraumGenannt.end(), zeitraum->name) ==
                zeitraumGenannt.end())
                zeitraumGenannt.push_back(zeitraum->name);
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
        std::string_view wert = "der Dateiname.";
        if (a == "--monatsliste") ziel = &aufruf.monatsliste;
        if (a == "--jahresliste") ziel = &aufruf.jahresliste;
        if (a == "--ergebnis") ziel = &aufruf.ergebnis;
        if (a == "--vermerk") ziel = &aufruf.vermerk;
        if (a == "--einstellungen") ziel = &aufruf.einstellungen;
        if (a == "--tabelle") {
            ziel = &aufruf.tabelle;
            wert = "der Schlüssel der Tabelle.";
        }
        for (const Gruppenoption& option : gruppenoptionen) {
            if (a != option.name) continue;
            ziel = &(aufruf.*option.ziel);
            wert = option.fehlt;
        }
        std::optional<std::string>* kalenderziel = nullptr;
        std::string fehlt;
        for (std::size_t k = 0; k < kalenderoptionNamen.size(); ++k) {
            if (a != kalenderoptionNamen[k].first) continue;
            kalenderziel = &kalendertexte[k];
            fehlt = std::string(kalenderoptionNamen[k].second) + ".";
            wert = fehlt;
        }
        for (std::size_t k = 0; k < steueroptionNamen.size(); ++k) {
            if (a != steueroptionNamen[k].first) continue;
            kalenderziel = &steuertexte[k];
            fehlt = std::string(steueroptionNamen[k].second) + ".";
            wert = fehlt;
        }
        if (!ziel && !kalenderziel) {
            fehler = "Unbekanntes Argument " + inZeichen(a) + ".";
            return std::nullopt;
        }
        if (i + 1 >= argumente.size() || argumente[i + 1].empty()) {
            fehler = "Nach " + inZeichen(a) + " fehlt " + std::string(wert);
            return std::nullopt;
        }
        if (ziel ? !ziel->empty() : kalenderziel->has_value()) {
            fehler = inZeichen(a) + " ist zweimal angegeben.";
            return std::nullopt;
        }
        (ziel ? *ziel : kalenderziel->emplace()) = argumente[++i];
    }
    if (aufruf.version || aufruf.hilfe) {
        // They stand alone: anything else asked for would be dropped.
        if (argumente.size() == 1) return aufruf;
        const auto allein = std::find_if(argumente.begin(), argumente.end(), [](const auto& a) {
            return a == "--help" || a == "-h" || a == "--version";
        });
        const std::string& andere = argumente[allein == argumente.begin() ? 1 : 0];
        fehler = inZeichen(*allein) + " steht allein; es geht nicht zusammen mit " +
                 inZeichen(andere.empty() || andere[0] == '-' ? andere : "FALLDATEI") + ".";
        return std::nullopt;
    }

    // Everything the call asks for about a case, as options, in the order the help names them.
    std::vector<std::string_view> fallOptionen;
    if (!aufruf.einstellungen.empty()) fallOptionen.push_back("--einstellungen");
    if (!aufruf.tabelle.empty()) fallOptionen.push_back("--tabelle");
    for (const Gruppenoption& option : gruppenoptionen)
        if (!(aufruf.*option.ziel).empty()) fallOptionen.push_back(option.name);
    for (std::size_t k = 0; k < kalendertexte.size(); ++k)
        if (kalendertexte[k]) fallOptionen.push_back(kalenderoptionNamen[k].first);
    for (std::size_t k = 0; k < steuertexte.size(); ++k)
        if (steuertexte[k]) fallOptionen.push_back(steueroptionNamen[k].first);
    if (aufruf.steuer.sachsen) fallOptionen.push_back(sachsenOption);
    fallOptionen.insert(fallOptionen.end(), zeitraumGenannt.begin(), zeitraumGenannt.end());

    if (aufruf.tabellenZeigen) {
        // The list of tables is all this call does: anything else asked for would be dropped.
        std::vector<std::string_view> andere;
        for (const auto& [wert, name] : ausgaben)
            if (!(aufruf.*wert).empty()) andere.push_back(name);
        andere.insert(andere.end(), fallOptionen.begin(), fallOptionen.end());
        if (!aufruf.falldatei.empty()) andere.push_back("FALLDATEI");
        if (!andere.empty()) {
            std::string namen;
            for (std::string_view name : andere)
                namen += (namen.empty() ? "" : ", ") + inZeichen(name);
            fehler =
                "\u201E--tabellen\u201C steht allein; es geht nicht zusammen mit " + namen + ".";
            return std::nullopt;
        }
        return aufruf;
    }
    if (!aufruf.jahresliste.empty() &&
        (!aufruf.monatsliste.empty() || !aufruf.ergebnis.empty() || !aufruf.vermerk.empty())) {
        fehler =
            "\u201E--jahresliste\u201C steht ohne \u201E--monatsliste\u201C, "
            "\u201E--ergebnis\u201C und \u201E--vermerk\u201C.";
        return std::nullopt;
    }
    if (aufruf.ohneSonderzahlung && aufruf.jahresliste.empty()) {
        fehler = "\u201E--ohne-jahressonderzahlung\u201C braucht \u201E--jahresliste\u201C.";
        return std::nullopt;
    }
    if (!fallOptionen.empty() && !aufruf.ausgabe()) {
        fehler = inZeichen(fallOptionen.front()) + " braucht " + ausgabeNamen() + ".";
        return std::nullopt;
    }
    if (!aufruf.falldatei.empty() && !aufruf.fensterOeffnen()) {
        fehler =
            "Eine Falldatei wird im Fenster geöffnet; ohne Fenster nennt "
            "\u201E--einstellungen DATEI\u201C den Fall.";
        return std::nullopt;
    }
    if (!aufruf.ergebnis.empty() && !istPdfZiel(aufruf.ergebnis)) {
        fehler =
            "\u201E--ergebnis\u201C schreibt eine PDF-Datei; der Dateiname muss auf "
            "\u201E.pdf\u201C enden.";
        return std::nullopt;
    }
    if (!aufruf.vermerk.empty() && !istPdfZiel(aufruf.vermerk)) {
        fehler =
            "\u201E--vermerk\u201C schreibt eine PDF-Datei; der Dateiname muss auf "
            "\u201E.pdf\u201C enden.";
        return std::nullopt;
    }
    if (!kalenderLesen(kalendertexte, aufruf.kalender, fehler)) return std::nullopt;
    if (!steuerLesen(steuertexte, aufruf.steuer, fehler)) return std::nullopt;
    if (!hoehergruppierungLesen(aufruf, kalendertexte, fehler)) return std::nullopt;
    return aufruf;
}

std::string aufrufHilfe() {
    return "Aufruf: korvalt [--monatsliste DATEI] [--ergebnis DATEI.pdf] [--vermerk DATEI.pdf]\n"
           "               [--einstellungen DATEI]\n"
           "               [--tabelle SCHLÜSSEL] [--gruppe EGR] [--beginn JJJJ-MM] [--bis "
           "JJJJ-MM]\n"
           "               [--teilzeit P[:Q]] [--stufe S --seit JJJJ-MM]\n"
           "               [--erhoehung P [--erhoehung-ab JJJJ-MM]]\n"
           "               [--steuerklasse N] [--kinderfreibetraege Z] [--kirchensteuer 8|9]\n"
           "               [--kinder N] [--sachsen] [--kv-zusatzbeitrag P | --privat-kv EURO]\n"
           "               [--zusatzversorgung vbl-west|keine|AN:AG]\n"
           "               [--teilzeit-ab JJJJ-MM:P] [--elternzeit VON:BIS[:GEBURT]]\n"
           "               [--sonderurlaub VON:BIS] [--sonderurlaub-angerechnet VON:BIS]\n"
           "       korvalt --jahresliste DATEI [--ohne-jahressonderzahlung] [dieselben Angaben zum "
           "Fall]\n"
           "       korvalt --gruppe X --stufe S --seit JJJJ-MM --hoehergruppierung Y --zum "
           "JJJJ-MM\n"
           "               [--tabelle vka|bund] [--beginn JJJJ-MM] [--bis JJJJ-MM] [--teilzeit P]\n"
           "               [--erhoehung P [--erhoehung-ab JJJJ-MM]]\n"
           "               [--steuerklasse N und die weiteren Angaben zum Nettolohn]\n"
           "               (--monatsliste DATEI | --jahresliste DATEI | --ergebnis DATEI.pdf |\n"
           "                --vermerk DATEI.pdf)\n"
           "       korvalt --version\n"
           "       korvalt --tabellen\n"
           "Ohne Argumente öffnet Korvalt sein Fenster.\n"
           "\"korvalt FALLDATEI\" öffnet das Fenster mit dem Fall aus FALLDATEI (z. B. "
           "Muster.korvalt).\n"
           "\n"
           "  --monatsliste DATEI     schreibt die Monatsliste des Falls, ohne ein Fenster zu "
           "öffnen:\n"
           "                          bei DATEI.pdf als PDF, wie der Drucker sie druckt,\n"
           "                          bei DATEI.xlsx als Excel-Tabelle (Beträge als Zahlen),\n"
           "                          sonst als CSV (\";\"-getrennt, UTF-8), bei DATEI \"-\" auf "
           "die Standardausgabe\n"
           "  --ergebnis DATEI.pdf    schreibt den Ergebnisdruck (das Fenster als Seite) als PDF\n"
           "  --vermerk DATEI.pdf     schreibt den Vermerk zum Fall (eine Seite für die "
           "Personalakte) als PDF\n"
           "  --jahresliste DATEI     schreibt die Jahresübersicht des Falls: bei DATEI.pdf als "
           "PDF,\n"
           "                          bei DATEI.xlsx als Excel-Tabelle, sonst als CSV, bei DATEI "
           "\"-\" auf die\n"
           "                          Standardausgabe\n"
           "  --ohne-jahressonderzahlung\n"
           "                          die Jahresübersicht ohne Jahressonderzahlung\n"
           "  --einstellungen DATEI   nimmt den Fall aus dieser Einstellungsdatei (75 Bytes je "
           "Satz, beginnt mit \"st\");\n"
           "                          sonst aus \"korvalt-einstellungen.dat\" im "
           "Arbeitsverzeichnis,\n"
           "                          sonst den Beispielfall\n"
           "  --tabelle SCHLÜSSEL     rechnet den Fall in dieser Tariftabelle (z. B. 2026-05) "
           "statt in der,\n"
           "                          die die Einstellungsdatei nennt (sonst 2006); \"vka\" und "
           "\"bund\" nehmen\n"
           "                          jeden Monat die Tabelle, die dann gilt (braucht einen "
           "Beginn)\n"
           "  --gruppe EGR            die Start-Entgeltgruppe, wie die Tabelle sie nennt (z. B. 9a "
           "oder 10)\n"
           "  --hoehergruppierung Y   prüft die Höhergruppierung von EGr. X (--gruppe) in Stufe S "
           "seit\n"
           "                          --seit nach Y, einer der drei nächsten Gruppen, zum Monat "
           "von "
           "--zum:\n"
           "                          \"ohne Höhergruppierung\" bleibt in X, \"mit "
           "Höhergruppierung\" wechselt;\n"
           "                          nach Datum (--tabelle vka oder bund, sonst vka), beide Fälle "
           "mit den\n"
           "                          üblichen Stufenlaufzeiten; nicht mit --einstellungen\n"
           "  --zum JJJJ-MM           der Monat, in dem die Höhergruppierung wirkt (zwischen "
           "Beginn "
           "und Ende);\n"
           "                          Beginn sonst im Januar dieses Jahres (nicht vor --seit, "
           "nicht "
           "vor\n"
           "                          03/2024), Ende 20 Jahre danach\n"
           "Die folgenden Angaben gelten statt derer der Einstellungsdatei; die Tabelle 2006 "
           "rechnet ohne sie:\n"
           "  --beginn JJJJ-MM        der erste Monat des Falls (03/2024 bis 12/2099); Monatsliste "
           "und CSV\n"
           "                          nennen dann zu jedem Monat sein Datum\n"
           "  --bis JJJJ-MM           der letzte Monat beider Fälle (höchstens 600 Monate ab "
           "Beginn); ohne\n"
           "                          ihn der letzte Monat des längeren Falls. Ein Fall, der "
           "früher endet,\n"
           "                          bleibt bis dahin in seiner letzten Gruppe und Stufe\n"
           "  --teilzeit P[:Q]        Arbeitszeitanteil in Prozent (1 bis 100, z. B. 87,5 oder "
           "87.5):\n"
           "                          P für beide Fälle, P:Q für den Normalfall und den "
           "individuellen Fall\n"
           "  --stufe S --seit JJJJ-MM\n"
           "                          in Stufe S (1 bis 6) seit diesem Monat: die erste "
           "Entgeltgruppe beginnt\n"
           "                          in ihr mit der Zeit, die von ihr bleibt (nur zusammen)\n"
           "  --erhoehung P           nach der letzten Tabelle jährlich um P Prozent (0 bis 10) "
           "erhöhen\n"
           "                          (nur mit --tabelle vka oder bund),\n"
           "  --erhoehung-ab JJJJ-MM  zum ersten Mal in diesem Monat (sonst 04/2027; nach der "
           "letzten Tabelle)\n"
           "Teilzeit und Unterbrechungen, je mehrfach, für beide Fälle und statt derer der\n"
           "Einstellungsdatei, nur mit einem Beginn und nicht in der Tabelle 2006:\n"
           "  --teilzeit-ab JJJJ-MM:P ab diesem Monat P Prozent Arbeitszeit\n"
           "  --elternzeit VON:BIS[:GEBURT]\n"
           "                          Elternzeit (die Stufenlaufzeit ruht; GEBURT: der Monat der "
           "Geburt\n"
           "                          des Kindes, sonst VON)\n"
           "  --sonderurlaub VON:BIS  Sonderurlaub ohne Entgelt (die Stufenlaufzeit ruht)\n"
           "  --sonderurlaub-angerechnet VON:BIS\n"
           "                          Sonderurlaub ohne Entgelt, auf die Stufenlaufzeit "
           "angerechnet\n"
           "Nettolohn, nur mit einem Beginn und nicht in der Tabelle 2006 (Lohnsteuer und\n"
           "Sozialversicherung ab 2027 nach dem Stand 2026); die Angaben gelten statt derer der\n"
           "Einstellungsdatei:\n"
           "  --steuerklasse N        Nettolohn in Steuerklasse N (1 bis 6): Monatsliste und "
           "Jahresliste\n"
           "                          bekommen Spalten \"Netto\"\n"
           "  --kinderfreibetraege Z  Kinderfreibeträge, 0 bis 9,5 in Schritten von 0,5 (nur "
           "Klassen I bis IV)\n"
           "  --kirchensteuer 8|9     Kirchensteuer in Prozent (8 in Bayern und "
           "Baden-Württemberg)\n"
           "  --kinder N              für die Pflegeversicherung: 0 kinderlos (mit Zuschlag), "
           "sonst die Zahl\n"
           "                          der Kinder unter 25 (ab dem zweiten mit Abschlag)\n"
           "  --sachsen               Beschäftigungsort in Sachsen (Pflegeversicherung)\n"
           "  --kv-zusatzbeitrag P    Zusatzbeitrag der Krankenkasse in Prozent (sonst der "
           "Durchschnitt)\n"
           "  --privat-kv EURO        privat versichert mit diesem Monatsbeitrag für Kranken- "
           "und\n"
           "                          Pflegeversicherung (nicht mit --kv-zusatzbeitrag)\n"
           "  --zusatzversorgung K    Zusatzversorgung: vbl-west (ohne Angabe für neue Angaben), "
           "keine, oder\n"
           "                          AN:AG, Anteil des Beschäftigten und Umlage des Arbeitgebers "
           "in Prozent;\n"
           "                          P allein ist der Anteil ohne Umlage\n"
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
    optionen.kalender = aufruf.kalender;
    optionen.steuer = aufruf.steuer;
    optionen.zeitraeume = aufruf.zeitraeume;
    optionen.startgruppe = aufruf.gruppe;
    if (aufruf.hoehergruppierung) {
        // The check sets up the whole case in its own table, from the example case.
        optionen.einstellungsdatei.clear();
        optionen.tabelle.clear();
        optionen.startgruppe.clear();
        optionen.hoehergruppierung = aufruf.hoehergruppierung;
    }
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
    const auto reihen = {&katalog.tabellen(), &katalog.tabellenNachDatum()};
    std::size_t breite = 0;
    for (const auto* reihe : reihen)
        for (const auto& t : *reihe) breite = std::max(breite, t.schluessel.size());
    std::string liste;
    for (const auto* reihe : reihen)
        for (const auto& t : *reihe)
            liste += t.schluessel + std::string(breite + 2 - t.schluessel.size(), ' ') +
                     t.ueberschrift + "\n";
    std::string fehler;
    if (standardausgabeSchreiben(aus, liste, fehler)) return exitGut;
    fehlerausgabe << "korvalt: " << fehler << "\n";
    return exitSchreibfehler;
}

bool standardausgabeSchreiben(std::ostream& aus, std::string_view text, std::string& fehler) {
    errno = 0;
    aus << text << std::flush;
    if (aus) return true;
    // The stream keeps no reason; the system's last one is the write's.
    fehler = "Die Standardausgabe kann nicht geschrieben werden" +
             (errno != 0 ? ": " + systemfehlerText(errno) : std::string()) + ".";
    return false;
}

std::unique_ptr<Speicherfall> fallRechnen(const Aufruf& aufruf,
                                          const std::filesystem::path& programmverzeichnis,
                                          std::ostream& fehlerausgabe) {
    auto fall = std::make_unique<Speicherfall>();
    GesammelteMeldungen meldungen;
    std::string fehler = fall->anzeige.laden(startoptionen(aufruf, programmverzeichnis), meldungen);
    fehlerausgabe << meldungen.hinweise() << std::flush;
    // Without a window every warning ends the run; the tariff file's come before a missing table.
    if (!meldungen.text().empty()) fehler = meldungen.fehlertext();
    // The option switches the bonus off for this run only, as the year view's box would for the
    // case, so that net pay leaves it out too.
    if (fehler.empty() && aufruf.ohneSonderzahlung) {
        Kalenderangaben angaben = fall->sitzung.tabellen().kalender;
        angaben.mitSonderzahlung = false;
        fall->sitzung.kalenderSetzen(angaben, fehler);
    }
    // Net pay that should tax a bonus whose rates are missing is an error, not a lower net pay.
    if (const Nettofall* netto = fehler.empty() ? fall->sitzung.netto() : nullptr)
        fehler = netto->sonderzahlungFehler;
    if (fehler.empty()) return fall;
    fehlerausgabe << "korvalt: " << fehler << "\n";
    return nullptr;
}

bool textSchreiben(const std::string& ziel, const std::string& text, std::ostream& standardausgabe,
                   std::string& fehler) {
    if (ziel == "-") return standardausgabeSchreiben(standardausgabe, text, fehler);
    return dateiSchreiben(ziel, text, fehler);
}

int monatslisteCsvExportieren(const Aufruf& aufruf,
                              const std::filesystem::path& programmverzeichnis, std::ostream& aus,
                              std::ostream& fehlerausgabe) {
    if (istTabellenZiel(aufruf.monatsliste))
        return monatslisteMappeExportieren(aufruf, programmverzeichnis, fehlerausgabe);
    const auto fall = fallRechnen(aufruf, programmverzeichnis, fehlerausgabe);
    if (!fall) return exitEingabefehler;
    std::string fehler;
    if (!textSchreiben(
            aufruf.monatsliste,
            monatslisteCsv(fall->sitzung.daten(), fall->sitzung.tabellen(),
                           fall->sitzung.rechner().erhoehungshinweis(), fall->sitzung.netto()),
            aus, fehler)) {
        fehlerausgabe << "korvalt: " << fehler << "\n";
        return exitSchreibfehler;
    }
    return exitGut;
}

}  // namespace korvalt
