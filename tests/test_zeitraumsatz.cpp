// The period record: each field at its place, a damaged one refused, a later version's bytes kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "zeitraumsatz.h"

using namespace korvalt;

namespace {

Einstellungssatz satzAus(std::string_view text) {
    Einstellungssatz satz;
    satz.fill(' ');
    std::copy_n(text.begin(), std::min(text.size(), satz.size()), satz.begin());
    return satz;
}

Zeitraum zeitraum(Zeitraumart art, KalenderMonat von, std::optional<KalenderMonat> bis) {
    Zeitraum z;
    z.art = art;
    z.von = von;
    z.bis = bis;
    return z;
}

}  // namespace

// A field written or read a byte early or late breaks its row.
TEST(Zeitraumsatz, JedesFeldAnSeinerStelle) {
    using A = Zeitraumart;
    Zeitraum teilzeit = zeitraum(A::teilzeit, {2029, 10}, std::nullopt);
    teilzeit.anteil = 7500;
    Zeitraum elternzeit = zeitraum(A::elternzeit, {2028, 10}, KalenderMonat(2029, 9));
    elternzeit.geburt = KalenderMonat(2028, 8);
    elternzeit.fuer = Zeitraumfall::individuell;
    const struct {
        const char* feld;
        Zeitraum z;
        const char* bytes;
    } faelle[] = {
        {"Art 3, von 5-10, Anteil 17-21", teilzeit, "zr10202910      07500"},
        {"Fall 4, bis 11-16, Geburt 22-27", elternzeit, "zr22202810202909     202808"},
        {"angerechnet", zeitraum(A::sonderurlaubAngerechnet, {2030, 1}, KalenderMonat(2030, 12)),
         "zr40203001203012"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.feld);
        EXPECT_EQ(zeitraumsatzBilden(f.z), satzAus(f.bytes));
        std::string fehler;
        EXPECT_EQ(zeitraumsatzLesen(satzAus(f.bytes), fehler), f.z) << fehler;
    }
}

TEST(Zeitraumsatz, BeschaedigteWerdenAbgelehnt) {
    for (const char* bytes : {"zr50202810202909", "zr13202810202909", "zr20202813202909",
                              "zr20202810", "zr10202910      00050", "zr10202910      0750x"}) {
        std::string fehler;
        EXPECT_FALSE(zeitraumsatzLesen(satzAus(bytes), fehler).has_value()) << bytes;
        EXPECT_NE(fehler.find("beschädigt"), std::string::npos) << bytes;
    }
}

// A later version's bytes after the birth month survive a change of the period.
TEST(Zeitraumsatz, SpaetereStellenBleiben) {
    std::string bytes = "zr20202810202909     202808";
    bytes.resize(75, ' ');
    bytes.replace(27, 5, "12345");
    bytes.back() = 'Z';
    std::string fehler;
    auto z = zeitraumsatzLesen(satzAus(bytes), fehler);
    ASSERT_TRUE(z) << fehler;
    z->geburt.reset();
    const Einstellungssatz geschrieben = zeitraumsatzBilden(*z);
    EXPECT_EQ(std::string(geschrieben.begin() + 21, geschrieben.begin() + 27), "      ");
    EXPECT_EQ(std::string(geschrieben.begin() + 27, geschrieben.end()), bytes.substr(27));
}
