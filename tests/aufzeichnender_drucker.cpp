// Recording printer: keeps the calls and what each printed item looked like.
#include "aufzeichnender_drucker.h"

#include <algorithm>

#include "zahlen.h"

namespace korvalt {

void AufzeichnenderDrucker::schriftname(std::string_view name) {
    befehle_.push_back({Druckbefehl::Art::schriftname, std::string(name)});
    schrift_ = name;
}

void AufzeichnenderDrucker::schriftgroesse(double punkte) {
    befehle_.push_back({Druckbefehl::Art::schriftgroesse, {}, punkte});
    groesse_ = punkte;
}

void AufzeichnenderDrucker::fett(bool an) {
    befehle_.push_back({Druckbefehl::Art::fett, {}, an ? 1.0 : 0.0});
    fett_ = an;
}

void AufzeichnenderDrucker::position(int twips) {
    befehle_.push_back({Druckbefehl::Art::position, {}, double(twips)});
    twips_ = twips;
}

void AufzeichnenderDrucker::text(std::string_view text, Zeile zeile) {
    befehle_.push_back({Druckbefehl::Art::text, std::string(text), 0, zeile});
    drucken(std::string(text), zeile);
}

double AufzeichnenderDrucker::textbreite(std::string_view text) const {
    double zeichen = 0;
    for (char c : text) zeichen += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return zeichen * 100;
}

void AufzeichnenderDrucker::zahl(std::int16_t wert, Zeile zeile) {
    befehle_.push_back({Druckbefehl::Art::zahl, {}, double(wert), zeile});
    drucken(zahlpostenText(wert), zeile);
}

void AufzeichnenderDrucker::leerzeile() {
    befehle_.push_back({Druckbefehl::Art::leerzeile, {}});
    ++zeile_;
    ++zeileAufSeite_;
    twips_ = 0;
}

void AufzeichnenderDrucker::neueSeite() {
    befehle_.push_back({Druckbefehl::Art::neueSeite, {}});
    ++seite_;
    zeileAufSeite_ = 0;
    twips_ = 0;
}

void AufzeichnenderDrucker::zurLetztenZeile() {
    befehle_.push_back({Druckbefehl::Art::zurLetztenZeile, {}});
    zeileAufSeite_ = std::max(zeileAufSeite_, zeilenProSeite_ - 1);
}

bool AufzeichnenderDrucker::dokumentBeenden(std::string&) {
    befehle_.push_back({Druckbefehl::Art::dokumentBeenden, {}});
    ++dokumente_;
    return true;
}

void AufzeichnenderDrucker::drucken(std::string text, Zeile zeile) {
    if (zeileAufSeite_ >= zeilenProSeite_) uebergelaufen_ = true;
    posten_.push_back({zeile_, twips_, schrift_, groesse_, fett_, std::move(text), seite_});
    twips_ = -1;
    if (zeile == Zeile::endet) {
        ++zeile_;
        ++zeileAufSeite_;
        twips_ = 0;
    }
}

std::vector<Druckposten> AufzeichnenderDrucker::zeile(int nummer) const {
    std::vector<Druckposten> ergebnis;
    for (const Druckposten& p : posten_)
        if (p.zeile == nummer) ergebnis.push_back(p);
    return ergebnis;
}

}  // namespace korvalt
