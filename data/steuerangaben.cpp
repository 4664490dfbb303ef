// The limits of the tax and insurance settings and their German texts.
#include "steuerangaben.h"

#include <array>

#include "dezimaltext.h"
#include "festertext.h"

namespace korvalt {

namespace {

std::string zitiert(std::string_view text) {
    return "\u201E" + std::string(getrimmt(text)) + "\u201C";
}

// A whole number of at most two digits.
std::optional<int> ganzzahlLesen(std::string_view text, std::string_view einheit = "") {
    const auto wert = dezimalLesen(text, 0, einheit);
    if (!wert || *wert > 99) return std::nullopt;
    return static_cast<int>(*wert);
}

std::string kinderfreibetraegeFehler(int zehntel) {
    if (zehntel < 0 || zehntel > groessteKinderfreibetraege || zehntel % kinderfreibetraegeSchritt)
        return "Kinderfreibeträge gehen von 0 bis 9,5 in Schritten von 0,5.";
    return "";
}

std::string zusatzbeitragFehler(Prozentsatz satz) {
    if (satz < Prozentsatz{} || satz > groessterZusatzbeitrag)
        return "Der Zusatzbeitrag von " + prozentText(satz) + " liegt nicht zwischen 0 und 10 %.";
    return "";
}

std::string privatbeitragFehler(std::int64_t cent) {
    if (cent < kleinsterPrivatbeitrag || cent > groessterPrivatbeitrag)
        return "Der Monatsbeitrag zur privaten Kranken- und Pflegeversicherung muss zwischen "
               "0,01 und 9999,99 € liegen.";
    return "";
}

std::string zusatzversorgungFehler(Prozentsatz satz) {
    if (satz < Prozentsatz{} || satz > groessteZusatzversorgung)
        return "Der Anteil zur Zusatzversorgung von " + prozentText(satz) +
               " liegt nicht zwischen 0 und 10 %.";
    return "";
}

std::string umlageFehler(Prozentsatz satz) {
    if (satz < Prozentsatz{} || satz > groessteZusatzversorgung)
        return "Die Umlage des Arbeitgebers von " + prozentText(satz) +
               " liegt nicht zwischen 0 und 10 %.";
    return "";
}

// A rate of hundredths of a percent as typed, checked against its limits.
std::optional<Prozentsatz> satzLesen(std::string_view text, std::string& fehler,
                                     std::string_view was, std::string_view beispiel,
                                     std::string (*grenzfehler)(Prozentsatz)) {
    const auto wert = dezimalLesen(text, 2);
    if (!wert) {
        fehler = zitiert(text) + " ist " + std::string(was) +
                 " (Prozent mit höchstens zwei Nachkommastellen, etwa " + std::string(beispiel) +
                 ").";
        return std::nullopt;
    }
    const auto satz = Prozentsatz::hundertstel(*wert);
    fehler = grenzfehler(satz);
    if (!fehler.empty()) return std::nullopt;
    return satz;
}

}  // namespace

std::string steuerangabenPruefen(const Steuerangaben& a) {
    if (a.steuerklasse < kleinsteSteuerklasse || a.steuerklasse > groessteSteuerklasse)
        return "Die Steuerklasse muss zwischen 1 und 6 liegen.";
    if (auto f = kinderfreibetraegeFehler(a.kinderfreibetraegeZehntel); !f.empty()) return f;
    if (a.kinderfreibetraegeZehntel > 0 && a.steuerklasse > hoechsteKlasseMitKinderfreibetraegen)
        return "Kinderfreibeträge gibt es nur in den Steuerklassen I bis IV.";
    if (a.kirchensteuerProzent != 0 && a.kirchensteuerProzent != 8 && a.kirchensteuerProzent != 9)
        return "Die Kirchensteuer beträgt 8 oder 9 %.";
    if (a.kinder < 0 || a.kinder > groessteKinderzahl)
        return "Die Zahl der Kinder muss zwischen 0 und 9 liegen.";
    if (a.zusatzbeitrag && a.privatbeitrag)
        return "Privat Versicherte zahlen keinen Zusatzbeitrag einer gesetzlichen Krankenkasse.";
    if (a.zusatzbeitrag)
        if (auto f = zusatzbeitragFehler(*a.zusatzbeitrag); !f.empty()) return f;
    if (a.privatbeitrag)
        if (auto f = privatbeitragFehler(*a.privatbeitrag); !f.empty()) return f;
    if (a.versorgungskasse == Versorgungskasse::vblWest &&
        (a.zusatzversorgung.positiv() || a.umlage.positiv()))
        return "Die VBL West hat ihre eigenen Sätze.";
    if (auto f = zusatzversorgungFehler(a.zusatzversorgung); !f.empty()) return f;
    return umlageFehler(a.umlage);
}

Steuerangaben neueSteuerangaben() {
    Steuerangaben a;
    a.versorgungskasse = Versorgungskasse::vblWest;
    return a;
}

std::optional<int> steuerklasseLesen(std::string_view text, std::string& fehler) {
    const auto wert = ganzzahlLesen(text);
    if (!wert || *wert < kleinsteSteuerklasse || *wert > groessteSteuerklasse) {
        fehler = zitiert(text) + " ist keine Steuerklasse (1 bis 6).";
        return std::nullopt;
    }
    return wert;
}

std::optional<int> kinderfreibetraegeLesen(std::string_view text, std::string& fehler) {
    const auto wert = dezimalLesen(text, 1, "");
    if (!wert || !kinderfreibetraegeFehler(static_cast<int>(*wert)).empty()) {
        fehler = zitiert(text) +
                 " ist keine Zahl von Kinderfreibeträgen (0 bis 9,5 in Schritten von 0,5).";
        return std::nullopt;
    }
    return static_cast<int>(*wert);
}

std::optional<int> kirchensteuerLesen(std::string_view text, std::string& fehler) {
    const auto wert = ganzzahlLesen(text, "%");
    if (!wert || (*wert != 8 && *wert != 9)) {
        fehler = zitiert(text) + " ist kein Kirchensteuersatz (8 oder 9 %).";
        return std::nullopt;
    }
    return wert;
}

std::optional<int> kinderLesen(std::string_view text, std::string& fehler) {
    const auto wert = ganzzahlLesen(text);
    if (!wert || *wert > groessteKinderzahl) {
        fehler = zitiert(text) +
                 " ist keine Kinderzahl (0 für kinderlos, sonst die Zahl der Kinder unter 25, "
                 "höchstens 9).";
        return std::nullopt;
    }
    return wert;
}

std::optional<Prozentsatz> zusatzbeitragLesen(std::string_view text, std::string& fehler) {
    const auto wert = dezimalLesen(text, 2);
    if (!wert) {
        fehler = zitiert(text) +
                 " ist kein Zusatzbeitrag (Prozent mit höchstens zwei Nachkommastellen, etwa 2,9).";
        return std::nullopt;
    }
    const auto satz = Prozentsatz::hundertstel(*wert);
    fehler = zusatzbeitragFehler(satz);
    if (!fehler.empty()) return std::nullopt;
    return satz;
}

std::optional<std::int64_t> privatbeitragLesen(std::string_view text, std::string& fehler) {
    const auto wert = dezimalLesen(text, 2, "€");
    if (!wert) {
        fehler = zitiert(text) +
                 " ist kein Monatsbeitrag (Euro mit höchstens zwei Nachkommastellen, etwa 612,50).";
        return std::nullopt;
    }
    fehler = privatbeitragFehler(*wert);
    if (!fehler.empty()) return std::nullopt;
    return *wert;
}

std::optional<Prozentsatz> zusatzversorgungLesen(std::string_view text, std::string& fehler) {
    return satzLesen(text, fehler, "kein Anteil zur Zusatzversorgung", "2,4",
                     zusatzversorgungFehler);
}

std::optional<Prozentsatz> umlageLesen(std::string_view text, std::string& fehler) {
    return satzLesen(text, fehler, "keine Umlage des Arbeitgebers", "5,49", umlageFehler);
}

std::string steuerklasseText(int steuerklasse) {
    static constexpr std::array<const char*, 6> roemisch{"I", "II", "III", "IV", "V", "VI"};
    if (steuerklasse < kleinsteSteuerklasse || steuerklasse > groessteSteuerklasse)
        return std::to_string(steuerklasse);
    return roemisch[std::size_t(steuerklasse - 1)];
}

std::string kinderfreibetraegeText(int zehntel) {
    return ohneNullenAmEnde(dezimalText(zehntel, 1));
}

std::string prozentText(Prozentsatz satz) {
    return ohneNullenAmEnde(dezimalText(satz.inZehntausendsteln(), 4)) + " %";
}

std::string monatsbeitragText(std::int64_t cent) {
    return dezimalText(cent, 2) + " €";
}

std::string lohnsteuerangabenText(const Steuerangaben& a) {
    std::string text = "Steuerklasse " + steuerklasseText(a.steuerklasse);
    if (a.kinderfreibetraegeZehntel > 0)
        text += ", Kinderfreibeträge " + kinderfreibetraegeText(a.kinderfreibetraegeZehntel);
    return text + (a.kirchensteuerProzent > 0
                       ? ", Kirchensteuer " + std::to_string(a.kirchensteuerProzent) + " %"
                       : std::string(", ohne Kirchensteuer"));
}

std::string versicherungsangabenText(const Steuerangaben& a) {
    std::string text;
    if (a.privatbeitrag)
        text = "privat versichert (" + monatsbeitragText(*a.privatbeitrag) + " im Monat)";
    else if (a.zusatzbeitrag)
        text = "gesetzlich versichert (Zusatzbeitrag " + prozentText(*a.zusatzbeitrag) + ")";
    else
        text = "gesetzlich versichert (durchschnittlicher Zusatzbeitrag)";
    if (a.kinder == 0)
        text += ", kinderlos";
    else if (a.kinder == 1)
        text += ", 1 Kind";
    else
        text += ", " + std::to_string(a.kinder) + " Kinder unter 25";
    if (a.sachsen) text += ", Sachsen";
    if (a.versorgungskasse == Versorgungskasse::vblWest)
        text += ", Zusatzversorgung VBL West";
    else if (!a.ohneZusatzversorgung())
        text += ", Zusatzversorgung " + prozentText(a.zusatzversorgung);
    if (a.umlage.positiv()) text += ", Umlage " + prozentText(a.umlage);
    return text;
}

std::string steuerangabenText(const Steuerangaben& a) {
    return lohnsteuerangabenText(a) + ", " + versicherungsangabenText(a);
}

}  // namespace korvalt
