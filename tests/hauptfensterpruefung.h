// Test helper: the real main window offscreen, its client area started on files in a temporary
// directory, fields found by objectName and index, keys sent as the user types them.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "fensterpruefung.h"
#include "hauptfenster.h"

namespace korvalt::test {

class HauptfensterTest : public ::testing::Test {
  protected:
    // Starts as the program does; `anschliessen` runs before the window is shown.
    void starten(std::optional<std::string> einstellungen = {},
                 const std::function<void(Hauptfenster&)>& anschliessen = {}) {
        if (einstellungen) std::ofstream(einstellungsdatei(), std::ios::binary) << *einstellungen;
        fenster.reset();
        sitzung = std::make_unique<Sitzung>();
        fenster = std::make_unique<Hauptfenster>(*sitzung, meldungen);
        fenster->korvaltei().laden({{"."}, einstellungsdatei()});
        if (anschliessen) anschliessen(*fenster);
        fenster->show();
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    }

    std::filesystem::path einstellungsdatei() const {
        return verzeichnis.pfad() / "korvalt-einstellungen.dat";
    }

    template <typename W = QWidget>
    W* widget(const std::string& name, int index = 0) const {
        auto* w = finde<W>(fenster->korvaltei(), name, index);
        EXPECT_NE(w, nullptr) << name << "(" << index << ")";
        return w;
    }
    std::string text(const std::string& name, int index = 0) const {
        if (auto* f = finde<QLineEdit>(fenster->korvaltei(), name, index))
            return f->text().toStdString();
        return widget<QLabel>(name, index)->text().toStdString();
    }
    void ersetzen(const std::string& name, int index, const char* zeichen) const {
        auto* f = widget<QLineEdit>(name, index);
        QTest::mouseClick(f, Qt::LeftButton);
        QTest::keyClick(f, Qt::Key_Backspace);
        QTest::keyClicks(f, zeichen);
        QTest::keyClick(f, Qt::Key_Return);
    }
    // A key with modifiers on the widget that has the focus, as the user presses it.
    void taste(Qt::Key taste, Qt::KeyboardModifiers zusatz = Qt::NoModifier) const {
        QWidget* ziel = QApplication::focusWidget();
        QTest::keyClick(ziel ? ziel : fenster.get(), taste, zusatz);
    }
    // The started window's case in the VKA tables by date from 07/2026, with net pay in the
    // default tax settings, shown.
    void mitNettolohn() {
        Kalenderangaben angaben;
        angaben.beginn = KalenderMonat(2026, 7);
        std::string fehler;
        ASSERT_TRUE(sitzung->tabelleWaehlen("vka", fehler, angaben)) << fehler;
        ASSERT_TRUE(sitzung->steuerSetzen(Steuerangaben{}, fehler)) << fehler;
        fenster->korvaltei().anzeige().starten();
    }
    // The title as the desktop shows it, the change mark "*" in place of "[*]".
    std::string titel() const { return fenster->windowHandle()->title().toStdString(); }

    TemporaeresVerzeichnis verzeichnis;
    Meldungsprotokoll meldungen;
    std::unique_ptr<Sitzung> sitzung;
    std::unique_ptr<Hauptfenster> fenster;
};

}  // namespace korvalt::test
