// The result printout on the plain field store: the printable sheet while the page is printed, and
// the working state afterwards, also when printing fails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ergebnisdruck.h"
#include "feldspeicher.h"

using namespace korvalt;

namespace {

const Feldname knoepfe[] = {Feldname::Speichern, Feldname::Ergebnisdrucken, Feldname::Liste,
                            Feldname::Hilfe,     Feldname::Schließen,       Feldname::nachoben,
                            Feldname::nachunten};
const std::string titel = "Korvalt für TVöD-Gemeinden (VKA), Tariftabellen Stand JANUAR 2006 WEST";

// How the window looks at one moment.
struct Ansicht {
    std::vector<bool> knoepfeSichtbar;
    bool fuerwenSichtbar = false;
    std::string fuerwen;
    std::string unterschrift;
    Farbe fenster = 0, gitter = 0, plus = 0, minus = 0;
    int hoehe = 0;
    bool operator==(const Ansicht&) const = default;
};

class Testfenster : public Druckfenster {
  public:
    explicit Testfenster(bool druckGelingt) : druckGelingt_(druckGelingt) {
        store.setzeText({Feldname::Korvaltei}, titel);
    }

    Anzeigefelder& felder() override { return store; }
    int hoeheTwips() const override { return hoehe_; }
    void setzeHoeheTwips(int twips) override {
        hoehe_ = twips;
        hoehen.push_back(twips);
    }
    int feldhoeheTwips(FeldId feld) const override {
        return feld == FeldId{Feldname::Unterschrift} ? 375 : 0;
    }
    bool clientbereichDrucken(std::string& fehler) override {
        beimDruck.push_back(ansicht());
        if (!druckGelingt_) fehler = "Der Drucker hat den Druckauftrag nicht angenommen.";
        return druckGelingt_;
    }

    Ansicht ansicht() const {
        Ansicht a;
        for (Feldname k : knoepfe) a.knoepfeSichtbar.push_back(store.zustand({k}).sichtbar);
        a.fuerwenSichtbar = store.zustand({Feldname::fürwen}).sichtbar;
        a.fuerwen = store.text({Feldname::fürwen});
        a.unterschrift = store.text({Feldname::Unterschrift});
        a.fenster = store.zustand({Feldname::Korvaltei}).hintergrund;
        a.gitter = store.zustand({Feldname::Monatsgitter}).hintergrund;
        a.plus = store.zustand({Feldname::plus}).hintergrund;
        a.minus = store.zustand({Feldname::Gleichzeichen}).hintergrund;
        a.hoehe = hoehe_;
        return a;
    }

    Feldspeicher store;
    std::vector<Ansicht> beimDruck;
    std::vector<int> hoehen;

  private:
    bool druckGelingt_;
    int hoehe_ = 9030;
};

TEST(Ergebnisdruck, DruckbogenUndDanachArbeitszustand) {
    TarifDaten daten;
    daten.fallname(0) = "Beispielfall";
    const std::string fuerwen = "Berechnung für Beispielfall" + std::string(23, ' ');
    const std::string unterschrift = "   " + titel;

    Ansicht bogen;
    bogen.knoepfeSichtbar.assign(7, false);
    bogen.fuerwenSichtbar = true;
    bogen.fuerwen = fuerwen;
    bogen.unterschrift = unterschrift;
    bogen.fenster = bogen.gitter = bogen.plus = bogen.minus = farben::weiss;
    bogen.hoehe = 9030 + 375;

    Ansicht arbeit;
    arbeit.knoepfeSichtbar.assign(7, true);
    arbeit.fuerwenSichtbar = false;
    arbeit.fuerwen = fuerwen;
    arbeit.unterschrift = unterschrift;
    arbeit.fenster = arbeit.plus = arbeit.minus = rgb(224, 224, 224);
    arbeit.gitter = rgb(238, 238, 238);
    arbeit.hoehe = 9030;

    for (bool gelingt : {true, false}) {
        SCOPED_TRACE(gelingt ? "Druck gelingt" : "Druck scheitert");
        Testfenster fenster(gelingt);
        // Colours the window may show before; afterwards it has the fixed working colours.
        fenster.store.setzeHintergrund({Feldname::plus}, farben::hellgelb);
        fenster.store.setzeHintergrund({Feldname::Monatsgitter}, farben::schwarz);
        for (int durchgang = 1; durchgang <= 2; ++durchgang) {
            std::string fehler;
            EXPECT_EQ(ergebnisDrucken(daten, fenster, fehler), gelingt);
            EXPECT_EQ(fehler.empty(), gelingt) << fehler;
            ASSERT_EQ(fenster.beimDruck.size(), std::size_t(durchgang));
            EXPECT_EQ(fenster.beimDruck.back(), bogen);
            EXPECT_EQ(fenster.ansicht(), arbeit);
        }
        EXPECT_EQ(fenster.hoehen, (std::vector<int>{9405, 9030, 9405, 9030}));
    }
}

TEST(Ergebnisdruck, HoheFensterBekommenIhreHoeheZurueck) {
    TarifDaten daten;
    Testfenster fenster(true);
    fenster.setzeHoeheTwips(40000);
    std::string fehler;
    ASSERT_TRUE(ergebnisDrucken(daten, fenster, fehler));
    EXPECT_EQ(fenster.beimDruck.back().hoehe, 40375);
    EXPECT_EQ(fenster.hoeheTwips(), 40000);
}

}  // namespace
