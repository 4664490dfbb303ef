// The percentages of the calendar settings: shares and raises from text, and their texts.
#include <gtest/gtest.h>

#include "prozentzahlen.h"

using namespace korvalt;

TEST(Prozentzahlen, AnteilMitKommaOderPunkt) {
    for (const auto& [text, anteil] :
         {std::pair{"87,5", 8750}, {"87.5", 8750}, {"100", 10000}, {"1", 100}, {"33,33 %", 3333}}) {
        SCOPED_TRACE(text);
        std::string fehler;
        EXPECT_EQ(anteilLesen(text, fehler), anteil);
    }
    for (const char* text : {"0,99", "100,01", "87,555", "87,", ",5", "8,7,5", ""}) {
        SCOPED_TRACE(text);
        std::string fehler;
        EXPECT_FALSE(anteilLesen(text, fehler));
        EXPECT_FALSE(fehler.empty());
    }
    std::string fehler;
    anteilLesen("120", fehler);
    EXPECT_EQ(fehler, "Der Arbeitszeitanteil 120 % liegt nicht zwischen 1 und 100 %.");
}

TEST(Prozentzahlen, AnteilUndWochenstunden) {
    EXPECT_EQ(anteilText(8750), "87,5 %");
    EXPECT_EQ(anteilText(10000), "100 %");
    // 39 h × 87,5 % = 34,125 h: the half goes up.
    EXPECT_EQ(wochenstundenText(8750), "34,13 Std./Woche");
    EXPECT_EQ(wochenstundenText(7500), "29,25 Std./Woche");
    EXPECT_EQ(wochenstundenText(10000), "39 Std./Woche");
}

TEST(Prozentzahlen, Erhoehung) {
    std::string fehler;
    EXPECT_EQ(erhoehungLesen("2,5", fehler), 25);
    EXPECT_EQ(erhoehungLesen("10.0", fehler), 100);
    EXPECT_FALSE(erhoehungLesen("2,55", fehler));
    EXPECT_FALSE(erhoehungLesen("10,1", fehler));
    EXPECT_EQ(fehler, "Die angenommene Erhöhung von 10,1 % liegt nicht zwischen 0 und 10 %.");
    EXPECT_EQ(erhoehungText({25, KalenderMonat(2027, 4)}),
              "angenommene Erhöhung 2,5 % jährlich ab 04/2027");
}
