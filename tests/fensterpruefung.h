// Test helper: the real main window offscreen, started on files in a temporary directory, with its
// fields found by objectName and index and driven by real key and mouse events.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "korvaltei.h"
#include "meldungsprotokoll.h"
#include "qt_anwendung.h"
#include "tariftabelle.h"

namespace korvalt::test {

// The widget named `name` whose property "index" is `index` (no property: index 0).
template <typename W = QWidget>
W* finde(const QWidget& fenster, const std::string& name, int index = 0) {
    for (W* w : fenster.findChildren<W*>(QString::fromStdString(name))) {
        const QVariant i = w->property("index");
        if ((i.isValid() ? i.toInt() : 0) == index) return w;
    }
    return nullptr;
}

// A settings record: start group, eight group durations, the step durations of every column.
inline std::string einstellungssatzText(int startgruppe, int grdauer = 120,
                                        std::vector<int> stufen = {12, 24, 36, 48, 60, 120},
                                        const char* kennung = "st") {
    std::string satz = kennung;
    satz.push_back(static_cast<char>(startgruppe));
    const std::string dauer = std::to_string(1000 + grdauer).substr(1);
    for (int i = 0; i < 8; ++i) satz += dauer;
    for (int i = 0; i < 8; ++i)
        for (int s : stufen) satz.push_back(static_cast<char>(s));
    return satz;
}

class FensterTest : public ::testing::Test {
  protected:
    // Starts the window as the program does: the settings file (when `einstellungen` is given)
    // and the tariff file of the build directory, unless `tarifOrte` names others.
    void starten(std::optional<std::string> einstellungen = {},
                 std::vector<std::filesystem::path> tarifOrte = {"."}) {
        const auto datei = verzeichnis.pfad() / "korvalt-einstellungen.dat";
        if (einstellungen) std::ofstream(datei, std::ios::binary) << *einstellungen;
        fenster.reset();
        sitzung = std::make_unique<Sitzung>();
        fenster = std::make_unique<Korvaltei>(*sitzung, meldungen);
        fenster->laden({std::move(tarifOrte), datei});
        fenster->show();
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    }

    QLineEdit* feld(const std::string& name, int index = 0) const {
        auto* f = finde<QLineEdit>(*fenster, name, index);
        EXPECT_NE(f, nullptr) << name << "(" << index << ")";
        return f;
    }
    QLabel* beschriftung(const std::string& name, int index = 0) const {
        auto* l = finde<QLabel>(*fenster, name, index);
        EXPECT_NE(l, nullptr) << name << "(" << index << ")";
        return l;
    }
    QPushButton* knopf(const std::string& name) const {
        auto* k = finde<QPushButton>(*fenster, name);
        EXPECT_NE(k, nullptr) << name;
        return k;
    }
    std::string text(const std::string& name, int index = 0) const {
        if (auto* f = finde<QLineEdit>(*fenster, name, index)) return f->text().toStdString();
        return beschriftung(name, index)->text().toStdString();
    }

    // Clicks into the field, as the user does before typing.
    void fokus(QLineEdit* f) const { QTest::mouseClick(f, Qt::LeftButton); }
    void tippen(QLineEdit* f, const char* zeichen) const {
        fokus(f);
        QTest::keyClicks(f, zeichen);
    }
    void eingeben(QLineEdit* f, const char* zeichen) const {
        tippen(f, zeichen);
        QTest::keyClick(f, Qt::Key_Return);
    }
    // Empties the field the way a user can: Backspace takes the whole text.
    void ersetzen(QLineEdit* f, const char* zeichen) const {
        fokus(f);
        QTest::keyClick(f, Qt::Key_Backspace);
        QTest::keyClicks(f, zeichen);
        QTest::keyClick(f, Qt::Key_Return);
    }
    void klicken(const std::string& name) const { QTest::mouseClick(knopf(name), Qt::LeftButton); }

    std::array<int, 4> fokuswerte() const {
        const Falltabellen& t = sitzung->tabellen();
        return {static_cast<int>(t.fokusart), t.fokusseite, t.fokusspalte, t.fokusstufe};
    }

    TemporaeresVerzeichnis verzeichnis;
    Meldungsprotokoll meldungen;
    std::unique_ptr<Sitzung> sitzung;
    std::unique_ptr<Korvaltei> fenster;
};

}  // namespace korvalt::test
