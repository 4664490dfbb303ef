// Number conversions and number texts: the cases where German number formats and roundings differ.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "zahlen.h"

using namespace korvalt;

TEST(Zahlen, ZahlAmAnfang) {
    const struct {
        const char* text;
        double erwartet;
    } faelle[] = {
        {"", 0},          {"abc", 0},
        {"120", 120},     {"036", 36},
        {"12abc", 12},    {"7.5", 7.5},
        {"7.5.3", 7.5},   {".5", 0.5},
        {"  42", 42},     {"-1", -1},
        {"1,5", 1},       {"    0", 0},
        {"1.235", 1.235}, {"99999999999", 99999999999.0},
    };
    for (const auto& f : faelle)
        EXPECT_DOUBLE_EQ(zahlAmAnfang(f.text), f.erwartet) << '"' << f.text << '"';
}

TEST(Zahlen, RundetHalbZurGeradenNachbarzahl) {
    const struct {
        double wert, erwartet;
    } faelle[] = {{2.5, 2},   {3.5, 4},    {-0.5, 0},   {0.5, 0},   {1.5, 2}, {-1.5, -2},
                  {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {0, 0},   {1234567.5, 1234568}};
    for (const auto& f : faelle) EXPECT_EQ(rundeGerade(f.wert), f.erwartet) << f.wert;
}

TEST(Zahlen, IntegerUndLongBleibenImBereich) {
    EXPECT_EQ(alsInteger(36.5), 36);
    EXPECT_EQ(alsInteger(99999), 32767);
    EXPECT_EQ(alsInteger(-99999), -32768);
    EXPECT_EQ(alsLong(2474.5), 2474);
    EXPECT_EQ(alsLong(1e12), std::numeric_limits<std::int32_t>::max());
}

TEST(Zahlen, Tausendermuster) {
    const struct {
        double wert;
        const char* erwartet;
    } faelle[] = {{0, "0"},
                  {5, "5"},
                  {999, "999"},
                  {1000, "1.000"},
                  {1235, "1.235"},
                  {2474.5, "2.475"},
                  {2475000, "2.475.000"},
                  {-1234, "-1.234"},
                  {-12345, "-12.345"},
                  {-0.4, "0"},
                  {-0.5, "-1"},
                  {1234567890, "1.234.567.890"}};
    for (const auto& f : faelle) EXPECT_EQ(tausenderText(f.wert), f.erwartet) << f.wert;
}

TEST(Zahlen, AllgemeinesFormatEinerSingle) {
    EXPECT_EQ(allgemeinText(12.5f), "12,5");
    EXPECT_EQ(allgemeinText(50.0f), "50");
    EXPECT_EQ(allgemeinText(0.0f), "0");
    EXPECT_EQ(allgemeinText(2061.0f - 2040.0f), "21");
    // 50 - 12.34 in single precision is 37.659996...; seven significant digits make it 37,66.
    EXPECT_EQ(allgemeinText(50.0f - 12.34f), "37,66");
    EXPECT_EQ(allgemeinText(1234567.0f), "1234567");
    EXPECT_EQ(allgemeinText(-3.25f), "-3,25");
}

TEST(Zahlen, Betragsanzeige) {
    const struct {
        std::int32_t cent;
        const char* erwartet;
    } faelle[] = {{206100, "2.061"}, {99, "0"},  {100000, "1.000"}, {234567, "2.345"},
                  {-150, "-1"},      {-50, "0"}, {0, "0"},          {12345678, "123.456"}};
    for (const auto& f : faelle) EXPECT_EQ(betragsanzeige(f.cent), f.erwartet) << f.cent;
}

TEST(Zahlen, AngezeigterBetragWirdZurueckgelesen) {
    EXPECT_DOUBLE_EQ(angezeigtenBetragLesen("1.235"), 1235);
    EXPECT_DOUBLE_EQ(angezeigtenBetragLesen("    0"), 0);
    EXPECT_DOUBLE_EQ(angezeigtenBetragLesen("-1"), -1);
    EXPECT_DOUBLE_EQ(angezeigtenBetragLesen("2.475.000"), 2475000);
    EXPECT_DOUBLE_EQ(angezeigtenBetragLesen("12,5"), 12.5);
    // Every caption the pay table writes reads back as the number it shows.
    for (std::int32_t cent : {0, 99, 100, 128600, 503000, -150, 99999999})
        EXPECT_DOUBLE_EQ(angezeigtenBetragLesen(betragsanzeige(cent)), double(cent / 100)) << cent;
}

TEST(Zahlen, CentMitZweiNachkommastellen) {
    const struct {
        std::int64_t cent;
        const char* erwartet;
    } faelle[] = {{458677, "4586,77"},
                  {-1230, "-12,30"},
                  {0, "0,00"},
                  {5, "0,05"},
                  {-5, "-0,05"},
                  {100, "1,00"},
                  {-100, "-1,00"},
                  {160417200, "1604172,00"},
                  {std::numeric_limits<std::int64_t>::min(), "-92233720368547758,08"}};
    for (const auto& f : faelle) EXPECT_EQ(centText(f.cent), f.erwartet) << f.cent;
}

// Grouped in threes before the comma, never between the sign and the first digit.
TEST(Zahlen, CentMitTausenderpunkten) {
    const struct {
        std::int64_t cent;
        const char* erwartet;
    } faelle[] = {{12345, "123,45"},          {-12345, "-123,45"},         {123456, "1.234,56"},
                  {-123456, "-1.234,56"},     {123456789, "1.234.567,89"}, {-99999, "-999,99"},
                  {100000000, "1.000.000,00"}};
    for (const auto& f : faelle) EXPECT_EQ(centTausenderText(f.cent), f.erwartet) << f.cent;
}

TEST(Zahlen, CentAufGanzeEuroHalbVonNullWeg) {
    // 250 and 350 tell half away from zero from half to even, 249 and 251 from truncation.
    const struct {
        std::int64_t cent, euro;
    } faelle[] = {{250, 3}, {350, 4},   {-250, -3},     {-350, -4},      {249, 2},
                  {251, 3}, {-249, -2}, {-251, -3},     {50, 1},         {-50, -1},
                  {49, 0},  {0, 0},     {458677, 4587}, {-458649, -4586}};
    for (const auto& f : faelle) EXPECT_EQ(euroGerundet(f.cent), f.euro) << f.cent;
}

TEST(Zahlen, ZweiNachkommastellen) {
    EXPECT_EQ(zweiStellenText(2061.0), "2061,00");
    EXPECT_EQ(zweiStellenText(0.0), "0,00");
    EXPECT_EQ(zweiStellenText(2111.5), "2111,50");
    EXPECT_EQ(zweiStellenText(-0.001), "0,00");
    EXPECT_EQ(zweiStellenText(123456.25), "123456,25");
}

TEST(Zahlen, GanzzahlOhneGruppierung) {
    EXPECT_EQ(ganzzahlText(600), "600");
    EXPECT_EQ(ganzzahlText(-12), "-12");
    EXPECT_EQ(ganzzahlText(0), "0");
    EXPECT_EQ(ganzzahlText(1234567), "1234567");
}
