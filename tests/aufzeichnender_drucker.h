// A printer that records every call and every printed item with the font in force, for tests.
#pragma once

#include <string>
#include <vector>

#include "drucker.h"

namespace korvalt {

struct Druckbefehl {
    enum class Art : std::uint8_t {
        schriftname,
        schriftgroesse,
        fett,
        position,
        text,
        zahl,
        leerzeile,
        neueSeite,
        zurLetztenZeile,
        dokumentBeenden
    };
    Art art;
    std::string text;  // font name or printed text
    double wert = 0;   // size, bold (0/1), twips or number
    Zeile zeile = Zeile::bleibt;
    bool operator==(const Druckbefehl&) const = default;
};

// One printed item: where it stands and how it looks.
struct Druckposten {
    int zeile = 0;        // lines ended before it, counted from 0
    int twips = 0;        // the position set for it, or -1 when it follows the item before it
    std::string schrift;  // font name as the printout set it
    double groesse = 0;
    bool fett = false;
    std::string text;  // number items as printed (" 9 ")
    int seite = 1;
    bool operator==(const Druckposten&) const = default;
};

// Every line is one twelfth of an inch high, in any font; a page holds `zeilenProSeite` lines.
class AufzeichnenderDrucker : public Drucker {
  public:
    static constexpr double zeilenTwips = 120;
    explicit AufzeichnenderDrucker(int zeilenProSeite = 100000) : zeilenProSeite_(zeilenProSeite) {}

    void schriftname(std::string_view name) override;
    void schriftgroesse(double punkte) override;
    void fett(bool an) override;
    void position(int twips) override;
    void text(std::string_view text, Zeile zeile = Zeile::bleibt) override;
    // Every character, as UTF-8 counts them, is 100 twips wide.
    double textbreite(std::string_view text) const override;
    void zahl(std::int16_t wert, Zeile zeile = Zeile::bleibt) override;
    void leerzeile() override;
    double seitenhoehe() const override { return zeilenProSeite_ * zeilenTwips; }
    double zeilenhoehe() const override { return zeilenTwips; }
    void neueSeite() override;
    void zurLetztenZeile() override;
    bool dokumentBeenden(std::string& fehler) override;

    const std::vector<Druckbefehl>& befehle() const { return befehle_; }
    const std::vector<Druckposten>& posten() const { return posten_; }
    // The items of one line, left to right as printed.
    std::vector<Druckposten> zeile(int nummer) const;
    int zeilenAnzahl() const { return zeile_; }
    int dokumente() const { return dokumente_; }
    int seiten() const { return seite_; }
    // Whether some line was printed below the last line of its page.
    bool uebergelaufen() const { return uebergelaufen_; }

  private:
    void drucken(std::string text, Zeile zeile);

    std::vector<Druckbefehl> befehle_;
    std::vector<Druckposten> posten_;
    std::string schrift_{standardSchrift};
    double groesse_ = standardSchriftgroesse;
    bool fett_ = false;
    int twips_ = 0;
    int zeile_ = 0;
    int dokumente_ = 0;
    int seite_ = 1;
    int zeileAufSeite_ = 0;
    bool uebergelaufen_ = false;
    int zeilenProSeite_;
};

}  // namespace korvalt
