// The grid store: rows of a source are built when read and again only after they were renewed, and
// the store tells which rows changed since a view last asked.
#include <gtest/gtest.h>

#include <vector>

#include "gitterspeicher.h"

using namespace korvalt;

namespace {

// Writes the row number and the how-many-th build into every row it builds.
class ZaehlendeQuelle : public Zeilenquelle {
  public:
    void zeileBauen(int zeile, Gitterzeile& zellen) const override {
        ++gebaut;
        zellen[0].text = std::to_string(zeile) + "/" + std::to_string(gebaut);
    }
    mutable int gebaut = 0;
};

TEST(Gitterspeicher, QuellzeilenWerdenBeimLesenGebautUndNurErneuertNeu) {
    Gitterspeicher gitter(10);
    ZaehlendeQuelle quelle;
    gitter.zeilenBeziehen(quelle, {3, 8});
    EXPECT_EQ(quelle.gebaut, 0);
    EXPECT_EQ(gitter.zelle(4, 0).text, "4/1");
    EXPECT_EQ(gitter.zelle(4, 7).text, "");
    EXPECT_EQ(quelle.gebaut, 1);
    // The same range again keeps what was built; a renewed row is built anew.
    gitter.zeilenBeziehen(quelle, {3, 8});
    EXPECT_EQ(gitter.zelle(4, 0).text, "4/1");
    gitter.zeileErneuern(4);
    EXPECT_EQ(gitter.zelle(4, 0).text, "4/2");
}

TEST(Gitterspeicher, GeaenderteZeilenAlsBereiche) {
    Gitterspeicher gitter(10);
    ZaehlendeQuelle quelle;
    gitter.geaenderteZeilenAbholen();
    // Writing the text a cell has is no change.
    gitter.setzeText(1, 2, "");
    EXPECT_TRUE(gitter.geaenderteZeilenAbholen().empty());
    gitter.setzeText(1, 2, "EGr.");
    gitter.setzeFarbe(2, 3, farben::hellgruen);
    gitter.zeilenBeziehen(quelle, {3, 8});
    gitter.zelle(4, 0);
    EXPECT_EQ(gitter.geaenderteZeilenAbholen(), (std::vector<Zeilenbereich>{{1, 8}}));
    // Rows that leave the source are emptied; rows added at the end are new.
    gitter.zelle(7, 0);
    gitter.zeilenBeziehen(quelle, {3, 6});
    gitter.setzeZeilenzahl(12);
    EXPECT_EQ(gitter.zelle(7, 0).text, "");
    EXPECT_EQ(gitter.geaenderteZeilenAbholen(), (std::vector<Zeilenbereich>{{6, 8}, {10, 12}}));
}

}  // namespace
