// The translation of one Java expression: tokens, then BigDecimal's names replaced by Dezimal's.
#include "javaausdruck.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <vector>

#include "xmlbaum.h"

namespace korvalt::pap {

namespace {

struct Token {
    enum Art { name, zahl, zeichen } art;
    std::string text;
};

std::vector<Token> zerlegen(std::string_view java, int zeile) {
    std::vector<Token> tokens;
    std::size_t k = 0;
    const auto ist = [&](std::size_t i, auto pruefen) {
        return i < java.size() && pruefen(static_cast<unsigned char>(java[i]));
    };
    while (k < java.size()) {
        const auto anfang = k;
        if (std::isspace(static_cast<unsigned char>(java[k]))) {
            ++k;
        } else if (ist(k, [](unsigned char c) { return std::isalpha(c) || c == '_'; })) {
            while (ist(k, [](unsigned char c) { return std::isalnum(c) || c == '_'; })) ++k;
            tokens.push_back({Token::name, std::string(java.substr(anfang, k - anfang))});
        } else if (ist(k, [](unsigned char c) { return std::isdigit(c); })) {
            while (ist(k, [](unsigned char c) { return std::isdigit(c) || c == '.'; })) ++k;
            tokens.push_back({Token::zahl, std::string(java.substr(anfang, k - anfang))});
        } else {
            static constexpr std::array<std::string_view, 6> doppelt{
                "==", "!=", "<=", ">=", "&&", "||"};
            std::size_t laenge = 1;
            for (auto d : doppelt)
                if (java.substr(k, 2) == d) laenge = 2;
            if (laenge == 1 &&
                std::string_view("().,[]{}=<>+-*/!").find(java[k]) == std::string_view::npos)
                throw Uebersetzungsfehler(
                    zeile, "unbekanntes Zeichen \u201E" + std::string(1, java[k]) + "\u201C");
            k += laenge;
            tokens.push_back({Token::zeichen, std::string(java.substr(anfang, laenge))});
        }
    }
    return tokens;
}

bool istMethode(const std::string& name) {
    static constexpr std::array<std::string_view, 7> bekannt{
        "add", "subtract", "multiply", "divide", "setScale", "compareTo", "longValue"};
    for (auto m : bekannt)
        if (name == m) return true;
    return false;
}

// Operators get blanks around them, a comma one after it; everything else stands close.
void anhaengen(std::string& cpp, const std::string& text, bool zeichen) {
    const bool operator_ =
        zeichen && std::string_view("().,[]{}!").find(text) == std::string_view::npos;
    if (operator_) {
        cpp += " " + text + " ";
    } else if (text == ",") {
        cpp += ", ";
    } else {
        if (!zeichen && !cpp.empty() &&
            (std::isalnum(static_cast<unsigned char>(cpp.back())) || cpp.back() == '_'))
            cpp += ' ';
        cpp += text;
    }
}

}  // namespace

std::string dezimalKonstante(std::string_view zahl, int zeile) {
    std::string ziffern(zahl);
    if (ziffern.find('.') != std::string::npos) {
        // BigDecimal.valueOf(double) takes the double's shortest decimal form.
        char* ende = nullptr;
        const double wert = std::strtod(ziffern.c_str(), &ende);
        std::array<char, 400> puffer{};
        const auto ergebnis = std::to_chars(puffer.data(), puffer.data() + puffer.size(), wert,
                                            std::chars_format::fixed);
        if (*ende != '\0' || ergebnis.ec != std::errc{})
            throw Uebersetzungsfehler(zeile, "Zahl \u201E" + ziffern + "\u201C unlesbar");
        ziffern.assign(puffer.data(), ergebnis.ptr);
    }
    const auto punkt = ziffern.find('.');
    std::size_t skala = 0;
    if (punkt != std::string::npos) {
        skala = ziffern.size() - punkt - 1;
        ziffern.erase(punkt, 1);
    }
    ziffern.erase(0, std::min(ziffern.find_first_not_of('0'), ziffern.size() - 1));
    if (ziffern.size() > 18)
        throw Uebersetzungsfehler(zeile, "Zahl \u201E" + std::string(zahl) + "\u201C zu lang");
    return "Dezimal(" + ziffern + ", " + std::to_string(skala) + ")";
}

std::string ausdruckUebersetzen(std::string_view java, int zeile) {
    const std::vector<Token> t = zerlegen(java, zeile);
    const auto ist = [&](std::size_t i, std::string_view text) {
        return i < t.size() && t[i].text == text;
    };
    const auto fehler = [&](const std::string& was) -> Uebersetzungsfehler {
        return Uebersetzungsfehler(zeile, was + " in \u201E" + std::string(java) + "\u201C");
    };
    std::string cpp;
    for (std::size_t i = 0; i < t.size();) {
        const Token& token = t[i];
        if (token.text == "BigDecimal") {
            if (!ist(i + 1, ".") || i + 2 >= t.size()) throw fehler("BigDecimal ohne Glied");
            const std::string& glied = t[i + 2].text;
            if (glied == "ZERO" || glied == "ONE" || glied == "TEN") {
                anhaengen(cpp, "Dezimal::" + glied, false);
                i += 3;
            } else if (glied == "ROUND_DOWN" || glied == "ROUND_UP") {
                anhaengen(cpp, "Rundung::" + glied, false);
                i += 3;
            } else if (glied == "valueOf" && ist(i + 3, "(")) {
                if (i + 5 < t.size() && t[i + 4].art == Token::zahl && ist(i + 5, ")")) {
                    anhaengen(cpp, dezimalKonstante(t[i + 4].text, zeile), false);
                    i += 6;
                } else {
                    anhaengen(cpp, "Dezimal::valueOf", false);
                    i += 3;
                }
            } else {
                throw fehler("unbekanntes BigDecimal." + glied);
            }
        } else if (token.text == "new") {
            // new BigDecimal(double) would take the double's binary value: only whole numbers.
            if (!ist(i + 1, "BigDecimal") || !ist(i + 2, "(") || i + 4 >= t.size() ||
                t[i + 3].art != Token::zahl || t[i + 3].text.find('.') != std::string::npos ||
                !ist(i + 4, ")"))
                throw fehler("nur new BigDecimal(ganze Zahl) ist bekannt");
            anhaengen(cpp, dezimalKonstante(t[i + 3].text, zeile), false);
            i += 5;
        } else if (token.text == ".") {
            if (i + 1 >= t.size() || !istMethode(t[i + 1].text) || !ist(i + 2, "("))
                throw fehler("unbekannte Methode");
            cpp += "." + t[i + 1].text;
            i += 2;
        } else if (token.art == Token::name && ist(i + 1, "[")) {
            anhaengen(cpp, token.text + ".at(", false);
            i += 2;
        } else if (token.text == "]") {
            cpp += ")";
            ++i;
        } else if (token.text == "-" &&
                   (i == 0 || (t[i - 1].art == Token::zeichen && t[i - 1].text != ")" &&
                               t[i - 1].text != "]"))) {
            cpp += " -";  // a sign, not a difference
            ++i;
        } else {
            anhaengen(cpp, token.text, token.art == Token::zeichen);
            ++i;
        }
    }
    // The blanks around operators may leave doubles and ends.
    std::string sauber;
    for (char c : cpp)
        if (c != ' ' || (!sauber.empty() && sauber.back() != ' ' && sauber.back() != '('))
            sauber += c;
    while (!sauber.empty() && sauber.back() == ' ') sauber.pop_back();
    std::string ergebnis;
    for (std::size_t k = 0; k < sauber.size(); ++k)
        if (!(sauber[k] == ' ' && k + 1 < sauber.size() &&
              (sauber[k + 1] == ')' || sauber[k + 1] == ',')))
            ergebnis += sauber[k];
    return ergebnis;
}

}  // namespace korvalt::pap
