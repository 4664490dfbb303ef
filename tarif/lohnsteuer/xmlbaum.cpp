// Reading the element tree of a wage-tax program.
#include "xmlbaum.h"

#include <algorithm>
#include <cctype>

namespace korvalt::pap {

namespace {

class Leser {
  public:
    explicit Leser(std::string_view text) : text_(text) {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") stelle_ = 3;
    }

    Element dokument() {
        ueberspringen();
        if (fertig()) fehler("kein Element");
        Element wurzel = element();
        ueberspringen();
        if (!fertig()) fehler("Text nach dem Wurzelelement");
        return wurzel;
    }

  private:
    [[noreturn]] void fehler(const std::string& was) const {
        const auto bis = text_.substr(0, std::min(stelle_, text_.size()));
        throw Uebersetzungsfehler(1 + int(std::count(bis.begin(), bis.end(), '\n')), was);
    }
    int zeile() const {
        return 1 + int(std::count(text_.begin(), text_.begin() + long(stelle_), '\n'));
    }
    bool fertig() const { return stelle_ >= text_.size(); }
    bool folgt(std::string_view s) const { return text_.substr(stelle_, s.size()) == s; }

    void bisHinter(std::string_view ende) {
        const auto gefunden = text_.find(ende, stelle_);
        if (gefunden == std::string_view::npos)
            fehler("\u201E" + std::string(ende) + "\u201C fehlt");
        stelle_ = gefunden + ende.size();
    }

    // Text, comments and processing instructions up to the next tag, or to the end.
    void ueberspringen() {
        while (!fertig()) {
            if (folgt("<!--")) {
                bisHinter("-->");
            } else if (folgt("<?")) {
                bisHinter("?>");
            } else if (text_[stelle_] == '<') {
                return;
            } else {
                ++stelle_;
            }
        }
    }

    void leerraum() {
        while (!fertig() &&
               std::string_view(" \t\r\n").find(text_[stelle_]) != std::string_view::npos)
            ++stelle_;
    }

    std::string name() {
        const auto anfang = stelle_;
        while (!fertig() &&
               (std::isalnum(static_cast<unsigned char>(text_[stelle_])) || text_[stelle_] == '_' ||
                text_[stelle_] == '-' || text_[stelle_] == ':'))
            ++stelle_;
        if (stelle_ == anfang) fehler("Name erwartet");
        return std::string(text_.substr(anfang, stelle_ - anfang));
    }

    std::string wert() {
        if (fertig() || (text_[stelle_] != '"' && text_[stelle_] != '\''))
            fehler("Wert in Anführungszeichen erwartet");
        const char zeichen = text_[stelle_++];
        const auto ende = text_.find(zeichen, stelle_);
        if (ende == std::string_view::npos) fehler("Wert ohne Ende");
        const std::string_view roh = text_.substr(stelle_, ende - stelle_);
        stelle_ = ende + 1;
        std::string ergebnis;
        for (std::size_t k = 0; k < roh.size(); ++k) {
            if (roh[k] != '&') {
                ergebnis += roh[k];
                continue;
            }
            const auto semikolon = roh.find(';', k);
            const auto entitaet =
                roh.substr(k, semikolon == std::string_view::npos ? 1 : semikolon - k + 1);
            if (entitaet == "&lt;")
                ergebnis += '<';
            else if (entitaet == "&gt;")
                ergebnis += '>';
            else if (entitaet == "&amp;")
                ergebnis += '&';
            else if (entitaet == "&quot;")
                ergebnis += '"';
            else if (entitaet == "&apos;")
                ergebnis += '\'';
            else
                fehler("unbekannte Entität \u201E" + std::string(entitaet) + "\u201C");
            k += entitaet.size() - 1;
        }
        return ergebnis;
    }

    Element element() {
        Element e;
        e.zeile = zeile();
        ++stelle_;  // '<'
        e.name = name();
        for (;;) {
            leerraum();
            if (folgt("/>")) {
                stelle_ += 2;
                return e;
            }
            if (folgt(">")) {
                ++stelle_;
                break;
            }
            std::string schluessel = name();
            leerraum();
            if (!folgt("=")) fehler("\u201E=\u201C erwartet");
            ++stelle_;
            leerraum();
            e.attribute[schluessel] = wert();
        }
        for (;;) {
            ueberspringen();
            if (fertig()) fehler("</" + e.name + "> fehlt");
            if (folgt("</")) {
                stelle_ += 2;
                if (name() != e.name) fehler("</" + e.name + "> erwartet");
                leerraum();
                if (!folgt(">")) fehler("\u201E>\u201C erwartet");
                ++stelle_;
                return e;
            }
            e.kinder.push_back(element());
        }
    }

    std::string_view text_;
    std::size_t stelle_ = 0;
};

}  // namespace

const std::string& Element::attribut(const std::string& schluessel) const {
    const auto gefunden = attribute.find(schluessel);
    if (gefunden == attribute.end())
        throw Uebersetzungsfehler(zeile,
                                  "<" + name + "> ohne Attribut \u201E" + schluessel + "\u201C");
    return gefunden->second;
}

const Element* Element::kind(std::string_view kindname) const {
    for (const Element& k : kinder)
        if (k.name == kindname) return &k;
    return nullptr;
}

Element xmlLesen(std::string_view text) {
    return Leser(text).dokument();
}

}  // namespace korvalt::pap
